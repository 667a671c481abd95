#include "core/link/port/HangUpWatch.h"

#include <QSocketNotifier>

#include <utility>

#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace korv {

HangUpWatch::HangUpWatch(std::function<void()> onHangUp)
    : onHangUp_(std::move(onHangUp))
{
}

HangUpWatch::~HangUpWatch() = default;

void HangUpWatch::watch(qintptr handle)
{
#ifdef Q_OS_UNIX
    if (!notifier_) {
        // An exception notifier wakes on an error condition only (a hang-up reports one), never
        // on the echo and answer bytes a read notifier would also see.
        notifier_ = std::make_unique<QSocketNotifier>(QSocketNotifier::Exception);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
            if (isHungUp(notifier_->socket()))
                onHangUp_();
            else
                notifier_->setEnabled(false);  // some other condition: never spin on it; the next exchange re-arms
        });
    }
    notifier_->setSocket(handle);
    notifier_->setEnabled(true);
#else
    Q_UNUSED(handle);
#endif
}

void HangUpWatch::stop()
{
    if (notifier_)
        notifier_->setEnabled(false);
}

bool isHungUp(qintptr handle)
{
#ifdef Q_OS_UNIX
    pollfd descriptor { static_cast<int>(handle), POLLPRI, 0 };
    if (::poll(&descriptor, 1, 0) < 0)
        return false;
    return (descriptor.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    Q_UNUSED(handle);
    return false;
#endif
}

}  // namespace korv
