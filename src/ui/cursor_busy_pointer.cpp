#include "ui/cursor_busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace kaven::ui {

void CursorBusyPointer::showBusy()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++depth_;
    // No processEvents here to make the pointer show: a pass may run inside a handler
    // while a section's timer is live, and a tick must not slip in through this door.
}

void CursorBusyPointer::showDefault()
{
    if (depth_ == 0)
        return;
    --depth_;
    QGuiApplication::restoreOverrideCursor();
}

} // namespace kaven::ui
