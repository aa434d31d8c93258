#include "ui/screen.h"

#include "ui/navigator.h"

#include <QPushButton>

#include <utility>

namespace kaven::ui {

Screen::Screen(Navigator& navigator) : QWidget(nullptr), navigator_(navigator) {}

void Screen::guarded(const std::function<void()>& handler)
{
    navigator_.guard(handler);
}

QPushButton* Screen::addButton(const char* name, const QString& caption, std::function<void()> handler)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, [this, handler = std::move(handler)] { guarded(handler); });
    return button;
}

Answer Screen::ask(Dialogs& dialogs, const Message& message)
{
    ++openBoxes_;
    const Answer answer = dialogs.ask(message, this);
    --openBoxes_;
    if (openBoxes_ == 0 && pendingHandOver_)
        std::exchange(pendingHandOver_, nullptr)();
    return answer;
}

void Screen::handOverWhenBoxesClosed(std::function<void()> handOver)
{
    if (openBoxes_ > 0)
        pendingHandOver_ = std::move(handOver);
    else
        handOver();
}

} // namespace kaven::ui
