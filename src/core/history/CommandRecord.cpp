#include "core/history/CommandRecord.h"

#include "core/configuration/ConfigurationCheck.h"
#include "core/families/Families.h"
#include "core/protocol/IdentityRegisters.h"

#include <algorithm>

namespace korv::history {

namespace {

// Answers the family's read from registers already known, so that the read's own decoding turns
// them into a configuration. A register not known fails the step; live values are not part of a
// configuration and read as 0.
class KnownRegisters final : public RegisterAccess {
public:
    explicit KnownRegisters(const QMap<qint16, qint16>& registers)
        : registers_(registers)
    {
    }
    Status ReadParameter(qint16 address, qint16& value) override
    {
        if (!registers_.contains(address))
            return Status::NoAnswer;
        value = registers_.value(address);
        return Status::Ok;
    }
    Status ReadMemory(qint16, qint16& value) override
    {
        value = 0;
        return Status::Ok;
    }
    Status WriteParameter(qint16, qint16) override { return Status::NotSent; }

private:
    const QMap<qint16, qint16>& registers_;
};

std::optional<config::ConfigurationValues> valuesOf(
    const IdentificationRecord& unit, const UnitReading& reading, const MessageTable& messages)
{
    const QChar point = config::FileSeparator;
    const FamilyView view = driverFor(unit.TransmitterModel).view(unit, false, reading, messages, point);
    return std::visit(Overloaded {
                          [&](const headrail::ReadView& headRail) -> std::optional<config::ConfigurationValues> {
                              return config::headRailValues(headrail::formValuesOf(headRail), point);
                          },
                          [&](const humamb::HumidityView& humidity) -> std::optional<config::ConfigurationValues> {
                              return config::humidityValues(
                                  unit.TransmitterModel, humamb::humidityFormOf(humidity), point);
                          },
                          [&](const humamb::AmbientView& ambient) -> std::optional<config::ConfigurationValues> {
                              return config::ambientValues(humamb::ambientFormOf(ambient), point);
                          },
                      },
        view);
}

}  // namespace

Snapshot snapshotOf(const IdentificationRecord& unit, const QMap<qint16, qint16>& registers,
    const QSet<qint16>& uncertain, const MessageTable& messages)
{
    Snapshot snapshot;
    for (auto it = registers.begin(); it != registers.end(); ++it)
        snapshot.registers.insert(it.key(), it.value());
    for (qint16 address : uncertain)
        snapshot.uncertain << address;
    std::sort(snapshot.uncertain.begin(), snapshot.uncertain.end());
    // Registers that may hold either of two values make no one configuration.
    if (!uncertain.isEmpty() || !familyOf(unit.TransmitterModel))
        return snapshot;
    TransmitterSession replay;
    replay.identification() = unit;
    KnownRegisters known(registers);
    replay.useRegisters(known);
    UnitReading reading;
    const TransferSteps steps = driverFor(unit.TransmitterModel).readSteps(replay, reading);
    for (const TransferStep& step : steps) {
        if (step() != Status::Ok)
            return snapshot;
    }
    if (const auto values = valuesOf(unit, reading, messages))
        snapshot.configuration = config::configurationObject({ unit.TransmitterModel, false, *values });
    return snapshot;
}

CommandRecord::CommandRecord(
    TransmitterSession& session, const QString& frontEnd, const QString& command, const QString& port)
    : session_(session)
    , event_(newEvent(frontEnd, command, port))
{
    session_.clearTrace();
    session_.clearWrites();
}

void CommandRecord::setResult(Outcome outcome, const QString& text, int exitCode)
{
    event_.outcome = outcome;
    event_.resultText = text;
    event_.exitCode = exitCode;
}

Event CommandRecord::finish(const MessageTable& messages)
{
    const IdentificationRecord& unit = session_.identification();
    const RegisterTrace& trace = session_.trace();
    Event event = event_;
    // An identity from an earlier command is not this command's unit unless it reached one (a
    // command that found another unit in its place was for the one identified all the same).
    if (!trace.last.isEmpty() || !session_.writes().empty() || session_.otherUnit()) {
        event.unit.serialNumber
            = unit.serialRegisters ? serialIdentityText(*unit.serialRegisters) : unit.SerialNumberText;
        if (trace.last.contains(IdentityRegister::Identification)) {
            event.unit.model = unit.ModelString();
            event.unit.firmware = unit.FirmwareVersion;
        }
    }
    const std::optional<qint16> word = trace.last.contains(1) ? std::optional(trace.last.value(1)) : std::nullopt;
    if (word && familyOf(unit.TransmitterModel))
        event.unit.outputType = driverFor(unit.TransmitterModel).outputTypeLine(quint16(*word), messages);

    // As found: what this command read before writing, over what an earlier read found.
    QMap<qint16, qint16> found;
    const auto earlier
        = lastReads_ && !event.unit.serialNumber.isEmpty() ? lastReads_->of(event.unit.serialNumber) : std::nullopt;
    if (earlier) {
        for (auto it = earlier->registers.begin(); it != earlier->registers.end(); ++it)
            found.insert(qint16(it.key()), qint16(it.value()));
    }
    for (auto it = trace.found.begin(); it != trace.found.end(); ++it)
        found.insert(it.key(), it.value());
    if (!found.isEmpty())
        event.asFound = snapshotOf(unit, found, {}, messages);

    // As left: what is known now, the registers confirmed and those left untouched.
    QMap<qint16, qint16> left = found;
    for (auto it = trace.last.begin(); it != trace.last.end(); ++it)
        left.insert(it.key(), it.value());
    QSet<qint16> uncertain = trace.uncertain;
    for (qint16 address : uncertain)
        left.remove(address);
    if (!left.isEmpty() || !uncertain.isEmpty())
        event.asLeft = snapshotOf(unit, left, uncertain, messages);

    for (const WrittenRegister& write : session_.writes()) {
        QList<int>& list = !write.confirmed ? event.written.unconfirmed
            : write.kept                    ? event.written.confirmed
                                            : event.written.notKept;
        if (!list.contains(write.address))
            list << write.address;
    }
    // A register confirmed on a later attempt is no longer unconfirmed.
    for (int address : event.written.confirmed + event.written.notKept)
        event.written.unconfirmed.removeAll(address);
    return event;
}

void LastReads::note(const Event& event)
{
    if (event.unit.serialNumber.isEmpty())
        return;
    if (!event.written.isEmpty()) {
        reads_.remove(event.unit.serialNumber);
        return;
    }
    if (event.asLeft && !event.asLeft->configuration.isEmpty())
        reads_.insert(event.unit.serialNumber, *event.asLeft);
}

std::optional<Snapshot> LastReads::of(const QString& serialNumber) const
{
    const auto found = reads_.constFind(serialNumber);
    if (found == reads_.constEnd())
        return std::nullopt;
    return *found;
}

}  // namespace korv::history
