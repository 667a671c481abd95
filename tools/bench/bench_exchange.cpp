// How long the commands' exchanges take, side by side: the timing the exchange rules give (every
// exchange waits its whole answer wait, then reads until a read times out), the default mode, the fast mode, and the
// time the bytes alone take at 9600 baud; each as milliseconds and as a ratio to the rules' timing, against the
// emulator answering 2 ms and 20 ms after the echo. Figures, not a test.
#include "core/families/headrail/HeadRailConfigWord.h"
#include "core/families/headrail/HeadRailTransfer.h"
#include "core/families/humamb/HumAmbTransfer.h"
#include "core/link/LinkSettings.h"
#include "core/link/SerialLink.h"
#include "core/protocol/RegisterProtocol.h"
#include "core/protocol/TransmitterSession.h"
#include "emulator/TransmitterEmulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

using namespace korv;

namespace {

constexpr double ByteMs = 11 * 1000.0 / 9600;  // start, 8 data, parity slot unused, stop: 10-11 bit times
constexpr double FrameOutMs = 5 * ByteMs;
constexpr int Rounds = 3;
// The splash's pause before the search; the program now runs it alongside the main window's
// port pause, which the specified order runs first.
constexpr double SplashPauseMs = 1000;
constexpr double PortPauseMs = 1000;

// The rules' exchange: the frame out, the whole answer wait, and a last read that waits out the
// total read time-out before it returns nothing (about 300 ms for a read at 9600 baud).
double lastReadMs()
{
    const ReadTimeouts timeouts = readTimeoutsFor(9600, TransmitterSession::ExtraReadTimeoutMs);
    return timeouts.totalConstant + timeouts.totalMultiplier * 5;
}

struct Exchanges {
    int reads = 0;
    int writes = 0;  // each also reads the register back
    double specifiedMs() const
    {
        const double read = FrameOutMs + RegisterProtocol::ReadAnswerWaitMs + lastReadMs();
        const double write = FrameOutMs + RegisterProtocol::WriteAnswerWaitMs + lastReadMs() + read;
        return reads * read + writes * write;
    }
    double floorMs() const { return (reads + 2 * writes) * 10 * ByteMs; }
};

struct Command {
    const char* name;
    int modelCode;
    Exchanges exchanges;
    double fixedSpecifiedMs;  // pauses of the command that are not exchanges
    double fixedNowMs;
    std::function<bool(TransmitterSession&)> run;
};

bool contactAndIdentify(TransmitterSession& session, const ContactPolicy& policy)
{
    return session.contact(policy) == ContactOutcome::Made && session.identify() == Status::Ok;
}

double processCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000 + static_cast<double>(t.tv_nsec) / 1e6;
}

double medianMs(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const std::vector<Command> commands = {
        { "head/rail read", 0, { 7, 0 }, 0, 0,
            [](TransmitterSession& s) {
                headrail::Reading r;
                return contactAndIdentify(s, ReadCommandContact) && !s.run(headrail::readSteps(s, r));
            } },
        { "head/rail send", 0, { 4, 4 }, 0, 0,
            [](TransmitterSession& s) {
                headrail::Reading r;
                if (!contactAndIdentify(s, HeadRailSendContact) || headrail::readConfigWord(s, r) != Status::Ok)
                    return false;
                const headrail::Settings settings { 1, false, false, headrail::RangeRegisters { 2389, 11947 }, 0 };
                return !s.run(headrail::sendSteps(s, settings));
            } },
        { "humidity read", 4, { 14, 0 }, 0, 0,
            [](TransmitterSession& s) {
                humamb::Reading r;
                return contactAndIdentify(s, ReadCommandContact) && !s.run(humamb::humidityReadSteps(s, r, {}));
            } },
        { "start-up search (head/rail)", 0, { 7, 0 }, PortPauseMs + SplashPauseMs, SplashPauseMs,
            [](TransmitterSession& s) {
                headrail::Reading r;
                return contactAndIdentify(s, StartupSearchContact) && !s.run(headrail::readSteps(s, r));
            } },
    };

    out << "Milliseconds (ratio to the exchange rules' timing), median of " << Rounds << " runs.\n"
        << "The start-up search adds its fixed pauses: the specified order runs the main window's port\n"
        << "pause and then the splash's; the program runs them side by side.\n\n";
    double wallTotal = 0;
    double cpuTotal = 0;
    for (int answerDelay : { 2, 20 }) {
        out << "Emulator answering " << answerDelay << " ms after the echo\n";
        out << QString::asprintf("  %-28s %16s %16s %16s %16s\n", "", "specified", "default", "fast", "byte floor");
        for (const Command& command : commands) {
            emu::TransmitterEmulator emulator(emu::Seed { command.modelCode, 130, 12, 345, 0 });
            QString error;
            if (!emulator.start(&error)) {
                out << "emulator: " << error << "\n";
                return 1;
            }
            emulator.setAnswerDelayMs(answerDelay);
            double measured[2] = {};
            for (int fast = 0; fast < 2; ++fast) {
                std::vector<double> runs;
                for (int round = 0; round < Rounds; ++round) {
                    TransmitterSession session(emulator.devicePath());
                    session.setFastExchange(fast == 1);
                    QElapsedTimer timer;
                    timer.start();
                    const double cpuBefore = processCpuMs();
                    if (!command.run(session)) {
                        out << command.name << ": the command failed\n";
                        return 1;
                    }
                    cpuTotal += processCpuMs() - cpuBefore;
                    runs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
                    wallTotal += runs.back();
                }
                measured[fast] = medianMs(runs) + command.fixedNowMs;
            }
            const double specified = command.exchanges.specifiedMs() + command.fixedSpecifiedMs;
            const double floor = command.exchanges.floorMs() + command.fixedNowMs;
            auto cell = [specified](double ms) { return QString::asprintf("%8.0f (%4.2fx)", ms, ms / specified); };
            out << QString::asprintf("  %-28s %16s %16s %16s %16s\n", command.name, qPrintable(cell(specified)),
                qPrintable(cell(measured[0])), qPrintable(cell(measured[1])), qPrintable(cell(floor)));
            out.flush();
        }
        out << "\n";
    }
    // The emulator runs in this process: its share is in the figure too.
    out << QString::asprintf("Processor time during the commands: %.2f %% of wall time (%.0f ms of %.0f ms)\n",
        100 * cpuTotal / wallTotal, cpuTotal, wallTotal);
    return 0;
}
