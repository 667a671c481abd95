#include "core/commands/GuardedSend.h"

#include <QMap>
#include <QSet>

#include <algorithm>

namespace korv {

namespace {

// A transmitter that takes every write and answers nothing else: the send's plan.
class PlannedRegisters final : public RegisterAccess {
public:
    Status ReadParameter(qint16, qint16&) override { return Status::NotSent; }
    Status ReadMemory(qint16, qint16&) override { return Status::NotSent; }
    Status WriteParameter(qint16 address, qint16 value) override
    {
        writes.push_back({ address, value, true });
        return Status::Ok;
    }
    std::vector<WrittenRegister> writes;
};

bool contains(const std::vector<qint16>& list, qint16 address)
{
    return std::find(list.begin(), list.end(), address) != list.end();
}

// The registers sent since the unit was last seen may have reached the other one.
void markUnknownUnit(const TransmitterSession& session, QList<SentRegister>& registers)
{
    for (SentRegister& sent : registers) {
        if (contains(session.writesOfUnknownUnit(), sent.write.address)) {
            sent.fate = SentRegister::Fate::Unconfirmed;
            sent.readBack = 0;
        }
    }
}

void addUnconfirmed(const TransmitterSession& session, GuardedSendResult& result,
    const std::vector<WrittenRegister>& planned, const std::function<void(const SentRegister&)>& told)
{
    result.writes = writeOutcome(session.writes());
    for (qint16 address : result.writes.unconfirmed) {
        const auto last = std::find_if(session.writes().rbegin(), session.writes().rend(),
            [address](const WrittenRegister& write) { return write.address == address; });
        result.registers.append({ *last, SentRegister::Fate::Unconfirmed });
        told(result.registers.back());
    }
    const auto stoppedAt = std::find_if(planned.begin(), planned.end(),
        [&result](const WrittenRegister& write) { return !contains(result.writes.confirmed, write.address); });
    if (stoppedAt != planned.end())
        result.stoppedAt = stoppedAt->address;
}

}  // namespace

std::optional<std::vector<WrittenRegister>> plannedWrites(
    const TransmitterSession& session, const FamilySettings& settings)
{
    TransmitterSession plan;
    plan.identification() = session.identification();
    plan.ConfigWord = session.ConfigWord;
    PlannedRegisters registers;
    plan.useRegisters(registers);
    if (plan.run(driverFor(plan.identification().TransmitterModel).sendSteps(plan, settings)))
        return std::nullopt;
    return registers.writes;
}

GuardedSendResult sendGuarded(TransmitterSession& session, const FamilySettings& settings,
    const std::vector<WrittenRegister>& planned, const std::function<void(const SentRegister&)>& told)
{
    GuardedSendResult result;
    // A step tried again confirms its registers again: each is told once.
    QMap<qint16, qint16> readBack;
    QSet<qint16> toldOnce;
    session.setNotKeptHandler([&readBack](qint16 address, qint16, qint16 value) { readBack.insert(address, value); });
    session.setConfirmedListener([&](const WrittenRegister& write) {
        if (toldOnce.contains(write.address))
            return;
        toldOnce.insert(write.address);
        result.registers.append({ write, write.kept ? SentRegister::Fate::Confirmed : SentRegister::Fate::NotKept,
            write.kept ? qint16(0) : readBack.value(write.address) });
        told(result.registers.back());
    });
    session.clearWrites();
    session.guardWrites();
    const auto failedStep
        = session.run(driverFor(session.identification().TransmitterModel).sendSteps(session, settings));
    session.setConfirmedListener({});
    session.setNotKeptHandler({});

    if (session.otherUnit()) {
        markUnknownUnit(session, result.registers);
        result.end = GuardedSendResult::End::OtherUnit;
        return result;
    }
    if (failedStep) {
        addUnconfirmed(session, result, planned, told);
        result.end = GuardedSendResult::End::Stopped;
        return result;
    }
    // And once more before the result: what was confirmed was confirmed by this unit.
    const TransmitterSession::UnitCheck unitNow = session.checkUnit();
    if (unitNow.changed) {
        markUnknownUnit(session, result.registers);
        result.end = GuardedSendResult::End::OtherUnit;
    } else if (unitNow.status != Status::Ok) {
        result.end = GuardedSendResult::End::NotChecked;
    } else {
        const bool notKept = std::any_of(result.registers.begin(), result.registers.end(),
            [](const SentRegister& sent) { return sent.fate == SentRegister::Fate::NotKept; });
        result.end = notKept ? GuardedSendResult::End::NotKept : GuardedSendResult::End::Written;
    }
    return result;
}

}  // namespace korv
