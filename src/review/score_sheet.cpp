#include "review/score_sheet.h"

namespace kaven::review {

namespace {

constexpr int rowLeft = 500;
constexpr int firstTop = 300;
constexpr int columnStep = 375;
constexpr int rowStep = 400;
constexpr int lastLeft = 9400;

} // namespace

ScoreSheet buildScoreSheet(const store::RecordBuffer<store::UserprofRecord>& profile,
                           std::int32_t test, const QString& section)
{
    ScoreSheet sheet;
    int left = rowLeft;
    int top = firstTop;
    for (int i = 1; i < profile.counter(); ++i) {
        const store::UserprofRecord& answer = profile[i];
        if (answer.test_no != test || answer.section != section)
            continue;
        if (sheet.firstIndex == 0)
            sheet.firstIndex = i;
        SheetButton button;
        button.profileIndex = i;
        button.left = left;
        button.top = top;
        button.toolTip = typeToolTip(answer.q_type);
        button.wrong = answer.given_no != answer.ans_no;
        if (!button.wrong)
            ++sheet.correct;
        sheet.buttons.append(button);
        left += columnStep;
        if (left > lastLeft) {
            left = rowLeft;
            top += rowStep;
        }
    }
    return sheet;
}

QString typeToolTip(const QString& typeCode)
{
    if (typeCode == u"C")
        return QStringLiteral("Reading Comprehension");
    if (typeCode == u"S")
        return QStringLiteral("Sentence Correction");
    if (typeCode == u"R")
        return QStringLiteral("Critical reasoning");
    if (typeCode == u"D")
        return QStringLiteral("Data Sufficency");
    if (typeCode == u"P")
        return QStringLiteral("Problem Solving");
    return {};
}

QString sheetButtonName(int k, bool wrong)
{
    return QStringLiteral("Question %1, %2").arg(k).arg(wrong ? QStringLiteral("wrong") : QStringLiteral("right"));
}

QString attemptedCaption(int attempted)
{
    return QStringLiteral("Questions Attempted : ") + QString::number(attempted);
}

QString correctCaption(std::int16_t correct)
{
    return QStringLiteral("Correct Answers       : ") + QString::number(correct);
}

} // namespace kaven::review
