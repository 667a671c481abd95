#include "core/link/Frame.h"
#include "core/link/SerialLink.h"
#include "core/protocol/RegisterProtocol.h"
#include "emulator/TransmitterEmulator.h"

#include "support/ProcessProbe.h"

#include <QTemporaryDir>
#include <QTest>

using namespace korv;
using namespace korv::test;
using korv::emu::Fault;
using korv::emu::TransmitterEmulator;

namespace {

// Writes that did not take, as "address:written:readBack".
struct NotKept {
    QStringList texts;
};

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

}  // namespace

// The link and the register commands against the emulator on a real pseudo-terminal, at the real
// answer waits and time-outs.
class ProtocolTest : public QObject {
    Q_OBJECT

    TransmitterEmulator* emulator = nullptr;
    SerialLink* link = nullptr;
    NotKept warnings;
    RegisterProtocol* protocol = nullptr;
    QTemporaryDir dir;

private Q_SLOTS:
    void init()
    {
        emulator = new TransmitterEmulator(emu::Seed {});
        QString error;
        QVERIFY2(emulator->setLinkPath(dir.filePath(QStringLiteral("ttyTest")), &error), qPrintable(error));
        QVERIFY2(emulator->start(&error), qPrintable(error));
        link = new SerialLink(emulator->devicePath(), 9600, 100);
        QVERIFY(link->Open());
        protocol = new RegisterProtocol([this] { return link; });
        protocol->setNotKeptHandler([this](qint16 address, qint16 written, qint16 readBack) {
            warnings.texts << QStringLiteral("%1:%2:%3").arg(address).arg(written).arg(readBack);
        });
        warnings.texts.clear();
    }
    void cleanup()
    {
        delete protocol;
        delete link;
        delete emulator;
    }

    void framesOnTheWire()
    {
        qint16 value = 0;
        QCOMPARE(protocol->ReadParameter(0, value), Status::Ok);
        QCOMPARE(protocol->ReadMemory(60, value), Status::Ok);
        QCOMPARE(protocol->WriteParameter(15, -3), Status::Ok);
        const QList<QByteArray> expected = { bytes({ 0x50, 0, 0, 0, 0 }), bytes({ 0x52, 0, 0x3C, 0, 0 }),
            bytes({ 0x51, 0, 0x0F, 0xFF, 0xFD }), bytes({ 0x50, 0, 0x0F, 0, 0 }) };
        QCOMPARE(emulator->receivedFrames(), expected);
        QCOMPARE(emulator->parameter(15), qint16(-3));
        QVERIFY(warnings.texts.isEmpty());
    }

    void readValueFromAnswer()
    {
        emulator->setParameter(15, 0x1234);
        qint16 value = 0;
        QCOMPARE(protocol->ReadParameter(15, value), Status::Ok);
        QCOMPARE(value, qint16(0x1234));
        QCOMPARE(link->receivedCount(), 10);
        emulator->setParameter(15, -25000);
        QCOMPARE(protocol->ReadParameter(15, value), Status::Ok);
        QCOMPARE(value, qint16(-25000));
    }

    void linkMovesBytesTheProtocolJudges()
    {
        // The link hands over echo and answer as they came; a read frame's answer carries other
        // data bytes, which a read accepts and a write's whole-frame rule does not.
        emulator->setParameter(15, 0x1234);
        const frame::Bytes sent = frame::build('P', 15, 0);
        QCOMPARE(link->transfer(sent, 200, 10), Status::Ok);
        QCOMPARE(link->receivedCount(), 10);
        QCOMPARE(link->received()[8], quint8(0x12));
        QCOMPARE(frame::judge(sent, link->received(), 10, frame::AnswerCheck::CommandAndAddress), Status::Ok);
        QCOMPARE(frame::judge(sent, link->received(), 10, frame::AnswerCheck::WholeFrame), Status::NoAnswer);
    }

