#include "app/shared/QuitOnSignal.h"

#include "common/StopRequest.h"

#include <QApplication>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace korv {

#ifdef Q_OS_UNIX
namespace {
int g_signalPipe[2] = { -1, -1 };

void onSignal(int)
{
    // Only async-signal-safe work here. A command blocks the event loop while it runs, so the stop
    // request is what ends it, at its next frame boundary; then the event loop wakes to the byte
    // and closes the windows.
    StopRequest::request();
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[0], &byte, 1);
}
}  // namespace
#endif

QuitOnSignal::QuitOnSignal(QObject* parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(g_signalPipe[1], &byte, 1);
        requested_ = true;
        // Closing ends any box open in a nested loop; exit() ends every running loop, and the
        // start-up code asks requested() for a signal that came before the main loop ran.
        QApplication::closeAllWindows();
        QCoreApplication::exit(0);
    });
    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    // A file-size limit makes a write fail, which every write checks and says, instead of killing
    // the window with the user's work.
    signal(SIGXFSZ, SIG_IGN);
#endif
}

QuitOnSignal::~QuitOnSignal()
{
#ifdef Q_OS_UNIX
    signal(SIGTERM, SIG_DFL);
    signal(SIGINT, SIG_DFL);
    // The notifier goes before the socket it watches.
    qDeleteAll(findChildren<QSocketNotifier*>());
    for (int& end : g_signalPipe) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
#endif
}

}  // namespace korv
