#include "ui/access.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QStyleOption>

namespace kaven::ui {

namespace {

constexpr int frameWidth = 2;

} // namespace

FocusStyle::FocusStyle() = default;

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Drawn whenever the control has the focus, not only after a Tab: a candidate who chose
    // with a key and moved on with a mnemonic never pressed Tab.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(option->palette.color(QPalette::Active, QPalette::Highlight));
    painter->setBrush(Qt::NoBrush);
    const QRect frame = option->rect.adjusted(0, 0, -1, -1);
    for (int ring = 0; ring < frameWidth; ++ring)
        painter->drawRect(frame.adjusted(ring, ring, -ring, -ring));
    painter->restore();
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // The platform style draws no frame of its own round a focused button or text box, and
    // round an option only a faint one.
    if (!(option->state & State_HasFocus))
        return;
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(*option);
    if (element == CE_PushButton)
        frame.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
    else if (element == CE_RadioButton)
        frame.rect = subElementRect(SE_RadioButtonIndicator, option, widget);
    else if (const auto* box = qstyleoption_cast<const QStyleOptionFrame*>(option);
             element != CE_ShapedFrame || !box || box->frameShape == QFrame::NoFrame)
        return; // a text box without a frame is one the program keeps out of sight
    drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
}

void installFocusStyle()
{
    if (!qobject_cast<FocusStyle*>(QApplication::style()))
        QApplication::setStyle(new FocusStyle);
}

void setFocusChain(const QList<QWidget*>& widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

} // namespace kaven::ui
