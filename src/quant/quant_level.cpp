#include "quant/quant_level.h"

#include <array>

namespace kaven::quant {

namespace {

// Questions 5 to 35: the score must be greater than the threshold to reach levels 5, 4,
// 3 and 2; below every threshold the level is 1. The rows are not monotonic from one
// question to the next (rows 24, 25 and 34 drop): they are the table as it stands.
constexpr std::array<std::array<double, 4>, 31> thresholds{{
    {5.4, 3.7, 1.9, 1.4},     // 5
    {5.6, 4.1, 2.9, 1.4},     // 6
    {5.6, 4.8, 3.4, 1.4},     // 7
    {7.3, 5.6, 3.8, 2.6},     // 8
    {9.1, 6.7, 4.0, 2.2},     // 9
    {10.8, 7.1, 5.2, 3.9},    // 10
    {12.5, 8.2, 5.4, 4.7},    // 11
    {13.1, 9.1, 6.1, 4.7},    // 12
    {14.2, 9.4, 7.1, 4.7},    // 13
    {14.7, 9.8, 7.1, 4.7},    // 14
    {15.1, 11.4, 7.8, 5.7},   // 15
    {15.8, 12.9, 8.3, 6.6},   // 16
    {16.6, 13.2, 10.2, 7.7},  // 17
    {17.9, 13.7, 11.9, 7.9},  // 18
    {19.7, 15.2, 9.7, 8.9},   // 19
    {20.7, 16.7, 11.4, 9.9},  // 20
    {22.6, 18.2, 12.6, 10.9}, // 21
    {24.0, 19.7, 13.7, 10.9}, // 22
    {25.6, 18.7, 14.8, 12.4}, // 23
    {22.7, 20.9, 16.2, 13.4}, // 24
    {24.4, 22.4, 14.9, 14.4}, // 25
    {26.2, 21.2, 16.4, 14.2}, // 26
    {27.2, 20.2, 17.7, 14.2}, // 27
    {27.8, 21.7, 18.9, 14.2}, // 28
    {28.0, 23.2, 18.4, 16.3}, // 29
    {29.4, 23.3, 19.3, 14.2}, // 30
    {30.8, 23.9, 20.2, 14.9}, // 31
    {31.8, 24.7, 20.9, 15.4}, // 32
    {32.4, 25.3, 21.4, 15.9}, // 33
    {29.2, 23.3, 19.3, 14.2}, // 34
    {33.9, 26.7, 22.4, 16.7}, // 35
}};

} // namespace

std::optional<std::int16_t> setLevel(double, double mC_score, std::int16_t mq_no)
{
    const double s = mC_score;
    if (mq_no < 3)
        return 3;
    // Scores are sums of quarter points, so these equalities are exact.
    if (mq_no == 3)
        return s == 2.5 ? 4 : s == 1.25 ? 3 : 2;
    if (mq_no == 4)
        return s == 4.0 ? 4 : s == 2.5 ? 3 : s > 0.9 ? 2 : 1;
    if (mq_no <= 35) {
        const auto& row = thresholds[std::size_t(mq_no - 5)];
        for (std::size_t k = 0; k < row.size(); ++k)
            if (s > row[k])
                return std::int16_t(5 - k);
        return 1;
    }
    if (mq_no == 36)
        return 4;
    if (mq_no == 37)
        return 5;
    return std::nullopt;
}

std::optional<std::int16_t> fallbackLevel(std::int16_t level)
{
    switch (level) {
    case 0: return 2;
    case 1: return 5;
    case 2:
    case 3:
    case 4:
    case 5: return std::int16_t(level - 1);
    default: return std::nullopt;
    }
}

} // namespace kaven::quant
