// orv-emulator: a transmitter on a pseudo-terminal, for trying the configuration tool without one.

#include "emulator/TransmitterEmulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

using korv::emu::Fault;
using korv::emu::Seed;
using korv::emu::TransmitterEmulator;

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void requestStop(int)
{
    stopRequested = 1;
}

const char* const description = R"(Stands in for one transmitter of the configuration tool on a pseudo-terminal.

It prints "Device: PATH" as its first line: give that path (or the --link path) to the
program as its serial port. Every 5-byte frame received is echoed back (as the configuration
interface does) and then answered: 'P' reads a parameter register, 'R' a live memory register,
'Q' writes a parameter and repeats the frame. Unknown addresses read 0; stray bytes are skipped
up to the next command letter.

Registers are seeded from --model, --firmware, --serial and --output-type: 0 identity word
(model code << 10 | firmware), 1 configuration word, 2 and 3 serial number; head/rail models
measure 0 to 1000 C on a type K thermocouple (registers 10, 11, zero 15); humidity and ambient
models use their full ranges (6..9, 14, 15). Calibration registers 4..9 and 16..20 hold factory
values; live registers 55, 103 (head/rail), 58, 60 (humidity, ambient) follow --temperature,
--humidity and the calibration registers, so a new offset or gain shows in the next reading.

Faults (--fault): none, silence (no echo, no answer), refuse (answer starts with '?'),
wrong-echo (answer carries another address), late-answer (answer after --late-ms),
garbage (5 bytes that are no answer), drop-write (writes are answered but not kept),
close-mid-exchange (the port vanishes after a frame; it comes back a second later on a new
terminal, the --link path following it, and a new "Device:" line is printed),
echo-only (the interface echoes, no transmitter answers).

With --state FILE the registers are loaded from FILE when it exists (it then overrides the
seed options), saved after every write and at exit. SIGINT or SIGTERM end the program; the
link is removed.)";

bool parseInt(const QString& text, int low, int high, int* value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < low || number > high)
        return false;
    *value = number;
    return true;
}

