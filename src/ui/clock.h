#pragma once

#include <QDate>

namespace kaven::ui {

// Today's date, injectable so that tests do not depend on the day they run.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace kaven::ui
