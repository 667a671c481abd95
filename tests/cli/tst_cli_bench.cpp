#include "core/history/HistoryStore.h"
#include "emulator/TransmitterEmulator.h"
#include "support/EmulatorFixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

using namespace korv;
using emu::Fault;

namespace {

const QByteArray HeadFile = R"({"format": 1, "family": "head-rail", "model": "OrvHead", "unit": "C",
    "sensor": "K", "lower": 0, "upper": 800, "zeroCorrection": 2.5, "sensorFailure": "maximum", "mainsFilter": 50})";

// The bench program as a production run has it: its own process on the emulator's port, its lines
// read as they come while the units are swapped under it.
struct BenchProcess {
    explicit BenchProcess(test::EmulatorFixture& fixture)
        : rig(fixture)
    {
    }
    test::EmulatorFixture& rig;
    QProcess process;
    QString out;
    QString err;

    bool start(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), rig.recordDir.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), rig.dir.filePath(QStringLiteral("config")));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(rig.dir.path());
        process.start(QStringLiteral(KORV_CLI_PROGRAM),
            QStringList { QStringLiteral("--port"), rig.dir.filePath(QStringLiteral("ttyKOrv")) } + arguments);
        return process.waitForStarted();
    }
    void take()
    {
        out += QString::fromUtf8(process.readAllStandardOutput());
        err += QString::fromUtf8(process.readAllStandardError());
    }
    // Waits for the run's n-th unit line; false after 20 s without it.
    bool waitForUnits(int n)
    {
        QElapsedTimer clock;
        clock.start();
        while (lines().size() < n && clock.elapsed() < 20000) {
            process.waitForReadyRead(100);
            take();
        }
        return lines().size() >= n;
    }
    // Waits until the run says again that it waits for a unit, `times` in all.
    bool waitForWaiting(int times)
    {
        QElapsedTimer clock;
        clock.start();
        while (err.count(QStringLiteral("Aguardando")) < times && clock.elapsed() < 10000) {
            process.waitForReadyRead(100);
            take();
        }
        return err.count(QStringLiteral("Aguardando")) >= times;
    }
    QStringList lines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
};

}  // namespace

class CliBenchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Units swapped under a running bench: each new serial number is written once, a wrong model
    // is refused, a silent slot is waited out, a write that is not kept fails; Ctrl+C ends the run
    // with its summary, and every unit has its line, its log row and its event.
    void unitsSwappedUnderTheBench()
    {
        test::EmulatorFixture rig;
        QVERIFY(rig.start(test::seedFor(0, 130)));
        const QString file = rig.writeFile(QStringLiteral("unit.json"), HeadFile);
        BenchProcess bench(rig);
        QVERIFY(bench.start({ QStringLiteral("bench"), file, QStringLiteral("--log"), QStringLiteral("log.csv"),
            QStringLiteral("--backup-dir"), rig.dir.path() }));
        auto& emulator = *rig.emulator;

        QVERIFY2(bench.waitForUnits(1), qPrintable(bench.err));
        emulator.setParameter(2, 0);  // another unit of the same model
        emulator.setParameter(3, 1001);
        QVERIFY2(bench.waitForUnits(2), qPrintable(bench.err));
        emulator.setParameter(0, qint16(100 | (4 << 10)));  // a humidity transmitter on the head bench
        emulator.setParameter(3, 1002);
        QVERIFY2(bench.waitForUnits(3), qPrintable(bench.err));
        emulator.setFault(Fault::Silence);  // taken off: the slot stays empty a while
        QVERIFY2(bench.waitForWaiting(1), qPrintable(bench.err));
        emulator.setParameter(0, qint16(130));
        emulator.setParameter(3, 1003);
        emulator.setParameter(15, 0);
        emulator.setFault(Fault::DropWrite, -1, 15);  // a unit that does not keep its zero correction
        QVERIFY2(bench.waitForUnits(4), qPrintable(bench.err));
        // The last unit stays on the bench: it is not written again.
        emulator.setFault(Fault::None);
        emulator.clearLog();
        QTest::qWait(1500);
        bench.take();
        QCOMPARE(bench.lines().size(), 4);
        for (const QByteArray& frame : emulator.receivedFrames())
            QVERIFY2(!frame.startsWith('Q'), frame.toHex(' ').constData());

        ::kill(static_cast<pid_t>(bench.process.processId()), SIGINT);
        QVERIFY(bench.process.waitForFinished(10000));
        bench.take();
        QCOMPARE(bench.process.exitCode(), 1);
        QVERIFY2(bench.err.contains(QStringLiteral("Unidades: 4 (certas: 2, com falha: 2)")), qPrintable(bench.err));
        const QStringList lines = bench.lines();
        const QStringList expected { "00123045  OrvHead  ok", "00001001  OrvHead  ok", "00001002  Orv-Hu  RECUSADO",
            "00001003  OrvHead  FALHOU" };
        for (int i = 0; i < 4; ++i)
            QVERIFY2(lines.at(i).mid(10).startsWith(expected.at(i)), qPrintable(lines.at(i)));

        QFile log(rig.dir.filePath(QStringLiteral("log.csv")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll().count('\n'), 5);
        history::Store store(rig.recordDir.filePath(QStringLiteral("KOrvSetup/history.sqlite")), QStringLiteral("r"));
        QVERIFY(store.open());
        QStringList results;
        for (const history::Event& event : store.events({}))
            results.prepend(event.command + u' ' + history::outcomeName(event.outcome));
        QCOMPARE(results, (QStringList { "bench done", "bench done", "bench failed", "bench failed" }));
    }

    // Another unit put behind the port while the bench works on one: the unit fails naming both,
    // its event claims no register the other one may have got, and the other is then done as a
    // unit of its own.
    void unitSwappedBehindTheOpenPort_data()
    {
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("thenReadOf");
        QTest::newRow("right after the probe") << 0 << 3;
        QTest::newRow("in the middle of the write") << 3 << -1;
        QTest::newRow("after the write, before the verify") << 1 << 3;
    }
    void unitSwappedBehindTheOpenPort()
    {
        QFETCH(int, writes);
        QFETCH(int, thenReadOf);
        test::EmulatorFixture rig;
        QVERIFY(rig.start(test::seedFor(0, 130)));
        emu::Seed other = test::seedFor(0, 130);
        other.serialHigh = 1;
        other.serialLow = 2;
        rig.swapUnitAfter(test::afterWrites(writes, thenReadOf), other);
        BenchProcess bench(rig);
        QVERIFY(bench.start({ QStringLiteral("bench"), rig.writeFile(QStringLiteral("unit.json"), HeadFile) }));
        QVERIFY2(bench.waitForUnits(2), qPrintable(bench.err));
        ::kill(static_cast<pid_t>(bench.process.processId()), SIGINT);
        QVERIFY(bench.process.waitForFinished(10000));
        bench.take();
        const QStringList lines = bench.lines();
        QVERIFY2(lines.at(0).contains(QStringLiteral("00123045  OrvHead  FALHOU: Outro transmissor respondeu: o "
                                                     "comando era para 00123045, mas 00001002 responde agora")),
            qPrintable(lines.at(0)));
        QVERIFY2(lines.at(1).mid(10).startsWith(QStringLiteral("00001002  OrvHead  ok")), qPrintable(lines.at(1)));

        history::Store store(rig.recordDir.filePath(QStringLiteral("KOrvSetup/history.sqlite")), QStringLiteral("r"));
        QVERIFY(store.open());
        const QList<history::Event> events = store.events({});
        QCOMPARE(events.size(), 2);
        const history::Event& first = events.at(1);  // newest first
        QCOMPARE(first.unit.serialNumber, QStringLiteral("00123045"));
        for (int address : first.written.confirmed)
            QVERIFY2(rig.writtenTo(true).contains(address), qPrintable(first.resultText));
        QCOMPARE(first.written.confirmed.isEmpty(), writes != 1);
    }
};

QTEST_GUILESS_MAIN(CliBenchTest)
#include "tst_cli_bench.moc"
