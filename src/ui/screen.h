#pragma once

#include "ui/dialogs.h"

#include <QWidget>

class QKeyEvent;
class QPushButton;
class QRadioButton;

#include <array>
#include <functional>

namespace kaven::ui {

class Navigator;

// The screens of the program, by the part they play in the hand-overs.
enum class ScreenId { Summary, Directions, Quant, Verbal, Explain, Progress };

// A top-level screen. The navigator constructs it, runs load() once, shows it and then runs
// activate() once. Activation belongs to the hand-over, not to Qt's window activation, which
// fires again every time a message box over the screen closes.
class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(Navigator& navigator);

    // Reads the data files the screen starts from. Runs once, before the first show.
    virtual void load() {}
    // The screen has just been given the candidate's attention by a hand-over.
    virtual void activate() {}

protected:
    Navigator& navigator() const { return navigator_; }

    // Runs an event handler. A failure of the data files inside it ends the program with a
    // clear message instead of escaping into Qt's event loop.
    void guarded(const std::function<void()>& handler);

    // A button of this screen, named for tests, whose click runs `handler` guarded.
    QPushButton* addButton(const char* name, const QString& caption, std::function<void()> handler);

    // Shows a message box over this screen. A screen must outlive its boxes: a hand-over
    // asked for while one is open (a tick that ends the section inside a question, say)
    // waits until the last of them has closed.
    Answer ask(Dialogs& dialogs, const Message& message);
    // A message box of this screen is open: nothing but the box may act.
    bool boxOpen() const { return openBoxes_ > 0; }
    // A key that chooses an answer (A to E, 1 to 5) does what a click on that answer does,
    // and only where such a click could: not while the options are hidden or disabled
    // (directions, Help), not while a box waits, not once the section has ended. `choose`
    // runs the click's handler, guarded; any other key goes on to the widget as usual.
    void chooseByKey(QKeyEvent* event, const std::array<QRadioButton*, 5>& options, bool ended,
                     const std::function<void(int)>& choose);
    // Runs the hand-over now, or as soon as no box of this screen is open.
    void handOverWhenBoxesClosed(std::function<void()> handOver);

private:
    Navigator& navigator_;
    int openBoxes_ = 0;
    std::function<void()> pendingHandOver_;
};

} // namespace kaven::ui
