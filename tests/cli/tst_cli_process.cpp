#include "SchemaValidator.h"
#include "core/history/HistoryStore.h"
#include "core/history/PlantSync.h"
#include "emulator/TransmitterEmulator.h"
#include "support/FifoGuard.h"
#include "support/PostgresServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QSqlError>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <csignal>
#include <functional>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace korv;

// The installed program as a script or a bench runs it: its own process, its exit status, its
// output streams, its settings found where the window keeps them. These runs take the program's
// real timings, so they are few; the commands themselves are tested in process.
class CliProcessTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    // The plant's server of the rows that need one, stopped with the test.
    std::unique_ptr<test::PostgresServer> plant_ = std::make_unique<test::PostgresServer>();

    struct Run {
        int code = -1;
        QString out;
        QString err;
    };

    // `started`, when given, is told the program's process id once it runs.
    Run run(const QStringList& arguments, const std::function<void(qint64)>& started = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(KORV_CLI_PROGRAM), arguments);
        if (started && process.waitForStarted())
            started(process.processId());
        if (!process.waitForFinished(30000))
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

        // The JSON is whole and its configuration part is a file, in °C whatever unit was saved.
        const Run read = run({ QStringLiteral("read"), QStringLiteral("--json") });
        QCOMPARE(read.code, 0);
        QVERIFY2(test::schemas::problem(QStringLiteral("read.schema.json"), read.out.toUtf8()).isEmpty(),
            qPrintable(read.out));
        const QJsonObject object = QJsonDocument::fromJson(read.out.toUtf8()).object();
        const QJsonObject configuration = object.value(QStringLiteral("configuration")).toObject();
        QCOMPARE(configuration.value(QStringLiteral("unit")).toString(), QStringLiteral("C"));
        QCOMPARE(
            configuration.value(QStringLiteral("temperature")).toObject().value(QStringLiteral("upper")).toInt(), 120);

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
    // sent, and the program ends at once, failing as on a dead line.
    void signalStopsTheCommand_data()
    {
        QTest::addColumn<QString>("command");  // a read's transmitter is silent: it keeps trying
        QTest::addColumn<int>("delayMs");  // after the frame that triggers the signal has arrived
        QTest::addColumn<int>("signal");
        QTest::newRow("write, after its first write frame") << "write" << 0 << SIGTERM;
        QTest::newRow("read, under the answer wait") << "read" << 0 << SIGTERM;
        QTest::newRow("read, in the pause between contact attempts") << "read" << 600 << SIGINT;
    }
    void signalStopsTheCommand()
    {
        QFETCH(QString, command);
        QFETCH(int, delayMs);
        QFETCH(int, signal);
        std::atomic<qint64> pid { 0 };
        std::atomic<int> framesAtSignal { -1 };
        QElapsedTimer clock;
        clock.start();
        std::atomic<qint64> signalledAt { 0 };
        emu::TransmitterEmulator emulator;
        QVERIFY(emulator.setLinkPath(dir.filePath(QStringLiteral("ttyStop"))) && emulator.start());
        QStringList arguments { QStringLiteral("--port"), emulator.devicePath(), command };
        if (command == QLatin1String("write")) {
            QFile file(arguments.emplace_back(dir.filePath(QStringLiteral("head.json"))));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(R"({"format": 1, "family": "head-rail", "model": "OrvHead", "unit": "C", "sensor": "K",
                "lower": 0, "upper": 800, "zeroCorrection": 2.5, "sensorFailure": "maximum", "mainsFilter": 50})");
        } else {
            emulator.setFault(emu::Fault::Silence);
        }
        // At the first write frame of a write, the first frame of a read.
        emulator.setTrace([&](const QByteArray& received, const QByteArray&) {
            if (framesAtSignal >= 0 || pid == 0 || (command == QLatin1String("write") && !received.startsWith('Q')))
                return;
            QThread::msleep(static_cast<unsigned long>(delayMs));
            framesAtSignal = emulator.framesReceived();
            signalledAt = clock.elapsed();
            ::kill(static_cast<pid_t>(pid.load()), signal);
        });
        const Run result = run(arguments, [&pid](qint64 id) { pid = id; });
        const qint64 takenMs = clock.elapsed() - signalledAt;

        QVERIFY2(framesAtSignal >= 0, "the command ended before the signal");
        QVERIFY2(takenMs < 500, qPrintable(QString::number(takenMs)));
        QCOMPARE(emulator.framesReceived(), framesAtSignal.load());
        QCOMPARE(result.code, 2);
        QVERIFY2(result.err.startsWith(QStringLiteral("Erro de comunicação!"))
                && result.err.endsWith(QStringLiteral("O comando foi interrompido por um sinal.\n")),
            qPrintable(result.err));
    }

    // Two command lines on one device, one by a link and the other by the terminal it points to:
    // the second is refused and names the first.
    void portHeldByAnotherProgram()
    {
        emu::TransmitterEmulator emulator;
        QVERIFY(emulator.setLinkPath(dir.filePath(QStringLiteral("ttyHeld"))) && emulator.start());
        emulator.setFault(emu::Fault::Silence);  // the first one keeps trying, and holds the port
        qint64 first = 0;
        Run second;
        run({ QStringLiteral("--port"), emulator.devicePath(), QStringLiteral("read") }, [&](qint64 pid) {
            first = pid;
            QTRY_VERIFY(emulator.framesReceived() > 0);
            second = run({ QStringLiteral("--port"), emulator.terminalPath(), QStringLiteral("read") });
            ::kill(static_cast<pid_t>(pid), SIGTERM);
        });
        QCOMPARE(second.code, 2);
        QCOMPARE(second.err,
            QStringLiteral(
                "Erro na configuração da porta serial! (%1)\nO programa korvsetup-cli (processo %2) está com "
                "%1 aberta: feche-o e verifique de novo.\n")
                .arg(emulator.terminalPath())
                .arg(first));
    }

    // A FIFO named as a file is named for what it is, at once: the program never waits on it.
    // Devices, folders and files past the bound take the same way, tested with the reader itself.
    void specialFilesAreNamedAtOnce_data()
    {
        QTest::addColumn<QString>("name");  // in the working directory
        QTest::newRow("configuration file") << "unit.json";
        QTest::newRow("language file") << "LANGUAGE.TRL";
    }
    void specialFilesAreNamedAtOnce()
    {
        QFETCH(QString, name);
        const QString path = dir.filePath(name);
        auto remove = qScopeGuard([&path] { QFile::remove(path); });
        const test::FifoGuard fifo(path);
        QVERIFY(fifo.created());
        const Run result = run({ QStringLiteral("verify"), dir.filePath(QStringLiteral("unit.json")) });
        QCOMPARE(result.code, 3);
        QVERIFY2(
            result.err.contains(path + QStringLiteral(": é um FIFO, não um arquivo comum")), qPrintable(result.err));
        QVERIFY2(!fifo.openedByReader(), "the FIFO was opened");
    }

    void portThatDoesNotOpen()
    {
        const Run result
            = run({ QStringLiteral("--port"), dir.filePath(QStringLiteral("ttyNone")), QStringLiteral("read") });
        QCOMPARE(result.code, 2);
        QVERIFY(result.err.startsWith(QStringLiteral("Erro na configuração da porta serial!")));
    }

    // Whatever the plant's server does, a command takes its usual time and exit code: its event
    // waits in the bench's queue and reaches the server once, after the server is put right.
    void plantServerNeverHoldsTheCommand_data()
    {
        QTest::addColumn<QString>("fault");
        for (const char* fault : { "silent listener", "table locked", "server stopped", "password in the setting" })
            QTest::newRow(fault) << QString::fromLatin1(fault);
    }
    void plantServerNeverHoldsTheCommand()
    {
        QFETCH(QString, fault);
        if (test::PostgresServer::binaries().isEmpty())
            QSKIP("PostgreSQL's server programs (Debian package postgresql) are not installed");
        test::PostgresServer& plant = *plant_;
        QVERIFY2(plant.isRunning() || plant.start(), qPrintable(plant.problem()));
        emu::TransmitterEmulator emulator(emu::Seed { 6, 100, 7, 8, 0 });
        QVERIFY(emulator.setLinkPath(dir.filePath(QStringLiteral("ttyPlant"))) && emulator.start());
        const auto useServer = [&](const QString& server) {
            QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("config/KOrvSetup"))));
            QFile settings(dir.filePath(QStringLiteral("config/KOrvSetup/OrvSetup.ini")));
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write(QStringLiteral("[Parametros]\nPort=%1\n[Registro]\nServidor=%2\n")
                               .arg(emulator.devicePath(), server)
                               .toUtf8());
        };
        // One connection a row, open across statements so that a lock it takes holds.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), fault);
        db.setConnectOptions(plant.connectionString());
        const auto onServer = [&](const QString& statement) {
            QSqlQuery query(db);
            if (!(db.isOpen() || db.open()) || !query.exec(statement) || !query.next())
                return QVariant();
            return query.value(0);
        };
        useServer(plant.connectionString());
        QCOMPARE(run({ QStringLiteral("identify") }).code, 0);  // the server's tables are made

        // The system completes a connection to a listening socket that nobody accepts: it stays silent.
        const int silent = ::socket(AF_INET, SOCK_STREAM, 0);
        const auto closeSilent = qScopeGuard([silent] { ::close(silent); });
        QString broken = plant.connectionString();
        if (fault == QLatin1String("silent listener")) {
            sockaddr_in address {};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            socklen_t length = sizeof address;
            QVERIFY(::bind(silent, reinterpret_cast<sockaddr*>(&address), length) == 0 && ::listen(silent, 8) == 0
                && ::getsockname(silent, reinterpret_cast<sockaddr*>(&address), &length) == 0);
            broken = QStringLiteral("host=127.0.0.1 port=%1 dbname=korv user=bench").arg(ntohs(address.sin_port));
        } else if (fault == QLatin1String("table locked")) {
            QTRY_VERIFY_WITH_TIMEOUT(
                onServer(QStringLiteral("SELECT to_regclass('events') IS NOT NULL")).toBool(), 10000);
            onServer(QStringLiteral("BEGIN"));
            onServer(QStringLiteral("LOCK TABLE events IN ACCESS EXCLUSIVE MODE"));
        } else if (fault == QLatin1String("server stopped")) {
            QVERIFY(plant.stop());
        } else {
            broken += QStringLiteral(" password=secret");
        }
        useServer(broken);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(run({ QStringLiteral("identify") }).code, 0);
        QCOMPARE_LT(clock.elapsed(), history::PlantConnectTimeoutSeconds * 1000);
        // A signal during a command ends it at once, its event queued like any other.
        std::atomic<qint64> pid { 0 };
        std::atomic<qint64> signalledAt { -1 };
        emulator.setFault(emu::Fault::Silence);
        emulator.setTrace([&](const QByteArray&, const QByteArray&) {
            if (pid != 0 && signalledAt < 0) {
                signalledAt = clock.elapsed();
                ::kill(static_cast<pid_t>(pid.load()), SIGTERM);
            }
        });
        QCOMPARE(run({ QStringLiteral("read") }, [&pid](qint64 id) { pid = id; }).code, 2);
        QCOMPARE_LT(clock.elapsed() - signalledAt, 500);
        emulator.setTrace({});
        emulator.setFault(emu::Fault::None);

        if (fault == QLatin1String("table locked"))
            onServer(QStringLiteral("ROLLBACK"));
        QVERIFY(plant.isRunning() || plant.start());
        useServer(plant.connectionString());
        QCOMPARE(run({ QStringLiteral("identify") }).code, 0);
        history::Store local(dir.filePath(QStringLiteral("data/KOrvSetup/history.sqlite")), QStringLiteral("local"));
        QVERIFY(local.open());
        QTRY_VERIFY_WITH_TIMEOUT(local.waitingForPlant(10).isEmpty(), 20000);
        history::Filter newest;
        newest.limit = 4;
        QStringList ids;
        for (const history::Event& event : local.events(newest))
            ids << event.id;
        db.close();
        QCOMPARE(
            onServer(QStringLiteral("SELECT count(*) FROM events WHERE id IN ('%1')").arg(ids.join("','"))).toInt(), 4);
    }
};

QTEST_GUILESS_MAIN(CliProcessTest)
#include "tst_cli_process.moc"
