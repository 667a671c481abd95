#include "link/RegisterProtocol.h"

#include "common/Warnings.h"
#include "link/SerialLink.h"

namespace korv {

RegisterProtocol::RegisterProtocol(std::function<SerialLink*()> link, WarningSink& warnings,
                                   std::function<QString()> writeErrorText)
    : link_(std::move(link)), warnings_(warnings), writeErrorText_(std::move(writeErrorText))
{
}

void RegisterProtocol::buildFrame(char command, qint16 address, qint16 value)
{
    const auto a = static_cast<quint16>(address);
    const auto v = static_cast<quint16>(value);
    FrameLength = 0;
    Frame[static_cast<size_t>(FrameLength++)] = static_cast<quint8>(command);
    Frame[static_cast<size_t>(FrameLength++)] = static_cast<quint8>(a >> 8);
    Frame[static_cast<size_t>(FrameLength++)] = static_cast<quint8>(a & 0xFF);
    Frame[static_cast<size_t>(FrameLength++)] = static_cast<quint8>(v >> 8);
    Frame[static_cast<size_t>(FrameLength++)] = static_cast<quint8>(v & 0xFF);
}

qint16 RegisterProtocol::valueFromAnswer() const
{
    const int high = Answer[static_cast<size_t>(FrameLength - 2)];
    const int low = Answer[static_cast<size_t>(FrameLength - 1)];
    return static_cast<qint16>(static_cast<quint16>(high * 256 + low));
}

int RegisterProtocol::read(char command, qint16 address, qint16& value)
{
    SerialLink* link = link_();
    if (!link)
        return Status::NotSent;
    buildFrame(command, address, 0);
    const int status = link->Exchange(Frame.data(), FrameLength, true);
    if (status == Status::Ok) {
        link->CopyBuffers(Answer.data(), AnswerCapacity, Frame.data(), AnswerLength, FrameLength);
        value = valueFromAnswer();
    }
    return status;
}

int RegisterProtocol::ReadParameter(qint16 address, qint16& value)
{
    return read(ReadParameterCommand, address, value);
}

int RegisterProtocol::ReadMemory(qint16 address, qint16& value)
{
    return read(ReadMemoryCommand, address, value);
}

int RegisterProtocol::WriteParameter(qint16 address, qint16 value)
{
    SerialLink* link = link_();
    if (!link)
        return Status::NotSent;
    buildFrame(WriteParameterCommand, address, value);
    int status = link->ExchangeWrite(Frame.data(), FrameLength, true);
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
