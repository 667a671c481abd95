#include "app/startup/SplashForm.h"
#include "common/StopRequest.h"
#include "common/Timing.h"
#include "support_appfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

using namespace korv;

namespace {

// Every core busy, as on a loaded bench PC: orderings that hold only on a quiet machine break here.
class CpuLoad {
public:
    CpuLoad()
    {
        for (unsigned i = 0; i < std::thread::hardware_concurrency(); ++i)
            threads_.emplace_back([this] {
                while (!stop_) { }
            });
    }
    ~CpuLoad()
    {
        stop_ = true;
        for (std::thread& thread : threads_)
            thread.join();
    }

private:
    std::atomic<bool> stop_ = false;
    std::vector<std::thread> threads_;
};

using Registers = QList<QPair<int, qint16>>;

// What the form shows of a transmitter: every edit and label of the form, and which buttons are checked.
QStringList formTexts(const MainWindow& form)
{
    QStringList texts;
    for (const QLineEdit* edit : form.ui.ClientArea->findChildren<QLineEdit*>()) {
        if (!edit->objectName().startsWith(QStringLiteral("EdtStat")))
            texts << edit->objectName() + u'=' + edit->text();
    }
    for (const QLabel* label : form.ui.ClientArea->findChildren<QLabel*>())
        texts << label->objectName() + u'=' + label->text();
    for (const QAbstractButton* button : form.ui.ClientArea->findChildren<QAbstractButton*>()) {
        if (button->isCheckable())
            texts << button->objectName() + (button->isChecked() ? QStringLiteral(" on") : QStringLiteral(" off"));
    }
    // The head/rail controls move with the tab shown: the order of the children says nothing.
    texts.sort();
    return texts;
}

// The program's own start-up: the splash first, then the main window's first show some time later.
// The window's start-up and the search keep the real timing, where their order was decided.
std::unique_ptr<QSignalSpy> startLikeTheProgram(
    AppFixture& app, std::unique_ptr<TSplashForm>& splash, int delayBeforeShowMs)
{
    app.createWithSettings(app.rig.settingsText());
    splash = std::make_unique<TSplashForm>(*app.form);
    auto searched = std::make_unique<QSignalSpy>(splash.get(), &TSplashForm::searchFinished);
    QTest::qWait(delayBeforeShowMs);
    Timing::setScalePercent(100);
    app.form->show();
    Timing::setScalePercent(5);
    return searched;
}

using Intruder = void (*)(AppFixture&);
const std::pair<const char*, Intruder> Intruders[] = {
    { "Ler", [](AppFixture& app) { app.form->ui.Ler_Config->click(); } },
    { "Enviar", [](AppFixture& app) { app.form->ui.Enviar_Config->click(); } },
    { "a port",
        [](AppFixture& app) {
            auto* port = new QAction(app.form.get());
            port->setData(app.dir.filePath(QStringLiteral("other")));
            app.form->onPortItem(port);
        } },
    { "a language", [](AppFixture& app) { app.form->ui.languageEnglishItem->activate(QAction::Trigger); } },
    { "°F", [](AppFixture& app) { app.form->onFahrenheit(); } },
    { "a file", [](AppFixture& app) { app.form->onOpenConfiguration(); } },
    { "the service key",
        [](AppFixture& app) {
            QTest::keyClick(app.form.get(), Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
        } },
    { "the connection check", [](AppFixture& app) { app.form->onCheckConnection(); } },
    { "a queued read",
        [](AppFixture& app) {
            MainWindow& form = *app.form;
            form.activity().whenNothingRuns(&form, [&form] { form.Ler_ConfigClick(); });
        } },
};

}  // namespace

// One thing at a time: the start-up search follows the window's start-up, nothing the event loop
// delivers during a command starts inside it, and what the user may still use (boxes, Cancelar)
// answers.
class OneThingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { StopRequest::clear(); }

