#pragma once

#include <QTimer>

#include <chrono>

namespace korv {

class TransmitterSession;

// A command's pauses (between contact attempts, after a progress step) in the window: they keep the
// window answering, as its exchanges do, and end early at a stop request or a cancel.
class CommandPause {
public:
    explicit CommandPause(const TransmitterSession& session);

    void until(std::chrono::steady_clock::time_point deadline);
    bool pausing() const { return depth_ > 0; }

private:
    const TransmitterSession& session_;
    int depth_ = 0;
    QTimer timer_;  // wakes a pause at the end of each of its slices
};

}  // namespace korv
