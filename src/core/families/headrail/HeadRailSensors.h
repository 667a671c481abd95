#pragma once

#include "core/protocol/Model.h"

#include <QList>
#include <QString>

#include <optional>

// What the program knows about the sensors of the head and rail temperature transmitters: the
// model groups, the sensor tables with their firmware rules, the sensor list each model offers and
// the units shown next to the range edits. Pure functions; no widgets.
namespace korv::headrail {

// The two families of head/rail transmitters. Everything else, including a transmitter not yet
// identified, is Other: it has no count scale and its range is never encoded or decoded.
enum class Group {
    NonIsolated,  // OrvHead, OrvDin
    Isolated,  // OrvGalHead, OrvGalDin
    Other,
};

Group groupOf(Model model);

// Sensor codes as stored in bits 0..5 of the configuration word.
namespace SensorCode {
enum : int {
    MilliVolt50 = 0,
    ThermocoupleK = 1,
    ThermocoupleB = 8,
    Pt100 = 9,
    Volt10 = 10,
    MilliAmp0To20 = 11,
    MilliAmp4To20 = 12,
};
}

// Range and minimum span of a sensor, whole numbers in the unit shown.
struct SensorLimits {
    int min = 0;
    int max = 0;
    int minSpan = 0;
    friend bool operator==(const SensorLimits&, const SensorLimits&) = default;
};

// Sensor range in °C (or mV, V, mA) of `code` for the model. OrvHead, OrvDin and the unknown model
// use the non-isolated table, whose old firmware (1 to 109) lowers the Pt100 maximum to 530 and
// replaces every minimum span by 10 % of the range. No value for a code the model's table lacks
// or for a humidity or ambient model.
std::optional<SensorLimits> loadSensorRange(Model model, int firmware, int code);

// Whole-number °C -> °F: temperatures × 18 / 10 + 32, the span × 18 / 10, truncated toward zero.
SensorLimits toFahrenheit(SensorLimits celsius);

// Codes 1 to 9 are temperatures (converted to °F); the others are electrical inputs.
bool isTemperatureCode(int code);

// loadSensorRange followed by the °F conversion when it applies: the limits in the unit shown.
std::optional<SensorLimits> sensorRangeInUnit(Model model, int firmware, int code, bool fahrenheit);

// The sensor codes the model's list offers, in list order. A model outside the four head/rail
// models (the unknown one included) offers the ten sensors of the start-up list.
QList<int> sensorListCodes(Model model, int firmware, bool noThermocoupleB);

// List position -> code written into the configuration word. No value for no selection (-1) or
// a position the model's list does not have.
std::optional<int> codeForPosition(Model model, int firmware, bool noThermocoupleB, int position);

// Code read from the transmitter -> list position. No value when the model's list does not offer
// the sensor; the page then leaves the list without a selection.
std::optional<int> positionForCode(Model model, int firmware, bool noThermocoupleB, int code);

// Message-table entry that names the sensor `code` (0..12).
int sensorMessage(int code);

// Unit label for the selected list position: "mV", "°C"/"°F", "V", "mA"; empty when nothing (or
// a position outside 0..12) is selected, in which case the labels stay as they are.
QString unitTextForPosition(int position, bool fahrenheit);

// Keys the two range-limit edits accept.
enum class LimitKeys {
    Digits,  // digits and Backspace
    DigitsAndMinus,  // also "-", which restarts the edit as a negative number
    Any,  // no filtering (models outside the head/rail family)
};
LimitKeys limitKeysFor(Model model, int position, bool noThermocoupleB);

}  // namespace korv::headrail
