#pragma once

#include "progress/progress_report.h"

#include <QString>

namespace kaven::progress {

// Writes the whole report to a PDF file: the score trend and the table by question type on
// the first page, then one page per finished section with its difficulty path and pacing.
// The file is replaced at once, or left as it was. Returns what went wrong, or an empty
// text when the file is written.
QString writeProgressPdf(const ProgressReport& report, const QString& path);

} // namespace kaven::progress
