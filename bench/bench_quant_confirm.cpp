// Times Confirm on the Quantitative screen with full-sized banks: 500 Problem Solving and
// 500 Data Sufficiency questions (a fifth of them with a figure) and a profile that already
// holds four tests' answers. One sample is one click on Confirm until the next question is
// painted, both bank rewrites and the profile rewrite included. Prints the median per type
// of the question drawn next, over several sections.
// Usage: bench_quant_confirm [sections]   (default 5)

#include "app/program.h"
#include "datastore/file_io.h"
#include "quant/frm_quant.h"
#include "ui/click_label.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

using namespace kaven;
using namespace kaven::store;

namespace {

class QuietDialogs final : public ui::Dialogs {
public:
    ui::Answer ask(const ui::Message& message, QWidget*) override
    {
        return message.buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::No;
    }
};

QString text(int length)
{
    const QString words = QStringLiteral("a train leaves the station at noon and travels ");
    return words.repeated(length / int(words.size()) + 1).left(length);
}

void writeStore(const QString& folder)
{
    const auto path = [&folder](FileId id) { return dataPath(folder, id, Form::Store); };
    RecordBuffer<Qtemp1Record> plan;
    const QString codes = QStringLiteral("PDPDPPDPDPDPPDPDPDPPDPDPDPPDPDPDPPDPP");
    for (int k = 0; k < codes.size(); ++k)
        plan.append({k + 1, QString(codes[k])});
    rewriteFile(path(FileId::qtemp1), plan);

    RecordBuffer<QpsmastRecord> ps;
    RecordBuffer<QdsmastRecord> ds;
    for (int k = 0; k < 500; ++k) {
        const std::int16_t level = std::int16_t(k % 5 + 1);
        const std::int16_t figure = std::int16_t(k % 5 == 0 ? k / 5 % 5 + 1 : 0);
        ps.append({QStringLiteral("QP%1").arg(k), text(400), text(20), text(20), text(20), text(20),
                   text(20), level, 3, figure, false, text(500), 0});
        ds.append({0, QStringLiteral("QD%1").arg(k), text(250), level, 4, false, text(60), text(60),
                   text(500), figure, k % 7 == 0});
    }
    rewriteFile(path(FileId::qpsmast), ps);
    rewriteFile(path(FileId::qdsmast), ds);

    RecordBuffer<UserprofRecord> profile;
    for (int k = 0; k < 312; ++k)
        profile.append({QStringLiteral("QX%1").arg(k), k / 78 + 1, QStringLiteral("Quantitative"), 1, 2,
                        40, QStringLiteral("P"), 3, 0});
    rewriteFile(path(FileId::userprof), profile);
    RecordBuffer<TesgivRecord> tests;
    for (int t = 1; t <= 5; ++t)
        tests.append({t, t < 5, false});
    rewriteFile(path(FileId::tesgiv), tests);
    for (FileId id : {FileId::temp1, FileId::vsmast, FileId::vrmast, FileId::comdet, FileId::vcmast,
                      FileId::tesdet})
        rewriteFile(path(id), RecordBuffer<TesdetRecord>{});
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int sections = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::map<QString, std::vector<double>> samples;
    for (int run = 0; run < sections; ++run) {
        QTemporaryDir dir;
        writeStore(dir.path());
        QuietDialogs dialogs;
        ui::SystemClock clock;
        ui::StandardRandom random;
        NoBusyPointer busy;
        ui::ProgramEnd end(false);
        app::Program program(dir.path(), {dialogs, clock, random, busy, end});
        if (!program.start())
            return 1;
        program.state().CurrentTest = 5;
        auto* screen = static_cast<quant::frm_quant*>(program.screens().open(ui::ScreenId::Quant));
        screen->findChild<QPushButton*>(QStringLiteral("CMD_PROCEED"))->click();
        auto* next = screen->findChild<QPushButton*>(QStringLiteral("cmdnext"));
        auto* confirm = screen->findChild<QPushButton*>(QStringLiteral("cmdConfirm"));
        auto* option = screen->findChild<ui::ClickLabel*>(QStringLiteral("rtfopt3"));
        for (int q = 1; q < 37; ++q) {
            emit option->clicked();
            next->click();
            QElapsedTimer timer;
            timer.start();
            confirm->click();
            screen->repaint();
            const double ms = timer.nsecsElapsed() / 1e6;
            samples[screen->section().mtype].push_back(ms);
            samples[QStringLiteral("all")].push_back(ms);
        }
    }
    for (const auto& [type, values] : samples)
        std::printf("Quantitative Confirm to next question shown, next type %-3s: median %.2f ms (%zu samples)\n",
                    qPrintable(type), median(values), values.size());
    return 0;
}
