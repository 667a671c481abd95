#pragma once

#include <QtGlobal>

namespace korv {

// Status of an exchange with the transmitter, with the numbers it has always had. Callers act on
// Ok only.
enum class Status : int {
    Ok = 1,
    NotSent = 0,  // the frame could not be written to the port
    NoAnswer = -2,  // nothing came back, or what came back does not answer the frame sent
    Refused = -5,  // the transmitter answered "?"
};

// The three register operations through which everything above the serial link reaches a
// transmitter. Values are signed 16-bit; a value argument is written only on success.
class RegisterAccess {
public:
    virtual ~RegisterAccess() = default;
    virtual Status ReadParameter(qint16 address, qint16& value) = 0;
    virtual Status ReadMemory(qint16 address, qint16& value) = 0;
    // The transmitter stores a value as soon as the write frame reaches it, answered or not: only
    // NotSent says that the frame never left and the register cannot have changed. Any other
    // failure may have changed it.
    virtual Status WriteParameter(qint16 address, qint16 value) = 0;
};

}  // namespace korv
