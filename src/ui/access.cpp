#include "ui/access.h"

#include <QAbstractButton>
#include <QApplication>
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

QRect FocusStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    // An option without a caption has its answer in a label beside it: the frame goes round
    // the whole button instead of inside its small circle.
    if (element == SE_RadioButtonFocusRect) {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (button && button->text.isEmpty())
            return option->rect;
    }
    return QProxyStyle::subElementRect(element, option, widget);
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
