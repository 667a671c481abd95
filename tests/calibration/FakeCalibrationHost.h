#pragma once

#include "calibration/CalibrationHost.h"
#include "common/MessageBoxes.h"
#include "common/Messages.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QStringList>

#include <functional>

namespace korv::test {

// An in-memory transmitter: reads of unknown addresses are refused, chosen reads fail, writes are
// recorded and verified by a read-back as the real register layer does.
class FakeRegisters final : public RegisterAccess {
public:
    Status ReadParameter(qint16 address, qint16& value) override;
    Status ReadMemory(qint16 address, qint16& value) override;
    Status WriteParameter(qint16 address, qint16 value) override;

    QMap<int, qint16> parameters;
    QMap<int, qint16> memory;
    QSet<int> failingReads;  // numbers (from 0) of reads that get no answer
    bool failEveryRead = false;
    int failingWrites = 0;  // the next writes that get no answer
    QSet<int> registersNotKept;  // accept the write but keep the old value
    std::function<void()> onWriteMismatch;
    std::function<void()> beforeWrite;

    int readCount = 0;
    QStringList readLog;  // "P4", "R55", ...
    QList<QPair<int, int>> writes;

private:
    Status read(QChar command, const QMap<int, qint16>& store, qint16 address, qint16& value);
};

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

    // A transmitter of the given model with every calibration register filled.
    void setUp(Model model, int code, int sensorLow, int sensorHigh);

    FakeRegisters fake;
    Model transmitterModel = Model::OrvHead;
    QString serial = QStringLiteral("00012345");
    int sensorCode = 1;
    int low = 0;
    int high = 1000;
    bool celsius = true;
    QStringList warnings;
    MessageTable table;
    RecordingMessageBoxes recorder;
};

}  // namespace korv::test
