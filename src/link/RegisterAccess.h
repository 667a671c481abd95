#pragma once

#include <QtGlobal>

namespace korv {

// Status of an exchange with the transmitter. Callers act on Ok only.
namespace Status {
enum : int {
    Ok = 1,
    NotSent = 0,  // the frame could not be written to the port
    NoAnswer = -2,  // nothing came back, or the answer does not repeat the frame
    Refused = -5,  // the transmitter answered "?"
};
}

// The three register operations through which everything above the serial link reaches a
// transmitter. Values are signed 16-bit; a value argument is written only on success.
class RegisterAccess {
public:
    virtual ~RegisterAccess() = default;
    virtual int ReadParameter(qint16 address, qint16& value) = 0;
    virtual int ReadMemory(qint16 address, qint16& value) = 0;
    virtual int WriteParameter(qint16 address, qint16 value) = 0;
};

}  // namespace korv
