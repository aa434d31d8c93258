#include "ui/navigator.h"

#include <stdexcept>

namespace kaven::ui {

Navigator::~Navigator()
{
    for (auto& screen : screens_)
        delete screen.data();
    for (auto& screen : closed_)
        delete screen.data();
}

void Navigator::setFactory(ScreenId id, Factory factory)
{
    factories_[slot(id)] = std::move(factory);
}

Screen* Navigator::open(ScreenId id)
{
    close(id);
    const Factory& factory = factories_[slot(id)];
    if (!factory)
        throw std::logic_error("no screen is registered for this hand-over");
    std::unique_ptr<Screen> screen = factory();
    screen->load();
    Screen* shown = screen.release();
    screens_[slot(id)] = shown;
    shown->show();
    shown->activate();
    return shown;
}

void Navigator::close(ScreenId id)
{
    QPointer<Screen>& screen = screens_[slot(id)];
    if (!screen)
        return;
    // Hiding sends no close event, so the screen's own Exit question is not asked.
    screen->hide();
    screen->deleteLater();
    std::erase_if(closed_, [](const QPointer<Screen>& gone) { return gone.isNull(); });
    closed_.push_back(screen);
    screen = nullptr;
}

void Navigator::hide(ScreenId id)
{
    if (Screen* screen = loaded(id))
        screen->hide();
}

Screen* Navigator::show(ScreenId id)
{
    Screen* screen = loaded(id);
    if (!screen)
        return open(id);
    screen->show();
    screen->activate();
    return screen;
}

Screen* Navigator::loaded(ScreenId id) const
{
    return screens_[slot(id)].data();
}

void Navigator::guard(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        fail(error);
    }
}

void Navigator::fail(const std::exception& error)
{
    if (!onFailure_)
        qFatal("%s", error.what());
    onFailure_(error);
}

} // namespace kaven::ui
