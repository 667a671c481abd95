#pragma once

#include "core/families/RangeTypes.h"
#include "core/families/humamb/HumAmbLimits.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace korv::humamb {

// A user range is an offset/gain pair on the count scale of its model.
using korv::DecodedRange;
using korv::RangeRegisters;

// Humidity + temperature scale (Orv-Hu, Orv-H, both inputs): 1000 counts are the sensor minimum
// and 11000 the sensor maximum. A lower limit above the upper one encodes a negative gain.
RangeRegisters encodeHumTempRange(const InputLimits& sensor, float lower, float upper);
// No value for gain 0, which describes no range. Decoded limits are not clamped.
std::optional<DecodedRange> decodeHumTempRange(const InputLimits& sensor, qint16 offset, qint16 gain);

// Ambient scale (OrvAmbient): 0 counts are the sensor minimum, 16000 the sensor maximum.
RangeRegisters encodeAmbientRange(const InputLimits& sensor, float lower, float upper);
std::optional<DecodedRange> decodeAmbientRange(const InputLimits& sensor, qint16 offset, qint16 gain);

// Only the temperature inputs (Orv-Hu temperature, OrvAmbient) hold a decoded upper limit at the
// sensor maximum; a decoded humidity limit of 100.6 %RH is shown as 101.
DecodedRange clampUpperToSensor(DecodedRange range, const InputLimits& sensor);

// A decoded limit as the limit edit shows it: rounded to a whole number.
QString limitEditText(long double value);

}  // namespace korv::humamb
