#include "quant/figures.h"

namespace kaven::quant {

namespace {

// The rectangle of figures 3 and 5, its corners lettered a b / c d.
void rectangle(Figure& f)
{
    f.placed = {{QStringLiteral("lab_A"), {7700, 250}},
                {QStringLiteral("Lab_B"), {9200, 250}},
                {QStringLiteral("Lab_C"), {7700, 1410}},
                {QStringLiteral("Lab_D"), {9200, 1410}}};
    f.lines = {{7900, 315, 9045, 315},
               {7900, 315, 7900, 1510},
               {7900, 1510, 9045, 1510},
               {9045, 315, 9045, 1510}};
}

Figure Fun_Circle()
{
    Figure f;
    f.hidden = {QStringLiteral("Lab_C"), QStringLiteral("Lab_D")};
    f.placed = {{QStringLiteral("Lab_o"), {8300, 1000}}};
    f.circles = {{{8400, 1000}, 500}};
    return f;
}

Figure Fun_line_circle()
{
    Figure f;
    f.hidden = {QStringLiteral("Lab_C"), QStringLiteral("Lab_D")};
    f.placed = {{QStringLiteral("Lab_o"), {8400, 800}}, {QStringLiteral("LAB_X"), {7730, 900}}};
    f.circles = {{{8400, 1000}, 500}};
    f.lines = {{7900, 1000, 8450, 1000}, {8450, 1000, 8450, 1510}};
    return f;
}

Figure Func_Rectangle()
{
    Figure f;
    rectangle(f);
    return f;
}

Figure Func_Triangle()
{
    Figure f;
    f.hidden = {QStringLiteral("Lab_D")};
    f.placed = {{QStringLiteral("lab_A"), {7800, 1515}},
                {QStringLiteral("Lab_B"), {9150, 1515}},
                {QStringLiteral("Lab_C"), {8100, 315}}};
    // The base runs 5 twips below the lower ends of the other two sides.
    f.lines = {{7900, 315, 9045, 1510}, {7900, 315, 7900, 1510}, {7900, 1515, 9045, 1515}};
    return f;
}

Figure Func_rect_with_lines()
{
    Figure f;
    rectangle(f);
    f.lines.push_back({7900, 315, 9045, 1510});
    f.lines.push_back({9045, 315, 7900, 1510});
    return f;
}

} // namespace

Figure Display_Fig(std::int16_t mfig_id)
{
    switch (mfig_id) {
    case 1: return Fun_Circle();
    case 2: return Fun_line_circle();
    case 3: return Func_Rectangle();
    case 4: return Func_Triangle();
    case 5: return Func_rect_with_lines();
    default: return {};
    }
}

const std::vector<std::pair<QString, QString>>& figureLabels()
{
    static const std::vector<std::pair<QString, QString>> labels{
        {QStringLiteral("Lab_o"), QStringLiteral("o")},   {QStringLiteral("Lab_dot"), QStringLiteral("*")},
        {QStringLiteral("LAB_X"), QStringLiteral("x")},   {QStringLiteral("Lab_Y"), QStringLiteral("Y")},
        {QStringLiteral("Lab_Z"), QStringLiteral("Z")},   {QStringLiteral("lab_A"), QStringLiteral("a")},
        {QStringLiteral("Lab_B"), QStringLiteral("b")},   {QStringLiteral("Lab_C"), QStringLiteral("c")},
        {QStringLiteral("Lab_D"), QStringLiteral("d")},
    };
    return labels;
}

} // namespace kaven::quant
