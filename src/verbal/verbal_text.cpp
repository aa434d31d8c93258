#include "verbal/verbal_text.h"

#include "rules/underline_marker.h"

namespace kaven::verbal {

QString verbalDirections()
{
    const QString paragraph = QStringLiteral("\r\n\r\n");
    return QStringLiteral("DIRECTIONS FOR SENTENCE CORRECTION QUESTIONS ") + paragraph
        + QStringLiteral("In each Sentence Correction question, either part or all of the sentence is underlined.")
        + QStringLiteral(" The sentence is followed by five ways of writing the underlined part.")
        + QStringLiteral(" Answer choice (A) repeats the original; the other choices vary. If you think that the original ")
        + QStringLiteral("phrasing is the best, choose (A). If you think one of the other answer choices is the best, select that choice.")
        + paragraph + QStringLiteral("DIRECTIONS FOR CRITICAL REASONING QUESTIONS") + paragraph
        + QStringLiteral("The Critical Reasoning questions ask you to analyze and evaluate the reasoning in short "
                         "paragraphs or passages. For some questions, all of the answer choices may conceivably "
                         "be answers to the questions asked. You should select the best answer to the question, "
                         "an answer that does not require you to make assumptions that violate common sense "
                         "standards by being implausible, redundant, irrelevant or inconsistent.")
        + paragraph + QStringLiteral("DIRECTIONS FOR READING COMPREHENSION PASSAGES ") + paragraph
        + QStringLiteral("Each passage is followed by questions or incomplete statements about the passage. Each "
                         "question or statement is followed by lettered words or expressions. Select the word or "
                         "expression that most satisfactorily completes each statement or answers each question "
                         "in accordance with the meaning of the passage. ");
}

QString reasoningText(const store::VrmastRecord& question)
{
    QString text = question.q_text;
    const std::pair<const QString*, const char*> statements[] = {
        {&question.stmt_1, "I.     "}, {&question.stmt_2, "II.    "}, {&question.stmt_3, "III.   "}};
    for (const auto& [statement, numeral] : statements)
        if (!statement->isEmpty())
            text += QStringLiteral("\r\n") + QLatin1String(numeral) + *statement;
    return text;
}

QString reasoningMarkup(const store::VrmastRecord& question)
{
    QString html = rules::escapedLines(question.q_text);
    QString rows;
    const std::pair<const QString*, const char*> statements[] = {
        {&question.stmt_1, "I."}, {&question.stmt_2, "II."}, {&question.stmt_3, "III."}};
    for (const auto& [statement, numeral] : statements)
        if (!statement->isEmpty())
            rows += QStringLiteral("<tr><td width=\"36\">%1</td><td>%2</td></tr>")
                        .arg(QLatin1String(numeral), rules::escapedLines(*statement));
    if (!rows.isEmpty())
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">") + rows + QStringLiteral("</table>");
    return html;
}

QString firstQuestionCaption()
{
    return QStringLiteral("Question No.  1 of 41 ");
}

QString questionCaption(std::int16_t mq_no)
{
    // The number keeps the blank a non-negative number is written with.
    return QStringLiteral("Question No :  ") + QString::number(mq_no) + QStringLiteral(" of 41 ");
}

QString typeCaption(const QString& code)
{
    if (code == QLatin1String("C"))
        return QStringLiteral("  Comprehension Reading");
    if (code == QLatin1String("S"))
        return QStringLiteral("  Sentence Correction");
    if (code == QLatin1String("R"))
        return QStringLiteral("  Critical Reasoning");
    return {};
}

QString passageHeading(std::int16_t first, std::int16_t count)
{
    return QStringLiteral("Question ") + QString::number(first) + QStringLiteral(" to ")
        + QString::number(first + count - 1) + QStringLiteral(" : ");
}

} // namespace kaven::verbal
