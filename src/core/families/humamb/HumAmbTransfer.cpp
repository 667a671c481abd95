#include "core/families/humamb/HumAmbTransfer.h"

namespace korv::humamb {

namespace {

void tell(const PartObserver& observer, Part part)
{
    if (observer)
        observer(part);
}

Status readPair(RegisterAccess& registers, qint16 offsetRegister, qint16 gainRegister,
    std::optional<RangeRegisters>& into, const PartObserver& observer, Part part)
{
    RangeRegisters pair;
    Status status = registers.ReadParameter(offsetRegister, pair.offset);
    if (status != Status::Ok || (status = registers.ReadParameter(gainRegister, pair.gain)) != Status::Ok)
        return status;
    into = pair;
    tell(observer, part);
    return status;
}

Status readOne(
    RegisterAccess& registers, qint16 address, std::optional<qint16>& into, const PartObserver& observer, Part part)
{
    qint16 value = 0;
    const Status status = registers.ReadParameter(address, value);
    if (status != Status::Ok)
        return status;
    into = value;
    tell(observer, part);
    return status;
}

Status readHumidityZeros(TransmitterSession& session, Reading& reading, const PartObserver& observer)
{
    const Model model = session.identification().TransmitterModel;
    Status status = Status::NotSent;
    if (isHumidity(model)) {
        status
            = readOne(session.registers(), Register::HumidityZero, reading.humidityZero, observer, Part::HumidityZero);
        if (status != Status::Ok)
            return status;
    }
    if (hasHumidityTemperature(model))
        status = readOne(
            session.registers(), Register::TemperatureZero, reading.temperatureZero, observer, Part::TemperatureZero);
    return status;
}

// Only a frame that never left stops a pair; after any other failure the gain is written all the
// same. The first failure is the step's result, so that the step is retried and, failing for good,
// reported: a later write that succeeds must not stand for one that did not.
Status writePairUnlessNotSent(
    RegisterAccess& registers, qint16 offsetRegister, qint16 gainRegister, const std::optional<RangeRegisters>& pair)
{
    if (!pair)
        return Status::NotSent;
    const Status offset = registers.WriteParameter(offsetRegister, pair->offset);
    if (offset == Status::NotSent)
        return offset;
    const Status gain = registers.WriteParameter(gainRegister, pair->gain);
    return offset != Status::Ok ? offset : gain;
}

Status writeZero(RegisterAccess& registers, qint16 address, const std::optional<qint16>& count)
{
    if (!count)
        return Status::NotSent;
    return registers.WriteParameter(address, *count);
}

}  // namespace

Status readConfigWord(TransmitterSession& session, Reading& reading, const PartObserver& observer)
{
    qint16 word = 0;
    const Status status = session.registers().ReadParameter(Register::ConfigWord, word);
    if (status != Status::Ok)
        return status;
    session.ConfigWord = word;
    reading.configWord = word;
    tell(observer, Part::ConfigWord);
    return status;
}

Status readConfigWordTwice(TransmitterSession& session, Reading& reading, const PartObserver& observer)
{
    const Status status = session.registers().ReadParameter(Register::ConfigWord, session.ConfigWord);
    if (status != Status::Ok)
        return status;
    return readConfigWord(session, reading, observer);
}

TransferSteps humidityReadSteps(TransmitterSession& session, Reading& reading, PartObserver observer)
{
    return {
        [&session, &reading, observer] { return readConfigWord(session, reading, observer); },
        [&session, &reading, observer] {
            const Model model = session.identification().TransmitterModel;
            RegisterAccess& registers = session.registers();
            Status status = Status::NotSent;
            if (isHumidity(model)) {
                status = readPair(registers, Register::HumidityRangeOffset, Register::HumidityRangeGain,
                    reading.humidityRange, observer, Part::HumidityRange);
                if (status != Status::Ok)
                    return status;
            }
            if (!hasHumidityTemperature(model))
                return status;
            return readPair(registers, Register::TemperatureRangeOffset, Register::TemperatureRangeGain,
                reading.temperatureRange, observer, Part::TemperatureRange);
        },
        [&session, &reading, observer] { return readHumidityZeros(session, reading, observer); },
        [&session, &reading, observer] {
            if (!isHumidity(session.identification().TransmitterModel))
                return Status::NotSent;
            RegisterAccess& registers = session.registers();
            qint16 humidity = 0;
            qint16 temperature = 0;
            Status status = registers.ReadMemory(Register::LiveHumidity, humidity);
            if (status != Status::Ok
                || (status = registers.ReadMemory(Register::LiveTemperature, temperature)) != Status::Ok)
                return status;
            if ((status = readHumidityZeros(session, reading, observer)) != Status::Ok)
                return status;
            reading.liveHumidity = humidity;
            reading.liveTemperature = temperature;
            tell(observer, Part::Live);
            return status;
        },
    };
}

TransferSteps ambientReadSteps(TransmitterSession& session, Reading& reading, PartObserver observer)
{
    const auto ambientOnly = [&session](auto&& read) {
        return [&session, read] {
            return isAmbient(session.identification().TransmitterModel) ? read() : Status::NotSent;
        };
    };
    RegisterAccess& registers = session.registers();
    return {
        [&session, &reading, observer] { return readConfigWord(session, reading, observer); },
        ambientOnly([&registers, &reading, observer] {
            return readPair(registers, Register::TemperatureRangeOffset, Register::TemperatureRangeGain,
                reading.temperatureRange, observer, Part::TemperatureRange);
        }),
        ambientOnly([&registers, &reading, observer] {
            return readOne(
                registers, Register::TemperatureZero, reading.temperatureZero, observer, Part::TemperatureZero);
        }),
        ambientOnly([&registers, &reading, observer] {
            qint16 raw = 0;
            const Status status = registers.ReadMemory(Register::LiveTemperature, raw);
            if (status == Status::Ok) {
                reading.liveTemperature = raw;
                tell(observer, Part::Live);
            }
            return status;
        }),
    };
}

TransferSteps humiditySendSteps(TransmitterSession& session, const HumiditySettings& settings)
{
    return {
        [&session, settings] {
            const Model model = session.identification().TransmitterModel;
            RegisterAccess& registers = session.registers();
            Status status = Status::NotSent;
            if (isHumidity(model)) {
                status = writePairUnlessNotSent(
                    registers, Register::HumidityRangeOffset, Register::HumidityRangeGain, settings.humidity.range);
                if (status == Status::NotSent)
                    return status;
            }
            if (!hasHumidityTemperature(model))
                return status;
            const Status temperature = writePairUnlessNotSent(registers, Register::TemperatureRangeOffset,
                Register::TemperatureRangeGain, settings.temperature.range);
            return status != Status::Ok ? status : temperature;
        },
        [&session, settings] {
            session.ConfigWord = humidityConfigWord(
                session.ConfigWord, settings.humidityFailMax, settings.temperatureFailMax, settings.kind);
            return session.registers().WriteParameter(Register::ConfigWord, session.ConfigWord);
        },
        [&session, settings] {
            const Model model = session.identification().TransmitterModel;
            RegisterAccess& registers = session.registers();
            Status status = Status::NotSent;
            if (isHumidity(model)) {
                // A register-14 write that does not take is a communication failure like any
                // other: the step is retried and the send reports one write error.
                status = writeZero(registers, Register::HumidityZero, settings.humidity.zeroCount);
                if (status != Status::Ok)
                    return status;
            }
            if (hasHumidityTemperature(model))
                return writeZero(registers, Register::TemperatureZero, settings.temperature.zeroCount);
            return status;
        },
    };
}

TransferSteps ambientSendSteps(TransmitterSession& session, const AmbientSettings& settings)
{
    const auto ambientOnly = [&session](auto&& write) {
        return [&session, write] {
            return isAmbient(session.identification().TransmitterModel) ? write() : Status::NotSent;
        };
    };
    RegisterAccess& registers = session.registers();
    const std::optional<RangeRegisters> range = settings.temperature.range;
    const std::optional<qint16> zero = settings.temperature.zeroCount;
    return {
        ambientOnly([&registers, range] {
            if (!range)
                return Status::NotSent;
            // Unlike the humidity transmitter's pair, any failed offset write stops the pair.
            const Status status = registers.WriteParameter(Register::TemperatureRangeOffset, range->offset);
            if (status != Status::Ok)
                return status;
            return registers.WriteParameter(Register::TemperatureRangeGain, range->gain);
        }),
        [&session, failMax = settings.failMax] {
            session.ConfigWord = ambientConfigWord(session.ConfigWord, failMax);
            return session.registers().WriteParameter(Register::ConfigWord, session.ConfigWord);
        },
        ambientOnly([&registers, zero] { return writeZero(registers, Register::TemperatureZero, zero); }),
    };
}

}  // namespace korv::humamb
