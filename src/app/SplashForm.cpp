#include "app/SplashForm.h"

#include "common/Messages.h"
#include "common/Timing.h"
#include "link/Contact.h"
#include "link/FormServices.h"
#include "link/Identification.h"
#include "link/RegisterAccess.h"
#include "link/SerialLink.h"

#include <QLabel>
#include <QProgressBar>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QTimer>

#include <initializer_list>

namespace korv {

namespace {

// Gives the main window time to show itself and open the port before the search blocks the
// event loop.
constexpr int SearchDelayMs = 1000;
constexpr int ProgressPauseMs = 10;
constexpr int StatusLineSeconds = 2;

}  // namespace

TSplashForm::TSplashForm(FormServices& form, QWidget* parent)
    : QWidget(parent)
    , form_(form)
{
    // Makes this a frameless, stay-on-top window of fixed size with the program's caption.
    ui.setupUi(this);
    centreOnScreen();

    TimerSplash = new QTimer(this);
    TimerSplash->setObjectName(QStringLiteral("TimerSplash"));
    TimerSplash->setInterval(SearchDelayMs);
    connect(TimerSplash, &QTimer::timeout, this, &TSplashForm::TimerSplashTimer);
    TimerSplash->start();

    show();
}

void TSplashForm::centreOnScreen()
{
    if (const QScreen* screen = this->screen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

void TSplashForm::TimerSplashTimer()
{
    TimerSplash->stop();
    // The splash stays above every window, boxes included, and sits right where a box appears:
    // left visible it would hide any box of the search (an incompatible firmware as well as a
    // failure) and the program would seem to hang. Once hidden it stays hidden; the search ends
    // soon after.
    form_.setBeforeWarning([this] { hide(); });

    switch (contactTransmitter(form_, StartupSearchContact)) {
    case ContactOutcome::Made:
        break;
    case ContactOutcome::PortUnavailable:
        // The port's own error was reported when the main window opened it.
        finish();
        return;
    case ContactOutcome::NoAnswer:
        showProgressEnd();
        form_.link().Close();
        warnCommunicationError();
        form_.clearInfoMemos();
        finish();
        return;
    }
    advance();

    if (!retried(&FormServices::IdentifyTransmitter)) {
        showProgressEnd();
        warnCommunicationError();
        form_.appendEmptyLineToInfoMemos();
        finish();
        return;
    }
    advance();

    // The reads below must set the form's selections from what the transmitter holds.
    form_.shared().SendInProgress = false;

    for (auto step : { &FormServices::ReadConfigWord, &FormServices::ReadRange, &FormServices::ReadZero }) {
        if (!retried(step)) {
            giveUp();
            return;
        }
        advance();
    }

    const Model model = form_.identification().TransmitterModel;
    if (isHumidity(model)) {
        if (!retried(&FormServices::ReadHumidityLive)) {
            giveUp();
            return;
        }
        completeProgress();
    }
    if (isAmbient(model)) {
        if (!retried(&FormServices::ReadAmbientLive)) {
            giveUp();
            return;
        }
        ui.CommunicationBar->setValue(ui.CommunicationBar->value() + 1);
        form_.refreshAmbientZeroCorrection();
        completeProgress();
    }

    form_.setStatusLines(form_.messages()[Msg::ReadOk]);
    form_.StartStatusTimer(StatusLineSeconds);
    finish();
}

bool TSplashForm::retried(Status (FormServices::*step)())
{
    return retryStep(StepAttempts, [this, step] { return (form_.*step)(); }) == Status::Ok;
}

// The event loop is blocked for the whole search, so progress only shows through an immediate
// repaint.
void TSplashForm::advance()
{
    ui.CommunicationBar->setValue(ui.CommunicationBar->value() + 1);
    ui.CommunicationLabel->setText(form_.messages()[Msg::SearchingTransmitter]);
    repaint();
}

void TSplashForm::completeProgress()
{
    ui.CommunicationBar->setValue(ui.CommunicationBar->maximum());
    BusyWait(ProgressPauseMs);
    ui.CommunicationLabel->setText(form_.messages()[Msg::SearchingTransmitter]);
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
    form_.ShowWarning(form_.messages()[Msg::CommunicationError]);
}

void TSplashForm::giveUp()
{
    showProgressEnd();
    warnCommunicationError();
    finish();
}

void TSplashForm::finish()
{
    form_.setBeforeWarning({});
    close();
    Q_EMIT searchFinished();
}

}  // namespace korv
