#include "support_appfixture.h"

#include "app/service/CalibrationBridge.h"
#include "app/startup/SplashForm.h"
#include "calibration/CalibForm.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTest>

#include <chrono>
#include <memory>
#include <thread>

using namespace korv;

namespace {

const QString CommunicationError = QStringLiteral("Erro de comunicação!");
const QString WriteError = QStringLiteral("Erro de escrita!");

enum Command { StartupSearch, Read, Send };

// Model code and firmware of each family the tables name.
emu::Seed seedForModel(Model model)
{
    if (model == Model::OrvHu)
        return seedFor(4, 130);
    if (model == Model::OrvAmbient)
        return seedFor(6, 130);
    return seedFor(0, 130);
}

}  // namespace

// What the user sees when a command fails part-way: the boxes, the information memos, the link,
// and what is on screen at the moment a box opens.
class FailuresEndToEndTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The adapter vanishes under the first frame to `address` and does not come back. Every
    // command must end on the path it takes for an unanswered frame.
    void portVanishesMidCommand_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<Model>("model");
        QTest::addColumn<int>("address");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("memosEmptied");
        QTest::addColumn<bool>("linkClosedByCommand");
        const QStringList comm { CommunicationError };
        const QStringList write { WriteError };

        QTest::newRow("search: serial number") << int(StartupSearch) << Model::OrvHead << 2 << comm << true << true;
        QTest::newRow("search: identification") << int(StartupSearch) << Model::OrvHead << 0 << comm << false << false;
        QTest::newRow("search: configuration word")
            << int(StartupSearch) << Model::OrvHead << 1 << comm << false << false;
        QTest::newRow("search: humidity range") << int(StartupSearch) << Model::OrvHu << 6 << comm << false << false;
        QTest::newRow("search: live ambient")
            << int(StartupSearch) << Model::OrvAmbient << 60 << comm << false << false;

        QTest::newRow("read: serial number") << int(Read) << Model::OrvHead << 2 << comm << true << true;
        QTest::newRow("read: identification") << int(Read) << Model::OrvAmbient << 0 << comm << false << false;
        QTest::newRow("read: head zero") << int(Read) << Model::OrvHead << 15 << comm << false << false;
        QTest::newRow("read: live humidity") << int(Read) << Model::OrvHu << 58 << comm << false << false;

        QTest::newRow("head send: serial number") << int(Send) << Model::OrvHead << 2 << comm << false << true;
        QTest::newRow("head send: identification") << int(Send) << Model::OrvHead << 0 << comm << false << false;
        QTest::newRow("head send: configuration word") << int(Send) << Model::OrvHead << 1 << comm << false << false;
        QTest::newRow("head send: range") << int(Send) << Model::OrvHead << 10 << comm << false << false;
        QTest::newRow("head send: zero") << int(Send) << Model::OrvHead << 15 << write << false << false;

        QTest::newRow("humidity send: serial number") << int(Send) << Model::OrvHu << 2 << write << false << true;
        QTest::newRow("humidity send: identification") << int(Send) << Model::OrvHu << 0 << write << false << false;
        QTest::newRow("humidity send: range") << int(Send) << Model::OrvHu << 6 << write << false << false;
        QTest::newRow("humidity send: zero") << int(Send) << Model::OrvHu << 14 << write << false << false;

        QTest::newRow("ambient send: serial number") << int(Send) << Model::OrvAmbient << 2 << write << false << true;
        QTest::newRow("ambient send: configuration word")
            << int(Send) << Model::OrvAmbient << 1 << write << false << false;
        QTest::newRow("ambient send: zero") << int(Send) << Model::OrvAmbient << 15 << write << false << false;
    }
    void portVanishesMidCommand()
    {
        QFETCH(int, command);
        QFETCH(Model, model);
        QFETCH(int, address);
        QFETCH(QStringList, boxes);
        QFETCH(bool, memosEmptied);
        QFETCH(bool, linkClosedByCommand);
        AppFixture app;
        QVERIFY(app.start(seedForModel(model)));
        if (command == Send) {
            app.read();
            QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        }
        app.boxes.clear();
        app.emulator->setFault(emu::Fault::CloseMidExchange, 1, address);

        std::unique_ptr<TSplashForm> splash;
        if (command == StartupSearch) {
            splash = std::make_unique<TSplashForm>(*app.form);
            splash->onSplashTimer();
            QVERIFY(!splash->isVisible());
        } else if (command == Read) {
            app.read();
        } else {
            app.send();
        }

        QCOMPARE(app.emulator->fault(), emu::Fault::None);  // the port did vanish
        QCOMPARE(app.boxTexts(), boxes);
        const auto& ui = app.form->ui;
        if (memosEmptied) {
            QVERIFY(ui.Config_Transmissor->toPlainText().isEmpty());
            QVERIFY(ui.Config_OrvHu->toPlainText().isEmpty());
            QVERIFY(ui.Config_TxT->toPlainText().isEmpty());
        } else if (command != Send) {
            QVERIFY(!ui.Config_Transmissor->toPlainText().isEmpty());
        }
        QVERIFY(ui.EdtStatus->text().isEmpty());
        QVERIFY(ui.EdtStatRHT->text().isEmpty());
        QVERIFY(ui.EdtStatT->text().isEmpty());
        QVERIFY(!app.form->session().link().isOpen());
        // Where the command closes the link itself, the next command treats a port that will not
        // open as unavailable; elsewhere the loss is still known and counts as a dead line.
        QCOMPARE(app.form->session().link().deviceLost(), !linkClosedByCommand);
        QVERIFY(!QApplication::overrideCursor());
    }

    // The adapter is plugged back in while the command is still trying: the command goes on
    // with the port it finds again.
    void portComesBackDuringTheRetries()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        emu::TransmitterEmulator replugged(seedFor(0, 130));
        QVERIFY(replugged.start());
        const QString linkPath = app.emulator->devicePath();
        app.emulator->setFault(emu::Fault::CloseMidExchange, 1, 2);
        std::thread plugger([&] {
            // Wait for the port to vanish, then put the adapter back under the same name.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (app.emulator->fault() != emu::Fault::None || QFileInfo(linkPath).isSymLink()) {
                if (std::chrono::steady_clock::now() > deadline)
                    return;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            QFile::link(replugged.terminalPath(), linkPath);
        });
        app.read();
        plugger.join();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(app.form->ui.EdtStatus->text(), QStringLiteral("Leitura OK"));
        QVERIFY(replugged.framesReceived() > 0);
        QVERIFY(app.form->session().link().isOpen());
        QFile::remove(linkPath);
    }

    // The service-mode key after the port vanished under the configuration read: the read reports
    // it, the window opens all the same, its backup reads fail silently and its refresh reports.
    void serviceModeAfterThePortVanished()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        CalibrationBridge bridge(*app.form, app.boxes);
        CalibForm calib(&bridge);
        connect(app.form.get(), &MainWindow::serviceModeRequested, &calib, [&calib] { calib.FormShow(); });
        app.emulator->setFault(emu::Fault::CloseMidExchange, 1, 1);
        app.form->activateWindow();
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : app.form.get(), Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(app.boxTexts(), (QStringList { CommunicationError, CommunicationError }));
        QVERIFY(!QFile::exists(app.dir.filePath(QStringLiteral("00123045.txt"))));
    }

    // Every command shows the busy cursor while it talks to the transmitter, a send as well as a
    // read, and every box it shows gets the ordinary cursor: the box waits for the user.
    void cursorAtAFailureBox_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<bool>("send");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("frames");
        QTest::newRow("read, no serial number") << Model::OrvHead << false << 2 << -1;
        QTest::newRow("read, no identification") << Model::OrvHead << false << 0 << 3;
        QTest::newRow("read, head range") << Model::OrvHead << false << 10 << 3;
        QTest::newRow("read, humidity zero") << Model::OrvHu << false << 14 << 3;
        QTest::newRow("send, no serial number") << Model::OrvHead << true << 2 << -1;
        QTest::newRow("send, humidity zero") << Model::OrvHu << true << 14 << 3;
    }
    void cursorAtAFailureBox()
    {
        QFETCH(Model, model);
        QFETCH(bool, send);
        QFETCH(int, address);
        QFETCH(int, frames);
        AppFixture app;
        QVERIFY(app.start(seedForModel(model)));
        const auto busyNow = [] {
            const QCursor* cursor = QApplication::overrideCursor();
            return cursor && cursor->shape() == Qt::WaitCursor;
        };
        QList<bool> busy;
        app.boxes.onShown = [&](const RecordingMessageBoxes::Shown&) { busy << busyNow(); };
        bool busyWhileTalking = false;
        app.form->session().setLinkListener([&](const LinkEvent& event) {
            if (event.kind == LinkEvent::Kind::Sent)
                busyWhileTalking = busyNow();
        });
        app.emulator->setFault(emu::Fault::Silence, frames, address);
        send ? app.send() : app.read();
        QCOMPARE(busy, QList<bool> { false });
        QVERIFY(busyWhileTalking);
        QVERIFY(!QApplication::overrideCursor());
    }

    // Every box of the start-up search opens with the stay-on-top splash out of its way, also the
    // incompatible-firmware box after which the search goes on.
    void splashIsHiddenBeforeEveryBox_data()
    {
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("silentAddress");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("incompatible firmware")
            << 140 << -1 << QStringList { QStringLiteral("Versão de Firmware incompatível!") };
        QTest::newRow("incompatible firmware, then no range")
            << 140 << 10 << QStringList { QStringLiteral("Versão de Firmware incompatível!"), CommunicationError };
        QTest::newRow("no range") << 130 << 10 << QStringList { CommunicationError };
    }
    void splashIsHiddenBeforeEveryBox()
    {
        QFETCH(int, firmware);
        QFETCH(int, silentAddress);
        QFETCH(QStringList, boxes);
        AppFixture app;
        QVERIFY(app.start(seedFor(0, firmware)));
        if (silentAddress >= 0)
            app.emulator->setFault(emu::Fault::Silence, -1, silentAddress);
        TSplashForm splash(*app.form);
        QVERIFY(splash.isVisible());
        QList<bool> visibleAtBox;
        app.boxes.onShown = [&](const RecordingMessageBoxes::Shown&) { visibleAtBox << splash.isVisible(); };
        splash.onSplashTimer();
        QCOMPARE(app.boxTexts(), boxes);
        QCOMPARE(visibleAtBox, QList<bool>(boxes.size(), false));
        QVERIFY(!splash.isVisible());
        if (silentAddress < 0)
            QCOMPARE(app.form->ui.EdtStatus->text(), QStringLiteral("Leitura OK"));

        // Boxes after the search leave the splash alone.
        splash.show();
        app.form->ShowWarning(CommunicationError);
        QVERIFY(splash.isVisible());
    }
};

QTEST_MAIN(FailuresEndToEndTest)
#include "tst_failures_e2e.moc"
