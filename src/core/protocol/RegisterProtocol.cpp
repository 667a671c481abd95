#include "core/protocol/RegisterProtocol.h"

#include "core/link/Frame.h"
#include "core/link/SerialLink.h"

namespace korv {

namespace {
// The echo of the frame, then the five-byte answer.
constexpr int ExpectedBytes = 2 * frame::Size;
}  // namespace

RegisterProtocol::RegisterProtocol(std::function<SerialLink*()> link)
    : link_(std::move(link))
{
}

Status RegisterProtocol::read(char command, qint16 address, qint16& value)
{
    SerialLink* link = link_();
    if (!link)
        return Status::NotSent;
    const frame::Bytes sent = frame::build(command, address, 0);
    Status status = link->transfer(sent, ReadAnswerWaitMs, ExpectedBytes);
    if (status != Status::Ok)
        return status;
    status = frame::judge(sent, link->received(), link->receivedCount(), frame::AnswerCheck::CommandAndAddress);
    if (status == Status::Ok)
        value = frame::valueOf(link->received() + frame::Size);
    return status;
}

Status RegisterProtocol::ReadParameter(qint16 address, qint16& value)
{
    return read(ReadParameterCommand, address, value);
}

Status RegisterProtocol::ReadMemory(qint16 address, qint16& value)
{
    return read(ReadMemoryCommand, address, value);
}

Status RegisterProtocol::WriteParameter(qint16 address, qint16 value)
{
    SerialLink* link = link_();
    if (!link)
        return Status::NotSent;
    const frame::Bytes sent = frame::build(WriteParameterCommand, address, value);
    Status status = link->transfer(sent, WriteAnswerWaitMs, ExpectedBytes);
    if (status == Status::Ok)
        status = frame::judge(sent, link->received(), link->receivedCount(), frame::AnswerCheck::WholeFrame);
    if (status != Status::Ok)
        return status;
    qint16 readBack = 0;
    status = read(ReadParameterCommand, address, readBack);
    if (status == Status::Ok && readBack != value && notKept_)
        notKept_(address, value, readBack);
    // The write frame has left by now: a read-back that could not be sent leaves the write
    // unconfirmed, not unsent.
    return status == Status::NotSent ? Status::NoAnswer : status;
}

}  // namespace korv