[[noreturn]] void usageError(const QString& message)
{
    std::fprintf(stderr, "orv-emulator: %s (see --help)\n", qUtf8Printable(message));
    std::exit(2);
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

void printDevice(const TransmitterEmulator& emulator, const QString& linkPath)
{
    std::printf("Device: %s\n", qUtf8Printable(emulator.terminalPath()));
    if (!linkPath.isEmpty())
        std::printf("Link: %s\n", qUtf8Printable(linkPath));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orv-emulator"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(description));
    parser.addHelpOption();
    const QCommandLineOption modelOption(QStringLiteral("model"),
        QStringLiteral("OrvHead, OrvDin, OrvGalHead, OrvGalDin, Orv-Hu, Orv-H, OrvAmbient or a code 0..15 "
                       "(7..15: unknown models). Default OrvHead."),
        QStringLiteral("NAME|CODE"), QStringLiteral("OrvHead"));
    const QCommandLineOption firmwareOption(QStringLiteral("firmware"),
        QStringLiteral("Firmware version 0..1023, 130 meaning 1.30. Default: one the program configures on the "
                       "model (1.10 for the isolated models, 1.30 for the others)."),
        QStringLiteral("N"));
    const QCommandLineOption serialOption(QStringLiteral("serial"),
        QStringLiteral("Registers 2 and 3, -32768..32767 each. Default 123,45 (serial 00123045)."),
        QStringLiteral("HIGH,LOW"), QStringLiteral("123,45"));
    const QCommandLineOption outputOption(QStringLiteral("output-type"),
        QStringLiteral("Bits 8..11 of register 1, 0..15: 0 4-20 mA, 1 0-10 V, 2 0-5 V. Default 0."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption linkOption(QStringLiteral("link"),
        QStringLiteral("Keep a symbolic link at PATH pointing to the terminal."), QStringLiteral("PATH"));
    const QCommandLineOption stateOption(QStringLiteral("state"),
        QStringLiteral("Load registers from FILE if it exists; save them after every write and at exit."),
        QStringLiteral("FILE"));
    const QCommandLineOption faultOption(QStringLiteral("fault"),
        QStringLiteral("Misbehave from the first frame on (see above). Default none."), QStringLiteral("NAME"),
        QStringLiteral("none"));
    const QCommandLineOption faultFramesOption(QStringLiteral("fault-frames"),
        QStringLiteral("The fault acts on N frames only, then the transmitter behaves. Default: all."),
        QStringLiteral("N"), QStringLiteral("-1"));
    const QCommandLineOption faultAddressOption(QStringLiteral("fault-address"),
        QStringLiteral("The fault acts on frames to register N only (with --fault-frames 1: the next one). "
                       "Default: every register."),
        QStringLiteral("N"), QStringLiteral("-1"));
    const QCommandLineOption lateOption(QStringLiteral("late-ms"),
        QStringLiteral("Delay of the late-answer fault in milliseconds. Default 600."), QStringLiteral("MS"),
        QStringLiteral("600"));
    const QCommandLineOption answerDelayOption(QStringLiteral("answer-delay"),
        QStringLiteral("How long the transmitter takes to answer after the echo, in milliseconds. Default 0."),
        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption temperatureOption(QStringLiteral("temperature"),
        QStringLiteral("Simulated temperature in degrees Celsius. Default 25."), QStringLiteral("C"),
        QStringLiteral("25"));
    const QCommandLineOption humidityOption(QStringLiteral("humidity"),
        QStringLiteral("Simulated relative humidity in percent. Default 50."), QStringLiteral("RH"),
        QStringLiteral("50"));
    const QCommandLineOption traceOption(
        QStringLiteral("trace"), QStringLiteral("Print every frame received and the bytes sent back on stderr."));
    parser.addOptions({ modelOption, firmwareOption, serialOption, outputOption, linkOption, stateOption, faultOption,
        faultFramesOption, faultAddressOption, lateOption, answerDelayOption, temperatureOption, humidityOption,
        traceOption });
    parser.process(app);

    Seed seed;
    seed.modelCode = korv::emu::modelCodeFromName(parser.value(modelOption));
    if (seed.modelCode < 0)
        usageError(QStringLiteral("unknown model \"%1\"").arg(parser.value(modelOption)));
    // The isolated models take configuration from firmware 1.00 to 1.19 only: a demo of them must
    // not open on "firmware incompatible".
    const bool isolated = seed.modelCode == 1 || seed.modelCode == 3;
    const QString firmware = parser.isSet(firmwareOption) ? parser.value(firmwareOption)
        : isolated                                        ? QStringLiteral("110")
                                                          : QStringLiteral("130");
    if (!parseInt(firmware, 0, 1023, &seed.firmware))
        usageError(QStringLiteral("--firmware takes 0..1023"));
    const QStringList serial = parser.value(serialOption).split(u',');
    int serialHigh = 0;
    int serialLow = 0;
    if (serial.size() != 2 || !parseInt(serial[0], -32768, 32767, &serialHigh)
        || !parseInt(serial[1], -32768, 32767, &serialLow))
        usageError(QStringLiteral("--serial takes HIGH,LOW"));
    seed.serialHigh = static_cast<qint16>(serialHigh);
    seed.serialLow = static_cast<qint16>(serialLow);
    if (!parseInt(parser.value(outputOption), 0, 15, &seed.outputType))
        usageError(QStringLiteral("--output-type takes 0..15"));
    const std::optional<Fault> fault = korv::emu::faultFromName(parser.value(faultOption));
    if (!fault)
        usageError(QStringLiteral("unknown fault \"%1\"").arg(parser.value(faultOption)));
    int faultFrames = -1;
    int faultAddress = -1;
    int lateMs = 600;
    if (!parseInt(parser.value(faultFramesOption), -1, 1000000, &faultFrames))
        usageError(QStringLiteral("--fault-frames takes a count"));
    if (!parseInt(parser.value(faultAddressOption), -1, 65535, &faultAddress))
        usageError(QStringLiteral("--fault-address takes a register 0..65535"));
    if (!parseInt(parser.value(lateOption), 0, 60000, &lateMs))
        usageError(QStringLiteral("--late-ms takes 0..60000"));
    int answerDelayMs = 0;
    if (!parseInt(parser.value(answerDelayOption), 0, 60000, &answerDelayMs))
        usageError(QStringLiteral("--answer-delay takes 0..60000"));
    korv::emu::Measurand measurand;
    bool temperatureOk = false;
    bool humidityOk = false;
    measurand.temperature = parser.value(temperatureOption).toDouble(&temperatureOk);
    measurand.humidity = parser.value(humidityOption).toDouble(&humidityOk);
    if (!temperatureOk || !humidityOk)
        usageError(QStringLiteral("--temperature and --humidity take numbers"));

    TransmitterEmulator emulator(seed);
    emulator.setMeasurand(measurand);
    emulator.setFault(*fault, faultFrames, faultAddress < 0 ? TransmitterEmulator::AnyAddress : faultAddress);
    emulator.setLateAnswerDelayMs(lateMs);
    emulator.setAnswerDelayMs(answerDelayMs);
    const QString statePath = parser.value(stateOption);
    if (!statePath.isEmpty()) {
        QString error;
        if (QFileInfo::exists(statePath) && !emulator.loadState(statePath, &error)) {
            std::fprintf(stderr, "orv-emulator: %s: %s\n", qUtf8Printable(statePath), qUtf8Printable(error));
            return 1;
        }
        emulator.setStatePath(statePath);
    }
    if (parser.isSet(traceOption)) {
        emulator.setTrace([](const QByteArray& received, const QByteArray& sent) {
            std::fprintf(stderr, "<- %s   -> %s\n", qUtf8Printable(hex(received)),
                sent.isEmpty() ? "(nothing)" : qUtf8Printable(hex(sent)));
        });
    }

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);

    QString error;
    const QString linkPath = parser.value(linkOption);
    if ((!linkPath.isEmpty() && !emulator.setLinkPath(linkPath, &error)) || !emulator.start(&error)) {
        std::fprintf(stderr, "orv-emulator: %s\n", qUtf8Printable(error));
        return 1;
    }
    printDevice(emulator, linkPath);
    const int identity = emulator.parameter(korv::emu::Reg::Identity);
    std::printf("Transmitter: %s, firmware %d, serial %d,%d\n",
        qUtf8Printable(korv::emu::modelName((identity >> 10) & 0xF)), identity & 0x3FF,
        emulator.parameter(korv::emu::Reg::SerialHigh), emulator.parameter(korv::emu::Reg::SerialLow));
    std::fflush(stdout);

    using namespace std::chrono_literals;
    int closedTicks = 0;
    while (!stopRequested) {
        std::this_thread::sleep_for(100ms);
        if (emulator.isServing()) {
            closedTicks = 0;
            continue;
        }
        // The port vanished on purpose; plug it back in after a second, as a technician would.
        if (++closedTicks < 10)
            continue;
        if (!emulator.restart(&error)) {
            std::fprintf(stderr, "orv-emulator: %s\n", qUtf8Printable(error));
            break;
        }
        printDevice(emulator, linkPath);
    }

    emulator.stop();
    if (!statePath.isEmpty() && !emulator.saveState(statePath, &error)) {
        std::fprintf(stderr, "orv-emulator: %s: %s\n", qUtf8Printable(statePath), qUtf8Printable(error));
        return 1;
    }
    return 0;
}
