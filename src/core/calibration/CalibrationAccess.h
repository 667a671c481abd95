#pragma once

#include "core/calibration/CalibrationRegisters.h"
#include "core/protocol/RegisterAccess.h"

#include <QtGlobal>

namespace korv {

// The raw live input of one group: `raw` is register 55, 103 or 60 (for the humidity
// transmitter its temperature), `rawHumidity` register 58 of the humidity transmitter.
struct CalibrationInput {
    qint16 raw = 0;
    qint16 rawHumidity = 0;
};

// Reads the group's live input registers, stopping at the first failure and returning its
// status; `input` is complete only on Status::Ok.
Status ReadInputValue(RegisterAccess& registers, CalibrationGroup group, CalibrationInput& input);

struct CalibrationValues {
    qint16 offset = 0;
    qint16 gain = 0;
};

// Both calibration registers of the input, offset first. An input without calibration registers
// is refused with Status::NotSent before anything reaches the transmitter.
Status ReadCalibration(RegisterAccess& registers, CalibrationGroup group, int sensorCode, CalibrationValues& values);

// Writes the offset, then (only when that succeeded) the gain. A read-back mismatch is reported
// by WriteParameter itself and still counts as success here.
Status WriteCalibration(RegisterAccess& registers, CalibrationGroup group, int sensorCode, qint16 offset, qint16 gain);

}  // namespace korv
