// The emulator on the wire: what a client of its pseudo-terminal sees.

#include "emulator/TransmitterEmulator.h"
#include "support_PtyClient.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <mutex>

using namespace korv::emu;
using korv::emu::test::frame;
using korv::emu::test::fromHex;
using korv::emu::test::PtyClient;

class EmulatorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TransmitterEmulator> emulator;
    PtyClient client;

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void init()
    {
        emulator = std::make_unique<TransmitterEmulator>();
        QString error;
        QVERIFY2(emulator->start(&error), qPrintable(error));
        QVERIFY(client.open(emulator->devicePath()));
    }

    void cleanup()
    {
        client.close();
        emulator.reset();
    }

    void echoThenAnswer_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("P identity word") << fromHex("50 00 00 00 00") << fromHex("50 00 00 00 82");
        QTest::newRow("P serial low") << fromHex("50 00 03 00 00") << fromHex("50 00 03 00 2D");
        QTest::newRow("P unknown address reads 0") << fromHex("50 12 34 00 00") << fromHex("50 12 34 00 00");
        QTest::newRow("R live value of K at 25 C") << fromHex("52 00 37 00 00") << fromHex("52 00 37 01 2B");
        QTest::newRow("R address without live value") << fromHex("52 00 3C 00 00") << fromHex("52 00 3C 00 00");
        QTest::newRow("Q repeats the frame") << fromHex("51 00 0F FF FD") << fromHex("51 00 0F FF FD");
    }
    void echoThenAnswer()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, answer);
        QCOMPARE(client.exchange(request), request + answer);
        QCOMPARE(client.read(1, 50), QByteArray());
        QCOMPARE(emulator->framesReceived(), 1);
        QCOMPARE(emulator->receivedFrames(), QList<QByteArray> { request });
    }

    void writeIsKeptAndReadBack()
    {
        QCOMPARE(client.exchange(frame('Q', 15, -3)).right(5), frame('Q', 15, -3));
        QCOMPARE(emulator->parameter(15), qint16(-3));
        QCOMPARE(client.exchange(frame('P', 15)).right(5), frame('P', 15, -3));
    }

    void identityWordFollowsReseed()
    {
        emulator->reseed(Seed { 3, 100, 7, 8, 1 });
        QCOMPARE(client.exchange(frame('P', 0)).right(5), fromHex("50 00 00 0C 64"));
        QCOMPARE(client.exchange(frame('P', 1)).right(2), fromHex("01 01"));
    }

    void liveValueFollowsCalibrationWrite()
    {
        const QByteArray before = client.exchange(frame('R', 55)).right(2);
        const qint16 offset = emulator->parameter(8);
        client.exchange(frame('Q', 8, offset + 100));
        const QByteArray after = client.exchange(frame('R', 55)).right(2);
        QCOMPARE(after.toHex().toInt(nullptr, 16) - before.toHex().toInt(nullptr, 16), 100);
    }

    void resynchronises_data()
    {
        QTest::addColumn<QByteArray>("stray");
        QTest::addColumn<int>("pauseMs");
        QTest::newRow("one stray zero") << fromHex("00") << 0;
        QTest::newRow("noise without a letter") << fromHex("AA 55 13 FF") << 0;
        QTest::newRow("torn frame, then a pause") << fromHex("50 00") << 150;
    }
    void resynchronises()
    {
        QFETCH(QByteArray, stray);
        QFETCH(int, pauseMs);
        client.send(stray);
        if (pauseMs > 0)
            QTest::qWait(pauseMs);
        QCOMPARE(client.exchange(frame('P', 2)), frame('P', 2) + frame('P', 2, 123));
        QCOMPARE(emulator->framesReceived(), 1);
    }

    void faultReplies_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("stored");
        const QByteArray write = fromHex("51 00 0F 00 07");
        const QByteArray read = fromHex("50 00 00 00 00");
        QTest::newRow("silence") << int(Fault::Silence) << write << QByteArray() << false;
        QTest::newRow("refuse a write") << int(Fault::Refuse) << write << write + fromHex("3F 00 0F 00 07") << false;
        QTest::newRow("refuse a read") << int(Fault::Refuse) << read << read + fromHex("3F 00 00 00 00") << false;
        QTest::newRow("wrong echo on a write")
            << int(Fault::WrongEcho) << write << write + fromHex("51 00 0E 00 07") << true;
        QTest::newRow("wrong echo on a read")
            << int(Fault::WrongEcho) << read << read + fromHex("50 00 01 00 82") << false;
        QTest::newRow("garbage") << int(Fault::Garbage) << write << write + fromHex("AA 55 AA 55 AA") << true;
        QTest::newRow("drop write") << int(Fault::DropWrite) << write << write + write << false;
    }
    void faultReplies()
    {
        QFETCH(int, fault);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QFETCH(bool, stored);
        emulator->setFault(static_cast<Fault>(fault));
        // Nothing at all may come back within 300 ms for a silent transmitter.
        QCOMPARE(client.exchange(request, reply.isEmpty() ? 300 : 500), reply);
        QCOMPARE(client.read(1, 50), QByteArray());
        QCOMPARE(emulator->parameter(15) == 7, stored);
        QCOMPARE(emulator->framesReceived(), 1);
    }

    void faultLastsForItsFrames()
    {
        emulator->setFault(Fault::Silence, 2);
        QCOMPARE(client.exchange(frame('P', 0), 150), QByteArray());
        QCOMPARE(client.exchange(frame('P', 0), 150), QByteArray());
        QCOMPARE(emulator->fault(), Fault::None);
        QCOMPARE(client.exchange(frame('P', 0)).size(), 10);
        QCOMPARE(emulator->framesReceived(), 3);
    }

    void dropWriteIsUsedUpByWritesOnly()
    {
        emulator->setFault(Fault::DropWrite, 1);
        QCOMPARE(client.exchange(frame('P', 15)).size(), 10);
        QCOMPARE(client.exchange(frame('Q', 15, 9)).size(), 10);
        QCOMPARE(emulator->parameter(15), qint16(0));
        QCOMPARE(client.exchange(frame('Q', 15, 9)).size(), 10);
        QCOMPARE(emulator->parameter(15), qint16(9));
    }

    void faultOnOneAddress()
    {
        emulator->setFault(Fault::Silence, 1, 0);
        QCOMPARE(client.exchange(frame('P', 2)).size(), 10);
        QCOMPARE(client.exchange(frame('P', 0), 150), QByteArray());
        QCOMPARE(client.exchange(frame('P', 0)).size(), 10);
    }

    void lateAnswerComesAfterItsDelay()
    {
        emulator->setLateAnswerDelayMs(300);
        emulator->setFault(Fault::LateAnswer, 1);
        QElapsedTimer clock;
        clock.start();
        client.send(frame('P', 0));
        QCOMPARE(client.read(10, 200), frame('P', 0));
        QCOMPARE(client.read(5, 900), frame('P', 0, 0x82));
        QVERIFY2(clock.elapsed() >= 290, qPrintable(QString::number(clock.elapsed())));
    }

    void answersAreFast()
    {
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(client.exchange(frame('P', 0)).size(), 10);
        QVERIFY(clock.elapsed() < 50);
    }

    void portSurvivesClientsComingAndGoing()
    {
        client.close();
        PtyClient other;
        QVERIFY(other.open(emulator->devicePath()));
        other.close();
        QVERIFY(client.open(emulator->devicePath()));
        QCOMPARE(client.exchange(frame('P', 0)).size(), 10);
        QVERIFY(!client.portLost());
    }

    void closeMidExchangeAndRestart()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttyORV"));
        QVERIFY(emulator->setLinkPath(link));
        QCOMPARE(QFileInfo(link).symLinkTarget(), emulator->terminalPath());
        QVERIFY(client.open(link));
        emulator->setFault(Fault::CloseMidExchange, 1);
        QCOMPARE(client.exchange(frame('P', 0)), QByteArray());
        QVERIFY(client.portLost());
        QTRY_VERIFY_WITH_TIMEOUT(!emulator->isServing(), 500);
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(emulator->framesReceived(), 1);

        QVERIFY(emulator->restart());
        QCOMPARE(emulator->devicePath(), link);
        QCOMPARE(QFileInfo(link).symLinkTarget(), emulator->terminalPath());
        QVERIFY(client.open(link));
        QCOMPARE(client.exchange(frame('P', 0)), frame('P', 0) + frame('P', 0, 0x82));
    }

    void stopRemovesOnlyItsOwnLink()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttyORV"));
        QVERIFY(emulator->setLinkPath(link));
        emulator->stop();
        QVERIFY(!QFileInfo(link).isSymLink());

        // Another emulator took the link over meanwhile: ours must leave it alone.
        QVERIFY(emulator->start());
        TransmitterEmulator other;
        QVERIFY(other.start());
        QVERIFY(other.setLinkPath(link));
        emulator->stop();
        QCOMPARE(QFileInfo(link).symLinkTarget(), other.terminalPath());
    }

    void linkNeverReplacesAFile()
    {
        QTemporaryDir dir;
        const QString plainFile = dir.filePath(QStringLiteral("notes.txt"));
        QFile file(plainFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QString error;
        QVERIFY(!emulator->setLinkPath(plainFile, &error));
        QVERIFY(!error.isEmpty());
        emulator->stop();
        QVERIFY(!emulator->setLinkPath(plainFile, &error));
        QVERIFY(emulator->start());
        QCOMPARE(emulator->devicePath(), emulator->terminalPath());
        QVERIFY(QFileInfo(plainFile).isFile());
    }

    void writesAreSavedToTheStateFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("state.txt"));
        emulator->setStatePath(path);
        client.exchange(frame('Q', 15, 42));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), 500);  // saved after the answer went out
        TransmitterEmulator reloaded;
        QVERIFY(reloaded.loadState(path));
        QCOMPARE(reloaded.parameter(15), qint16(42));
    }

    void traceSeesWhatWentBack()
    {
        QList<QByteArray> seen;
        std::mutex seenMutex;
        emulator->setTrace([&](const QByteArray& received, const QByteArray& sent) {
            std::lock_guard lock(seenMutex);
            seen << received << sent;
        });
        client.exchange(frame('P', 0));
        emulator->stop();
        QCOMPARE(seen, (QList<QByteArray> { frame('P', 0), frame('P', 0) + frame('P', 0, 0x82) }));
    }
};

QTEST_GUILESS_MAIN(EmulatorTest)
#include "tst_emulator.moc"
