#pragma once

#include <cstdint>

namespace kaven::verbal {

// The level the Verbal section carries from one question to the next, and the two sums of
// recent credits that some questions decide on. All zero when a section starts.
struct LevelState {
    std::int16_t mcur_level = 0;
    double mblock_a = 0; // credits over a block of questions (9 to 11, then 22 to 25)
    double mblock_b = 0; // credits of questions 28 to 31; never cleared within a section
};

// The level of question q (1..5 for q >= 1). s is the running score after the previous
// answers, c the credit of the last confirmed answer, r 1 when that answer was right.
// Applies question q's row of the level table to the state and returns the new level.
std::int16_t setLevel(LevelState& state, const double& s, const std::int16_t& q,
                      const std::int16_t& r, double c);

// The next level up, 5 wrapping to 1; any other value comes back unchanged.
std::int16_t ResetLevel(std::int16_t level);

} // namespace kaven::verbal
