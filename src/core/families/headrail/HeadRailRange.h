#pragma once

#include "core/families/RangeTypes.h"

#include "core/families/headrail/HeadRailSensors.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// The measuring range as the transmitter stores it: an offset A (register 10) and a gain B
// (register 11) on a count scale spanning the whole sensor range, plus the limit checks made
// before a range is sent.
namespace korv::headrail {

using korv::RangeRegisters;  // offset A and gain B

// The range limits as typed (not truncated) encoded for the group and firmware, on the sensor
// range `sensorMin`..`sensorMax` of the unit shown. No value when there is no count scale (Group
// Other), the sensor range is empty, or A or B would not fit a 16-bit register: writing a wrapped
// value would configure a range nobody typed.
std::optional<RangeRegisters> encodeRange(
    Group group, int firmware, int sensorMin, int sensorMax, float lower, float upper);

// Decoded, the two limits are in the order of the edits (a falling range keeps lower > upper). The
// upper one is already clamped to the sensor maximum; the lower one is not clamped.
using korv::DecodedRange;

// No value for a gain of 0 (the registers describe no range: the edits keep what they show) and
// for Group Other (no count scale to decode on).
std::optional<DecodedRange> decodeRange(
    Group group, int firmware, int sensorMin, int sensorMax, qint16 offsetA, qint16 gainB);

// A decoded limit as the edits show it: whole number, at most four significant digits.
QString rangeLimitText(long double value);

// Which limit edit a refused range sends the focus to; None means the range is accepted.
enum class RangeFocus { None, Lower, Upper };

// The range check made before sending, on whole-number limits and the sensor limits of the unit
// shown. Non-isolated firmware below 110 knows no falling range; 110 to 139 and the isolated models
// allow one; non-isolated firmware 140 and above and models outside the family are not checked
// (they cannot be sent to).
RangeFocus checkRange(Model model, int firmware, int lower, int upper, SensorLimits limits);

}  // namespace korv::headrail
