#pragma once

#include "datastore/records.h"

#include <QString>

#include <array>
#include <cstdint>

namespace kaven::review {

// The letter of an answer number: 1 "A" … 5 "E"; any other number has no letter.
QString ChangeAns(std::int16_t num);

// An explanation text in three pieces, so that a screen can render the question on its
// own (a Sentence Correction sentence carries its underline marker) while the whole text
// stays exactly what the candidate reads, TABs and CR LFs included.
struct ExplainText {
    QString head;     // the "Question # k" line with its line end
    QString question; // the question as the bank holds it
    QString tail;     // everything after the question

    QString text() const { return head + question + tail; }
};

// What the review shows of a Problem Solving, Sentence Correction, Critical Reasoning or
// Reading Comprehension question: the question and its five answers in the order shown.
struct ChoiceQuestion {
    QString text;
    std::array<QString, 5> answers;
    std::int16_t ans_no = 0;
    QString expl;
};

ChoiceQuestion choiceQuestion(const store::QpsmastRecord& record);
ChoiceQuestion choiceQuestion(const store::VrmastRecord& record);
ChoiceQuestion choiceQuestion(const store::VsmastRecord& record);
ChoiceQuestion choiceQuestion(const store::VcmastRecord& record);

// Button k's question of type "P", "S" or "R", with the candidate's chosen option.
ExplainText Display_Details_Text(int k, const ChoiceQuestion& question, std::int16_t chosen);
// Button k's Reading Comprehension question; its passage is shown beside it.
ExplainText Display_Comp_Text(int k, const ChoiceQuestion& question, std::int16_t chosen);
// Button k's Data Sufficiency question with its statements and the five fixed answers.
ExplainText Display_Data_Suff_Text(int k, const store::QdsmastRecord& question,
                                   std::int16_t chosen);
// Button k's answer when its question has since left the bank: what the profile still
// knows, the candidate's answer and the right one.
ExplainText missingQuestionText(int k, const store::UserprofRecord& answer);

} // namespace kaven::review
