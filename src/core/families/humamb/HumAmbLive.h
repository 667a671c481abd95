#pragma once

#include "common/NumberFormat.h"
#include "core/families/humamb/HumAmbConfigWord.h"

#include <QChar>
#include <QString>
#include <QtGlobal>

namespace korv::humamb {

// One live reading of the humidity transmitter in the display units. With the dew point selected
// `humidity` is the dew point. A dew point exists only above 0 %RH: at or below it (or for a
// temperature the formula cannot take) `humidityDefined` is false and `humidity` is 0, never NaN
// or infinite, and the reading itself still succeeds.
struct HumidityReading {
    float temperature = 0;
    float humidity = 0;
    bool humidityDefined = true;
};

// `ConvertHumidityReading`: raw registers 60 (temperature) and 58 (humidity), 1000 counts being
// -40 °C / 0 %RH and 11000 counts 120 °C / 100 %RH. The dew point is always computed from the
// Celsius temperature and converted with it when Fahrenheit is shown.
HumidityReading convertHumidityReading(qint16 rawTemperature, qint16 rawHumidity, HumidityKind kind, bool fahrenheit);

// `value` plus the correction in a zero edit's text; a text that is no number adds nothing.
float withZeroCorrection(float value, const QString& zeroText, QChar separator = decimalSeparator());

// The reading with both inputs' zero corrections added, as the memo shows it.
HumidityReading correctedReading(const HumidityReading& reading, const QString& humidityZeroText,
    const QString& temperatureZeroText, QChar separator = decimalSeparator());

// Shown instead of a humidity value that does not exist.
QString undefinedReadingText();

// Live humidity as the memo shows it: two decimals, or the undefined text.
QString humidityValueText(const HumidityReading& reading, QChar separator = decimalSeparator());

// Memo lines: prefix (message 31 or 32) + value + unit, without a blank before the unit.
QString humidityLiveLine(
    const QString& prefix, const HumidityReading& reading, const QString& unit, QChar separator = decimalSeparator());
QString temperatureLiveLine(
    const QString& prefix, float temperature, const QString& unit, QChar separator = decimalSeparator());

// OrvAmbient: whole degrees Celsius on the 0..16000 count scale of -50..120 °C, in 32-bit integer
// arithmetic, so raw -1 is still -50.
int ambientWholeCelsius(qint16 raw);
// The same in the display unit (the Fahrenheit value keeps its fraction).
float ambientLiveValue(qint16 raw, bool fahrenheit);
// prefix (message 32) + " " + value + " " + unit; the live value carries no zero correction.
QString ambientLiveLine(
    const QString& prefix, float temperature, const QString& unit, QChar separator = decimalSeparator());

}  // namespace korv::humamb
