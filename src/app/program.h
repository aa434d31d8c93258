#pragma once

#include "session/context.h"

#include <QLockFile>

namespace kaven::app {

// The whole program on one data folder: one copy at a time, the working copies rebuilt from
// the store, then the test summary. main runs it on the executable's folder; tests and the
// scripted candidate run it on a folder of their own.
class Program {
public:
    Program(const QString& folder, session::Seams seams);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up. False when the program ended during it (a second copy, a broken data file);
    // the status is then in the ProgramEnd of the seams.
    bool start();

    session::Context& context() { return context_; }
    ui::Navigator& screens() { return navigator_; }
    session::ModuleState& state() { return state_; }

private:
    void registerScreens();
    void reportFailure(const std::exception& error);

    session::ModuleState state_;
    ui::Navigator navigator_;
    session::Context context_;
    QLockFile lock_;
};

// The message of a second copy of the program on the same data folder.
ui::Message alreadyOpenMessage();

} // namespace kaven::app
