#include "app/diagnostics/DiagnosticWindows.h"

#include "app/diagnostics/ConnectionCheckWindow.h"
#include "app/diagnostics/FrameMonitorWindow.h"
#include "app/mainwindow/Activity.h"
#include "core/diagnostics/ConnectionCheck.h"
#include "core/link/SerialLink.h"
#include "core/protocol/TransmitterSession.h"

#include <QCoreApplication>
#include <QStringList>

namespace korv {

DiagnosticWindows::DiagnosticWindows(Surroundings surroundings, QWidget* window)
    : QObject(window)
    , with_(std::move(surroundings))
    , window_(window)
{
}

void DiagnosticWindows::onCheckConnection()
{
    const ActivityScope check(with_.activity, Activity::Kind::ConnectionCheck);
    if (!check.began())
        return;
    if (!checkWindow_) {
        checkWindow_ = new ConnectionCheckWindow(window_);
        // Asked again from its own window while a command runs, the check waits for nothing: it
        // needs the port to itself, so it is refused quietly.
        connect(checkWindow_, &ConnectionCheckWindow::checkRequested, this, [this] {
            const ActivityScope again(with_.activity, Activity::Kind::ConnectionCheck);
            if (again.began())
                runConnectionCheck();
        });
    }
    checkWindow_->show();
    checkWindow_->raise();
    checkWindow_->activateWindow();
    runConnectionCheck();
}

void DiagnosticWindows::runConnectionCheck()
{
    if (!checkWindow_)
        return;
    SerialLink& link = with_.session.link();
    const QString port = link.PortNumber;
    // The check needs the port to itself: this program holding it would pass for another program.
    // A link that was not open stays as it was, lost device included, so that the next command
    // reports as it would have.
    const bool wasOpen = link.isOpen();
    if (wasOpen)
        link.Close();

    ConnectionCheck check(port);
    QStringList present;
    for (const PortMenuEntry& entry : portMenuEntries(with_.systemPorts()))
        present << entry.portSetting;
    check.setPresentPorts(present);
    check.setLinkThread(&with_.linkThread);
    if (monitor_)
        check.setLinkListener(monitor_->listener());

    with_.setBusyCursor(true);
    checkWindow_->begin(port);
    checkWindow_->repaint();
    const ConnectionReport report = check.run([this](const CheckStep& step) {
        checkWindow_->showStep(step);
        checkWindow_->repaint();
    });
    checkWindow_->finish(report);
    if (wasOpen)
        link.Open();
    // The link tells the monitor from its own thread; the check's last lines are shown before
    // the check counts as done.
    if (monitor_)
        QCoreApplication::sendPostedEvents(monitor_, QEvent::MetaCall);
    with_.setBusyCursor(false);
}

void DiagnosticWindows::onFrameMonitor()
{
    if (!monitor_) {
        monitor_ = new FrameMonitorWindow(*with_.boxes, *with_.fileDialogs, window_);
        connect(monitor_, &FrameMonitorWindow::listeningChanged, this, [this](bool listening) {
            with_.session.setLinkListener(listening ? monitor_->listener() : LinkListener {});
        });
    }
    monitor_->show();
    monitor_->raise();
    monitor_->activateWindow();
}

void DiagnosticWindows::close()
{
    if (checkWindow_)
        checkWindow_->close();
    if (monitor_)
        monitor_->close();
}

}  // namespace korv
