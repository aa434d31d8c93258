#pragma once

#include <QRect>
#include <QSize>

#include <cmath>

// Every screen is laid out in twips (1/1440 inch) and converted here, in one place, at
// 15 twips per device-independent pixel. High-DPI scaling is left to Qt.
namespace kaven::ui {

inline constexpr int twipsPerPixel = 15;

inline int px(int twips) { return int(std::lround(double(twips) / twipsPerPixel)); }
inline int twips(int pixels) { return pixels * twipsPerPixel; }

inline QSize pxSize(int width, int height) { return {px(width), px(height)}; }
inline QRect pxRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

} // namespace kaven::ui
