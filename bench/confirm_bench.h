#pragma once

// What the Confirm benchmarks of both sections share: a program on a temporary data folder
// with full-sized banks (or a copy of the store files of a folder given), one section screen opened, and one sample per Confirm click until
// the next question is painted. Prints the median per type of the question drawn next.

#include "app/program.h"
#include "datastore/busy_pointer.h"
#include "ui/click_label.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace confirm_bench {

class QuietDialogs final : public kaven::ui::Dialogs {
public:
    kaven::ui::Answer ask(const kaven::ui::Message& message, QWidget*) override
    {
        return message.buttons == kaven::ui::Buttons::Ok ? kaven::ui::Answer::Ok : kaven::ui::Answer::No;
    }
};

// `length` characters of running prose made of `words`.
inline QString text(const QString& words, int length)
{
    return words.repeated(length / int(words.size()) + 1).left(length);
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Bench {
    const char* section;                                 // as printed
    std::function<void(const QString& folder)> writeStore;
    kaven::ui::ScreenId screen;
    const char* answerBox;                               // the answer text clicked each time
    int confirms;                                        // per section, before its last question
    std::function<QString(kaven::ui::Screen*)> typeOnScreen;
};

// The store files of another folder instead of the full-sized banks.
inline void copyStore(const QString& from, const QString& to)
{
    const QDir source(from);
    for (const QString& name : source.entryList({QStringLiteral("*xq42.dll")}, QDir::Files))
        QFile::copy(source.filePath(name), QDir(to).filePath(name));
}

// Usage of the executable: NAME [sections [DATA_DIR]]   (default 5 sections, full-sized banks)
inline int run(int argc, char** argv, const Bench& bench)
{
    QApplication app(argc, argv);
    const int sections = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const QString data = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    std::map<QString, std::vector<double>> samples;
    for (int run = 0; run < sections; ++run) {
        QTemporaryDir dir;
        if (data.isEmpty())
            bench.writeStore(dir.path());
        else
            copyStore(data, dir.path());
        QuietDialogs dialogs;
        kaven::ui::SystemClock clock;
        kaven::ui::StandardRandom random;
        kaven::store::NoBusyPointer busy;
        kaven::ui::ProgramEnd end(false);
        kaven::app::Program program(dir.path(), {dialogs, clock, random, busy, end});
        if (!program.start())
            return 1;
        program.state().CurrentTest = 5;
        kaven::ui::Screen* screen = program.screens().open(bench.screen);
        screen->findChild<QPushButton*>(QStringLiteral("CMD_PROCEED"))->click();
        auto* next = screen->findChild<QPushButton*>(QStringLiteral("cmdnext"));
        auto* confirm = screen->findChild<QPushButton*>(QStringLiteral("cmdConfirm"));
        auto* option = screen->findChild<kaven::ui::ClickLabel*>(QLatin1String(bench.answerBox));
        for (int q = 0; q < bench.confirms; ++q) {
            emit option->clicked();
            next->click();
            QElapsedTimer timer;
            timer.start();
            confirm->click();
            screen->repaint();
            const double ms = timer.nsecsElapsed() / 1e6;
            samples[bench.typeOnScreen(screen)].push_back(ms);
            samples[QStringLiteral("all")].push_back(ms);
        }
    }
    for (const auto& [type, values] : samples)
        std::printf("%s Confirm to next question shown, next type %-3s: median %.2f ms (%zu samples, %s)\n",
                    bench.section, qPrintable(type), median(values), values.size(),
                    data.isEmpty() ? "500-question banks" : qPrintable(data));
    return 0;
}

} // namespace confirm_bench
