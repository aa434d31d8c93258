#pragma once

namespace kaven::ui {

// Ending the program. The program's own one leaves the event loop with the status;
// tests keep the loop and look at what was asked for. A handler that ends the program
// returns at once afterwards.
class ProgramEnd {
public:
    explicit ProgramEnd(bool leaveEventLoop) : leaveEventLoop_(leaveEventLoop) {}

    void end(int status);
    bool ended() const { return ended_; }
    int status() const { return status_; }

private:
    bool leaveEventLoop_;
    bool ended_ = false;
    int status_ = 0;
};

} // namespace kaven::ui
