#include "link/RegisterProtocol.h"

#include "common/Warnings.h"
#include "link/Frame.h"
#include "link/SerialLink.h"

namespace korv {

RegisterProtocol::RegisterProtocol(
    std::function<SerialLink*()> link, WarningSink& warnings, std::function<QString()> writeErrorText)
    : link_(std::move(link))
    , warnings_(warnings)
    , writeErrorText_(std::move(writeErrorText))
{
}

void RegisterProtocol::buildFrame(char command, qint16 address, qint16 value)
{
    Frame = frame::build(command, address, value);
    FrameLength = frame::Size;
}

Status RegisterProtocol::read(char command, qint16 address, qint16& value)
{
    SerialLink* link = link_();
    if (!link)
        return Status::NotSent;
    buildFrame(command, address, 0);
    const Status status = link->Exchange(Frame.data(), FrameLength, true);
    if (status == Status::Ok) {
        link->CopyBuffers(Answer.data(), AnswerCapacity, Frame.data(), AnswerLength, FrameLength);
        value = frame::valueOf(Answer.data());
    }
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
    buildFrame(WriteParameterCommand, address, value);
    Status status = link->ExchangeWrite(Frame.data(), FrameLength, true);
    if (status != Status::Ok)
        return status;
    qint16 readBack = 0;
    status = read(ReadParameterCommand, address, readBack);
    if (status != Status::Ok)
        return status;
    // A mismatch is reported but not returned: the caller's sequence goes on, as technicians
    // prefer to see every register that did not take rather than stop at the first.
    if (readBack != value)
        warnings_.ShowWarning(writeErrorText_());
    return status;
}

}  // namespace korv
