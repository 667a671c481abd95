#pragma once

#include "app/shared/PortList.h"

#include <QObject>

#include <functional>

namespace korv {

class Activity;
class ConnectionCheckWindow;
class FileDialogs;
class FrameMonitorWindow;
class LinkThread;
class MessageBoxes;
class TransmitterSession;

// The main window's two diagnostic windows, the connection check and the frame monitor: each is
// created when first asked for, shown without being modal, and closed with the main window.
class DiagnosticWindows final : public QObject {
    Q_OBJECT

public:
    struct Surroundings {
        Activity& activity;
        TransmitterSession& session;
        LinkThread& linkThread;
        MessageBoxes*& boxes;  // read when a window is made: the main window sets them up later
        FileDialogs*& fileDialogs;
        std::function<QList<PortDescription>()> systemPorts;
        std::function<void(bool)> setBusyCursor;
    };
    DiagnosticWindows(Surroundings surroundings, QWidget* window);

    void onCheckConnection();
    // The check again in its open window, as after a change of language.
    void runConnectionCheck();
    void onFrameMonitor();
    void close();
    ConnectionCheckWindow* checkWindow() const { return checkWindow_; }
    FrameMonitorWindow* monitor() const { return monitor_; }

private:
    Surroundings with_;
    QWidget* window_;
    ConnectionCheckWindow* checkWindow_ = nullptr;
    FrameMonitorWindow* monitor_ = nullptr;
};

}  // namespace korv
