#pragma once

#include <QList>
#include <QProxyStyle>

class QWidget;

namespace kaven::ui {

// The program's look with a focus frame that can be seen: the platform style marks focus
// faintly, and only after a Tab, so a candidate working by keyboard loses track of where the
// keys act. Every other part of the look is the platform style's.
class FocusStyle final : public QProxyStyle {
    Q_OBJECT
public:
    FocusStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// Makes FocusStyle the application's style, once.
void installFocusStyle();

// Tab visits the widgets in this order: the screen's top-to-bottom order.
void setFocusChain(const QList<QWidget*>& widgets);

} // namespace kaven::ui
