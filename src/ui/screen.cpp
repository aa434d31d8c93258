#include "ui/screen.h"

#include "ui/navigator.h"

namespace kaven::ui {

Screen::Screen(Navigator& navigator) : QWidget(nullptr), navigator_(navigator) {}

void Screen::guarded(const std::function<void()>& handler)
{
    navigator_.guard(handler);
}

} // namespace kaven::ui
