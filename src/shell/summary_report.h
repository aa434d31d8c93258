#pragma once

#include "datastore/records.h"
#include "rules/section_marks.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <span>

namespace kaven::shell {

using rules::Actual_Score;

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
