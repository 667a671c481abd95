#pragma once

#include "app/startup/SplashFormUi.h"
#include "widgets/PageHost.h"

#include <QObject>
#include <QWidget>

#include <functional>

class QTimer;

namespace korv {

// What the start-up search needs from the main window beyond a page's needs: the page of each
// family, and the status lines and memos of all three.
class StartupSearchHost : public PageHost {
public:
    virtual TransmitterPage& pageFor(Model model) = 0;
    // Writes the same text into the status line of every page.
    virtual void setStatusLines(const QString& text) = 0;
    // Empties the three information memos, or appends one line to each.
    virtual void clearInfoMemos() = 0;
    virtual void appendEmptyLineToInfoMemos() = 0;
    // Runs right before every warning box until it is replaced; an empty function removes it.
    virtual void setBeforeWarning(std::function<void()> hook) = 0;
    // The search begins and ends: the window keeps its event in the record.
    virtual void recordBegins(const QString& /*command*/) { }
    virtual void recordEnds() { }
    // The search is to come: until it has run the window takes no input and starts nothing else.
    virtual void awaitStartupSearch() { }
    // Runs the search once the window's own start-up has ended and nothing else runs.
    virtual void runStartupSearch(std::function<void()> search) { search(); }
    // The search has ended, or will never run.
    virtual void startupSearchOver() { }
};

// The window shown while the program looks for a transmitter on the saved port right after
// start-up. About a second after it appears, and never before the main window's start-up steps
// have all run, the search identifies the transmitter and reads its configuration into the page
// of its family; whatever the outcome, the splash closes when the search ends and never reappears.
class TSplashForm : public QWidget {
    Q_OBJECT

public:
    explicit TSplashForm(StartupSearchHost& host, QWidget* parent = nullptr);
    ~TSplashForm() override;

    // The whole search. The first tick of TimerSplash runs it; tests call it directly.
    void onSplashTimer();
    // The program is closing before the search has run: the search never runs, and the splash
    // closes.
    void cancel();

    SplashFormUi ui;
    QTimer* TimerSplash = nullptr;

Q_SIGNALS:
    // Emitted once, when the search is over and the splash has closed: the main window may take
    // input again.
    void searchFinished();

private:
    void advance();
    void completeProgress();
    void showProgressEnd();
    void warnCommunicationError();
    void giveUp();
    void finish();
    void centreOnScreen();

    StartupSearchHost& host_;
    bool cancelled_ = false;
};

using SplashForm = TSplashForm;

}  // namespace korv
