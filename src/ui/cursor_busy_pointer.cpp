#include "ui/cursor_busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace kaven::ui {

void CursorBusyPointer::showBusy()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++depth_;
    // The passes block the event loop; let the new pointer reach the screen first.
    QGuiApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CursorBusyPointer::showDefault()
{
    if (depth_ == 0)
        return;
    --depth_;
    QGuiApplication::restoreOverrideCursor();
}

} // namespace kaven::ui
