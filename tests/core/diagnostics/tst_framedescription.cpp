#include "common/Timing.h"
#include "core/diagnostics/FrameDescription.h"
#include "core/link/SerialLink.h"
#include "core/protocol/TransmitterSession.h"
#include "emulator/TransmitterEmulator.h"

#include <QTemporaryDir>
#include <QTest>

using namespace korv;
using korv::emu::Fault;
using Echo = frame::Reply::Echo;
using Answer = frame::Reply::Answer;

Q_DECLARE_METATYPE(frame::Bytes)

namespace {

frame::Bytes frameOf(const char* hexText)
{
    const QByteArray raw = QByteArray::fromHex(hexText);
    frame::Bytes out {};
    std::copy(raw.begin(), raw.begin() + frame::Size, out.begin());
    return out;
}

QList<LinkEvent::Kind> kindsOf(const QList<LinkEvent>& events)
{
    QList<LinkEvent::Kind> kinds;
    for (const LinkEvent& event : events)
        kinds << event.kind;
    return kinds;
}

}  // namespace

// What the monitor and the check say about a frame and what came back for it, and the events the
// link tells its listener on a real pseudo-terminal.
class FrameDescriptionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void replies_data()
    {
        QTest::addColumn<frame::Bytes>("sent");
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<int>("echo");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("text");
        const frame::Bytes read2 = frameOf("5000020000");
        const frame::Bytes write15 = frameOf("51000FFFFD");
        QTest::newRow("nothing") << read2 << QByteArray() << int(Echo::None) << int(Answer::None)
                                 << QStringLiteral("nada voltou (sem eco)");
        QTest::newRow("start of the echo") << read2 << QByteArray::fromHex("5000") << int(Echo::Partial)
                                           << int(Answer::None) << QStringLiteral("eco incompleto (2 de 5 bytes)");
        QTest::newRow("other bytes") << read2 << QByteArray::fromHex("AA55AA55AA") << int(Echo::Differs)
                                     << int(Answer::None) << QStringLiteral("não é o eco do quadro enviado");
        QTest::newRow("echo only") << read2 << QByteArray::fromHex("5000020000") << int(Echo::Ok) << int(Answer::None)
                                   << QStringLiteral("eco ok; sem resposta do transmissor");
        QTest::newRow("value") << read2 << QByteArray::fromHex("50000200005000021234") << int(Echo::Ok)
                               << int(Answer::Value) << QStringLiteral("eco ok; valor 4660 (0x1234)");
        QTest::newRow("negative value") << read2 << QByteArray::fromHex("5000020000500002FFFD") << int(Echo::Ok)
                                        << int(Answer::Value) << QStringLiteral("eco ok; valor -3 (0xFFFD)");
        QTest::newRow("refused") << read2 << QByteArray::fromHex("50000200003F00020000") << int(Echo::Ok)
                                 << int(Answer::Refused) << QStringLiteral("eco ok; recusado pelo transmissor (?)");
        QTest::newRow("half an answer") << read2 << QByteArray::fromHex("50000200005000") << int(Echo::Ok)
                                        << int(Answer::Partial)
                                        << QStringLiteral("eco ok; resposta incompleta (2 de 5 bytes)");
        QTest::newRow("another register's answer")
            << read2 << QByteArray::fromHex("50000200005000031234") << int(Echo::Ok) << int(Answer::Mismatch)
            << QStringLiteral("eco ok; a resposta não corresponde ao pedido");
        QTest::newRow("write confirmed") << write15 << QByteArray::fromHex("51000FFFFD51000FFFFD") << int(Echo::Ok)
                                         << int(Answer::Confirmed) << QStringLiteral("eco ok; escrita confirmada");
        QTest::newRow("write answered with other data")
            << write15 << QByteArray::fromHex("51000FFFFD51000F0000") << int(Echo::Ok) << int(Answer::Mismatch)
            << QStringLiteral("eco ok; a resposta não corresponde ao pedido");
    }
    void replies()
    {
        QFETCH(frame::Bytes, sent);
        QFETCH(QByteArray, received);
        QFETCH(int, echo);
        QFETCH(int, answer);
        QFETCH(QString, text);
        const frame::Reply reply = frame::readReply(sent, received);
        QCOMPARE(int(reply.echo), echo);
        QCOMPARE(int(reply.answer), answer);
        QCOMPARE(frame::describeReply(sent, received), text);
        // The description never calls an exchange good that the protocol refuses, nor the reverse.
        const auto check = sent[0] == 'Q' ? frame::AnswerCheck::WholeFrame : frame::AnswerCheck::CommandAndAddress;
        const bool accepted = frame::judge(sent, reinterpret_cast<const quint8*>(received.constData()),
                                  static_cast<int>(received.size()), check)
            == Status::Ok;
        QCOMPARE(accepted, reply.answer == Answer::Value || reply.answer == Answer::Confirmed);
    }

    void commands()
    {
        QCOMPARE(frame::describeCommand(frame::build('P', 2, 0)), QStringLiteral("leitura do registro 2"));
        QCOMPARE(frame::describeCommand(frame::build('R', 60, 0)), QStringLiteral("leitura da memória 60"));
        QCOMPARE(frame::describeCommand(frame::build('Q', 15, -3)), QStringLiteral("escrita no registro 15: -3"));
        QCOMPARE(frame::hex(frame::build('Q', 15, -3)), QStringLiteral("51 00 0F FF FD"));
    }

    // Every open, frame, answer, loss and close reaches the listener in the order it happened, on
    // the session's later links too; without a listener nothing is told.
    void linkTellsItsListener()
    {
        Timing::setScalePercent(5);
        QTemporaryDir dir;
        emu::TransmitterEmulator emulator(emu::Seed {});
        QVERIFY(emulator.setLinkPath(dir.filePath(QStringLiteral("ttyEvents"))));
        QVERIFY(emulator.start());
        QList<LinkEvent> events;
        TransmitterSession session(emulator.devicePath());
        session.setLinkListener([&](const LinkEvent& event) { events << event; });

        QVERIFY(session.link().Open());
        qint16 value = 0;
        QCOMPARE(session.registers().ReadParameter(2, value), Status::Ok);
        emulator.setFault(Fault::Silence, 1);
        QCOMPARE(session.registers().ReadParameter(3, value), Status::NoAnswer);
        emulator.setFault(Fault::CloseMidExchange, 1);
        // The port vanishes under the frame: while it is still being sent (the frame never left)
        // or while its answer is awaited, whichever the moment of the close makes it.
        const Status lost = session.registers().ReadParameter(0, value);
        QVERIFY(lost == Status::NoAnswer || lost == Status::NotSent);
        using K = LinkEvent::Kind;
        const QList<K> kinds = kindsOf(events);
        QCOMPARE(kinds.mid(0, 5), (QList<K> { K::Opened, K::Sent, K::Received, K::Sent, K::Received }));
        const qsizetype lostAt = kinds.indexOf(K::Lost, 5);
        QVERIFY(lostAt >= 0 || lost == Status::NotSent);
        QCOMPARE(events[0].port, emulator.devicePath());
        QCOMPARE(events[0].baud, 9600u);
        QCOMPARE(frame::monitorLine(events[2]).bytes, QStringLiteral("50 00 02 00 00 50 00 02 00 7B"));
        QCOMPARE(frame::monitorLine(events[2]).meaning, QStringLiteral("eco ok; valor 123 (0x007B)"));
        QCOMPARE(frame::monitorLine(events[4]).meaning, QStringLiteral("nada voltou (sem eco)"));
        if (lostAt >= 0)
            QCOMPARE(frame::monitorLine(events[lostAt]).direction, QStringLiteral("--"));

        // The port comes back; the session's next link still tells, until the listener is removed.
        QVERIFY(emulator.restart());
        session.dropLink();
        events.clear();
        QVERIFY(session.link().Open());
        session.link().Close();
        QCOMPARE(kindsOf(events), (QList<K> { K::Opened, K::Closed }));
        session.setLinkListener({});
        QVERIFY(session.link().Open());
        QCOMPARE(session.registers().ReadParameter(2, value), Status::Ok);
        QCOMPARE(events.size(), 2);
        Timing::setScalePercent(100);
    }
};

QTEST_GUILESS_MAIN(FrameDescriptionTest)
#include "tst_framedescription.moc"
