#include "app/program.h"
#include "ui/cursor_busy_pointer.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KAVEN Test Series"));
    // Screens hand over by hiding and closing one another; the program ends only through
    // an Exit or a data failure.
    QApplication::setQuitOnLastWindowClosed(false);

    kaven::ui::MessageBoxDialogs dialogs;
    kaven::ui::SystemClock clock;
    kaven::ui::StandardRandom random;
    kaven::ui::CursorBusyPointer busy;
    kaven::ui::ProgramEnd end(true);
    kaven::app::Program program(QCoreApplication::applicationDirPath(),
                                {dialogs, clock, random, busy, end});
    if (!program.start())
        return end.status();
    return QApplication::exec();
}
