#include "emulator/TransmitterEmulator.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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

    Run run(const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(KORV_CLI_PROGRAM), arguments);
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
