#pragma once

// The charts of the progress report, made from its numbers; the screen shows them and the
// PDF draws fresh ones of the same kind.

#include "progress/progress_report.h"

class QChart;

namespace kaven::progress {

// Series names, which the legend shows.
inline const QString quantMarksName = QStringLiteral("Quantitative marks");
inline const QString verbalMarksName = QStringLiteral("Verbal marks");
inline const QString scoreName = QStringLiteral("Converted score");
inline const QString rightName = QStringLiteral("Right answer");
inline const QString wrongName = QStringLiteral("Wrong answer");
inline const QString secondsName = QStringLiteral("Seconds");
inline const QString slowName = QStringLiteral("Over twice the pace");

// Tests 1 to 5: each section's marks as bars, the converted score of each finished test
// as a line on its own axis.
QChart* trendChart(const ProgressReport& report);
// Question number against level, right and wrong answers told apart by marker shape and
// colour. An empty chart without a section.
QChart* levelChart(const SectionRun* run);
// Seconds per question as bars against the even pace and twice it.
QChart* pacingChart(const SectionRun* run);

} // namespace kaven::progress
