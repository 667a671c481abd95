#include "core/protocol/TransmitterSession.h"

#include "common/StopRequest.h"
#include "common/Timing.h"
#include "core/link/SerialLink.h"
#include "core/protocol/Identification.h"
#include "core/protocol/IdentityRegisters.h"

#include <algorithm>

namespace korv {

TransmitterSession::TransmitterSession(QString portName)
    : portName_(std::move(portName))
    , protocol_([this]() -> SerialLink* {
        // A stop request is heard here, between frames: the frame in flight has finished, and no
        // new one leaves.
        if (shutDown_ || cancelled_ || StopRequest::requested()) {
            ++withheldFrames_;
            return nullptr;
        }
        // Another unit answered in place of the one the command is for: it gets nothing more.
        if (otherUnit_)
            return nullptr;
        return &link();
    })
{
    log_.setBeforeWrite([this] {
        if (!guardArmed_)
            return true;
        // Checked again on the step's next attempt when the check itself found no answer.
        const UnitCheck check = checkUnit();
        guardArmed_ = check.status != Status::Ok;
        return check.status == Status::Ok && !check.changed;
    });
    protocol_.setNotKeptHandler([this](qint16 address, qint16 written, qint16 readBack) {
        log_.markNotKept(address, readBack);
        if (notKept_)
            notKept_(address, written, readBack);
    });
}

TransmitterSession::~TransmitterSession() = default;

SerialLink& TransmitterSession::link()
{
    if (!link_) {
        link_ = std::make_unique<SerialLink>(portName_, Baud, ExtraReadTimeoutMs);
        link_->setFastExchange(fast_);
        link_->runOn(linkThread_);
        link_->setListener(linkListener_);
    }
    return *link_;
}

void TransmitterSession::dropLink()
{
    if (link_)
        link_->Close();
    link_.reset();
}

void TransmitterSession::setFastExchange(bool fast)
{
    fast_ = fast;
    if (link_)
        link_->setFastExchange(fast);
}

void TransmitterSession::shutDown()
{
    dropLink();
    shutDown_ = true;
}

void TransmitterSession::setPortName(const QString& portName)
{
    portName_ = portName;
}

void TransmitterSession::setLinkListener(LinkListener listener)
{
    linkListener_ = std::move(listener);
    if (link_)
        link_->setListener(linkListener_);
}

void TransmitterSession::setNotKeptHandler(RegisterProtocol::NotKeptHandler handler)
{
    notKept_ = std::move(handler);
}

Status WriteLog::ReadParameter(qint16 address, qint16& value)
{
    const Status status = inner_->ReadParameter(address, value);
    if (status == Status::Ok) {
        const bool written = std::any_of(writes_.begin(), writes_.end(),
            [address](const WrittenRegister& write) { return write.address == address; });
        if (!written && !trace_.found.contains(address) && !trace_.uncertain.contains(address))
            trace_.found.insert(address, value);
        trace_.last.insert(address, value);
        trace_.uncertain.remove(address);
    }
    return status;
}

Status WriteLog::WriteParameter(qint16 address, qint16 value)
{
    if (beforeWrite_ && !beforeWrite_())
        return Status::NotSent;
    // Noted before the write returns: a read-back that differs is reported from inside it.
    writes_.push_back({ address, value, true, false });
    readBack_.reset();
    const Status status = inner_->WriteParameter(address, value);
    if (status == Status::NotSent) {
        writes_.pop_back();
        return status;
    }
    // From here on the register may hold the value, whatever the answer: the frame has left.
    if (status == Status::Ok) {
        writes_.back().confirmed = true;
        trace_.last.insert(address, readBack_.value_or(value));
        trace_.uncertain.remove(address);
        if (confirmed_)
            confirmed_(writes_.back());
    } else {
        trace_.uncertain.insert(address);
    }
    return status;
}

WriteOutcome writeOutcome(const std::vector<WrittenRegister>& writes)
{
    WriteOutcome outcome;
    auto contains = [](const std::vector<qint16>& list, qint16 address) {
        return std::find(list.begin(), list.end(), address) != list.end();
    };
    for (const WrittenRegister& write : writes) {
        if (write.confirmed && !contains(outcome.confirmed, write.address))
            outcome.confirmed.push_back(write.address);
    }
    for (const WrittenRegister& write : writes) {
        if (!contains(outcome.confirmed, write.address) && !contains(outcome.unconfirmed, write.address))
            outcome.unconfirmed.push_back(write.address);
    }
    return outcome;
}

void WriteLog::rollBackToCheckpoint()
{
    trace_ = checkpointTrace_;
    for (std::size_t index = checkpointWrites_; index < writes_.size(); ++index) {
        writes_[index].confirmed = false;
        trace_.last.remove(writes_[index].address);
        trace_.uncertain.insert(writes_[index].address);
    }
    checkpoint();
}

void WriteLog::markNotKept(qint16 address, qint16 readBack)
{
    if (!writes_.empty() && writes_.back().address == address) {
        writes_.back().kept = false;
        readBack_ = readBack;
    }
}

ContactOutcome TransmitterSession::contact(const ContactPolicy& policy)
{
    if (shutDown_)
        return ContactOutcome::PortUnavailable;
    SerialLink& serial = link();
    for (int attempt = 1; attempt <= policy.attempts; ++attempt) {
        // Stopped: the transmitter was not reached, as when it is silent, and the command ends on
        // its own failure path without the attempts and pauses left.
        if (cancelled_ || StopRequest::requested()) {
            ++withheldFrames_;
            return ContactOutcome::NoAnswer;
        }
        if (attemptListener_)
            attemptListener_(attempt, policy.attempts);
        // A new contact is a new unit's command: whatever answered before is forgotten.
        guardArmed_ = false;
        otherUnit_.reset();
        unknownUnitWrites_.clear();
        if (serial.Open()) {
            if (readSerialNumber() == Status::Ok)
                return ContactOutcome::Made;
        } else if (!serial.deviceLost()) {
            return ContactOutcome::PortUnavailable;
        }
        // A port that vanished under an exchange and is not back yet is a dead line, not a port
        // that cannot be set up: the attempt fails as its frame would, and the command keeps its
        // pauses and retries (the adapter may be plugged back in) and ends on its own
        // no-answer path.
        if (attempt < policy.attempts || policy.pauseAfterLastAttempt)
            BusyWait(policy.pauseMs);
    }
    return ContactOutcome::NoAnswer;
}

Status TransmitterSession::readSerialNumber()
{
    qint16 high = 0;
    Status status = registers().ReadParameter(IdentityRegister::SerialHigh, high);
    if (status != Status::Ok)
        return status;
    qint16 low = 0;
    status = registers().ReadParameter(IdentityRegister::SerialLow, low);
    if (status == Status::Ok) {
        ident_.SerialNumberText = serialNumberText(high, low);
        ident_.serialRegisters = SerialRegisters { high, low };
        log_.checkpoint();
    }
    return status;
}

TransmitterSession::UnitCheck TransmitterSession::checkUnit()
{
    UnitCheck check;
    if (otherUnit_) {
        check.status = Status::Ok;
        check.changed = true;
        check.foundText = *otherUnit_;
        return check;
    }
    SerialRegisters found;
    const auto readBoth = [&] {
        return retryStep(StepAttempts, [&] {
            const Status high = registers().ReadParameter(IdentityRegister::SerialHigh, found.high);
            return high == Status::Ok ? registers().ReadParameter(IdentityRegister::SerialLow, found.low) : high;
        });
    };
    check.status = readBoth();
    if (check.status != Status::Ok)
        return check;
    check.foundText = serialNumberText(found.high, found.low);
    if (sameUnit(ident_, found, check.foundText)) {
        log_.checkpoint();
        return check;
    }
    check.changed = true;
    // Swapped between the two reads, the pair names neither unit: read once more to name the one there.
    if (readBoth() == Status::Ok)
        check.foundText = serialNumberText(found.high, found.low);
    otherUnit_ = check.foundText;
    unknownUnitWrites_.clear();
    const std::vector<WrittenRegister>& before = log_.writes();
    const std::size_t since = log_.checkpointWrites();
    for (std::size_t index = since; index < before.size(); ++index) {
        if (std::find(unknownUnitWrites_.begin(), unknownUnitWrites_.end(), before[index].address)
            == unknownUnitWrites_.end())
            unknownUnitWrites_.push_back(before[index].address);
    }
    log_.rollBackToCheckpoint();
    return check;
}

bool sameUnit(const IdentificationRecord& unit, const std::optional<SerialRegisters>& found, const QString& foundText)
{
    if (unit.serialRegisters && found)
        return *unit.serialRegisters == *found;
    return unit.SerialNumberText == foundText;
}

Status TransmitterSession::identify()
{
    qint16 word = 0;
    const Status status = registers().ReadParameter(IdentityRegister::Identification, word);
    if (status != Status::Ok)
        return status;
    const IdentityWord id = splitIdentityWord(word);
    ident_.FirmwareVersion = static_cast<qint16>(id.firmware);
    ident_.TransmitterModel = modelFromCode(id.modelCode);
    if (ident_.TransmitterModel != Model::Unknown) {
        if (const auto noB = noThermocoupleBFor(ident_.TransmitterModel, id.firmware))
            ident_.NoThermocoupleB = *noB;
    }
    return status;
}

std::optional<std::size_t> TransmitterSession::run(
    const TransferSteps& steps, const std::function<void(std::size_t)>& done) const
{
    const auto tell = [this, &steps](std::size_t step) {
        if (stepListener_)
            stepListener_(step, steps.size());
    };
    for (std::size_t index = 0; index < steps.size(); ++index) {
        tell(index);
        if (retryStep(StepAttempts, steps[index]) != Status::Ok) {
            tell(steps.size());
            return index;
        }
        if (done)
            done(index);
    }
    tell(steps.size());
    return std::nullopt;
}

}  // namespace korv
