#pragma once

#include "common/MessageBoxes.h"
#include "core/history/HistoryEvent.h"
#include "core/protocol/Model.h"
#include "core/protocol/RegisterAccess.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace korv {

// One live humidity reading converted into the main window's current display units. When the dew
// point of a humidity at or below 0 %RH is asked for, humidityDefined is false and humidity holds
// no meaningful number.
struct HumidityConversion {
    float temperature = 0.0f;
    float humidity = 0.0f;
    bool humidityDefined = true;
};

// What the calibration window needs from the main window. The window only reads through it (and
// talks to the transmitter through its register operations); it never changes the main window.
class CalibrationHost {
public:
    virtual ~CalibrationHost() = default;
    virtual RegisterAccess& registers() = 0;
    virtual Model model() const = 0;
    virtual QString serialNumberText() const = 0;
    // The input code as the transmitter reported it in configuration register 1.
    virtual int transmitterSensorCode() const = 0;
    // The selected sensor's range in the unit the main window displays.
    virtual int sensorMin() const = 0;
    virtual int sensorMax() const = 0;
    virtual bool celsiusChecked() const = 0;
    virtual HumidityConversion convertHumidityReading(qint16 rawTemperature, qint16 rawHumidity) const = 0;
    virtual void ShowWarning(const QString& text) = 0;
    virtual QString message(int number) const = 0;
    virtual MessageBoxes& boxes() = 0;
    // A service command (the backup on opening, an apply) begins and ends: the main window keeps
    // its event in the record, with the calibration before and after and the backup's text.
    virtual void recordBegins(const QString& /*command*/) { }
    virtual void recordEnds(const std::optional<history::CalibrationChange>& /*change*/) { }
};

}  // namespace korv
