#pragma once

#include <cstdint>

namespace kaven::rules {

// A section's marks, the same rule for both sections: the running score less half a point
// for each of the section's `questions` not confirmed before the end (the one on screen,
// number mq_no, included), never below 0, rounded to a whole number with halves going to
// the even neighbour.
std::int32_t sectionMarks(double mC_score, std::int16_t mq_no, int questions);

// The converted score of a test from the sum of its two sections' marks: 200 below 2,
// otherwise 270 plus five points a mark. The summary and the progress report both show it.
int Actual_Score(const std::int16_t& total);

} // namespace kaven::rules
