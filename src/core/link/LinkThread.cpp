#include "core/link/LinkThread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QSemaphore>

#include <atomic>

namespace korv {

LinkThread::LinkThread()
    : context_(std::make_unique<QObject>())
    , home_(std::make_unique<QObject>())
{
    thread_.setObjectName(QStringLiteral("serial link"));
    context_->moveToThread(&thread_);
    thread_.start();
}

LinkThread::~LinkThread()
{
    thread_.quit();
    thread_.wait();
}

void LinkThread::call(const std::function<void()>& work, Wait wait)
{
    if (QThread::currentThread() == &thread_) {
        work();
        return;
    }
    if (wait == Wait::Blocked) {
        QSemaphore finished;
        QMetaObject::invokeMethod(
            context_.get(),
            [&work, &finished] {
                work();
                finished.release();
            },
            Qt::QueuedConnection);
        finished.acquire();
        return;
    }
    std::atomic<bool> done = false;
    QMetaObject::invokeMethod(
        context_.get(),
        [this, &work, &done] {
            work();
            done = true;
            // Only wakes the waiting thread: the call's own frame may be gone by the time this runs.
            QMetaObject::invokeMethod(
                home_.get(), [] {}, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    ++waiting_;
    // Socket notifiers wait for the call to return, as they would have while the thread was
    // blocked: a quit signal's notifier then finds the command ended.
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeSocketNotifiers);
    --waiting_;
}

}  // namespace korv
