#pragma once

#include "core/protocol/IdentityRegisters.h"

#include <QtGlobal>

// Register map of the head/rail transmitters and the layout of their configuration word.
namespace korv::headrail {

namespace Register {
enum : qint16 {
    Identification = IdentityRegister::Identification,
    ConfigWord = IdentityRegister::ConfigWord,
    SerialHigh = IdentityRegister::SerialHigh,
    SerialLow = IdentityRegister::SerialLow,
    RangeOffset = 10,  // A
    RangeGain = 11,  // B
    ZeroCorrection = 15,  // Z, in zero counts
};
}

namespace ConfigBits {
enum : quint16 {
    SensorCodeMask = 0x003F,
    FailureToMax = 0x0040,  // output driven to its maximum on sensor failure (else minimum)
    Filter50Hz = 0x0080,  // mains filter 50 Hz (else 60 Hz)
    OutputTypeMask = 0x0F00,
    // Bits 8..15 belong to the transmitter (output type and reserved bits) and survive every send.
    KeptOnSend = 0xFF00,
};
}

// The word written: bits 8..15 of the word read last, then the sensor code and the two options.
quint16 composeConfigWord(quint16 lastWord, int code, bool failureToMax, bool filter50Hz);

struct ConfigFields {
    int code = 0;
    bool failureToMax = false;
    bool filter50Hz = false;
    int outputType = 0;  // 0 "4 - 20 mA", 1 "0 - 10 V", 2 "0 - 5 V", others unknown
};

ConfigFields splitConfigWord(quint16 word);

}  // namespace korv::headrail
