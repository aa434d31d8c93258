#include "verbal/verbal_level.h"

#include <array>

namespace kaven::verbal {

namespace {

// Thresholds for levels 5, 4, 3 and 2: the first value strictly exceeded gives the level,
// none gives level 1.
using Thresholds = std::array<double, 4>;

std::int16_t byThresholds(double value, const Thresholds& above)
{
    std::int16_t level = 5;
    for (const double threshold : above) {
        if (value > threshold)
            return level;
        --level;
    }
    return 1;
}

std::int16_t lowerUnlessOne(std::int16_t level, std::int16_t r)
{
    return r == 0 && level != 1 ? std::int16_t(level - 1) : level;
}

} // namespace

std::int16_t setLevel(LevelState& state, const double& s, const std::int16_t& q,
                      const std::int16_t& r, double c)
{
    std::int16_t& level = state.mcur_level;
    switch (q) {
    case 3:
        level = s == 2.0 ? 4 : s == 1.0 ? 3 : 2;
        break;
    case 4:
        level = s == 3.25 ? 4 : s == 2.0 ? 3 : s > 0.74 ? 2 : 1;
        break;
    case 5: // no level 2 at this question
        level = s < 1.1 ? 1 : s < 2.1 ? 3 : s >= 4.0 ? 5 : 4;
        break;
    case 6:
        level = s == 6.0 ? 5 : s > 4.2 ? 4 : s > 2.4 ? 3 : s > 1.1 ? 2 : 1; // above 6.0 is 4
        break;
    case 7: level = byThresholds(s, {5.4, 3.9, 2.9, 1.4}); break;
    case 8:
        level = byThresholds(s, {6.9, 4.7, 3.0, 1.4});
        state.mblock_a = 0;
        break;
    case 9: level = byThresholds(s, {7.4, 5.7, 3.4, 2.2}); break;
    case 10:
    case 11:
    case 12:
    case 23:
    case 24:
    case 25:
    case 26:
        state.mblock_a += c;
        break;
    case 13:
        level = byThresholds(state.mblock_a, {5.9, 4.4, 2.9, 1.4});
        if (level == 1)
            state.mblock_a = 0;
        break;
    case 14: level = byThresholds(s, {14.4, 10.2, 6.7, 3.9}); break;
    case 15: level = byThresholds(s, {15.4, 11.2, 7.7, 4.7}); break;
    case 16: level = byThresholds(s, {15.7, 12.2, 8.7, 5.4}); break;
    case 17: level = byThresholds(s, {17.2, 12.9, 8.7, 6.2}); break;
    case 18: level = byThresholds(s, {17.9, 13.7, 9.9, 7.2}); break;
    case 19: level = byThresholds(s, {18.9, 14.7, 9.4, 7.7}); break;
    case 20: level = byThresholds(s, {20.4, 15.4, 10.9, 8.2}); break;
    case 21: level = lowerUnlessOne(level, r); break;
    case 22:
        level = lowerUnlessOne(level, r);
        state.mblock_a = 0;
        break;
    case 27: level = byThresholds(state.mblock_a, {5.9, 4.4, 2.9, 1.4}); break;
    case 28: level = byThresholds(s, {29.2, 24.9, 18.7, 13.4}); break;
    case 29:
    case 31:
    case 32:
        state.mblock_b += c;
        level = lowerUnlessOne(level, r);
        break;
    case 30:
        state.mblock_b += c;
        if (r == 1 && level != 5)
            ++level;
        else if (r == 0 && level != 1)
            --level;
        break;
    case 33: level = byThresholds(state.mblock_b, {4.9, 3.9, 2.2, 1.4}); break;
    case 38: level = byThresholds(s, {6.2, 4.9, 3.2, 2.2}); break;
    case 39:
        if (s == 0.0 && level != 1)
            --level;
        break;
    case 40:
        if (r == 1 && level != 5)
            ++level;
        break;
    default:
        if (q < 3)
            level = 3;
        // 34 to 37, and 41 on: the level stays as it is.
        break;
    }
    return level;
}

std::int16_t ResetLevel(std::int16_t level)
{
    if (level >= 1 && level <= 4)
        return std::int16_t(level + 1);
    return level == 5 ? 1 : level;
}

} // namespace kaven::verbal
