#include "rules/countdown.h"

namespace kaven::rules {

namespace {

QString twoDigits(std::int16_t value)
{
    return (value < 10 ? QStringLiteral("0") : QString()) + QString::number(value);
}

} // namespace

QString Countdown::text() const
{
    return QStringLiteral("0") + QString::number(mhh) + QLatin1Char(':') + twoDigits(mmm)
        + QLatin1Char(':') + twoDigits(mss);
}

QString Countdown::overText() const
{
    return QStringLiteral("0") + QString::number(mhh) + QStringLiteral(":00:00");
}

void Countdown::step()
{
    // An hour is borrowed only once minutes and seconds are both spent: borrowing it as
    // soon as the minutes reach 0 would show 00:60:58 for the last minute of the first hour.
    if (mmm == 0 && mss == 0 && mhh != 0) {
        mmm = 60;
        --mhh;
    }
    if (mss == 0 && (mmm != 0 || mhh != 0)) {
        mss = 60;
        --mmm;
    }
    if (mss > 0)
        --mss;
}

} // namespace kaven::rules
