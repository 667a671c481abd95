#include "app/diagnostics/ConnectionCheckWindow.h"
#include "app/diagnostics/FrameMonitorWindow.h"
#include "app/mainwindow/MainWindow.h"
#include "core/diagnostics/ConnectionCheck.h"
#include "core/link/SerialLink.h"

#include <QCoreApplication>
#include <QStringList>

namespace korv {

void MainWindow::onCheckConnection()
{
    const ActivityScope check(activity_, Activity::Kind::ConnectionCheck);
    if (!check.began())
        return;
    if (!checkWindow_) {
        checkWindow_ = new ConnectionCheckWindow(this);
        // Asked again from its own window while a command runs, the check waits for nothing: it
        // needs the port to itself, so it is refused quietly.
        connect(checkWindow_, &ConnectionCheckWindow::checkRequested, this, [this] {
            const ActivityScope again(activity_, Activity::Kind::ConnectionCheck);
            if (again.began())
                runConnectionCheck();
        });
    }
    checkWindow_->show();
    checkWindow_->raise();
    checkWindow_->activateWindow();
    runConnectionCheck();
}

void MainWindow::runConnectionCheck()
{
    if (!checkWindow_)
        return;
    SerialLink& link = session_.link();
    const QString port = link.PortNumber;
    // The check needs the port to itself: this program holding it would pass for another program.
    // A link that was not open stays as it was, lost device included, so that the next command
    // reports as it would have.
    const bool wasOpen = link.isOpen();
    if (wasOpen)
        link.Close();

    ConnectionCheck check(port);
    QStringList present;
    for (const PortMenuEntry& entry : portMenuEntries(systemPorts()))
        present << entry.portSetting;
    check.setPresentPorts(present);
    check.setLinkThread(&linkThread_);
    if (monitor_)
        check.setLinkListener(monitor_->listener());

    setBusyCursor(true);
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
    setBusyCursor(false);
}

void MainWindow::onFrameMonitor()
{
    if (!monitor_) {
        monitor_ = new FrameMonitorWindow(*boxes_, *fileDialogs_, this);
        connect(monitor_, &FrameMonitorWindow::listeningChanged, this,
            [this](bool listening) { session_.setLinkListener(listening ? monitor_->listener() : LinkListener {}); });
    }
    monitor_->show();
    monitor_->raise();
    monitor_->activateWindow();
}

void MainWindow::closeDiagnosticWindows()
{
    if (checkWindow_)
        checkWindow_->close();
    if (monitor_)
        monitor_->close();
}

}  // namespace korv
