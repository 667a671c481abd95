#pragma once

#include "core/link/Status.h"

#include <QtGlobal>

namespace korv {

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
