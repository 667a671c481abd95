#pragma once

#include "core/protocol/Model.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace korv {

CalibrationGroup calibrationGroupOf(Model model);

// The two calibration registers of one input. For the humidity transmitter both are offsets
// (humidity, then temperature).
struct CalibrationRegisterPair {
    qint16 offset = 0;
    qint16 gain = 0;
};

bool operator==(const CalibrationRegisterPair& a, const CalibrationRegisterPair& b);

// No value for an input the group does not have: a code above 12, or above 9 for a plain model.
// Those transmitters have no such inputs, so nothing known lies behind the addresses.
std::optional<CalibrationRegisterPair> calibrationRegisters(CalibrationGroup group, int sensorCode);

// The live input registers read (with ReadMemory) for the calibrated value, in reading order.
QList<qint16> inputRegisters(CalibrationGroup group);

// Guidance shown next to the two spin fields; nothing enforces these bounds.
struct CalibrationLimits {
    QString offsetCaption;  // offsetLimitsTitle
    QString gainCaption;  // gainLimitsTitle
    QString offsetText;  // OffsLimitsLabel
    QString gainText;  // GainLimitsLabel
    bool gainEnabled = true;
    QString unit;  // CalibrationUnit
};

// No value for a combination the table has no row for. Thermocouple and Pt100 readings are shown
// in whichever temperature unit the main window holds its range in, so their unit follows
// `celsius`.
std::optional<CalibrationLimits> calibrationLimits(CalibrationGroup group, int sensorCode, bool celsius);

// "low to high" with plain decimal numbers.
QString limitsText(int low, int high);

}  // namespace korv
