#include "app/startup/SplashForm.h"

#include "common/Messages.h"
#include "common/Timing.h"
#include "core/link/SerialLink.h"

#include <QLabel>
#include <QProgressBar>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QTimer>

namespace korv {

namespace {

// Gives the main window time to show itself and open the port before the search begins.
constexpr int SearchDelayMs = 1000;
constexpr int ProgressPauseMs = 10;
constexpr int StatusLineSeconds = 2;
constexpr std::size_t LiveReadingStep = 3;

}  // namespace

TSplashForm::TSplashForm(StartupSearchHost& host, QWidget* parent)
    : QWidget(parent)
    , host_(host)
{
    // Makes this a frameless, stay-on-top window of fixed size with the program's caption.
    ui.setupUi(this);
    centreOnScreen();

    TimerSplash = new QTimer(this);
    TimerSplash->setObjectName(QStringLiteral("TimerSplash"));
    TimerSplash->setInterval(SearchDelayMs);
    // The tick may come while the main window's start-up still waits out its port's pause: the
    // search then follows the start-up, which would otherwise reset what the search read.
    connect(TimerSplash, &QTimer::timeout, this, [this] {
        TimerSplash->stop();
        host_.runStartupSearch([this] { onSplashTimer(); });
    });
    TimerSplash->start();
    host_.awaitStartupSearch();

    // The splash stays above every window, boxes included, and sits right where a box appears:
    // left visible it would hide any box shown while it is up (the port's error at start-up, an
    // incompatible firmware, a failure of the search) and the program would seem to hang. Once
    // hidden it stays hidden; the search ends soon after.
    host_.setBeforeWarning([this] { hide(); });
    show();
    repaint();
}

void TSplashForm::centreOnScreen()
{
    if (const QScreen* screen = this->screen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

TSplashForm::~TSplashForm()
{
    host_.setBeforeWarning({});
    host_.startupSearchOver();
}

void TSplashForm::cancel()
{
    cancelled_ = true;
    TimerSplash->stop();
    host_.setBeforeWarning({});
    host_.startupSearchOver();
    close();
}

void TSplashForm::onSplashTimer()
{
    TimerSplash->stop();
    // The main window closed before the search ran: the program is ending.
    if (cancelled_ || host_.session().isShutDown()) {
        cancel();
        return;
    }

    host_.recordBegins(QStringLiteral("startup-search"));
    switch (host_.contactTransmitter(StartupSearchContact)) {
    case ContactOutcome::Made:
        break;
    case ContactOutcome::PortUnavailable:
        // The port's own error was reported when the main window opened it.
        finish();
        return;
    case ContactOutcome::NoAnswer:
        showProgressEnd();
        host_.session().link().Close();
        warnCommunicationError();
        host_.clearInfoMemos();
        finish();
        return;
    }
    advance();

    if (retryStep(StepAttempts, [this] { return host_.IdentifyTransmitter(); }) != Status::Ok) {
        showProgressEnd();
        warnCommunicationError();
        host_.appendEmptyLineToInfoMemos();
        finish();
        return;
    }
    advance();

    // The configuration word, the ranges and the zero corrections move the bar one step each; a
    // live reading, where the family has one, fills it.
    const TransferSteps steps = host_.pageFor(host_.session().identification().TransmitterModel).startupReadSteps();
    const auto failed = host_.session().run(steps, [this](std::size_t index) {
        if (index < LiveReadingStep)
            advance();
        else
            completeProgress();
    });
    if (failed) {
        giveUp();
        return;
    }

    host_.setStatusLines(host_.messages()[Msg::ReadOk]);
    host_.StartStatusTimer(StatusLineSeconds);
    finish();
}

// Progress shows through an immediate repaint: between its exchanges the search does not return
// to the event loop.
void TSplashForm::advance()
{
    ui.CommunicationBar->setValue(ui.CommunicationBar->value() + 1);
    ui.CommunicationLabel->setText(host_.messages()[Msg::SearchingTransmitter]);
    repaint();
}

void TSplashForm::completeProgress()
{
    ui.CommunicationBar->setValue(ui.CommunicationBar->maximum());
    BusyWait(ProgressPauseMs);
    ui.CommunicationLabel->setText(host_.messages()[Msg::SearchingTransmitter]);
    repaint();
}

void TSplashForm::showProgressEnd()
{
    ui.CommunicationBar->setValue(ui.CommunicationBar->maximum());
    ui.CommunicationLabel->clear();
    repaint();
}

void TSplashForm::warnCommunicationError()
{
    host_.ShowWarning(host_.messages()[Msg::CommunicationError]);
}

void TSplashForm::giveUp()
{
    showProgressEnd();
    warnCommunicationError();
    finish();
}

void TSplashForm::finish()
{
    host_.setBeforeWarning({});
    host_.recordEnds();
    close();
    host_.startupSearchOver();
    Q_EMIT searchFinished();
}

}  // namespace korv
