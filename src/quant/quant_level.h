#pragma once

#include <cstdint>
#include <optional>

namespace kaven::quant {

// The level (1..5) of Quantitative question q, from the running score s after the answers
// before it. Nothing for a question number above 37. The credit of the last answer is
// accepted for symmetry with the callers and plays no part.
std::optional<std::int16_t> setLevel(double mI_score, double mC_score, std::int16_t mq_no);

// Where the draw goes when a level has run dry: 0 to 2, 1 wraps round to 5, 2..5 one
// lower. Nothing for any other value: no bank has questions there.
std::optional<std::int16_t> fallbackLevel(std::int16_t level);

} // namespace kaven::quant
