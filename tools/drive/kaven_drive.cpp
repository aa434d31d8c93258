// kaven-drive DATA_DIR [options]: takes tests of the series on a data folder as a candidate
// would, headless, and prints each test's marks. A test harness, not part of the program.

#include "drive.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KAVEN Test Series"));
    QApplication::setQuitOnLastWindowClosed(false);

    const auto parsed = kaven::drive::parseArguments(QApplication::arguments().mid(1));
    if (const QString* error = std::get_if<QString>(&parsed)) {
        std::fprintf(stderr, "kaven-drive: %s\n%s\n", qPrintable(*error), qPrintable(kaven::drive::usage()));
        return 2;
    }
    const kaven::drive::Options& options = std::get<kaven::drive::Options>(parsed);
    kaven::drive::Driver driver(options);
    for (int t = 0; t < options.tests; ++t) {
        try {
            const kaven::drive::TestRun run = driver.runTest();
            std::printf("%s\n", qPrintable(kaven::drive::Driver::report(run)));
            std::fflush(stdout);
        } catch (const kaven::drive::DriveFailure& failure) {
            std::printf("kaven-drive: %s\n", failure.what());
            return 1;
        }
    }
    return 0;
}
