#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QEvent;
class QWidget;

namespace korv {

class Activity;
class TransmitterSession;
struct MainWindowUi;

// The main window's view of every input event of the application: Esc stops a command waiting for
// the transmitter, input to the form is held back while the window is busy, the command buttons'
// mnemonics click at once, and each key press reaches the window's key handler once.
class WindowInput final : public QObject {
public:
    struct Surroundings {
        QWidget& window;
        MainWindowUi& ui;
        Activity& activity;
        TransmitterSession& session;
        // A command is waiting for the transmitter: an exchange on the link thread or a pause.
        std::function<bool()> waitingForTransmitter;
        std::function<void(int key, Qt::KeyboardModifiers modifiers)> keyDown;
    };
    explicit WindowInput(Surroundings surroundings);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isUserInput(const QEvent* event);
    // Input that would reach the form, the tabs or a command button, all held back while the window
    // is busy; Cancelar, the menus, the boxes and every other window are not.
    bool isFormInput(QObject* watched, const QEvent* event) const;
    bool keyPassedUp(QObject* watched, const QEvent* event) const;

    Surroundings with_;
    // The last key press handed to the key handler and the control it was seen at, until the
    // event loop runs again.
    const QEvent* keySeen_ = nullptr;
    QPointer<QWidget> keySeenAt_;
};

}  // namespace korv
