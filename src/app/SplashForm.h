#pragma once

#include "app/SplashFormUi.h"
#include "link/RegisterAccess.h"

#include <QObject>
#include <QWidget>

class QTimer;

namespace korv {

class FormServices;

// The window shown while the program looks for a transmitter on the saved port right after
// start-up. About a second after it appears, the search identifies the transmitter and reads its
// configuration into the main window through the main window's services; whatever the outcome,
// the splash closes when the search ends and never reappears.
class TSplashForm : public QWidget {
    Q_OBJECT

public:
    explicit TSplashForm(FormServices& form, QWidget* parent = nullptr);

    // The whole search. The first tick of TimerSplash runs it; tests call it directly.
    void TimerSplashTimer();

    SplashFormUi ui;
    QTimer* TimerSplash = nullptr;

Q_SIGNALS:
    // Emitted once, when the search is over and the splash has closed: the main window may take
    // input again.
    void searchFinished();

private:
    // Runs one step up to three times; true at its first success.
    bool retried(Status (FormServices::*step)());
    void advance();
    void completeProgress();
    void showProgressEnd();
    void warnCommunicationError();
    void giveUp();
    void finish();
    void centreOnScreen();

    FormServices& form_;
};

using SplashForm = TSplashForm;

}  // namespace korv
