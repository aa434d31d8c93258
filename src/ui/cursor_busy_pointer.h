#pragma once

#include "datastore/busy_pointer.h"

namespace kaven::ui {

// The busy pointer of the whole program: the wait cursor over every window.
class CursorBusyPointer final : public store::BusyPointer {
public:
    void showBusy() override;
    void showDefault() override;

private:
    int depth_ = 0;
};

} // namespace kaven::ui
