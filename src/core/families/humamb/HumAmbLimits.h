#pragma once

#include "core/families/humamb/HumAmbConfigWord.h"

#include <QString>

namespace korv::humamb {

// Sensor range of one input in the unit it is shown in, and the smallest span a user range may
// have when a limit edit is left.
struct InputLimits {
    int sensorMin = 0;
    int sensorMax = 0;
    int minSpan = 0;
};

// One row each of the limit steps run after identification (`SetHumTempLimits`,
// `SetAmbientLimits`, `SetHumidityLimits`).
InputLimits humTempLimits(bool fahrenheit);
InputLimits ambientLimits(bool fahrenheit);
InputLimits humidityLimits(HumidityKind kind, bool fahrenheit);

// Label texts of one input: sensor range ("-40 a 120°C", built around the range word, message 40,
// so that a language file can translate it), minimal span ("5°C") and unit ("°C").
struct InputTexts {
    QString range;
    QString minSpan;
    QString unit;
};
InputTexts humTempTexts(bool fahrenheit, const QString& rangeWord);
InputTexts ambientTexts(bool fahrenheit, const QString& rangeWord);  // a blank before the unit
InputTexts humidityTexts(HumidityKind kind, bool fahrenheit, const QString& rangeWord);

// A user range as the working state holds it: whole numbers, span = upper - lower unless a
// routine says otherwise.
struct LimitPair {
    int lower = 0;
    int upper = 0;
    int span = 0;

    friend bool operator==(const LimitPair&, const LimitPair&) = default;
};

// The sensor range of `limits` as a user range.
LimitPair fullRange(const InputLimits& limits);

// Everything `ShowHumidityKind` puts on the humidity tab for a kind: the limits of the kind, the
// labels, and the full range that goes into both the limit edits and the working state.
struct HumidityKindView {
    InputLimits limits;
    InputTexts texts;
    LimitPair range;
};
HumidityKindView humidityKindView(HumidityKind kind, bool fahrenheit, const QString& rangeWord);

// Whole-degree conversions of the unit switch. The integer divisions truncate toward zero, so a
// round trip can lose a degree (1 °C -> 33 °F -> 0 °C); the sensor bounds survive it.
int toCelsiusWhole(int fahrenheit);
int toFahrenheitWhole(int celsius);
int spanToCelsius(int fahrenheitSpan);
int spanToFahrenheit(int celsiusSpan);

// The temperature range edits converted into the unit now checked. The span is converted on its
// own, not recomputed from the converted limits.
LimitPair convertLimits(const LimitPair& range, bool toFahrenheit);

}  // namespace korv::humamb
