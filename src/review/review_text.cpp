#include "review/review_text.h"

namespace kaven::review {

namespace {

const QString crlf = QStringLiteral("\r\n");

QString answerLines(std::int16_t chosen, std::int16_t right)
{
    return crlf + crlf + QStringLiteral("Your Answer   : ") + ChangeAns(chosen) + crlf
        + QStringLiteral("Actual Answer : ") + ChangeAns(right);
}

QString choicesAndExplanation(const ChoiceQuestion& question, std::int16_t chosen)
{
    QString tail;
    for (int i = 0; i < 5; ++i)
        tail += crlf + crlf + QStringLiteral("(") + QChar(u'A' + i) + QStringLiteral(") ")
            + question.answers[std::size_t(i)];
    return tail + answerLines(chosen, question.ans_no) + crlf + crlf
        + QStringLiteral("Explanation ") + crlf + question.expl;
}

QString questionLine(const QString& tabs, int k)
{
    return tabs + QStringLiteral("Question # ") + QString::number(k) + crlf;
}

const QString fourTabs = QStringLiteral("\t\t\t\t");

} // namespace

QString ChangeAns(std::int16_t num)
{
    if (num < 1 || num > 5)
        return {};
    return QString(QChar(u'A' + num - 1));
}

ChoiceQuestion choiceQuestion(const store::QpsmastRecord& r)
{
    return {r.q_text, {r.opt_1, r.opt_2, r.opt_3, r.opt_4, r.opt_5}, r.ans_no, r.expl};
}

ChoiceQuestion choiceQuestion(const store::VrmastRecord& r)
{
    // The statements belong to the question as the candidate saw it during the test; their
    // texts start in one column after the numerals.
    QString text = r.q_text;
    const std::array<std::pair<const char*, const QString*>, 3> statements = {
        {{"I.     ", &r.stmt_1}, {"II.    ", &r.stmt_2}, {"III.   ", &r.stmt_3}}};
    for (const auto& [numeral, statement] : statements)
        if (!statement->isEmpty())
            text += crlf + QLatin1String(numeral) + *statement;
    return {text, {r.opt_1, r.opt_2, r.opt_3, r.opt_4, r.opt_5}, r.ans_no, r.expl};
}

ChoiceQuestion choiceQuestion(const store::VsmastRecord& r)
{
    // q_note lies between the first and the second answer and is never shown.
    return {r.q_text, {r.opt_1, r.opt_2, r.opt_3, r.opt_4, r.opt_5}, r.ans_no, r.expl};
}

ChoiceQuestion choiceQuestion(const store::VcmastRecord& r)
{
    return {r.q_text, {r.opt_1, r.opt_2, r.opt_3, r.opt_4, r.opt_5}, r.ans_no, r.expl};
}

ExplainText Display_Details_Text(int k, const ChoiceQuestion& question, std::int16_t chosen)
{
    return {questionLine(fourTabs, k), question.text, choicesAndExplanation(question, chosen)};
}

ExplainText Display_Comp_Text(int k, const ChoiceQuestion& question, std::int16_t chosen)
{
    // The question box is narrow beside the passage, so the heading is indented less.
    return {questionLine(QStringLiteral("\t "), k), question.text,
            choicesAndExplanation(question, chosen)};
}

ExplainText Display_Data_Suff_Text(int k, const store::QdsmastRecord& question,
                                   std::int16_t chosen)
{
    QString tail;
    if (!question.stmt_1.isEmpty())
        tail += crlf + QStringLiteral("(I)     ") + question.stmt_1;
    if (!question.stmt_2.isEmpty())
        tail += crlf + QStringLiteral("(II)    ") + question.stmt_2;
    static const char* const answers[] = {
        "(A) Statement (I) ALONE is sufficient, but statement (II) alone is not sufficient",
        "(B) Statement (II) ALONE is sufficient, but statement (I) is not sufficient",
        "(C) BOTH statements TOGETHER are sufficient, but NEITHER statement alone is sufficient",
        "(D) Each statement ALONE is sufficient",
        "(E) Statements (I) and (II) TOGETHER are NOT sufficient",
    };
    for (const char* answer : answers)
        tail += crlf + crlf + QLatin1String(answer);
    tail += answerLines(chosen, question.ans_no) + crlf + crlf + QStringLiteral("Explanation ")
        + crlf + question.expl;
    return {questionLine(fourTabs, k), question.q_text, tail};
}

ExplainText missingQuestionText(int k, const store::UserprofRecord& answer)
{
    return {questionLine(fourTabs, k),
            QStringLiteral("This question is no longer in the question bank."),
            answerLines(answer.given_no, answer.ans_no)};
}

} // namespace kaven::review
