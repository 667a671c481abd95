#include "app/startup/SplashForm.h"
#include "common/Messages.h"
#include "common/Timing.h"
#include "core/link/SerialLink.h"
#include "core/protocol/Identification.h"
#include "core/protocol/RegisterAccess.h"
#include "core/protocol/RegisterProtocol.h"
#include "core/protocol/TransmitterSession.h"
#include "emulator/TransmitterEmulator.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

using namespace korv;

namespace {

const QString NoSuchPort = QStringLiteral("/dev/korv-no-such-port");

// A pseudo-terminal whose slave side stands in for the saved port: it opens like a serial port,
// and nothing on it ever answers.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0)
            slavePath_ = QString::fromLocal8Bit(::ptsname(master_));
    }
    ~PseudoTerminal()
    {
        if (master_ >= 0)
            ::close(master_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    QString slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    QString slavePath_;
};

class FakeForm;

// The serial number as the fake form scripts it (register 2), or over the line.
class SerialNumberRegisters final : public RegisterAccess {
public:
    explicit SerialNumberRegisters(FakeForm& form)
        : form_(form)
    {
    }
    Status ReadParameter(qint16 address, qint16& value) override;
    Status ReadMemory(qint16, qint16&) override { return Status::NoAnswer; }
    Status WriteParameter(qint16, qint16) override { return Status::NoAnswer; }

private:
    FakeForm& form_;
};

// The page of the identified family as the search sees it: named steps that the form scripts.
class FakePage final : public TransmitterPage {
public:
    explicit FakePage(FakeForm& form)
        : form_(form)
    {
    }
    void showInitialState() override { }
    void readConfiguration() override { }
    TransferSteps startupReadSteps() override;
    void sendConfiguration() override { }
    void unitChanged() override { }
    std::optional<config::ConfigurationValues> configurationToSave(Model, QChar) override { return std::nullopt; }
    void showConfiguration(const FamilySettings&) override { }

private:
    FakeForm& form_;
};

// The main window as the search sees it: each operation hands out its scripted statuses in turn
// (success once its list is used up) and notes its call with the bar position at that moment.
class FakeForm final : public StartupSearchHost {
public:
    explicit FakeForm(const QString& portName)
        : session_(portName)
        , lineProtocol_([this] { return &session_.link(); })
    {
        session_.useRegisters(serialNumber_);
    }

    QHash<QString, QList<Status>> script;
    bool serialNumberOverTheLine = false;  // a real register-2 exchange on the link, not the script
    QString identificationBox;  // shown by the identification, as an incompatible firmware is
    QStringList trace;
    QStringList warnings;
    QString statusLines;
    QList<int> statusTimerStarts;
    bool splashVisibleAtWarning = false;
    bool linkOpenAtWarning = false;
    Model model = Model::OrvHead;
    TSplashForm* splash = nullptr;

    TransmitterSession& session() override { return session_; }
    const MessageTable& messages() const override { return messages_; }
    ContactOutcome contactTransmitter(const ContactPolicy& policy) override { return session_.contact(policy); }
    Status IdentifyTransmitter() override
    {
        const Status status = step(QStringLiteral("IdentifyTransmitter"));
        if (status == Status::Ok) {
            session_.identification().TransmitterModel = model;
            if (!identificationBox.isEmpty())
                ShowWarning(identificationBox);
        }
        return status;
    }
    TransmitterPage& pageFor(Model identified) override
    {
        pageModel = identified;
        return page_;
    }
    void setStatusLines(const QString& text) override
    {
        note(QStringLiteral("setStatusLines"));
        statusLines = text;
    }
    void clearInfoMemos() override { note(QStringLiteral("clearInfoMemos")); }
    void appendEmptyLineToInfoMemos() override { note(QStringLiteral("appendEmptyLineToInfoMemos")); }
    void ShowWarning(const QString& text) override
    {
        if (beforeWarning)
            beforeWarning();
        note(QStringLiteral("ShowWarning"));
        warnings << text;
        splashVisibleAtWarning = splash->isVisible();
        linkOpenAtWarning = session_.link().isOpen();
    }
    void StartStatusTimer(int seconds) override
    {
        note(QStringLiteral("StartStatusTimer"));
        statusTimerStarts << seconds;
    }
    void setBeforeWarning(std::function<void()> hook) override { beforeWarning = std::move(hook); }
    std::function<void()> beforeWarning;
    Model pageModel = Model::Unknown;

    // Not part of the search.
    bool fahrenheit() const override { return false; }
    bool sendEnabled() const override { return true; }
    void repaintNow() override { }
    void setBusyCursor(bool) override { }

    void note(const QString& name)
    {
        trace << QStringLiteral("%1@%2").arg(name).arg(splash->ui.CommunicationBar->value());
    }
    Status step(const QString& name)
    {
        note(name);
        QList<Status>& statuses = script[name];
        return statuses.isEmpty() ? Status::Ok : statuses.takeFirst();
    }
    Status serialNumberOnTheLine(qint16 address, qint16& value) { return lineProtocol_.ReadParameter(address, value); }

private:
    TransmitterSession session_;
    RegisterProtocol lineProtocol_;
    SerialNumberRegisters serialNumber_ { *this };
    FakePage page_ { *this };
    MessageTable messages_;
};

Status SerialNumberRegisters::ReadParameter(qint16 address, qint16& value)
{
    if (address == 2)
        form_.note(QStringLiteral("ReadSerialNumber"));
    if (form_.serialNumberOverTheLine)
        return form_.serialNumberOnTheLine(address, value);
    if (address == 2) {
        QList<Status>& statuses = form_.script[QStringLiteral("ReadSerialNumber")];
        return statuses.isEmpty() ? Status::Ok : statuses.takeFirst();
    }
    return Status::Ok;
}

TransferSteps FakePage::startupReadSteps()
{
    QStringList names { QStringLiteral("ReadConfigWord"), QStringLiteral("ReadRange"), QStringLiteral("ReadZero") };
    if (isHumidity(form_.pageModel))
        names << QStringLiteral("ReadHumidityLive");
    if (isAmbient(form_.pageModel))
        names << QStringLiteral("ReadAmbientLive");
    TransferSteps steps;
    for (const QString& name : names)
        steps.push_back([this, name] { return form_.step(name); });
    return steps;
}

// A fake form and its splash, with the completion signal watched.
struct Search {
    explicit Search(const QString& portName, Model model = Model::OrvHead)
        : form(portName)
    {
        form.model = model;
        splash = std::make_unique<TSplashForm>(form);
        form.splash = splash.get();
        finished = std::make_unique<QSignalSpy>(splash.get(), &TSplashForm::searchFinished);
    }

    int calls(const QString& operation) const
    {
        return static_cast<int>(std::count_if(form.trace.cbegin(), form.trace.cend(),
            [&](const QString& call) { return call.startsWith(operation + QLatin1Char('@')); }));
    }

    FakeForm form;
    std::unique_ptr<TSplashForm> splash;
    std::unique_ptr<QSignalSpy> finished;
};

const QList<Status> FailsThrice { Status::NoAnswer, Status::Refused, Status::NotSent };
const QList<Status> FailsTwice { Status::NoAnswer, Status::Refused };

}  // namespace

class SplashTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Timing::setScalePercent(1);
        pty_ = std::make_unique<PseudoTerminal>();
        QVERIFY(!pty_->slavePath().isEmpty());
    }
    void cleanup()
    {
        pty_.reset();
        Timing::setScalePercent(100);
    }

    void windowAtStart()
    {
        Search search(pty_->slavePath());
        const TSplashForm& splash = *search.splash;
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.windowTitle(), QStringLiteral("KOrvSetup"));
        QCOMPARE(splash.size(), QSize(301, 329));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(splash.ui.CommunicationBar->minimum(), 0);
        QCOMPARE(splash.ui.CommunicationBar->maximum(), 7);
        QCOMPARE(splash.ui.CommunicationBar->value(), 0);
        QVERIFY(splash.ui.CommunicationLabel->text().isEmpty());

        const auto* timer = splash.findChild<QTimer*>(QStringLiteral("TimerSplash"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(timer->isActive());
        QVERIFY(search.form.trace.isEmpty());
    }

    void timerRunsTheSearchOnce()
    {
        Search search(pty_->slavePath());
        search.splash->TimerSplash->setInterval(1);
        QTRY_COMPARE(search.finished->size(), 1);
        QTest::qWait(30);
        QCOMPARE(search.calls(QStringLiteral("ReadSerialNumber")), 1);
        QCOMPARE(search.finished->size(), 1);
        QVERIFY(!search.splash->TimerSplash->isActive());
    }

    void transmitterFound_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<QStringList>("expectedTrace");
        QTest::addColumn<int>("finalBar");
        const QStringList configuration { QStringLiteral("ReadSerialNumber@0"), QStringLiteral("IdentifyTransmitter@1"),
            QStringLiteral("ReadConfigWord@2"), QStringLiteral("ReadRange@3"), QStringLiteral("ReadZero@4") };
        const auto ending = [](int bar) {
            return QStringList { QStringLiteral("setStatusLines@%1").arg(bar),
                QStringLiteral("StartStatusTimer@%1").arg(bar) };
        };
        QTest::newRow("head transmitter") << Model::OrvHead << configuration + ending(5) << 5;
        QTest::newRow("isolated rail transmitter") << Model::OrvGalDin << configuration + ending(5) << 5;
        QTest::newRow("unknown model code") << Model::Unknown << configuration + ending(5) << 5;
        QTest::newRow("humidity transmitter")
            << Model::OrvHu << configuration + QStringList { QStringLiteral("ReadHumidityLive@5") } + ending(7) << 7;
        QTest::newRow("humidity-only variant")
            << Model::OrvH << configuration + QStringList { QStringLiteral("ReadHumidityLive@5") } + ending(7) << 7;
        QTest::newRow("ambient transmitter")
            << Model::OrvAmbient << configuration + QStringList { QStringLiteral("ReadAmbientLive@5") } + ending(7)
            << 7;
    }
    void transmitterFound()
    {
        QFETCH(Model, model);
        QFETCH(QStringList, expectedTrace);
        QFETCH(int, finalBar);
        Search search(pty_->slavePath(), model);
        search.splash->onSplashTimer();

        QCOMPARE(search.form.trace, expectedTrace);
        QCOMPARE(search.splash->ui.CommunicationBar->value(), finalBar);
        QCOMPARE(search.splash->ui.CommunicationLabel->text(), QStringLiteral("Procurando Transmissor..."));
        QCOMPARE(search.form.statusLines, QStringLiteral("Leitura OK"));
        QCOMPARE(search.form.statusTimerStarts, QList<int> { 2 });
        QVERIFY(search.form.warnings.isEmpty());
        QCOMPARE(search.form.pageModel, model);
        QVERIFY(search.form.session().link().isOpen());
        QVERIFY(!search.splash->isVisible());
        QVERIFY(!search.splash->TimerSplash->isActive());
        QCOMPARE(search.finished->size(), 1);
    }

    void stepGivesUp_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<QString>("failingStep");
        QTest::addColumn<QStringList>("expectedTrace");
        QTest::addColumn<bool>("linkStaysOpen");
        const QStringList head { QStringLiteral("ReadSerialNumber@0"), QStringLiteral("IdentifyTransmitter@1"),
            QStringLiteral("ReadConfigWord@2"), QStringLiteral("ReadRange@3"), QStringLiteral("ReadZero@4") };
        const auto thrice = [](const QString& call) { return QStringList { call, call, call }; };
        const QString warning = QStringLiteral("ShowWarning@7");

        QTest::newRow("no transmitter") << Model::OrvHead << QStringLiteral("ReadSerialNumber")
                                        << thrice(head[0]) + QStringList { warning, QStringLiteral("clearInfoMemos@7") }
                                        << false;
        QTest::newRow("identification") << Model::OrvHead << QStringLiteral("IdentifyTransmitter")
                                        << head.mid(0, 1) + thrice(head[1])
                + QStringList { warning, QStringLiteral("appendEmptyLineToInfoMemos@7") }
                                        << true;
        QTest::newRow("configuration word") << Model::OrvDin << QStringLiteral("ReadConfigWord")
                                            << head.mid(0, 2) + thrice(head[2]) + QStringList { warning } << true;
        QTest::newRow("range") << Model::OrvHead << QStringLiteral("ReadRange")
                               << head.mid(0, 3) + thrice(head[3]) + QStringList { warning } << true;
        QTest::newRow("zero correction") << Model::OrvGalHead << QStringLiteral("ReadZero")
                                         << head.mid(0, 4) + thrice(head[4]) + QStringList { warning } << true;
        QTest::newRow("live humidity") << Model::OrvH << QStringLiteral("ReadHumidityLive")
                                       << head + thrice(QStringLiteral("ReadHumidityLive@5")) + QStringList { warning }
                                       << true;
        QTest::newRow("live ambient temperature")
            << Model::OrvAmbient << QStringLiteral("ReadAmbientLive")
            << head + thrice(QStringLiteral("ReadAmbientLive@5")) + QStringList { warning } << true;
    }
    void stepGivesUp()
    {
        QFETCH(Model, model);
        QFETCH(QString, failingStep);
        QFETCH(QStringList, expectedTrace);
        QFETCH(bool, linkStaysOpen);
        Search search(pty_->slavePath(), model);
        search.form.script[failingStep] = FailsThrice;
        search.splash->onSplashTimer();

        QCOMPARE(search.form.trace, expectedTrace);
        QCOMPARE(search.form.warnings, QStringList { QStringLiteral("Erro de comunicação!") });
        // The warning box must not open underneath a splash that stays above every window.
        QVERIFY(!search.form.splashVisibleAtWarning);
        QCOMPARE(search.form.linkOpenAtWarning, linkStaysOpen);
        QCOMPARE(search.form.session().link().isOpen(), linkStaysOpen);
        QCOMPARE(search.splash->ui.CommunicationBar->value(), 7);
        QVERIFY(search.splash->ui.CommunicationLabel->text().isEmpty());
        QVERIFY(search.form.statusLines.isEmpty());
        QVERIFY(search.form.statusTimerStarts.isEmpty());
        QVERIFY(!search.splash->isVisible());
        QCOMPARE(search.finished->size(), 1);
    }

    void stepRecoversOnThirdAttempt_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<QString>("failingStep");
        QTest::newRow("serial number") << Model::OrvHead << QStringLiteral("ReadSerialNumber");
        QTest::newRow("identification") << Model::OrvHead << QStringLiteral("IdentifyTransmitter");
        QTest::newRow("configuration word") << Model::OrvHu << QStringLiteral("ReadConfigWord");
        QTest::newRow("range") << Model::OrvAmbient << QStringLiteral("ReadRange");
        QTest::newRow("zero correction") << Model::OrvDin << QStringLiteral("ReadZero");
        QTest::newRow("live humidity") << Model::OrvHu << QStringLiteral("ReadHumidityLive");
        QTest::newRow("live ambient temperature") << Model::OrvAmbient << QStringLiteral("ReadAmbientLive");
    }
    void stepRecoversOnThirdAttempt()
    {
        QFETCH(Model, model);
        QFETCH(QString, failingStep);
        Search search(pty_->slavePath(), model);
        search.form.script[failingStep] = FailsTwice;
        search.splash->onSplashTimer();

        QCOMPARE(search.calls(failingStep), 3);
        QVERIFY(search.form.warnings.isEmpty());
        QCOMPARE(search.form.statusLines, QStringLiteral("Leitura OK"));
        QCOMPARE(search.form.statusTimerStarts, QList<int> { 2 });
        QVERIFY(!search.splash->isVisible());
        QCOMPARE(search.finished->size(), 1);
    }

    void unavailablePortClosesWithoutMessage()
    {
        Search search(NoSuchPort);
        search.splash->onSplashTimer();

        QVERIFY(search.form.trace.isEmpty());
        QVERIFY(search.form.warnings.isEmpty());
        QVERIFY(!search.splash->isVisible());
        QCOMPARE(search.finished->size(), 1);
    }

    // The adapter vanishes under the first serial-number frame and is not back for the other
    // attempts: that is a transmitter that does not answer, not a port that cannot be set up.
    void portLostUnderTheSerialNumberGivesUp()
    {
        QTemporaryDir dir;
        emu::TransmitterEmulator emulator;
        QVERIFY(emulator.setLinkPath(dir.filePath(QStringLiteral("ttyLost"))));
        QVERIFY(emulator.start());
        emulator.setFault(emu::Fault::CloseMidExchange, 1);
        Search search(emulator.devicePath());
        search.form.serialNumberOverTheLine = true;
        search.splash->onSplashTimer();

        QCOMPARE(emulator.framesReceived(), 1);
        QCOMPARE(search.form.trace,
            (QStringList { QStringLiteral("ReadSerialNumber@0"), QStringLiteral("ShowWarning@7"),
                QStringLiteral("clearInfoMemos@7") }));
        QCOMPARE(search.form.warnings, QStringList { QStringLiteral("Erro de comunicação!") });
        QVERIFY(!search.form.splashVisibleAtWarning);
        QVERIFY(!search.form.session().link().isOpen());
        QVERIFY(!search.form.session().link().deviceLost());  // closed by the search, as after no answer
        QVERIFY(search.splash->ui.CommunicationLabel->text().isEmpty());
        QVERIFY(!search.splash->isVisible());
        QCOMPARE(search.finished->size(), 1);
    }

    // A box that a step shows while the search goes on (an incompatible firmware) must not open
    // underneath the splash either; the search still completes.
    void boxDuringTheSearchHidesTheSplash()
    {
        Search search(pty_->slavePath());
        search.form.identificationBox = QStringLiteral("Versão de Firmware incompatível!");
        search.splash->onSplashTimer();

        QCOMPARE(search.form.warnings, QStringList { QStringLiteral("Versão de Firmware incompatível!") });
        QVERIFY(!search.form.splashVisibleAtWarning);
        QCOMPARE(search.form.statusLines, QStringLiteral("Leitura OK"));
        QCOMPARE(search.splash->ui.CommunicationBar->value(), 5);
        QVERIFY(!search.splash->isVisible());
        // Boxes after the search are none of the splash's business.
        QVERIFY(!search.form.beforeWarning);
    }

    void serialNumberAttemptsArePaced()
    {
        Timing::setScalePercent(100);
        Search search(pty_->slavePath());
        search.form.script[QStringLiteral("ReadSerialNumber")] = FailsThrice;
        QElapsedTimer clock;
        clock.start();
        search.splash->onSplashTimer();

        QCOMPARE(search.calls(QStringLiteral("ReadSerialNumber")), 3);
        // A pause of more than 100 ms between the attempts.
        QVERIFY2(clock.elapsed() > 200, qPrintable(QString::number(clock.elapsed())));
    }

private:
    std::unique_ptr<PseudoTerminal> pty_;
};

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"
