#pragma once

#include "datastore/records.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <span>

namespace kaven::shell {

// The converted score of a test from the sum of its two sections' marks: 200 below 2,
// otherwise 270 plus five points a mark.
int Actual_Score(const std::int16_t& total);

// Seconds as hh:mm:ss; a section never lasts two hours.
QString timeTaken(std::int32_t seconds);

struct SummaryReport {
    QString text;              // one line per finished section, a total line after each pair
    QList<int> labelOffsets;   // twips from the label above to the label of record i (at i - 1)
};

// The summary of the finished sections, in file order. Lines are paired by position: the
// total after record 2k adds records 2k - 1 and 2k. Dates use the locale's short format.
SummaryReport buildSummary(std::span<const store::TesdetRecord> records,
                           const QLocale& locale = QLocale());

} // namespace kaven::shell
