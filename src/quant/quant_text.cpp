#include "quant/quant_text.h"

#include <QStringList>

namespace kaven::quant {

QString quantDirections()
{
    return QStringList{
        QStringLiteral("GENERAL DIRECTIONS"),
        QStringLiteral("Numbers :All numbers used are real numbers, unless otherwise stated."),
        QStringLiteral("Figures : The diagrams and figures that accompany these questions are for the "
                       "purpose of providing information useful in answering the questions. They are "
                       "drawn as accurately as possible, but are not to scale. All figures are in a "
                       "plane unless otherwise stated."),
        QStringLiteral("DIRECTIONS FOR PROBLEM SOLVING QUESTIONS "),
        QStringLiteral("Each mathematical question has five possible answers. Indicate your choice of "
                       "the correct answer by clicking on the oval next to it. "),
        QStringLiteral("DIRECTIONS FOR DATA SUFFICIENCY QUESTIONS"),
        QStringLiteral("Each question is followed by two numbered statements, (1) and (2). You are to "
                       "determine whether the data given in the statements are sufficient for "
                       "answering the question. Use the data given, along with your knowledge of "
                       "mathematics and everyday facts, to choose between the five possible answers. "
                       "Click on the oval next to your choice."),
    }
        .join(QStringLiteral("\r\n\r\n"));
}

QString questionCaption(std::int16_t mq_no)
{
    return QStringLiteral("Question No : %1 of 37").arg(mq_no);
}

const std::array<QString, 5>& dataSufficiencyAnswers()
{
    static const std::array<QString, 5> answers{
        QStringLiteral("Statement (1) ALONE is sufficient, but statement (2) alone is not sufficient"),
        QStringLiteral("Statement (2) ALONE is sufficient, but statement (1) is not sufficient"),
        QStringLiteral("BOTH statements TOGETHER are sufficient, but NEITHER statement alone is sufficient"),
        QStringLiteral("Each statement ALONE is sufficient"),
        QStringLiteral("Statements (1) and (2) TOGETHER are NOT sufficient"),
    };
    return answers;
}

QString dataSufficiencyText(const store::QdsmastRecord& question)
{
    QString text = question.q_text + QStringLiteral("\r\n\r\n");
    if (!question.stmt_1.isEmpty())
        text += QStringLiteral("(1)  ") + question.stmt_1 + QStringLiteral("\r\n");
    if (!question.stmt_2.isEmpty())
        text += QStringLiteral("(2)  ") + question.stmt_2;
    return text;
}

} // namespace kaven::quant
