#pragma once

#include <QObject>

namespace korv {

// Turns SIGTERM and SIGINT into an ordinary close of every window, so that a session ended from
// outside (logout, a terminal's Ctrl+C) still closes the port and saves the settings. A running
// command is stopped at once, at its next frame boundary (StopRequest), and shows no box; the
// windows close wherever events are next processed: in the event loop, or in a box open during
// start-up. Does nothing on platforms without POSIX signals.
class QuitOnSignal : public QObject {
    Q_OBJECT

public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

    // A signal has been handled: the windows are closed, and the program must not go on (nor
    // start its event loop, when the signal came before it ran).
    bool requested() const { return requested_; }

private:
    bool requested_ = false;
};

}  // namespace korv
