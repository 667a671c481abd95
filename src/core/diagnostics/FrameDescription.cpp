#include "core/diagnostics/FrameDescription.h"

#include "core/CoreText.h"
#include "core/protocol/RegisterProtocol.h"

#include <QCoreApplication>

#include <algorithm>

namespace korv::frame {

namespace {

constexpr char ReadParameter = RegisterProtocol::ReadParameterCommand;
constexpr char ReadMemory = RegisterProtocol::ReadMemoryCommand;
constexpr char WriteParameter = RegisterProtocol::WriteParameterCommand;

int addressOf(const Bytes& sent)
{
    return sent[1] << 8 | sent[2];
}

bool repeats(const Bytes& sent, const quint8* bytes, int count)
{
    return std::equal(sent.begin(), sent.begin() + count, bytes);
}

}  // namespace

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ')).toUpper();
}

QString hex(const Bytes& bytes)
{
    return hex(QByteArray(reinterpret_cast<const char*>(bytes.data()), Size));
}

Reply readReply(const Bytes& sent, const QByteArray& received)
{
    Reply reply;
    const auto* bytes = reinterpret_cast<const quint8*>(received.constData());
    const int count = static_cast<int>(received.size());
    if (count == 0)
        return reply;
    if (!repeats(sent, bytes, std::min(count, Size))) {
        reply.echo = Reply::Echo::Differs;
        return reply;
    }
    if (count < Size) {
        reply.echo = Reply::Echo::Partial;
        return reply;
    }
    reply.echo = Reply::Echo::Ok;
    reply.answerBytes = count - Size;
    const quint8* answer = bytes + Size;
    if (reply.answerBytes == 0)
        reply.answer = Reply::Answer::None;
    else if (answer[0] == '?')
        reply.answer = Reply::Answer::Refused;
    else if (reply.answerBytes < Size)
        reply.answer = Reply::Answer::Partial;
    else if (sent[0] == WriteParameter)
        reply.answer = repeats(sent, answer, Size) ? Reply::Answer::Confirmed : Reply::Answer::Mismatch;
    else if (repeats(sent, answer, Size - 2))
        reply.answer = Reply::Answer::Value;
    else
        reply.answer = Reply::Answer::Mismatch;
    if (reply.answer == Reply::Answer::Value)
        reply.value = valueOf(answer);
    return reply;
}

QString describeCommand(const Bytes& sent)
{
    const int address = addressOf(sent);
    switch (sent[0]) {
    case ReadParameter:
        return CoreText::tr("leitura do registro %1").arg(address);
    case ReadMemory:
        return CoreText::tr("leitura da memória %1").arg(address);
    case WriteParameter:
        return CoreText::tr("escrita no registro %1: %2").arg(address).arg(valueOf(sent.data()));
    default:
        return CoreText::tr("comando desconhecido %1").arg(hex(QByteArray(1, static_cast<char>(sent[0]))));
    }
}

QString describeReply(const Bytes& sent, const QByteArray& received)
{
    const Reply reply = readReply(sent, received);
    switch (reply.echo) {
    case Reply::Echo::None:
        return CoreText::tr("nada voltou (sem eco)");
    case Reply::Echo::Partial:
        return CoreText::tr("eco incompleto (%1 de %2 bytes)").arg(received.size()).arg(Size);
    case Reply::Echo::Differs:
        return CoreText::tr("não é o eco do quadro enviado");
    case Reply::Echo::Ok:
        break;
    }
    switch (reply.answer) {
    case Reply::Answer::None:
        return CoreText::tr("eco ok; sem resposta do transmissor");
    case Reply::Answer::Partial:
        return CoreText::tr("eco ok; resposta incompleta (%1 de %2 bytes)").arg(reply.answerBytes).arg(Size);
    case Reply::Answer::Refused:
        return CoreText::tr("eco ok; recusado pelo transmissor (?)");
    case Reply::Answer::Mismatch:
        return CoreText::tr("eco ok; a resposta não corresponde ao pedido");
    case Reply::Answer::Value:
        return CoreText::tr("eco ok; valor %1 (0x%2)")
            .arg(reply.value)
            .arg(QString::number(static_cast<quint16>(reply.value), 16).rightJustified(4, u'0').toUpper());
    case Reply::Answer::Confirmed:
        return CoreText::tr("eco ok; escrita confirmada");
    }
    return {};
}

MonitorLine monitorLine(const LinkEvent& event)
{
    const QString portEvent = QStringLiteral("--");
    switch (event.kind) {
    case LinkEvent::Kind::Opened:
        return { portEvent, {}, CoreText::tr("porta %1 aberta a %2 baud, 8N1").arg(event.port).arg(event.baud) };
    case LinkEvent::Kind::OpenFailed:
        return { portEvent, {}, CoreText::tr("a porta %1 não abriu: %2").arg(event.port, event.text) };
    case LinkEvent::Kind::Closed:
        return { portEvent, {}, CoreText::tr("porta %1 fechada").arg(event.port) };
    case LinkEvent::Kind::Sent:
        return { QStringLiteral("TX"), hex(event.sent), describeCommand(event.sent) };
    case LinkEvent::Kind::SendFailed:
        return { portEvent, {}, CoreText::tr("%1 não foi enviada: %2").arg(describeCommand(event.sent), event.text) };
    case LinkEvent::Kind::Received: {
        QString meaning = describeReply(event.sent, event.received);
        if (event.staleBytes > 0)
            meaning
                += CoreText::tr(" (%1 bytes atrasados de outra troca descartados antes do eco)").arg(event.staleBytes);
        return { QStringLiteral("RX"), hex(event.received), meaning };
    }
    case LinkEvent::Kind::Lost:
        return { portEvent, {}, CoreText::tr("a porta %1 desapareceu (adaptador desligado?)").arg(event.port) };
    }
    return {};
}

}  // namespace korv::frame
