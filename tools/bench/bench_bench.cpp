// Units per hour of korvsetup-cli bench against the emulator answering after 20 ms, in the default
// and the fast exchange, beside the floor the unit's frames and the transmitter's latency give.
#include "emulator/TransmitterEmulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <csignal>

using namespace korv;

namespace {

constexpr int Units = 5;
constexpr int AnswerDelayMs = 20;
constexpr double ByteMs = 11 * 1000.0 / 9600;  // a byte's bit times at 9600 baud, stop bits included
constexpr double ExchangeBytes = 10;  // five out, five back

const QByteArray HeadFile = R"({"format": 1, "family": "head-rail", "model": "OrvHead", "unit": "C",
    "sensor": "K", "lower": 0, "upper": 800, "zeroCorrection": 2.5, "sensorFailure": "maximum", "mainsFilter": 50})";

struct Figures {
    double secondsPerUnit = 0;
    int frames = 0;
    // A pseudo-terminal carries bytes at once, whatever the baud rate: against the emulator only
    // the transmitter's latency bounds a unit; on a real 9600-baud line the bytes add theirs.
    double emulatorFloorSeconds() const { return frames * AnswerDelayMs / 1000.0; }
    double lineFloorSeconds() const { return frames * (ExchangeBytes * ByteMs + AnswerDelayMs) / 1000.0; }
};

// One run of `Units` units; the emulator gets a new serial number as soon as a unit's line is out.
Figures measure(const QString& program, bool fast)
{
    QTemporaryDir dir;
    emu::TransmitterEmulator emulator(emu::Seed { 0, 130, 0, 0, 0 });
    emulator.setAnswerDelayMs(AnswerDelayMs);
    emulator.setLinkPath(dir.filePath(QStringLiteral("tty")));
    emulator.start();
    QDir().mkpath(dir.filePath(QStringLiteral("config/KOrvSetup")));
    QFile settings(dir.filePath(QStringLiteral("config/KOrvSetup/OrvSetup.ini")));
    settings.open(QIODevice::WriteOnly);
    settings.write(
        QStringLiteral("[Parametros]\nPort=%1\n%2").arg(emulator.devicePath(), fast ? "Rapida=1\n" : "").toUtf8());
    settings.close();
    QFile file(dir.filePath(QStringLiteral("unit.json")));
    file.open(QIODevice::WriteOnly);
    file.write(HeadFile);
    file.close();

    QProcess bench;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    bench.setProcessEnvironment(environment);
    bench.setWorkingDirectory(dir.path());
    bench.start(
        program, { QStringLiteral("bench"), file.fileName(), QStringLiteral("--log"), QStringLiteral("log.csv") });
    bench.waitForStarted();
    Figures figures;
    QByteArray out;
    for (int unit = 1; unit <= Units; ++unit) {
        emulator.clearLog();
        while (out.count('\n') < unit && bench.state() == QProcess::Running) {
            bench.waitForReadyRead(50);
            out += bench.readAllStandardOutput();
        }
        figures.frames += static_cast<int>(emulator.receivedFrames().size());
        emulator.setParameter(3, static_cast<qint16>(2000 + unit));
        emulator.setParameter(15, 0);  // each unit comes with another zero correction to write
    }
    ::kill(static_cast<pid_t>(bench.processId()), SIGINT);
    bench.waitForFinished(10000);
    QFile log(dir.filePath(QStringLiteral("log.csv")));
    log.open(QIODevice::ReadOnly);
    const QList<QByteArray> rows = log.readAll().split('\n');
    double seconds = 0;
    for (const QByteArray& row : rows.mid(1)) {
        if (!row.trimmed().isEmpty())
            seconds += row.trimmed().split(',').constLast().toDouble();
    }
    figures.secondsPerUnit = seconds / Units;
    figures.frames /= Units;
    return figures;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const QString program = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(KORV_CLI_PROGRAM);
    out << QStringLiteral("korvsetup-cli bench, %1 units of OrvHead, the emulator answering after %2 ms\n")
               .arg(Units)
               .arg(AnswerDelayMs);
    out << QString::asprintf("  %-10s %11s %11s %12s %15s %7s %17s\n", "exchange", "s per unit", "units/hour",
        "frames/unit", "latency floor s", "ratio", "9600-baud floor s");
    for (const bool fast : { false, true }) {
        const Figures figures = measure(program, fast);
        out << QString::asprintf("  %-10s %11.2f %11.0f %12d %15.2f %7.2f %17.2f\n", fast ? "fast" : "default",
            figures.secondsPerUnit, 3600 / figures.secondsPerUnit, figures.frames, figures.emulatorFloorSeconds(),
            figures.secondsPerUnit / figures.emulatorFloorSeconds(), figures.lineFloorSeconds());
        out.flush();
    }
    out << "  The latency floor: every frame of a unit waiting the transmitter's answer delay, as the emulator's\n"
           "  pseudo-terminal carries bytes at once (aim for the fast exchange: ratio 1.3 or less). On a real\n"
           "  line the bytes at 9600 baud add theirs: the last column.\n";
    return 0;
}
