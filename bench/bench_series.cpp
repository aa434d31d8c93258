// A whole five-test series through kaven-drive, each series on a fresh copy of the delivered
// store files: wall time from process start to exit, and the peak resident memory of the
// process (the program with its screens and the scripted candidate). Also one single test,
// for the memory one program run takes. Prints medians over the runs.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double seconds = 0;
    double peakMiB = 0;
};

bool deliverInto(const QString& folder)
{
    const QDir delivered(QStringLiteral(KAVEN_DELIVERED_DATA));
    for (const QString& name : delivered.entryList({QStringLiteral("*xq42.dll")}, QDir::Files))
        if (!QFile::copy(delivered.filePath(name), QDir(folder).filePath(name)))
            return false;
    return true;
}

// One kaven-drive process on a fresh data folder; its output goes to /dev/null.
bool drive(const char* tests, Run& run)
{
    QTemporaryDir folder;
    if (!folder.isValid() || !deliverInto(folder.path()))
        return false;
    const QByteArray path = folder.path().toLocal8Bit();
    const char* argv[] = {KAVEN_DRIVE, path.constData(), "--tests", tests, nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, KAVEN_DRIVE, &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.peakMiB = usage.ru_maxrss / 1024.0; // kilobytes on Linux
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    constexpr int repeats = 5;
    for (const char* tests : {"5", "1"}) {
        std::vector<double> seconds;
        std::vector<double> peaks;
        for (int i = 0; i < repeats; ++i) {
            Run run;
            if (!drive(tests, run)) {
                std::fprintf(stderr, "kaven-drive --tests %s failed\n", tests);
                return 1;
            }
            seconds.push_back(run.seconds);
            peaks.push_back(run.peakMiB);
        }
        std::printf("kaven-drive --tests %s on the delivered data: median %.2f s, peak memory median %.1f MiB "
                    "(max %.1f MiB, %d runs)\n",
                    tests, median(seconds), median(peaks), *std::max_element(peaks.begin(), peaks.end()), repeats);
    }
    return 0;
}
