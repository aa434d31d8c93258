#pragma once

#include <QString>

#include <cstdint>

namespace kaven::rules {

// A section's time: 75 minutes.
constexpr std::int16_t sectionSeconds = 4500;

// The countdown a section shows: 75 minutes, 01:14:59 on the first tick.
struct Countdown {
    std::int16_t mhh = 1;
    std::int16_t mmm = 14;
    std::int16_t mss = 59;

    // "0" & hours & ":" & minutes & ":" & seconds, minutes and seconds with two digits.
    QString text() const;
    // The text once time is over: the hours as they stand, minutes and seconds "00".
    QString overText() const;
    // One second down. A minute or an hour is borrowed as 60 and at once reduced to 59,
    // so 01:14:00 is followed by 01:13:59 and 01:00:00 by 00:59:59.
    void step();
};

} // namespace kaven::rules
