#include "emulator/FrameResponder.h"

namespace korv::emu {

namespace {

constexpr const char* faultNames[] = {
    "none",
    "silence",
    "refuse",
    "wrong-echo",
    "late-answer",
    "garbage",
    "drop-write",
    "close-mid-exchange",
    "echo-only",
};

quint8 byteAt(const QByteArray& frame, int index)
{
    return static_cast<quint8>(frame[index]);
}

int frameAddress(const QByteArray& frame)
{
    return (byteAt(frame, 1) << 8) | byteAt(frame, 2);
}

QByteArray readAnswer(const QByteArray& frame, qint16 value)
{
    QByteArray answer = frame.left(3);
    answer += static_cast<char>((value >> 8) & 0xFF);
    answer += static_cast<char>(value & 0xFF);
    return answer;
}

}  // namespace

QString faultName(Fault fault)
{
    return QLatin1String(faultNames[static_cast<int>(fault)]);
}

std::optional<Fault> faultFromName(const QString& name)
{
    for (int index = 0; index <= static_cast<int>(Fault::EchoOnly); ++index) {
        if (name.compare(QLatin1String(faultNames[index]), Qt::CaseInsensitive) == 0)
            return static_cast<Fault>(index);
    }
    return std::nullopt;
}

Fault FaultPlan::take(const QByteArray& frame)
{
    if (fault == Fault::None)
        return Fault::None;
    if (address != AnyAddress && address != frameAddress(frame))
        return Fault::None;
    if ((fault == Fault::DropWrite || kind == FaultFrames::Writes) && frame[0] != 'Q')
        return Fault::None;
    const Fault acting = fault;
    if (framesLeft > 0 && --framesLeft == 0)
        fault = Fault::None;
    return acting;
}

Reply respond(
    const QByteArray& frame, Fault acting, RegisterBank& bank, const Measurand& measurand, int lateAnswerDelayMs)
{
    Reply reply;
    if (acting == Fault::Silence)
        return reply;
    if (acting == Fault::CloseMidExchange) {
        reply.closePort = true;
        return reply;
    }
    reply.echo = frame;
    if (acting == Fault::EchoOnly)
        return reply;
    if (acting == Fault::Refuse) {
        reply.answer = frame;
        reply.answer[0] = '?';
        return reply;
    }

    const int address = frameAddress(frame);
    switch (frame[0]) {
    case 'P':
        reply.answer = readAnswer(frame, bank.parameter(address));
        break;
    case 'R':
        reply.answer = readAnswer(frame, bank.memory(address, measurand));
        break;
    default:  // 'Q'
        if (acting != Fault::DropWrite) {
            bank.setParameter(address, static_cast<qint16>((byteAt(frame, 3) << 8) | byteAt(frame, 4)));
            reply.stored = true;
        }
        reply.answer = frame;
        break;
    }

    if (acting == Fault::WrongEcho)
        reply.answer[2] = static_cast<char>(byteAt(reply.answer, 2) ^ 0x01);
    else if (acting == Fault::Garbage)
        reply.answer = QByteArray("\xAA\x55\xAA\x55\xAA", 5);
    else if (acting == Fault::LateAnswer)
        reply.delayMs = lateAnswerDelayMs;
    return reply;
}

}  // namespace korv::emu
