#include "core/families/headrail/HeadRailTransfer.h"

#include "core/families/headrail/HeadRailConfigWord.h"

namespace korv::headrail {

Status readConfigWord(TransmitterSession& session, Reading& reading)
{
    qint16 word = 0;
    const Status status = session.registers().ReadParameter(Register::ConfigWord, word);
    if (status != Status::Ok)
        return status;
    session.ConfigWord = word;
    reading.configWord = static_cast<quint16>(word);
    return status;
}

TransferSteps readSteps(TransmitterSession& session, Reading& reading)
{
    RegisterAccess& registers = session.registers();
    return {
        [&session, &reading] { return readConfigWord(session, reading); },
        [&registers, &reading] {
            RangeRegisters range;
            Status status = registers.ReadParameter(Register::RangeOffset, range.offset);
            if (status == Status::Ok
                && (status = registers.ReadParameter(Register::RangeGain, range.gain)) == Status::Ok)
                reading.range = range;
            return status;
        },
        [&registers, &reading] {
            qint16 count = 0;
            const Status status = registers.ReadParameter(Register::ZeroCorrection, count);
            if (status == Status::Ok)
                reading.zeroCount = count;
            return status;
        },
    };
}

TransferSteps sendSteps(TransmitterSession& session, const Settings& settings)
{
    RegisterAccess& registers = session.registers();
    return {
        [&registers, range = settings.range] {
            // No count scale, or a range no register pair can hold: nothing is written.
            if (!range)
                return Status::NotSent;
            // Only a frame that never left stops the pair; after a lost or refused answer the gain
            // is still written, but the offset's failure is the step's: a gain that took must not
            // stand for an offset that may not have.
            const Status offset = registers.WriteParameter(Register::RangeOffset, range->offset);
            if (offset == Status::NotSent)
                return offset;
            const Status gain = registers.WriteParameter(Register::RangeGain, range->gain);
            return offset != Status::Ok ? offset : gain;
        },
        [&session, settings] {
            const quint16 word = composeConfigWord(static_cast<quint16>(session.ConfigWord), settings.sensorCode,
                settings.failureToMax, settings.filter50Hz);
            session.ConfigWord = static_cast<qint16>(word);
            return session.registers().WriteParameter(Register::ConfigWord, session.ConfigWord);
        },
        [&registers, zero = settings.zeroCount] {
            if (!zero)
                return Status::NotSent;
            return registers.WriteParameter(Register::ZeroCorrection, *zero);
        },
    };
}

}  // namespace korv::headrail
