#pragma once

namespace kaven::store {

// How a long-running pass shows that the program is busy. The program's own one turns the
// mouse pointer into the busy pointer (ui/); tests count the calls.
class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual void showBusy() = 0;
    virtual void showDefault() = 0;
};

// For work with no one watching: tests, benchmarks, tools.
class NoBusyPointer final : public BusyPointer {
public:
    void showBusy() override {}
    void showDefault() override {}
};

// The busy pointer for the life of a scope, given back even when the scope ends by a throw.
class BusyScope {
public:
    explicit BusyScope(BusyPointer& pointer) : pointer_(pointer) { pointer_.showBusy(); }
    ~BusyScope() { pointer_.showDefault(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyPointer& pointer_;
};

} // namespace kaven::store