    void startupThenSendWritesWhatAReadThenSendWrites_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<Registers>("held");  // what the unit holds besides its seed
        QTest::addColumn<int>("delay");
        const Registers headRail = { { 15, 26 } };
        const Registers humidity = { { 14, 300 }, { 15, -200 } };
        const Registers humidityOnly = { { 1, 0x1040 } };
        const Registers ambient = { { 8, -4706 }, { 9, 5882 }, { 1, 4096 } };
        for (int delay : { 0, 250 }) {
            QTest::addRow("OrvHead, shown %d ms after the splash", delay) << 0 << headRail << delay;
            QTest::addRow("Orv-Hu, shown %d ms after the splash", delay) << 4 << humidity << delay;
            QTest::addRow("Orv-H, shown %d ms after the splash", delay) << 5 << humidityOnly << delay;
            QTest::addRow("OrvAmbient, shown %d ms after the splash", delay) << 6 << ambient << delay;
        }
    }
    void startupThenSendWritesWhatAReadThenSendWrites()
    {
        QFETCH(int, code);
        QFETCH(Registers, held);
        QFETCH(int, delay);
        auto hold = [&held](emu::TransmitterEmulator& unit) {
            for (const auto& [address, value] : held)
                unit.setParameter(address, value);
        };

        // What a send straight after Ler writes, and what Ler shows.
        AppFixture reference;
        QVERIFY(reference.start(seedFor(code, 130, 1)));
        hold(*reference.emulator);
        reference.read();
        const QStringList shownAfterRead = formTexts(*reference.form);
        reference.emulator->clearLog();
        reference.send();
        QVERIFY2(reference.boxes.shown.isEmpty(), qPrintable(reference.boxTexts().join(u'|')));
        const QList<QByteArray> sentAfterRead = reference.emulator->receivedFrames();

        const CpuLoad load;
        AppFixture app;
        QVERIFY(app.rig.start(seedFor(code, 130, 1)));
        hold(*app.emulator);
        std::unique_ptr<TSplashForm> splash;
        const auto searched = startLikeTheProgram(app, splash, delay);
        QTRY_COMPARE_WITH_TIMEOUT(searched->count(), 1, 15000);
        QTRY_VERIFY(!app.form->busy());
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(formTexts(*app.form), shownAfterRead);
        app.emulator->clearLog();
        app.send();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(app.emulator->receivedFrames(), sentAfterRead);
    }

    // Message 2 of a start-up with nobody answering is a real box here: it closes by key and by
    // mouse, and the main window then takes input.
    void startupBoxAnswers_data()
    {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("Return") << false;
        QTest::newRow("mouse click on OK") << true;
    }
    void startupBoxAnswers()
    {
        QFETCH(bool, mouse);
        AppFixture app;
        app.adjustEnvironment = [](MainWindowEnvironment& environment) { environment.boxes = nullptr; };
        QVERIFY(app.rig.start(seedFor(0, 130)));
        app.emulator->setFault(emu::Fault::Silence);
        QString boxText;
        int tries = 0;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxText = box->text();
            // A box the user cannot close is closed here after a while, so that the test fails
            // rather than hangs.
            if (++tries > 25)
                box->done(QMessageBox::Cancel);
            else if (mouse)
                QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {},
                    box->button(QMessageBox::Ok)->mapTo(box, box->button(QMessageBox::Ok)->rect().center()));
            else
                QTest::keyClick(box, Qt::Key_Return);
        });
        answer.start(40);
        std::unique_ptr<TSplashForm> splash;
        const auto searched = startLikeTheProgram(app, splash, 0);
        QTRY_COMPARE_WITH_TIMEOUT(searched->count(), 1, 15000);
        QCOMPARE(boxText, QStringLiteral("Erro de comunicação!"));
        QCOMPARE(tries, 1);
        QVERIFY(app.form->isVisible() && !app.form->busy());
    }

    // Whatever reaches the window while a read waits for the transmitter starts nothing: the read's
    // frames are a read's frames, and the window is as it was.
    void nothingStartsInsideARead_data()
    {
        QTest::addColumn<int>("intruder");
        QTest::addColumn<bool>("inPause");
        for (const bool inPause : { false, true }) {
            for (std::size_t i = 0; i < std::size(Intruders); ++i)
                QTest::addRow("%s, inside %s", Intruders[i].first, inPause ? "a pause" : "an exchange")
                    << static_cast<int>(i) << inPause;
        }
    }
    void nothingStartsInsideARead()
    {
        QFETCH(int, intruder);
        QFETCH(bool, inPause);
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        app.emulator->setAnswerDelayMs(5);
        app.emulator->clearLog();
        app.read();
        const QList<QByteArray> aRead = app.emulator->receivedFrames();
        // A first frame left unanswered makes the read pause before its second attempt.
        const auto silenceFirstFrame = [&] {
            if (inPause)
                app.emulator->setFault(emu::Fault::Silence, 1);
            app.emulator->clearLog();
        };
        silenceFirstFrame();
        app.read();
        const QList<QByteArray> expected = app.emulator->receivedFrames();
        QCOMPARE(expected.size() > aRead.size(), inPause);
        MainWindow& form = *app.form;
        const QString port = form.session().link().PortNumber;
        QSignalSpy service(&form, &MainWindow::serviceModeRequested);
        bool insideTheRead = false;
        QTimer intrude;
        intrude.setInterval(inPause ? 1 : 0);
        QObject::connect(&intrude, &QTimer::timeout, [&] {
            if (inPause && !form.pausing())
                return;
            intrude.stop();
            insideTheRead = form.activity().current() == Activity::Kind::Command;
            Intruders[intruder].second(app);
        });
        intrude.start();
        silenceFirstFrame();
        app.read();
        QVERIFY(insideTheRead);
        QCOMPARE(app.emulator->receivedFrames(), expected);
        QCOMPARE(app.boxTexts(), QStringList());
        QCOMPARE(form.session().link().PortNumber, port);
        QCOMPARE(form.settings().PortSetting, port);
        QVERIFY(form.celsiusChecked() && form.ui.celsiusItem->isChecked());
        QVERIFY(form.settings().LanguageSetting.isEmpty() && form.ui.languagePortugueseItem->isChecked());
        QCOMPARE(service.count(), 0);
        QVERIFY(!form.connectionCheckWindow());
        // A read asked for meanwhile waits for its turn rather than being lost.
        if (QByteArray(Intruders[intruder].first) == "a queued read")
            QTRY_COMPARE(app.emulator->receivedFrames().size(), expected.size() + aRead.size());
    }

    // A port chosen during another port change's pause is refused: the menu, the settings and the
    // open port all name the first, and a read identifies its transmitter.
    void portChosenDuringAPortChange()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        emu::TransmitterEmulator second(emu::Seed { .modelCode = 6, .firmware = 130, .serialHigh = 7, .serialLow = 8 });
        QVERIFY(second.setLinkPath(app.dir.filePath(QStringLiteral("ttySecond"))));
        QVERIFY(second.start());
        auto addItem = [&app](const QString& port) {
            QAction* item = app.form->ui.portMenu->addAction(port);
            item->setCheckable(true);
            item->setData(port);
            return item;
        };
        QAction* first = addItem(app.emulator->devicePath());
        QAction* chosen = addItem(second.devicePath());
        QAction* late = addItem(app.dir.filePath(QStringLiteral("late")));
        first->setChecked(true);
        app.form->onPortItem(chosen);
        app.form->onPortItem(late);
        QVERIFY(app.waitUntilIdle());
        QVERIFY(chosen->isChecked() && !late->isChecked() && !first->isChecked());
        QCOMPARE(app.form->settings().PortSetting, second.devicePath());
        QCOMPARE(app.form->session().link().PortNumber, second.devicePath());
        QCOMPARE(app.boxTexts(), QStringList());
        app.read();
        QCOMPARE(app.form->identification().ModelString(), QStringLiteral("OrvAmbient"));
    }
};

QTEST_MAIN(OneThingTest)
#include "tst_one_thing.moc"
