// How long the window's commands take and how long the window's own thread stalls meanwhile: the
// largest gap between two ticks of a 20 ms timer, for a read and a send against a healthy and a
// silent transmitter, at the program's real timing. Figures, not a test.
#include "app/mainwindow/MainWindow.h"
#include "common/MessageBoxes.h"
#include "common/Timing.h"
#include "support/EmulatorFixture.h"
#include "support/StallClock.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>

#include <cstdio>

using namespace korv;

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    test::EmulatorFixture rig;
    Timing::setScalePercent(100);  // the fixture shortens every pause; the figures want real ones
    if (!rig.start(test::seedFor(0, 130))) {
        std::fprintf(stderr, "the emulator did not start\n");
        return 1;
    }
    const QString settings = rig.writeFile(QStringLiteral("OrvSetup.ini"), rig.settingsText());
    RecordingMessageBoxes boxes;
    MainWindowEnvironment environment;
    environment.settingsPath = settings;
    environment.boxes = &boxes;
    environment.languageDirectory = rig.dir.path();
    environment.listPorts = false;
    // The figures' commands are recorded in the rig's folder, never in the user's own record.
    environment.historyPath = rig.historyPath();
    MainWindow window(environment);
    window.show();
    // The start-up ends after its port's pause, from the event loop; a command before that is refused.
    while (window.busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.Ler_ConfigClick();

    QTextStream out(stdout);
    out << QStringLiteral("%1 %2 %3\n")
               .arg(QStringLiteral("command"), -24)
               .arg(QStringLiteral("ms"), 7)
               .arg(QStringLiteral("largest stall ms"), 18);
    for (const bool silent : { false, true }) {
        for (const bool send : { false, true }) {
            rig.emulator->setFault(silent ? emu::Fault::Silence : emu::Fault::None);
            const test::Stall figures
                = test::measureStall([&] { send ? window.Enviar_ConfigClick() : window.Ler_ConfigClick(); });
            const QString name = QStringLiteral("%1, %2").arg(send ? QStringLiteral("send") : QStringLiteral("read"),
                silent ? QStringLiteral("silent") : QStringLiteral("healthy"));
            out << QStringLiteral("%1 %2 %3\n").arg(name, -24).arg(figures.elapsedMs, 7).arg(figures.largestGapMs, 18);
            out.flush();
        }
    }
    rig.emulator->setFault(emu::Fault::None);
    window.close();
    return 0;
}
