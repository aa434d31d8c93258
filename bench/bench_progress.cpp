// Opening the progress report on full data files: 500 answers (the most the answers file
// holds) over five tests and 500 test-details records. Each run starts on a summary, clicks
// Progress, and stops the clock once the report is loaded, shown and painted whole (model,
// charts and table). Headless unless QT_QPA_PLATFORM names a platform.

#include "app/program.h"
#include "datastore/file_io.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kaven;

namespace {

class SilentDialogs final : public ui::Dialogs {
public:
    ui::Answer ask(const ui::Message& message, QWidget*) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(message.prompt));
        return ui::Answer::No;
    }
};

void writeStore(const QString& folder)
{
    for (const store::FileId id : store::visitingOrder)
        store::emptyFile(store::dataPath(folder, id, store::Form::Store));
    store::RecordBuffer<store::TesgivRecord> tesgiv;
    for (int test = 1; test <= 5; ++test)
        tesgiv.append({test, true, false});
    store::RecordBuffer<store::TesdetRecord> tesdet;
    for (int k = 0; k < 500; ++k)
        tesdet.append({k / 2 % 5 + 1, k % 2 ? QStringLiteral("Verbal") : QStringLiteral("Quantitative"), 4400,
                       20 + k % 7, {QDate(2026, 11, 1 + k % 5), {}}});
    // 100 answers a test: 45 Quantitative (ticks growing by about two minutes), 55 Verbal.
    static const char* const quantTypes[] = {"P", "D"};
    static const char* const verbalTypes[] = {"S", "R", "C"};
    store::RecordBuffer<store::UserprofRecord> userprof;
    for (int k = 0; k < 500; ++k) {
        const int test = k / 100 + 1, n = k % 100;
        const bool quant = n < 45;
        userprof.append({QStringLiteral("Q%1").arg(k), test, quant ? QStringLiteral("Quantitative") : QStringLiteral("Verbal"),
                         std::int16_t(1 + k % 5), std::int16_t(1 + k * 7 % 5), quant ? 240 * (n + 1) + k % 9 : 60 + k % 200,
                         QString::fromLatin1(quant ? quantTypes[k % 2] : verbalTypes[k % 3]), 1 + k % 5, 0});
    }
    store::rewriteFile(store::dataPath(folder, store::FileId::tesgiv, store::Form::Store), tesgiv);
    store::rewriteFile(store::dataPath(folder, store::FileId::tesdet, store::Form::Store), tesdet);
    store::rewriteFile(store::dataPath(folder, store::FileId::userprof, store::Form::Store), userprof);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    writeStore(folder.path());
    SilentDialogs dialogs;
    ui::SystemClock clock;
    ui::StandardRandom random;
    store::NoBusyPointer busy;
    ui::ProgramEnd end(false);
    app::Program program(folder.path(), {dialogs, clock, random, busy, end});
    if (!program.start())
        return 1;
    constexpr int runs = 21;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QWidget* summary = program.screens().loaded(ui::ScreenId::Summary);
        auto* button = summary ? summary->findChild<QPushButton*>(QStringLiteral("cmdProgress")) : nullptr;
        if (!button || !button->isEnabled()) {
            std::fprintf(stderr, "the summary offers no progress report\n");
            return 1;
        }
        QElapsedTimer timer;
        timer.start();
        button->click();
        QWidget* report = program.screens().loaded(ui::ScreenId::Progress);
        if (!report || end.ended())
            return 1;
        const QPixmap painted = report->grab();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        // Back to a fresh summary for the next run.
        report->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(times.begin(), times.end());
    std::printf("progress report opened on 500-record files (loaded, shown, painted): median %.1f ms over %d runs\n",
                times[times.size() / 2], runs);
    return 0;
}
