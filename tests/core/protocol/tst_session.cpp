#include "common/Timing.h"
#include "core/families/headrail/HeadRailConfigWord.h"
#include "core/families/headrail/HeadRailTransfer.h"
#include "core/families/humamb/HumAmbTransfer.h"
#include "core/link/SerialLink.h"
#include "core/protocol/TransmitterSession.h"
#include "emulator/TransmitterEmulator.h"

#include <QTemporaryDir>
#include <QTest>

using namespace korv;
using korv::emu::Fault;
using korv::emu::TransmitterEmulator;

// The transmitter session and the families' step lists against the emulator, without a window.
class SessionTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<TransmitterEmulator> emulator;

    void startEmulator(int modelCode, int firmware = 130)
    {
        emulator = std::make_unique<TransmitterEmulator>(emu::Seed { modelCode, firmware, 12, 345, 1 });
        QString error;
        QVERIFY2(emulator->setLinkPath(dir.filePath(QStringLiteral("ttySession")), &error), qPrintable(error));
        QVERIFY2(emulator->start(&error), qPrintable(error));
    }

private Q_SLOTS:
    void init() { Timing::setScalePercent(5); }
    void cleanup()
    {
        emulator.reset();
        Timing::setScalePercent(100);
    }

    void headRailReadAndSendWithoutAWindow()
    {
        startEmulator(0);
        emulator->setParameter(15, -37);
        TransmitterSession session(emulator->devicePath());
        QCOMPARE(session.contact(ReadCommandContact), ContactOutcome::Made);
        QCOMPARE(session.identify(), Status::Ok);
        headrail::Reading read;
        QCOMPARE(session.run(headrail::readSteps(session, read)), std::nullopt);
        const auto fields = headrail::splitConfigWord(*read.configWord);
        const headrail::Settings same { fields.code, fields.failureToMax, fields.filter50Hz, read.range,
            read.zeroCount };
        QCOMPARE(session.run(headrail::sendSteps(session, same)), std::nullopt);

        QCOMPARE(session.identification().SerialNumberText, QStringLiteral("00012345"));
        QCOMPARE(session.identification().TransmitterModel, Model::OrvHead);
        QCOMPARE(*read.zeroCount, qint16(-37));
        QCOMPARE(emulator->parameter(15), qint16(-37));
        QCOMPARE(quint16(emulator->parameter(1)), *read.configWord);
    }

    // A send keeps the transmitter's own upper bits of register 1, whatever the settings carry.
    void sendKeepsTheOutputType()
    {
        startEmulator(3);
        TransmitterSession session(emulator->devicePath());
        QCOMPARE(session.contact(ReadCommandContact), ContactOutcome::Made);
        headrail::Reading read;
        QCOMPARE(session.run({ headrail::readSteps(session, read).front() }), std::nullopt);
        const headrail::Settings pt100 { headrail::SensorCode::Pt100, true, true, read.range, qint16(0) };
        QCOMPARE(session.run({ headrail::sendSteps(session, pt100)[headrail::WriteConfigWordStep] }), std::nullopt);
        QCOMPARE(quint16(emulator->parameter(1)), quint16((*read.configWord & 0xFF00) | 0x00C9));
    }

    // Each step is tried three times; the first step that still fails ends the run and is named.
    void attemptRuleAndFailingStep()
    {
        startEmulator(0);
        TransmitterSession session(emulator->devicePath());
        QCOMPARE(session.contact(ReadCommandContact), ContactOutcome::Made);
        headrail::Reading read;
        emulator->setFault(Fault::Silence, 2, headrail::Register::RangeGain);
        QList<std::size_t> done;
        QCOMPARE(
            session.run(headrail::readSteps(session, read), [&](std::size_t step) { done << step; }), std::nullopt);
        QCOMPARE(done, (QList<std::size_t> { 0, 1, 2 }));

        emulator->setFault(Fault::Refuse, 3, headrail::Register::ZeroCorrection);
        const headrail::Settings settings { 1, false, false, read.range, qint16(5) };
        QCOMPARE(session.run(headrail::sendSteps(session, settings)), std::optional<std::size_t>(2));
        QCOMPARE(session.run({ [] { return Status::NotSent; } }), std::optional<std::size_t>(0));
    }

    // A register that does not keep its value is told to the owner, and the send goes on.
    void writeNotKeptIsReportedToTheOwner()
    {
        startEmulator(6);
        TransmitterSession session(emulator->devicePath());
        QStringList notKept;
        session.setNotKeptHandler([&](qint16 address, qint16 written, qint16 readBack) {
            notKept << QStringLiteral("%1:%2:%3").arg(address).arg(written).arg(readBack);
        });
        QCOMPARE(session.contact(ReadCommandContact), ContactOutcome::Made);
        QCOMPARE(session.identify(), Status::Ok);
        emulator->setParameter(15, 7);
        emulator->setFault(Fault::DropWrite, 1, humamb::Register::TemperatureZero);
        humamb::AmbientSettings settings;
        settings.temperature = { humamb::RangeRegisters { 0, 16000 }, qint16(40) };
        QCOMPARE(session.run(humamb::ambientSendSteps(session, settings)), std::nullopt);
        QCOMPARE(notKept, QStringList { QStringLiteral("15:40:7") });
        QCOMPARE(emulator->parameter(9), qint16(16000));
        // The log of the send: every acknowledged write in order, the one not kept marked.
        const std::vector<WrittenRegister> expected { { 8, 0, true, true }, { 9, 16000, true, true },
            { 1, session.ConfigWord, true, true }, { 15, 40, false, true } };
        QCOMPARE(session.writes(), expected);
    }

    // Every write frame that left is in the log, confirmed or not (the transmitter may have stored
    // it); one that never left is not. Clearing starts a new log.
    void writeLogHoldsEveryFrameThatLeft()
    {
        startEmulator(0);
        TransmitterSession session(emulator->devicePath());
        QCOMPARE(session.contact(ReadCommandContact), ContactOutcome::Made);
        QCOMPARE(session.registers().WriteParameter(10, 5), Status::Ok);
        emulator->setFault(Fault::Silence, -1, 11);
        QCOMPARE(session.registers().WriteParameter(11, 6), Status::NoAnswer);
        emulator->setFault(Fault::Refuse, -1, 14);
        QVERIFY(session.registers().WriteParameter(14, 7) != Status::Ok);
        emulator->setFault(Fault::None);
        session.link().Close();
        QCOMPARE(session.registers().WriteParameter(15, 8), Status::NotSent);
        QCOMPARE(session.writes(),
            (std::vector<WrittenRegister> { { 10, 5, true, true }, { 11, 6, true, false }, { 14, 7, true, false } }));
        const WriteOutcome outcome = writeOutcome(session.writes());
        QCOMPARE(outcome.confirmed, (std::vector<qint16> { 10 }));
        QCOMPARE(outcome.unconfirmed, (std::vector<qint16> { 11, 14 }));
        session.clearWrites();
        QVERIFY(session.writes().empty());
    }

    void contactOutcomes()
    {
        TransmitterSession missing(QStringLiteral("/dev/korv-no-such-port"));
        QCOMPARE(missing.contact(ReadCommandContact), ContactOutcome::PortUnavailable);

        startEmulator(0);
        emulator->setFault(Fault::Silence, -1);
        TransmitterSession silent(emulator->devicePath());
        QCOMPARE(silent.contact(HumAmbSendContact), ContactOutcome::NoAnswer);
        QCOMPARE(emulator->framesReceived(), HumAmbSendContact.attempts);
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "tst_session.moc"
