#include "ui/program_end.h"

#include <QCoreApplication>

namespace kaven::ui {

void ProgramEnd::end(int status)
{
    if (ended_)
        return; // the first reason to end is the one reported
    ended_ = true;
    status_ = status;
    // exit() rather than quit(): quit() would first offer every window a close event, and
    // a screen answers its close event with the Exit question.
    if (leaveEventLoop_)
        QCoreApplication::exit(status);
}

} // namespace kaven::ui
