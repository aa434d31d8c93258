#pragma once

#include <QColor>
#include <QRect>

#include <initializer_list>

class QLabel;
class QPushButton;
class QWidget;

// Screens whose layout rules read one control's top and height to place the next keep
// every rectangle in twips on the control itself: reading it back from pixels would round
// each step to 15 twips.
namespace kaven::ui {

QRect twipsGeometry(const QWidget* widget);
void setTwipsGeometry(QWidget* widget, const QRect& twips);
void setTwipsLeft(QWidget* widget, int left);
void setTwipsTop(QWidget* widget, int top);
void setTwipsWidth(QWidget* widget, int width);
void setTwipsHeight(QWidget* widget, int height);
inline int twipsTop(const QWidget* widget) { return twipsGeometry(widget).top(); }
inline int twipsHeight(const QWidget* widget) { return twipsGeometry(widget).height(); }
// Top + height: where the next control below may start.
inline int twipsBottom(const QWidget* widget) { return twipsTop(widget) + twipsHeight(widget); }

// Widgets side by side from `left`, each `width` wide, `gap` apart.
void setTwipsRow(std::initializer_list<QWidget*> widgets, int left, int top, int width, int height, int gap);

// A word-wrapped label takes the height its text needs at its width.
void fitHeight(QLabel* label);
// The height in twips the label's text needs at its width.
int neededHeight(const QLabel* label);

// Button back colours: a colour of its own, or one of the system's.
void setBackColour(QPushButton* button, const QColor& colour);
QColor buttonFace(const QWidget* widget);
QColor activeBorder(const QWidget* widget);
inline const QColor lightYellow{255, 255, 192};

} // namespace kaven::ui
