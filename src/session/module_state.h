#pragma once

#include <QString>

#include <cstdint>

namespace kaven::session {

// The only state the screens share in memory; everything else passes through the working
// copies of the data files. One instance for the whole run, all zero, false or empty at start.
struct ModuleState {
    std::int16_t CurrentTest = 0;   // test being taken or reviewed, 1..5; 0 when the series is over
    bool TestStarted = false;       // Take Test was clicked in this run; never cleared
    bool QuantOver = false;         // the Quantitative section of the running test has ended
    bool VerbalOver = false;        // the Verbal section of the running test has ended
    std::int16_t QuantSeconds = 0;  // seconds used in the Quantitative section
    std::int16_t VerbalSeconds = 0; // seconds used in the Verbal section
    QString SectionCode;            // section under review: "Quantitative" or "Verbal"
    std::int16_t ReviewCorrect = 0; // correct answers counted by the review
};

} // namespace kaven::session
