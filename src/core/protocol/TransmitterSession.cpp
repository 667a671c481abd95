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
        return &link();
    })
{
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
    if (status == Status::Ok)
        ident_.SerialNumberText = serialNumberText(high, low);
    return status;
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
