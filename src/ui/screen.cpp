#include "ui/screen.h"

#include "rules/answer_keys.h"
#include "ui/navigator.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

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

void Screen::chooseByKey(QKeyEvent* event, const std::array<QRadioButton*, 5>& options, bool ended,
                         const std::function<void(int)>& choose)
{
    const int k = rules::answerForKey(event->key(), event->modifiers());
    QRadioButton* option = k > 0 ? options[std::size_t(k - 1)] : nullptr;
    if (!option || ended || boxOpen() || !option->isVisible() || !option->isEnabled()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    option->setFocus(Qt::ShortcutFocusReason);
    guarded([&choose, k] { choose(k); });
}

} // namespace kaven::ui
