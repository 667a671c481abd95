#pragma once

#include <QObject>

namespace korv {

// Turns SIGTERM and SIGINT into an ordinary close of every window, so that a session ended from
// outside (logout, a terminal's Ctrl+C) still closes the port and saves the settings. Does nothing
// on platforms without POSIX signals.
class QuitOnSignal : public QObject {
    Q_OBJECT

public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;
};

}  // namespace korv
