#include "support_appfixture.h"

#include "app/QuitOnSignal.h"
#include "app/SplashForm.h"
#include "common/StopRequest.h"
#include "common/Timing.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryFile>
#include <QTest>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>
#include <unistd.h>

using namespace korv;
using Clock = std::chrono::steady_clock;

namespace {

// Every real box that opens, closed again at once so that it cannot hold the test.
class BoxWatch final : public QObject {
public:
    BoxWatch() { qApp->installEventFilter(this); }
    ~BoxWatch() override { qApp->removeEventFilter(this); }
    QStringList texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show) {
            texts << box->text();
            QMetaObject::invokeMethod(box, &QMessageBox::reject, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

// A quit while a command holds the window: SIGTERM (or a close that arrives during one of the
// command's boxes) stops the command at the next frame boundary. The frame in flight finishes, no
// new one is sent, no box holds the quit, and the window closes at the next turn of the event loop.
class QuitStopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { StopRequest::clear(); }

    void commandStopsAtTheNextFrame_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("firmware");  // of an Orv-Hu, or of an Orv-Head when it is not 130
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("fault");
        QTest::addColumn<char>("letter");  // the frame that triggers the quit: its command letter, 0 for any
        QTest::addColumn<int>("nth");  // ... and which of those
        QTest::addColumn<int>("delayMs");  // after that frame has arrived
        QTest::addColumn<int>("percent");  // the program's waits, scaled
        const QString signal = QStringLiteral("signal");
        const int none = int(emu::Fault::None);
        QTest::newRow("start-up, at the serial number") << "start-up" << 130 << signal << none << '\0' << 2 << 0 << 5;
        QTest::newRow("start-up, in the read") << "start-up" << 130 << signal << none << '\0' << 7 << 0 << 5;
        QTest::newRow("read") << "read" << 130 << signal << none << '\0' << 5 << 0 << 5;
        // Real timing: the signal lands in the one-second pause between two contact attempts.
        QTest::newRow("read, silent transmitter, in a pause")
            << "read" << 130 << signal << int(emu::Fault::Silence) << '\0' << 1 << 600 << 100;
        QTest::newRow("send, after a write frame") << "send" << 130 << signal << none << 'Q' << 1 << 0 << 5;
        // A firmware the program does not know opens a box in the middle of the start-up, which
        // then goes on to read; the window closes while the box is up.
        QTest::newRow("start-up, closed during its box")
            << "start-up" << 140 << "close in a box" << none << '\0' << 0 << 0 << 5;
    }
    void commandStopsAtTheNextFrame()
    {
        QFETCH(QString, command);
        QFETCH(int, firmware);
        QFETCH(QString, how);
        QFETCH(int, fault);
        QFETCH(char, letter);
        QFETCH(int, nth);
        QFETCH(int, delayMs);
        QFETCH(int, percent);
        const bool bySignal = how == QLatin1String("signal");

        // Declared before the fixture: the emulator's thread uses them until it stops.
        std::atomic<int> triggers { 0 };
        std::atomic<Clock::rep> quitAt { 0 };
        std::atomic<bool> armed { false };
        int sentAfterQuit = 0;
        AppFixture app;
        QuitOnSignal quitOnSignal;
        BoxWatch realBoxes;
        if (bySignal)
            app.adjustEnvironment = [](Form1Environment& environment) { environment.boxes = nullptr; };
        QVERIFY(app.start(firmware == 130 ? seedFor(4, 130) : seedFor(0, firmware)));
        Timing::setScalePercent(percent);
        if (command == QLatin1String("send"))
            app.read();
        QVERIFY2(realBoxes.texts.isEmpty() && app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));

        app.emulator->setFault(static_cast<emu::Fault>(fault));
        // The link's own record of every frame it puts on the line, told just before the frame
        // leaves: the emulator cannot tell a frame sent just before the signal from one just after.
        app.form->session().setLinkListener([&](const LinkEvent& event) {
            if (event.kind == LinkEvent::Kind::Sent && (StopRequest::requested() || app.form->session().isShutDown()))
                ++sentAfterQuit;
        });
        app.emulator->setTrace([&](const QByteArray& received, const QByteArray&) {
            if (!bySignal || !armed || (letter != '\0' && !received.startsWith(letter)) || ++triggers != nth)
                return;
            if (delayMs > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            quitAt = Clock::now().time_since_epoch().count();
            ::kill(::getpid(), SIGTERM);
        });
        if (!bySignal) {
            app.boxes.onShown = [&](const RecordingMessageBoxes::Shown&) {
                if (quitAt != 0)
                    return;
                quitAt = Clock::now().time_since_epoch().count();
                app.form->close();
            };
        }
        armed = true;

        QTemporaryFile standardError;
        QVERIFY(standardError.open());
        std::fflush(stderr);
        const int savedError = ::dup(STDERR_FILENO);
        ::dup2(standardError.handle(), STDERR_FILENO);
        if (command == QLatin1String("start-up")) {
            TSplashForm splash(*app.form);
            splash.TimerSplashTimer();
        } else if (command == QLatin1String("read")) {
            app.read();
        } else {
            app.send();
        }
        const auto returned = Clock::now();
        std::fflush(stderr);
        ::dup2(savedError, STDERR_FILENO);
        ::close(savedError);
        standardError.seek(0);
        const QString errors = QString::fromUtf8(standardError.readAll());

        QVERIFY2(quitAt != 0, "the command ended before the quit");
        const auto taken = returned - Clock::time_point(Clock::duration(quitAt.load()));
        QVERIFY2(taken < std::chrono::milliseconds(500),
            qPrintable(
                QStringLiteral("%1 ms").arg(std::chrono::duration_cast<std::chrono::milliseconds>(taken).count())));
        QCOMPARE(sentAfterQuit, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!app.form->isVisible(), 500);
        QVERIFY(app.form->session().isShutDown());
        QCOMPARE(realBoxes.texts, QStringList());
        QCOMPARE(app.boxes.shown.size(), bySignal ? 0 : 1);
        if (!bySignal)
            QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Versão de Firmware incompatível!") });
        // The send had written when it stopped: its notice outlives the window.
        QCOMPARE(errors.contains(QStringLiteral("o envio parou no meio")), command == QLatin1String("send"));
    }
};

QTEST_MAIN(QuitStopTest)
#include "tst_quit_stop.moc"
