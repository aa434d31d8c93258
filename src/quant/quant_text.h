#pragma once

#include "datastore/records.h"

#include <QString>

#include <array>
#include <cstdint>

namespace kaven::quant {

// The section's directions, paragraphs joined by CR LF CR LF.
QString quantDirections();
// "Question No : n of 37": the section always counts to 37.
QString questionCaption(std::int16_t mq_no);
// The five answers every Data Sufficiency question offers, answer 1 to answer 5.
const std::array<QString, 5>& dataSufficiencyAnswers();
// The stem, an empty line, then "(1)  " and "(2)  " with each statement that is not empty.
// Not trimmed: the screen trims it for display.
QString dataSufficiencyText(const store::QdsmastRecord& question);

} // namespace kaven::quant
