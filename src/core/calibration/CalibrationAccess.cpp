#include "core/calibration/CalibrationAccess.h"

namespace korv {

Status ReadInputValue(RegisterAccess& registers, CalibrationGroup group, CalibrationInput& input)
{
    const QList<qint16> addresses = inputRegisters(group);
    CalibrationInput read;
    // Only the humidity transmitter has two input registers; its first one is the humidity.
    if (addresses.size() > 1) {
        const Status status = registers.ReadMemory(addresses.constFirst(), read.rawHumidity);
        if (status != Status::Ok)
            return status;
    }
    const Status status = registers.ReadMemory(addresses.constLast(), read.raw);
    if (status == Status::Ok)
        input = read;
    return status;
}

Status ReadCalibration(RegisterAccess& registers, CalibrationGroup group, int sensorCode, CalibrationValues& values)
{
    const auto pair = calibrationRegisters(group, sensorCode);
    if (!pair)
        return Status::NotSent;
    CalibrationValues read;
    Status status = registers.ReadParameter(pair->offset, read.offset);
    if (status != Status::Ok)
        return status;
    status = registers.ReadParameter(pair->gain, read.gain);
    if (status == Status::Ok)
        values = read;
    return status;
}

Status WriteCalibration(RegisterAccess& registers, CalibrationGroup group, int sensorCode, qint16 offset, qint16 gain)
{
    const auto pair = calibrationRegisters(group, sensorCode);
    if (!pair)
        return Status::NotSent;
    const Status status = registers.WriteParameter(pair->offset, offset);
    if (status != Status::Ok)
        return status;
    return registers.WriteParameter(pair->gain, gain);
}

}  // namespace korv
