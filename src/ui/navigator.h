#pragma once

#include "ui/screen.h"

#include <QPointer>

#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

namespace kaven::ui {

// Hands the candidate's attention from one screen to the next: open (load afresh), close,
// hide and show. At most one screen of each kind is loaded at a time. Screens name each
// other by ScreenId; the program registers how each one is made, so a screen never needs
// the header of the screen it opens.
class Navigator {
public:
    using Factory = std::function<std::unique_ptr<Screen>()>;
    using FailureHandler = std::function<void(const std::exception&)>;

    Navigator() = default;
    ~Navigator();
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    void setFactory(ScreenId id, Factory factory);
    void setFailureHandler(FailureHandler handler) { onFailure_ = std::move(handler); }

    // Loads the screen afresh: a loaded one of the same kind is closed first; the new one
    // loads, shows and is activated.
    Screen* open(ScreenId id);
    // Closes a loaded screen: it disappears and is deleted once its own handler has returned.
    void close(ScreenId id);
    // Hides a loaded screen; it keeps its state.
    void hide(ScreenId id);
    // Shows a hidden screen again and activates it; loads it first when none is loaded.
    Screen* show(ScreenId id);

    Screen* loaded(ScreenId id) const;
    template <class S> S* loadedAs(ScreenId id) const { return qobject_cast<S*>(loaded(id)); }

    // Runs a handler; an exception from it goes to the failure handler.
    void guard(const std::function<void()>& handler);
    void fail(const std::exception& error);

private:
    static constexpr std::size_t screenCount = 6;
    static std::size_t slot(ScreenId id) { return std::size_t(id); }

    std::array<Factory, screenCount> factories_;
    std::array<QPointer<Screen>, screenCount> screens_;
    std::vector<QPointer<Screen>> closed_; // deleted later; any still alive go with the navigator
    FailureHandler onFailure_;
};

} // namespace kaven::ui
