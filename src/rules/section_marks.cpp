#include "rules/section_marks.h"

#include <cmath>

namespace kaven::rules {

std::int32_t sectionMarks(double mC_score, std::int16_t mq_no, int questions)
{
    const int unconfirmed = questions - (mq_no - 1);
    double s = unconfirmed > 0 ? mC_score - 0.5 * unconfirmed : mC_score;
    if (s < 0)
        s = 0;
    // nearbyint rounds in the default mode: to the nearest, halves to the even neighbour.
    return std::int32_t(std::nearbyint(s));
}

int Actual_Score(const std::int16_t& total)
{
    if (total < 2)
        return 200;
    return 270 + 5 * total;
}

} // namespace kaven::rules
