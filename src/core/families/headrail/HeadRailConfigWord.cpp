#include "core/families/headrail/HeadRailConfigWord.h"

#include "common/Messages.h"

namespace korv::headrail {

quint16 composeConfigWord(quint16 lastWord, int code, bool failureToMax, bool filter50Hz)
{
    quint16 word = lastWord & ConfigBits::KeptOnSend;
    word |= static_cast<quint16>(code) & ConfigBits::SensorCodeMask;
    if (failureToMax)
        word |= ConfigBits::FailureToMax;
    if (filter50Hz)
        word |= ConfigBits::Filter50Hz;
    return word;
}

ConfigFields splitConfigWord(quint16 word)
{
    ConfigFields fields;
    fields.code = word & ConfigBits::SensorCodeMask;
    fields.failureToMax = (word & ConfigBits::FailureToMax) != 0;
    fields.filter50Hz = (word & ConfigBits::Filter50Hz) != 0;
    fields.outputType = (word & ConfigBits::OutputTypeMask) >> 8;
    return fields;
}

}  // namespace korv::headrail
