#include "ui/dialogs.h"

#include <QMessageBox>

namespace kaven::ui {

namespace {

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer MessageBoxDialogs::ask(const Message& message, QWidget* parent)
{
    const bool yesNo = message.buttons == Buttons::YesNo;
    QMessageBox box(boxIcon(message.icon), message.title, message.prompt,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    const int pressed = box.exec();
    if (!yesNo)
        return Answer::Ok;
    // Closing the box with Escape or its title bar counts as No: nothing happens.
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace kaven::ui
