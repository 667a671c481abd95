#include "core/history/Recorder.h"

#include "core/history/HistoryStore.h"

namespace korv::history {

Recorder::Recorder(QString path, QObject* parent)
    : QObject(parent)
    , path_(std::move(path))
{
    thread_.setObjectName(QStringLiteral("record"));
    worker_ = new QObject;
    worker_->moveToThread(&thread_);
    thread_.start();
}

Recorder::~Recorder()
{
    // Queued after every event given, so it runs once they are kept; the connection is closed on
    // the thread that used it.
    QMetaObject::invokeMethod(
        worker_,
        [this] {
            store_.reset();
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    thread_.wait();
    // Its thread has ended, so nothing can be delivered to it any more.
    delete worker_;
}

void Recorder::record(const Event& event, bool forPlant)
{
    ++pending_;
    QMetaObject::invokeMethod(
        worker_,
        [this, event, forPlant] {
            if (!store_)
                store_ = std::make_unique<Store>(path_, QStringLiteral("korv-recorder-%1").arg(quintptr(this)));
            const bool kept = store_->record(event, forPlant);
            const QString problem = kept ? QString() : store_->problem();
            const QString notice = store_->notice();
            QMetaObject::invokeMethod(
                this,
                [this, id = event.id, problem, notice] {
                    --pending_;
                    Q_EMIT recorded(id, problem, notice);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

}  // namespace korv::history
