// Start-up time of the program, from process start to the test summary painted: the
// program's own start-up (one copy per folder, working copies rebuilt, summary loaded and
// shown) run in a child process, timed from the parent. Folders on the command line are
// measured after the delivered data. Headless unless QT_QPA_PLATFORM names a platform.

#include "app/program.h"
#include "datastore/data_files.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class PrintingDialogs final : public kaven::ui::Dialogs {
public:
    kaven::ui::Answer ask(const kaven::ui::Message& message, QWidget*) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(message.prompt));
        return kaven::ui::Answer::No;
    }
};

// Prints one line once the summary has been painted, then leaves.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            std::printf("shown\n");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return false;
    }
};

int child(int argc, char* argv[], const QString& folder)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    PrintingDialogs dialogs;
    kaven::ui::SystemClock clock;
    kaven::ui::StandardRandom random;
    kaven::store::NoBusyPointer busy;
    kaven::ui::ProgramEnd end(true);
    kaven::app::Program program(folder, {dialogs, clock, random, busy, end});
    if (!program.start())
        return 1;
    FirstPaint painted;
    program.screens().loaded(kaven::ui::ScreenId::Summary)->installEventFilter(&painted);
    return QApplication::exec();
}

bool copyStore(const QString& from, const QString& to)
{
    for (kaven::store::FileId id : kaven::store::visitingOrder) {
        const QString target = kaven::store::dataPath(to, id, kaven::store::Form::Store);
        QFile::remove(target);
        if (!QFile::copy(kaven::store::dataPath(from, id, kaven::store::Form::Store), target))
            return false;
    }
    return true;
}

double medianStartMs(const QString& self, const QString& folder, int runs)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(self, {QStringLiteral("--child"), folder});
        if (!process.waitForReadyRead(10000) || !process.readLine().startsWith("shown")) {
            std::fprintf(stderr, "the program did not show its summary on %s\n", qPrintable(folder));
            return -1;
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        process.waitForFinished();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return child(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    QTemporaryDir delivered;
    if (!copyStore(QStringLiteral(KAVEN_DELIVERED_DATA), delivered.path()))
        return 1;
    QStringList folders{delivered.path()};
    for (int i = 1; i < argc; ++i)
        folders << QString::fromLocal8Bit(argv[i]);
    constexpr int runs = 21;
    for (const QString& folder : folders) {
        const double median = medianStartMs(self, folder, runs);
        if (median < 0)
            return 1;
        std::printf("start-up to the summary shown (%s): median %.1f ms over %d runs\n",
                    folder == delivered.path() ? "delivered data" : qPrintable(folder), median, runs);
    }
    return 0;
}
