#pragma once

#include "calibration/CalibrationHost.h"

namespace korv {

class MainWindow;

// The calibration window's view of the main window: read-only, apart from the register operations
// on the one serial link.
class CalibrationBridge final : public CalibrationHost {
public:
    CalibrationBridge(MainWindow& form, MessageBoxes& boxes)
        : form_(form)
        , boxes_(boxes)
    {
    }

    RegisterAccess& registers() override;
    Model model() const override;
    QString serialNumberText() const override;
    int transmitterSensorCode() const override;
    int sensorMin() const override;
    int sensorMax() const override;
    bool celsiusChecked() const override;
    HumidityConversion convertHumidityReading(qint16 rawTemperature, qint16 rawHumidity) const override;
    void ShowWarning(const QString& text) override;
    QString message(int number) const override;
    MessageBoxes& boxes() override { return boxes_; }
    void recordBegins(const QString& command) override;
    void recordEnds(const std::optional<history::CalibrationChange>& change) override;

private:
    MainWindow& form_;
    MessageBoxes& boxes_;
};

}  // namespace korv
