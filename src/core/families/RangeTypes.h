#pragma once

#include <QString>
#include <QtGlobal>

// The range types every family shares; each family's namespace names them as its own.
namespace korv {

// A user range as the transmitter holds it: the offset and gain registers of one input.
struct RangeRegisters {
    qint16 offset = 0;
    qint16 gain = 0;
    friend bool operator==(const RangeRegisters&, const RangeRegisters&) = default;
};

// A user range decoded from its registers, not rounded: the limit edits show it rounded.
struct DecodedRange {
    long double lower = 0;
    long double upper = 0;
};

// The texts of the two limit edits.
struct LimitTexts {
    QString lower;
    QString upper;
};

}  // namespace korv
