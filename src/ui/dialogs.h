#pragma once

#include <QString>

class QWidget;

namespace kaven::ui {

// Every message to the candidate goes through this one seam: the program's own shows a
// modal QMessageBox; tests script the answers and may run timer ticks while a box is open.
enum class Buttons { Ok, YesNo };
enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Answer { Ok, Yes, No };

struct Message {
    QString prompt;
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;

    bool operator==(const Message&) const = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows the message modally over parent (may be null) and returns the button pressed.
    virtual Answer ask(const Message& message, QWidget* parent) = 0;

    // Yes/No questions act only on Yes.
    bool confirmed(const Message& message, QWidget* parent)
    {
        return ask(message, parent) == Answer::Yes;
    }
};

class MessageBoxDialogs final : public Dialogs {
public:
    Answer ask(const Message& message, QWidget* parent) override;
};

} // namespace kaven::ui
