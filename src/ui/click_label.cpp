#include "ui/click_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace kaven::ui {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release over the label, as with a button.
    const bool click = pressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}

void ClickLabel::setKeyboardActivation(bool on)
{
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    const bool activates = focusPolicy() != Qt::NoFocus
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
    if (!activates) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

void ClickLabel::showFocusOf(QWidget* partner)
{
    partner_ = partner;
    partner->installEventFilter(this);
}

bool ClickLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == partner_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QLabel::eventFilter(watched, event);
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    if (partner_ && partner_->hasFocus()) {
        // A wash of the focus colour under the text: a frame would crowd the first letter.
        QPainter wash(this);
        QColor colour = palette().color(QPalette::Active, QPalette::Highlight);
        colour.setAlpha(72);
        wash.fillRect(rect(), colour);
    }
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

} // namespace kaven::ui
