#pragma once

#include "datastore/records.h"

#include <QString>

#include <cstdint>

namespace kaven::verbal {

// The directions of the three kinds of Verbal question, shown before the first question
// and again on Help.
QString verbalDirections();

// The Critical Reasoning question as it is put on screen: the argument, then each
// statement that is not empty on a line of its own after its numeral, the numerals padded
// so that the statements start in one column.
QString reasoningText(const store::VrmastRecord& question);

// The same question as rich text for the screen: the argument, then the statements in a
// two-column table so that each wraps under its own first word.
QString reasoningMarkup(const store::VrmastRecord& question);

// The question-number label: the form shown before the first question, and the form shown
// from then on (two blanks between the colon and the number).
QString firstQuestionCaption();
QString questionCaption(std::int16_t mq_no);

// The screen's caption for a question of the given type from the second question on;
// empty for a code that is none of "C", "S", "R".
QString typeCaption(const QString& code);

// The heading above a reading passage: the questions it goes with.
QString passageHeading(std::int16_t first, std::int16_t count);

} // namespace kaven::verbal
