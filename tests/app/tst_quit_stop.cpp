#include "support_appfixture.h"

#include "app/shared/QuitOnSignal.h"
#include "app/startup/SplashForm.h"
#include "common/StopRequest.h"
#include "common/Timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>

#include <atomic>
#include <csignal>
#include <unistd.h>

using namespace korv;

namespace {

// Every real box that opens, closed again at once so that it cannot hold the test.
struct BoxWatch final : QObject {
    BoxWatch() { qApp->installEventFilter(this); }
    ~BoxWatch() override { qApp->removeEventFilter(this); }
    QStringList texts;

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

// A quit while a command holds the window (SIGTERM, or a close during one of the command's boxes)
// stops the command at the next frame boundary: no new frame, no box, and the window closes.
class QuitStopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { StopRequest::clear(); }

    void commandStopsAtTheNextFrame_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<char>("letter");  // the frames counted towards the signal: this command letter, 0 any
        QTest::addColumn<int>("nth");  // the signal follows this one; 0: none, the window closes in a box
        QTest::addColumn<int>("delayMs");  // after it, in real time; > 0: silent transmitter, signal in a pause
        QTest::newRow("start-up, at the serial number") << "start-up" << '\0' << 2 << 0;
        QTest::newRow("start-up, in the read") << "start-up" << '\0' << 7 << 0;
        QTest::newRow("read") << "read" << '\0' << 5 << 0;
        QTest::newRow("read, silent transmitter, in a pause") << "read" << '\0' << 1 << 600;
        QTest::newRow("send, after a write frame") << "send" << 'Q' << 1 << 0;
        QTest::newRow("start-up, closed during its box") << "start-up" << '\0' << 0 << 0;
    }
    void commandStopsAtTheNextFrame()
    {
        QFETCH(QString, command);
        QFETCH(char, letter);
        QFETCH(int, nth);
        QFETCH(int, delayMs);

        // Declared before the fixture: the emulator's thread uses them until it stops.
        std::atomic<int> counted { 0 };
        QElapsedTimer clock;
        clock.start();
        std::atomic<qint64> quitAt { -1 };
        int sentAfterQuit = 0;
        AppFixture app;
        QuitOnSignal quitOnSignal;
        BoxWatch realBoxes;
        if (nth > 0)  // the program's own boxes, which a quit must keep shut
            app.adjustEnvironment = [](MainWindowEnvironment& environment) { environment.boxes = nullptr; };
        // A firmware the program does not know opens a box amid the start-up.
        QVERIFY(app.start(nth > 0 ? seedFor(4, 130) : seedFor(0, 140)));
        Timing::setScalePercent(delayMs > 0 ? 100 : 5);
        if (command == QLatin1String("send"))
            app.read();

        if (delayMs > 0)
            app.emulator->setFault(emu::Fault::Silence);
        // The link's own record of each frame, told just before the frame leaves: the emulator
        // cannot tell a frame sent just before the signal from one just after.
        app.form->session().setLinkListener([&](const LinkEvent& event) {
            if (event.kind == LinkEvent::Kind::Sent && (StopRequest::requested() || app.form->session().isShutDown()))
                ++sentAfterQuit;
        });
        app.emulator->setTrace([&](const QByteArray& received, const QByteArray&) {
            if (nth == 0 || (letter != '\0' && !received.startsWith(letter)) || ++counted != nth)
                return;
            QThread::msleep(static_cast<unsigned long>(delayMs));
            quitAt = clock.elapsed();
            ::kill(::getpid(), SIGTERM);
        });
        app.boxes.onShown = [&](const RecordingMessageBoxes::Shown&) {
            if (quitAt < 0) {
                quitAt = clock.elapsed();
                app.form->close();
            }
        };

        QTemporaryFile standardError;
        QVERIFY(standardError.open());
        const int savedError = ::dup(STDERR_FILENO);
        ::dup2(standardError.handle(), STDERR_FILENO);
        if (command == QLatin1String("start-up")) {
            TSplashForm splash(*app.form);
            splash.onSplashTimer();
        } else {
            command == QLatin1String("read") ? app.read() : app.send();
        }
        const qint64 takenMs = clock.elapsed() - quitAt;
        ::dup2(savedError, STDERR_FILENO);
        ::close(savedError);
        standardError.seek(0);

        QVERIFY2(quitAt >= 0, "the command ended before the quit");
        QVERIFY2(takenMs < 500, qPrintable(QString::number(takenMs)));
        QCOMPARE(sentAfterQuit, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!app.form->isVisible(), 500);
        QVERIFY(app.form->session().isShutDown());
        QCOMPARE(realBoxes.texts, QStringList());
        QCOMPARE(app.boxTexts(),
            nth > 0 ? QStringList() : QStringList { QStringLiteral("Versão de Firmware incompatível!") });
        // The send had written when it stopped: its notice outlives the window.
        QCOMPARE(standardError.readAll().contains("o envio parou no meio"), command == QLatin1String("send"));
    }
};

QTEST_MAIN(QuitStopTest)
#include "tst_quit_stop.moc"
