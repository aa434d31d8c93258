#include "app/program.h"
#include "datastore/store_error.h"
#include "startup/command_line.h"
#include "startup/data_folder.h"
#include "startup/new_series.h"
#include "ui/cursor_busy_pointer.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

using namespace kaven;

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(qPrintable(text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n')), stream);
}

// Where the program looks for its data; needs the application object.
startup::Places places()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
            // the build folder keeps a fresh set in delivered/; an installation under share/
            {programFolder + QStringLiteral("/delivered"),
             QDir::cleanPath(programFolder + QStringLiteral("/" KAVEN_DELIVERED_FROM_BIN))}};
}

// Everything that needs no window: help, version, a bad command line and a new series.
int withoutWindow(int argc, char* argv[], startup::CommandLine& line, startup::CommandLine::Action action)
{
    QCoreApplication app(argc, argv);
    using Action = startup::CommandLine::Action;
    if (action == Action::Help) {
        print(stdout, line.helpText());
        return 0;
    }
    if (action == Action::Version) {
        print(stdout, QStringLiteral("kaven " KAVEN_VERSION));
        return 0;
    }
    if (action == Action::Error) {
        print(stderr, QStringLiteral("kaven: %1\nTry 'kaven --help' for the options.").arg(line.errorText()));
        return 1;
    }
    try {
        const startup::Places where = places();
        const QString folder = startup::chooseDataFolder(line.dataDir(), where);
        const startup::NewSeries done =
            startup::startNewSeries(folder, startup::findDelivered(where.deliveredFolders), QDateTime::currentDateTime());
        print(stdout, QStringLiteral("The series so far is kept in %1\nA fresh series is ready in %2")
                          .arg(done.kept, done.fresh));
        return 0;
    } catch (const startup::FolderError& error) {
        print(stderr, error.message());
    } catch (const store::StoreError& error) {
        print(stderr, error.message() + QStringLiteral(" The new series was not started."));
    }
    return 1;
}

// Test-only: with KAVEN_QUIT_WHEN_SHOWN set, the program prints the title and texts of the
// screen it shows after start-up and ends, so an installed copy can be checked headless.
void printShownScreen()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        print(stdout, window->windowTitle());
        for (const QObject* child : window->findChildren<QObject*>()) {
            const QVariant text = child->property("plainText").isValid() ? child->property("plainText")
                                                                            : child->property("text");
            if (text.isValid() && !text.toString().isEmpty())
                print(stdout, text.toString());
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // The name also names the candidate's own data folder (~/.local/share/kaven); windows
    // keep showing the program's title through the display name below.
    QCoreApplication::setApplicationName(QStringLiteral("kaven"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KAVEN_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    startup::CommandLine line;
    if (const auto action = line.parse(arguments); action != startup::CommandLine::Action::Run)
        return withoutWindow(argc, argv, line, action);

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("KAVEN Test Series"));
    QApplication::setDesktopFileName(QStringLiteral("kaven"));
    // Screens hand over by hiding and closing one another; the program ends only through
    // an Exit or a data failure.
    QApplication::setQuitOnLastWindowClosed(false);

    kaven::ui::MessageBoxDialogs dialogs;
    QString folder;
    try {
        folder = startup::chooseDataFolder(line.dataDir(), places());
    } catch (const startup::FolderError& error) {
        print(stderr, error.message());
        dialogs.ask({error.message(), session::programTitle(), ui::Buttons::Ok, ui::Icon::Critical}, nullptr);
        return 1;
    }
    kaven::ui::SystemClock clock;
    kaven::ui::StandardRandom random;
    kaven::ui::CursorBusyPointer busy;
    kaven::ui::ProgramEnd end(true);
    kaven::app::Program program(folder, {dialogs, clock, random, busy, end});
    if (!program.start())
        return end.status();
    if (qEnvironmentVariableIsSet("KAVEN_QUIT_WHEN_SHOWN")) {
        printShownScreen();
        return 0;
    }
    return QApplication::exec();
}
