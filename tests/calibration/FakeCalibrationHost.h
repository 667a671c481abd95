#pragma once

#include "calibration/CalibrationHost.h"
#include "common/MessageBoxes.h"
#include "common/Messages.h"
#include "support/MemoryRegisters.h"

#include <QStringList>

namespace korv::test {

class FakeCalibrationHost final : public CalibrationHost {
public:
    FakeCalibrationHost();

    RegisterAccess& registers() override { return fake; }
    Model model() const override { return transmitterModel; }
    QString serialNumberText() const override { return serial; }
    int transmitterSensorCode() const override { return sensorCode; }
    int sensorMin() const override { return low; }
    int sensorMax() const override { return high; }
    bool celsiusChecked() const override { return celsius; }
    HumidityConversion convertHumidityReading(qint16 rawTemperature, qint16 rawHumidity) const override;
    void ShowWarning(const QString& text) override { warnings << text; }
    QString message(int number) const override { return table.text(number); }
    MessageBoxes& boxes() override { return recorder; }
    void recordEnds(const std::optional<history::CalibrationChange>& change) override { recorded = change; }

    // A transmitter of the given model with every calibration register filled.
    void setUp(Model model, int code, int sensorLow, int sensorHigh);

    MemoryRegisters fake;
    Model transmitterModel = Model::OrvHead;
    QString serial = QStringLiteral("00012345");
    int sensorCode = 1;
    int low = 0;
    int high = 1000;
    bool celsius = true;
    QStringList warnings;
    MessageTable table;
    RecordingMessageBoxes recorder;
    std::optional<history::CalibrationChange> recorded;  // the last command's, as the record keeps it
};

}  // namespace korv::test
