#pragma once

#include "core/history/HistoryEvent.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <memory>

namespace korv::history {

class Store;

// Keeps events in the record at `path` on a thread of its own, in the order given, so that a
// record another program holds for a moment (SQLite waits up to two seconds for it) never holds
// the window. Each event's result comes back as recorded() on the recorder's own thread.
class Recorder : public QObject {
    Q_OBJECT
public:
    explicit Recorder(QString path, QObject* parent = nullptr);
    // Keeps every event still queued, then ends: nothing given is lost.
    ~Recorder() override;

    void record(const Event& event, bool forPlant);
    // Events given and not yet reported.
    int pending() const { return pending_; }

Q_SIGNALS:
    // `problem` empty when the event was kept; `notice` what the record had to do on the way.
    void recorded(const QString& id, const QString& problem, const QString& notice);

private:
    QString path_;
    QThread thread_;
    QObject* worker_ = nullptr;  // lives on thread_
    std::unique_ptr<Store> store_;  // made, used and closed on thread_ only
    int pending_ = 0;
};

}  // namespace korv::history
