#pragma once

#include "app/service/CalibrationBridge.h"
#include "calibration/CalibForm.h"

namespace korv {

class MainWindow;

// The calibration window as the program sets it up: a child of the main window, reading it through
// the bridge and opened modally by the service-mode key combination. Must not outlive the main
// window, which would otherwise delete the window a second time.
class ServiceMode {
public:
    explicit ServiceMode(MainWindow& form);
    ServiceMode(const ServiceMode&) = delete;
    ServiceMode& operator=(const ServiceMode&) = delete;

    CalibForm& window() { return window_; }

private:
    CalibrationBridge bridge_;
    CalibForm window_;
};

}  // namespace korv
