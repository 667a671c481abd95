#include "FifoGuard.h"
#include "emulator/TransmitterEmulator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <csignal>
#include <memory>
#include <thread>

using namespace korv;

// The installed program as a script or a bench runs it: its own process, its exit status, its
// output streams, its settings found where the window keeps them. These runs take the program's
// real timings, so they are few; the commands themselves are tested in process.
class CliProcessTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    struct Run {
        int code = -1;
        QString out;
        QString err;
    };

    Run run(const QStringList& arguments, int deadlineMs = 30000)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(KORV_CLI_PROGRAM), arguments);
        if (!process.waitForFinished(deadlineMs))
            process.kill();
        return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError()) };
    }

private Q_SLOTS:
    void helpVersionAndBadArguments()
    {
        const Run help = run({ QStringLiteral("--help") });
        QCOMPARE(help.code, 0);
        QVERIFY(help.out.contains(QStringLiteral("Código de saída")));
        const Run version = run({ QStringLiteral("-v") });
        QCOMPARE(version.code, 0);
        QVERIFY(version.out.startsWith(QStringLiteral("korvsetup-cli ")));
        const Run bad = run({ QStringLiteral("read"), QStringLiteral("--unit"), QStringLiteral("kelvin") });
        QCOMPARE(bad.code, 3);
        QVERIFY(bad.out.isEmpty());
        QVERIFY(bad.err.contains(QStringLiteral("unidade inválida")));
    }

    void transmitterOnTheSavedPort()
    {
        emu::TransmitterEmulator emulator(emu::Seed { 6, 100, 7, 8, 0 });
        QVERIFY(emulator.setLinkPath(dir.filePath(QStringLiteral("ttyProcess"))) && emulator.start());
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("config/KOrvSetup"))));
        QFile settings(dir.filePath(QStringLiteral("config/KOrvSetup/OrvSetup.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(QStringLiteral("[Parametros]\nPort=%1\nTemperatura=F\n").arg(emulator.devicePath()).toUtf8());
        settings.close();

        const Run identified = run({ QStringLiteral("identify") });
        QCOMPARE(identified.code, 0);
        QCOMPARE(identified.out,
            QStringLiteral("Número de série: 00007008\nVersão do Firmware: 1.00\nModelo: OrvAmbient\n"
                           "Tipo de saída: 4 - 20 mA\n"));

        // The saved unit applies; the JSON is whole and its configuration part is a file.
        const Run read = run({ QStringLiteral("read"), QStringLiteral("--json") });
        QCOMPARE(read.code, 0);
        const QJsonObject object = QJsonDocument::fromJson(read.out.toUtf8()).object();
        const QJsonObject configuration = object.value(QStringLiteral("configuration")).toObject();
        QCOMPARE(configuration.value(QStringLiteral("unit")).toString(), QStringLiteral("F"));
        QCOMPARE(
            configuration.value(QStringLiteral("temperature")).toObject().value(QStringLiteral("upper")).toInt(), 248);

        QFile bad(dir.filePath(QStringLiteral("bad.json")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("{\"format\": 1, \"family\": \"ambient\"");
        bad.close();
        emulator.clearLog();
        const Run refused = run({ QStringLiteral("write"), bad.fileName() });
        QCOMPARE(refused.code, 3);
        QVERIFY(refused.err.contains(QStringLiteral("truncado")));
        QCOMPARE(emulator.framesReceived(), 0);
    }

    // SIGTERM or SIGINT in the middle of a command: the frame in flight finishes, no other is
    // sent, the command fails as on a dead line (exit 2, saying so) and the program ends at once,
    // also from the pause between two contact attempts.
    void signalStopsTheCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("delayMs");  // after the frame that triggers the signal has arrived
        QTest::addColumn<int>("signal");
        QTest::newRow("write, after its first write frame") << "write" << false << 0 << SIGTERM;
        QTest::newRow("read, silent transmitter, under the answer wait") << "read" << true << 0 << SIGTERM;
        QTest::newRow("read, silent transmitter, in a pause") << "read" << true << 600 << SIGINT;
    }
    void signalStopsTheCommand()
    {
        QFETCH(QString, command);
        QFETCH(bool, silent);
        QFETCH(int, delayMs);
        QFETCH(int, signal);
        using Clock = std::chrono::steady_clock;
        std::atomic<qint64> pid { 0 };
        std::atomic<int> framesAtSignal { -1 };
        std::atomic<Clock::rep> signalledAt { 0 };
        emu::TransmitterEmulator emulator;
        QVERIFY(emulator.setLinkPath(dir.filePath(QStringLiteral("ttyStop"))) && emulator.start());
        if (silent)
            emulator.setFault(emu::Fault::Silence);
        // The first write frame of a write, the first frame of a read: the program is then in the
        // wait for that frame's answer.
        emulator.setTrace([&](const QByteArray& received, const QByteArray&) {
            if (framesAtSignal >= 0 || (command == QLatin1String("write") && !received.startsWith('Q')))
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            framesAtSignal = emulator.framesReceived();
            signalledAt = Clock::now().time_since_epoch().count();
            ::kill(static_cast<pid_t>(pid.load()), signal);
        });
        QStringList arguments { QStringLiteral("--port"), emulator.devicePath(), command };
        if (command == QLatin1String("write")) {
            QFile file(arguments.emplace_back(dir.filePath(QStringLiteral("head.json"))));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(R"({"format": 1, "family": "head-rail", "model": "OrvHead", "unit": "C", "sensor": "K",
                "lower": 0, "upper": 800, "zeroCorrection": 2.5, "sensorFailure": "maximum", "mainsFilter": 50})");
        }
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        process.setProcessEnvironment(environment);  // the settings' default exchange, not this machine's
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(KORV_CLI_PROGRAM), arguments);
        QVERIFY(process.waitForStarted());
        pid = process.processId();
        QVERIFY(process.waitForFinished(30000));
        const auto takenMs = std::chrono::duration_cast<std::chrono::milliseconds>(
            Clock::now() - Clock::time_point(Clock::duration(signalledAt.load())));

        QVERIFY2(framesAtSignal >= 0, "the command ended before the signal");
        QVERIFY2(takenMs.count() < 500, qPrintable(QString::number(takenMs.count())));
        QCOMPARE(emulator.framesReceived(), framesAtSignal.load());
        QCOMPARE(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, 2);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.startsWith(QStringLiteral("Erro de comunicação!")), qPrintable(err));
        QVERIFY2(err.endsWith(QStringLiteral("O comando foi interrompido por um sinal.\n")), qPrintable(err));
    }

    // Two command lines on one device, one by a link and the other by the terminal it points to:
    // the second is refused and names the first.
    void portHeldByAnotherProgram()
    {
        emu::TransmitterEmulator emulator;
        QVERIFY(emulator.setLinkPath(dir.filePath(QStringLiteral("ttyHeld"))) && emulator.start());
        emulator.setFault(emu::Fault::Silence);  // the first one keeps trying, and holds the port
        QProcess first;
        first.start(QStringLiteral(KORV_CLI_PROGRAM),
            { QStringLiteral("--port"), emulator.devicePath(), QStringLiteral("read") });
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY(emulator.framesReceived() > 0);

        const Run second = run({ QStringLiteral("--port"), emulator.terminalPath(), QStringLiteral("read") });
        QCOMPARE(second.code, 2);
        QCOMPARE(second.err,
            QStringLiteral(
                "Erro na configuração da porta serial! (%1)\nO programa korvsetup-cli (processo %2) está com "
                "%1 aberta.\n")
                .arg(emulator.terminalPath())
                .arg(first.processId()));
        first.terminate();
        QVERIFY(first.waitForFinished());
    }

    // Files that are no regular files, or far too large, are named with what they are, at once:
    // the program neither waits on a FIFO nor reads a device or a huge file into memory.
    void specialFilesAreNamedAtOnce_data()
    {
        QTest::addColumn<QString>("name");  // where the entry stands, in the working directory
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");  // after the entry's path
        QTest::newRow("configuration file is a FIFO") << "unit.json"
                                                      << "fifo"
                                                      << ": é um FIFO, não um arquivo comum";
        QTest::newRow("configuration file links to /dev/zero") << "unit.json"
                                                               << "zero"
                                                               << ": é um dispositivo, não um arquivo comum";
        QTest::newRow("language file is a FIFO") << "LANGUAGE.TRL"
                                                 << "fifo"
                                                 << ": é um FIFO, não um arquivo comum (usando os textos embutidos)";
        QTest::newRow("language file of 100 MB") << "LANGUAGE.TRL"
                                                 << "large"
                                                 << ": o arquivo é grande demais (mais de 1048576 bytes)";
    }
    void specialFilesAreNamedAtOnce()
    {
        QFETCH(QString, name);
        QFETCH(QString, entry);
        QFETCH(QString, message);
        const QString path = dir.filePath(name);
        auto remove = qScopeGuard([&path] { QFile::remove(path); });
        std::unique_ptr<test::FifoGuard> fifo;
        if (entry == QLatin1String("fifo")) {
            fifo = std::make_unique<test::FifoGuard>(path);
            QVERIFY(fifo->created());
        } else if (entry == QLatin1String("zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(100 * 1024 * 1024));
        }
        QElapsedTimer clock;
        clock.start();
        const Run result = run({ QStringLiteral("verify"), dir.filePath(QStringLiteral("unit.json")) }, 10000);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(result.code, 3);
        QVERIFY2(result.err.contains(path + message), qPrintable(result.err));
        if (fifo)
            QVERIFY2(!fifo->openedByReader(), "the FIFO was opened");
    }

    void portThatDoesNotOpen()
    {
        const Run result
            = run({ QStringLiteral("--port"), dir.filePath(QStringLiteral("ttyNone")), QStringLiteral("read") });
        QCOMPARE(result.code, 2);
        QVERIFY(result.err.startsWith(QStringLiteral("Erro na configuração da porta serial!")));
    }
};

QTEST_GUILESS_MAIN(CliProcessTest)
#include "tst_cli_process.moc"
