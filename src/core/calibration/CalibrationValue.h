#pragma once

#include <QString>
#include <QtGlobal>

namespace korv {

// Texts of the calibrated value, the live reading the transmitter makes of its active input.
// Decimal numbers follow the user's decimal separator.

inline const QString InvalidInputText = QStringLiteral("Invalid Input");

// Register 55 of a plain model: 0..16368 counts span the selected range low..high.
QString plainTemperatureValueText(qint16 raw, qint32 low, qint32 high, const QString& unit);

// Register 103 of an isolated model: 1000..21000 counts span low..high.
QString isolatedTemperatureValueText(qint16 raw, qint32 low, qint32 high, const QString& unit);

// Register 60 of the ambient model, a whole number of degrees: "35 °C".
QString ambientValueText(qint16 raw, const QString& unit);
qint32 ambientTemperature(qint16 raw);

// Humidity and temperature already converted to display units: "50,0%;  25,0ºC". A humidity that
// is not defined (dew point of a dry reading) shows as "---".
QString humidityValueText(float temperature, float humidity, bool humidityDefined, bool celsius);

}  // namespace korv
