#include "app/mainwindow/parts/WindowInput.h"

#include "app/mainwindow/Activity.h"
#include "app/mainwindow/MainWindowUi.h"
#include "core/protocol/TransmitterSession.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTimer>

namespace korv {

WindowInput::WindowInput(Surroundings surroundings)
    : with_(std::move(surroundings))
{
}

bool WindowInput::eventFilter(QObject* watched, QEvent* event)
{
    // Esc, wherever it is pressed in this window, stops a command waiting for the transmitter at
    // its next frame boundary, as Cancelar does.
    const auto* receiver = qobject_cast<const QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && receiver
        && receiver->window() == &with_.window && with_.waitingForTransmitter()) {
        with_.session.cancel();
        return true;
    }
    // While the window is busy it repaints and answers the desktop, but no input reaches the form:
    // nothing may change under a command, and a second command key does nothing. Only the form is
    // held back, not disabled: disabling would move the focus out of an edit and run its exit
    // rules inside the command. The menus hold back their own items (holdMenus).
    if (with_.activity.busy() && isFormInput(watched, event))
        return true;
    // The user acts again: a command cancelled earlier no longer holds the frames back.
    if (with_.session.cancelled() && isUserInput(event) && !with_.activity.busy())
        with_.session.clearCancel();
    // A command button's mnemonic (Alt+L, Alt+E) clicks at once: Qt would first show the button
    // pressed for 100 ms, a delay the technician feels before every command.
    if (event->type() == QEvent::Shortcut && (watched == with_.ui.Ler_Config || watched == with_.ui.Enviar_Config)
        && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
    // Seen once per key: at the focused control, or at the window when nothing has the focus.
    QWidget* focus = QApplication::focusWidget();
    const bool target = focus ? watched == focus : watched == &with_.window;
    if (event->type() == QEvent::KeyPress && target && static_cast<QWidget*>(watched)->window() == &with_.window
        && !keyPassedUp(watched, event)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            with_.keyDown(key->key(), key->modifiers());
            keySeen_ = event;
            keySeenAt_ = static_cast<QWidget*>(watched);
            // By the time the event loop runs again the press has reached every parent, and a
            // later press may be given the same address.
            QTimer::singleShot(0, this, [this] { keySeen_ = nullptr; });
        }
    }
    return QObject::eventFilter(watched, event);
}

bool WindowInput::isUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

bool WindowInput::isFormInput(QObject* watched, const QEvent* event) const
{
    if (!isUserInput(event))
        return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget && widget != with_.ui.CancelCommand
        && (widget == with_.ui.ClientArea || with_.ui.ClientArea->isAncestorOf(widget));
}

bool WindowInput::keyPassedUp(QObject* watched, const QEvent* event) const
{
    // A control that ignores a key has it passed on to its parents, the same event object. The
    // modal window the service-mode key opens leaves this window without a focused control until
    // the system activates it again, so without this check the press, on its way up, would reach
    // the window as if nothing had the focus and open the service mode a second time.
    return event == keySeen_ && keySeenAt_ && watched != keySeenAt_
        && static_cast<QWidget*>(watched)->isAncestorOf(keySeenAt_);
}

}  // namespace korv
