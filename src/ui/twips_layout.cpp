#include "ui/twips_layout.h"

#include "ui/twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVariant>

namespace kaven::ui {

namespace {

constexpr char property[] = "twipsGeometry";

} // namespace

QRect twipsGeometry(const QWidget* widget)
{
    const QVariant kept = widget->property(property);
    if (kept.isValid())
        return kept.toRect();
    const QRect pixels = widget->geometry();
    return {twips(pixels.x()), twips(pixels.y()), twips(pixels.width()), twips(pixels.height())};
}

void setTwipsGeometry(QWidget* widget, const QRect& rect)
{
    widget->setProperty(property, rect);
    // Edges are converted, not sizes, so that controls placed edge to edge in twips stay
    // edge to edge in pixels.
    const int left = px(rect.left());
    const int top = px(rect.top());
    widget->setGeometry(left, top, px(rect.left() + rect.width()) - left,
                        px(rect.top() + rect.height()) - top);
}

namespace {

template <class Change> void changeTwips(QWidget* widget, Change change)
{
    QRect rect = twipsGeometry(widget);
    change(rect);
    setTwipsGeometry(widget, rect);
}

} // namespace

void setTwipsLeft(QWidget* widget, int left)
{
    changeTwips(widget, [left](QRect& r) { r.moveLeft(left); });
}

void setTwipsTop(QWidget* widget, int top)
{
    changeTwips(widget, [top](QRect& r) { r.moveTop(top); });
}

void setTwipsWidth(QWidget* widget, int width)
{
    changeTwips(widget, [width](QRect& r) { r.setWidth(width); });
}

void setTwipsHeight(QWidget* widget, int height)
{
    changeTwips(widget, [height](QRect& r) { r.setHeight(height); });
}

void setTwipsRow(std::initializer_list<QWidget*> widgets, int left, int top, int width, int height, int gap)
{
    for (QWidget* widget : widgets) {
        setTwipsGeometry(widget, {left, top, width, height});
        left += width + gap;
    }
}

int neededHeight(const QLabel* label)
{
    const int widthPx = px(twipsGeometry(label).width());
    return twips(label->heightForWidth(widthPx));
}

void fitHeight(QLabel* label)
{
    setTwipsHeight(label, neededHeight(label));
}

void setBackColour(QPushButton* button, const QColor& colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

QColor buttonFace(const QWidget* widget)
{
    return QApplication::palette(widget).color(QPalette::Button);
}

QColor activeBorder(const QWidget* widget)
{
    // The frame colour of an active window; the closest role Qt's palette has.
    return QApplication::palette(widget).color(QPalette::Active, QPalette::Window);
}

} // namespace kaven::ui
