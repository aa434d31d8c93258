#pragma once

// The program with scripted message boxes on a data folder, for tests of the screens.

#include "app/program.h"
#include "support.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <deque>
#include <functional>
#include <optional>

class ScriptedDialogs final : public kaven::ui::Dialogs {
public:
    // Answers to the Yes/No questions in turn; a question with none left gets No.
    std::deque<kaven::ui::Answer> answers;
    QList<kaven::ui::Message> asked;
    // Runs while a box is open, before its answer is given: ticks that arrive meanwhile.
    std::function<void(const kaven::ui::Message&)> whileOpen;

    kaven::ui::Answer ask(const kaven::ui::Message& message, QWidget*) override
    {
        asked.append(message);
        if (whileOpen)
            whileOpen(message);
        if (message.buttons == kaven::ui::Buttons::Ok)
            return kaven::ui::Answer::Ok;
        if (answers.empty())
            return kaven::ui::Answer::No;
        const kaven::ui::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList titles() const
    {
        QStringList out;
        for (const auto& m : asked)
            out << m.title;
        return out;
    }
};

// The program with test doubles for every seam.
struct TestProgram {
    ScriptedDialogs dialogs;
    kaven::ui::SystemClock clock;
    kaven::ui::StandardRandom random;
    NoBusyPointer busy;
    kaven::ui::ProgramEnd end{false};
    kaven::app::Program program;

    explicit TestProgram(const QString& folder) : program(folder, {dialogs, clock, random, busy, end}) {}

    template <class S> S* screen(kaven::ui::ScreenId id) { return program.screens().loadedAs<S>(id); }
};

// A control of a screen by its name; a missing one stops the test.
template <class W = QWidget> W* child(QWidget* screen, const char* name)
{
    W* widget = screen->findChild<W*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

inline void click(QWidget* screen, const char* name)
{
    QTest::mouseClick(child(screen, name), Qt::LeftButton);
}

// The program started on a data folder, with the screen of a section opened on it as the
// directions open it.
template <class Screen> struct SectionRun {
    DataFolder data;
    std::optional<TestProgram> run;
    QPointer<Screen> screen;

    // Starts on the store written so far and opens the screen for test `test`.
    void open(kaven::ui::ScreenId id, int test)
    {
        run.emplace(data.path());
        if (run->program.start()) {
            run->program.state().CurrentTest = std::int16_t(test);
            screen = static_cast<Screen*>(run->program.screens().open(id));
        }
    }
    ScriptedDialogs& dialogs() { return run->dialogs; }
    kaven::session::ModuleState& state() { return run->program.state(); }
    template <class W = QWidget> W* ctl(const char* name) { return child<W>(screen, name); }
    bool shown(kaven::ui::ScreenId id)
    {
        QWidget* w = run->program.screens().loaded(id);
        return w && w->isVisible();
    }
    void ticks(int n)
    {
        for (int k = 0; k < n && screen; ++k)
            screen->Timer1_Timer();
    }
    // Chooses answer k by its control `option` k, then Next and Confirm.
    void answer(const char* option, int k)
    {
        click(screen, qPrintable(QString::fromLatin1(option) + QString::number(k)));
        click(screen, "cmdnext");
        click(screen, "cmdConfirm");
    }
};
