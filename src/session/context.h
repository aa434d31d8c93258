#pragma once

#include "session/module_state.h"
#include "datastore/busy_pointer.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/navigator.h"
#include "ui/program_end.h"
#include "ui/random_source.h"

#include <QString>

namespace kaven::session {

// The title of every message box that has no title of its own.
inline QString programTitle()
{
    return QStringLiteral("KAVEN Test Series");
}

// What the platform gives the program; the program's own in main, test doubles in tests.
struct Seams {
    ui::Dialogs& dialogs;
    ui::Clock& clock;
    ui::RandomSource& random;
    store::BusyPointer& busy;
    ui::ProgramEnd& end;
};

// What every screen is made with: the data folder, the shared module state, the seams and
// the navigator that hands over between screens.
struct Context {
    QString folder;
    ModuleState& state;
    Seams seams;
    ui::Navigator& screens;

    ui::Dialogs& dialogs() const { return seams.dialogs; }
    store::BusyPointer& busy() const { return seams.busy; }
    void endProgram(int status) const { seams.end.end(status); }
};

} // namespace kaven::session
