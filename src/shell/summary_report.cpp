#include "shell/summary_report.h"

namespace kaven::shell {

namespace {

const QString tab = QStringLiteral("\t");
const QString crlf = QStringLiteral("\r\n");

QString twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

QString dateText(const store::StoreDate& when, const QLocale& locale)
{
    QString text = locale.toString(when.date, QLocale::ShortFormat);
    if (when.time.isValid() && when.time != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(when.time, QLocale::ShortFormat);
    return text;
}

} // namespace

QString timeTaken(std::int32_t seconds)
{
    int minutes = seconds / 60;
    const int rest = seconds - 60 * minutes;
    int hours = 0;
    if (minutes >= 60) {
        hours = 1;
        minutes -= 60;
    }
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':')
        + twoDigits(rest);
}

SummaryReport buildSummary(std::span<const store::TesdetRecord> records, const QLocale& locale)
{
    SummaryReport report;
    std::int16_t pairTotal = 0;
    std::int16_t line = 0;
    for (const store::TesdetRecord& record : records) {
        ++line;
        if (record.section == QLatin1String("Verbal"))
            report.text += QString::number(record.test_no) + tab + record.section + tab + tab;
        else
            report.text += tab + record.section + tab;
        report.text += timeTaken(record.secs_used) + tab + tab + QString::number(record.marks)
            + tab + dateText(record.done_at, locale) + crlf;
        pairTotal = std::int16_t(pairTotal + record.marks);
        if (line % 2 == 0) {
            report.text += tab + QStringLiteral("Total Score : ") + tab + tab + tab
                + QString::number(Actual_Score(pairTotal)) + crlf;
            pairTotal = 0;
        }
        report.labelOffsets.append(line % 2 == 1 ? 450 : 240);
    }
    return report;
}

} // namespace kaven::shell
