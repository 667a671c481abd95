#include "app/mainwindow/Activity.h"

#include <QTimer>

namespace korv {

bool Activity::begin(Kind kind)
{
    // The window's own start-up comes before the search that awaits it.
    if (current_ || (awaited_ && *awaited_ != kind && kind != Kind::StartUp))
        return false;
    const bool wasBusy = busy();
    if (awaited_ == kind)
        awaited_.reset();
    current_ = kind;
    changed(wasBusy);
    return true;
}

void Activity::end()
{
    const bool wasBusy = busy();
    current_.reset();
    changed(wasBusy);
    if (!waiting_.empty())
        QTimer::singleShot(0, this, &Activity::runWaiting);
}

void Activity::await(Kind kind)
{
    const bool wasBusy = busy();
    awaited_ = kind;
    changed(wasBusy);
}

void Activity::giveUpAwaited()
{
    const bool wasBusy = busy();
    awaited_.reset();
    changed(wasBusy);
}

void Activity::whenNothingRuns(QObject* context, std::function<void()> work)
{
    waiting_.push_back({ context, std::move(work) });
    if (!current_)
        QTimer::singleShot(0, this, &Activity::runWaiting);
}

void Activity::runWaiting()
{
    // One at a time: the work may begin something, and the rest then waits for its end.
    while (!current_ && !waiting_.empty()) {
        Waiting next = std::move(waiting_.front());
        waiting_.erase(waiting_.begin());
        if (next.context)
            next.work();
    }
}

void Activity::changed(bool wasBusy)
{
    if (busy() != wasBusy)
        Q_EMIT busyChanged(busy());
}

}  // namespace korv