    void faults_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("silence") << int(Fault::Silence);
        QTest::newRow("refusal") << int(Fault::Refuse);
        QTest::newRow("wrong echo") << int(Fault::WrongEcho);
        QTest::newRow("late answer") << int(Fault::LateAnswer);
        QTest::newRow("garbage") << int(Fault::Garbage);
    }
    void faults()
    {
        QFETCH(int, fault);
        emulator->setParameter(10, 777);
        // The late answer lands just after the read has given up, well before the next one.
        emulator->setLateAnswerDelayMs(450);
        emulator->setFault(static_cast<Fault>(fault), 1);
        qint16 value = 42;
        QCOMPARE(protocol->ReadParameter(10, value), Status::NoAnswer);
        QCOMPARE(value, qint16(42));  // a failed read leaves the caller's value alone
        // The next exchange purges whatever the fault left on the line and works again.
        if (fault == int(Fault::LateAnswer))
            QTest::qWait(600);
        QCOMPARE(protocol->ReadParameter(10, value), Status::Ok);
        QCOMPARE(value, qint16(777));
    }

    void silenceLeavesTheSystemMessage()
    {
        emulator->setFault(Fault::Silence, 1);
        link->ErrorText.clear();
        qint16 value = 0;
        QCOMPARE(protocol->ReadParameter(0, value), Status::NoAnswer);
        QVERIFY(!link->ErrorText.isEmpty());
    }

    void failedWriteIsNeverVerified_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("refused") << int(Fault::Refuse);
        QTest::newRow("unanswered") << int(Fault::Silence);
    }
    void failedWriteIsNeverVerified()
    {
        QFETCH(int, fault);
        emulator->setFault(static_cast<Fault>(fault), 1);
        emulator->clearLog();
        QCOMPARE(protocol->WriteParameter(11, 500), Status::NoAnswer);
        QCOMPARE(emulator->framesReceived(), 1);
        QVERIFY(warnings.texts.isEmpty());
    }

    void readBackMismatchWarnsAndSucceeds()
    {
        emulator->setParameter(11, 100);
        emulator->setFault(Fault::DropWrite, 1);
        QCOMPARE(protocol->WriteParameter(11, 500), Status::Ok);
        QCOMPARE(warnings.texts, QStringList { QStringLiteral("11:500:100") });
        QCOMPARE(emulator->parameter(11), qint16(100));
    }

    void vanishedPortIsReopenedByTheNextCommand()
    {
        emulator->setFault(Fault::CloseMidExchange, 1);
        qint16 value = 0;
        QCOMPARE(protocol->ReadParameter(0, value), Status::NoAnswer);
        QVERIFY(!link->isOpen());
        QVERIFY(link->deviceLost());
        // Until the adapter is back, a frame cannot leave and an open fails; the loss is kept.
        QCOMPARE(protocol->ReadParameter(0, value), Status::NotSent);
        QVERIFY(!link->Open());
        QVERIFY(link->deviceLost());
        QVERIFY(emulator->restart());
        QVERIFY(link->Open());
        QVERIFY(!link->deviceLost());
        QCOMPARE(protocol->ReadParameter(2, value), Status::Ok);
        QCOMPARE(value, qint16(123));

        // The program's own close ends what the loss meant.
        emulator->setFault(Fault::CloseMidExchange, 1);
        QCOMPARE(protocol->ReadParameter(0, value), Status::NoAnswer);
        QVERIFY(link->deviceLost());
        link->Close();
        QVERIFY(!link->deviceLost());
        QVERIFY(emulator->restart());
    }

    // A device that vanishes while the link sits open and idle: its terminal is hung up, readable
    // for ever with nothing to read. The link must let go of it at once instead of spinning on it.
    void deviceVanishingWhileIdleReleasesThePort()
    {
        qint16 value = 0;
        QCOMPARE(protocol->ReadParameter(2, value), Status::Ok);
        const QString terminal = emulator->terminalPath();
        const QString lock = lockFileFor(emulator->devicePath());
        QVERIFY(holdsDescriptorOf(terminal));
        QVERIFY2(holdsLock(lock), qPrintable(emulator->terminalPath()));

        emulator->stop();
        const qint64 cpuBefore = processCpuMs();
        QTest::qWait(400);
        const qint64 cpuUsed = processCpuMs() - cpuBefore;
        QVERIFY2(cpuUsed < 100, qPrintable(QStringLiteral("%1 ms of processor time while idle").arg(cpuUsed)));
        QVERIFY(!link->isOpen());
        QVERIFY(link->deviceLost());
        QVERIFY(!holdsDescriptorOf(terminal));
        QVERIFY(!holdsLock(lock));

        // The next command finds no device; once it is back, the link works again.
        QCOMPARE(protocol->ReadParameter(2, value), Status::NotSent);
        QVERIFY(emulator->start());
        QVERIFY(link->Open());
        QCOMPARE(protocol->ReadParameter(2, value), Status::Ok);
        QCOMPARE(value, qint16(123));
    }

    // A quiet line that is still there is left alone, however long the link sits idle.
    void idleLinkStaysOpen()
    {
        QTest::qWait(100);
        QVERIFY(link->isOpen());
        QVERIFY(!link->deviceLost());
        qint16 value = 0;
        QCOMPARE(protocol->ReadParameter(3, value), Status::Ok);
    }

    void openAndClose()
    {
        QCOMPARE(link->baud(), 9600u);
        QVERIFY(link->Open());  // already open: success at once
        link->Close();
        QVERIFY(!link->isOpen());
        link->Close();  // nothing the second time
        QVERIFY(!link->isOpen());
        qint16 value = 0;
        QCOMPARE(protocol->ReadParameter(0, value), Status::NotSent);

        SerialLink odd(emulator->devicePath(), 9601, 100);
        QVERIFY(odd.Open());
        QCOMPARE(odd.baud(), 9600u);
        QCOMPARE(odd.timeouts().totalConstant, 101);
    }

    // One device, one program, whatever name each gives the port: the lock names the terminal, not
    // the link, so a second link on it is refused while the first holds it and opens once it lets go.
    void oneDeviceOneHolder_data()
    {
        QTest::addColumn<bool>("byTerminal");
        QTest::newRow("the terminal behind the link") << true;
        QTest::newRow("another link to it") << false;
    }
    void oneDeviceOneHolder()
    {
        QFETCH(bool, byTerminal);
        QString path = emulator->terminalPath();
        if (!byTerminal) {
            path = dir.filePath(QStringLiteral("ttyOther"));
            QFile::remove(path);
            QVERIFY(QFile::link(emulator->terminalPath(), path));
        }
        const QString lock = lockFileFor(path);
        QVERIFY2(holdsLock(lock), qPrintable(path));
        SerialLink other(path, 9600, 100);
        QVERIFY(!other.Open());
        link->Close();
        QVERIFY(!holdsLock(lock));
        QVERIFY(other.Open());
        QVERIFY(!link->Open());
    }

    void missingPortDoesNotOpen()
    {
        SerialLink missing(dir.filePath(QStringLiteral("no-such-port")), 9600, 100);
        QVERIFY(!missing.Open());
        QVERIFY(!missing.isOpen());
        QVERIFY(!missing.ErrorText.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ProtocolTest)
#include "tst_protocol.moc"
