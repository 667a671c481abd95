// Wall and processor time of register reads against the emulator on a pseudo-terminal, at the real
// answer waits and time-outs of 9600 baud.
#include "core/link/SerialLink.h"
#include "core/protocol/RegisterProtocol.h"
#include "emulator/TransmitterEmulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <ctime>

namespace {

double processSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    korv::emu::TransmitterEmulator emulator(korv::emu::Seed {});
    QString error;
    if (!emulator.start(&error)) {
        out << "emulator: " << error << "\n";
        return 1;
    }
    korv::SerialLink link(emulator.devicePath(), 9600, 100);
    if (!link.Open()) {
        out << "open: " << link.ErrorText << "\n";
        return 1;
    }
    korv::RegisterProtocol protocol([&link] { return &link; });

    auto measure = [&](const char* what, int reads, auto&& operation) {
        const int rounds = 5;
        double wall = 0;
        double cpu = 0;
        for (int r = 0; r < rounds; ++r) {
            QElapsedTimer timer;
            timer.start();
            const double cpu0 = processSeconds();
            for (int i = 0; i < reads; ++i)
                operation(i);
            cpu += processSeconds() - cpu0;
            wall += static_cast<double>(timer.nsecsElapsed()) / 1e6;
        }
        out << QString::asprintf(
            "%-34s wall %7.1f ms   cpu %5.2f ms   (mean of %d)\n", what, wall / rounds, cpu * 1000 / rounds, rounds);
    };
    qint16 value = 0;
    measure("one read exchange", 1, [&](int) { protocol.ReadParameter(0, value); });
    measure("seven reads in a row", 7, [&](int i) { protocol.ReadParameter(static_cast<qint16>(i), value); });
    measure("one verified write", 1, [&](int) { protocol.WriteParameter(15, 26); });
    emulator.setFault(korv::emu::Fault::Silence);
    measure("one read without answer", 1, [&](int) { protocol.ReadParameter(0, value); });
    out.flush();
    return 0;
}
