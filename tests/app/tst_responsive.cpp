#include "common/StopRequest.h"
#include "common/Timing.h"
#include "core/link/SerialLink.h"
#include "support/StallClock.h"
#include "support_appfixture.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace korv;

namespace {

const QString CommunicationError = QStringLiteral("Erro de comunicação!");

}  // namespace

// While a command waits for the transmitter the window's thread keeps turning, healthy transmitter
// or silent; Esc stops a command at its next frame boundary without a box.
class ResponsiveTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { StopRequest::clear(); }
    void windowTurnsDuringEveryCommand_data()
    {
        QTest::addColumn<bool>("send");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("scalePercent");  // silent: a quarter of the real waits still takes seconds
        QTest::newRow("read") << false << false << 25;
        QTest::newRow("read, silent") << false << true << 25;
        QTest::newRow("send") << true << false << 100;
        QTest::newRow("send, silent") << true << true << 25;
    }
    void windowTurnsDuringEveryCommand()
    {
        QFETCH(bool, send);
        QFETCH(bool, silent);
        QFETCH(int, scalePercent);
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        app.read();
        Timing::setScalePercent(scalePercent);
        if (silent)
            app.emulator->setFault(emu::Fault::Silence);
        QStringList attemptLines;
        QStringList stepLines;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const QString line = app.form->ui.EdtStatus->text();
            QStringList& lines = line.startsWith(QStringLiteral("Passo")) ? stepLines : attemptLines;
            if ((line.startsWith(QStringLiteral("Tentativa")) || &lines == &stepLines) && !lines.contains(line))
                lines << line;
        });
        watch.start(10);
        const qint64 gap = test::measureStall([&] { send ? app.send() : app.read(); }).largestGapMs;
        QVERIFY2(gap < 100, qPrintable(QStringLiteral("%1 ms").arg(gap)));
        QCOMPARE(app.boxTexts(), silent ? QStringList { CommunicationError } : QStringList {});
        // The head/rail read and send make eight attempts, counted from the first retry on.
        if (silent)
            QCOMPARE(attemptLines.last(), QStringLiteral("Tentativa 8 de 8…"));
        else
            QVERIFY(attemptLines.isEmpty());
        // A send at real timing passes a second: its last steps are counted, then its result shows.
        if (send && !silent) {
            QCOMPARE(stepLines.last(), QStringLiteral("Passo 3 de 3…"));
            QCOMPARE(app.form->ui.EdtStatus->text(), QStringLiteral("Envio OK"));
        }
    }

    void escapeStopsTheCommand_data()
    {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("Esc") << false;
        QTest::newRow("a click on Cancelar") << true;
    }
    void escapeStopsTheCommand()
    {
        QFETCH(bool, mouse);
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        Timing::setScalePercent(25);
        app.emulator->setFault(emu::Fault::Silence);
        bool cancelShown = false;
        int framesAtStop = -1;
        QTimer::singleShot(150, [&] {
            cancelShown = app.form->ui.CancelCommand->isVisible();
            framesAtStop = app.emulator->framesReceived();
            // Through the window system, as a real click comes: the window's own handle first.
            QWidget* cancel = app.form->ui.CancelCommand;
            if (mouse)
                QTest::mouseClick(app.form->windowHandle(), Qt::LeftButton, {},
                    cancel->mapTo(app.form.get(), cancel->rect().center()));
            else
                QTest::keyClick(app.form.get(), Qt::Key_Escape);
        });
        const int withheld = app.form->session().withheldFrames();
        QElapsedTimer clock;
        clock.start();
        app.read();
        QVERIFY(cancelShown);
        QVERIFY2(clock.elapsed() < 800, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(app.form->session().withheldFrames() > withheld);
        QVERIFY(framesAtStop > 0 && app.emulator->framesReceived() <= framesAtStop + 1);  // the frame in flight at most
        QCOMPARE(app.boxTexts(), QStringList());
        QVERIFY(!app.form->ui.CancelCommand->isVisible());

        // The next command the user starts runs in full.
        app.emulator->setFault(emu::Fault::None);
        QTest::mouseClick(app.form->ui.Ler_Config, Qt::LeftButton);
        QCOMPARE(app.boxTexts(), QStringList());
        QCOMPARE(app.form->ui.EdtStatus->text(), QStringLiteral("Leitura OK"));

        // Sair, the one menu item a running command leaves, stops it too and closes the window.
        app.emulator->setFault(emu::Fault::Silence);
        bool onlyQuit = false;
        QTimer::singleShot(150, [&] {
            onlyQuit = app.form->ui.quitItem->isEnabled() && !app.form->ui.openConfigurationItem->isEnabled()
                && !app.form->ui.optionsMenu->menuAction()->isEnabled();
            app.form->ui.quitItem->trigger();
        });
        clock.restart();
        app.read();
        QVERIFY(onlyQuit);
        QVERIFY2(clock.elapsed() < 800, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(app.boxTexts(), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(!app.form->isVisible(), 500);
    }
};

QTEST_MAIN(ResponsiveTest)
#include "tst_responsive.moc"
