#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

class QThread;

// Each event goes to the bench's own record first; from its queue there it goes on to the plant's
// PostgreSQL server whenever the server answers. An event is sent by its id and the server keeps
// an id once, so a send repeated after a lost acknowledgement stores nothing twice.
namespace korv::history {

inline constexpr int PlantConnectTimeoutSeconds = 3;

struct PlantResult {
    int sent = 0;  // accepted by the server in this call (a repeat of one it had counts too)
    int waiting = 0;  // still in the local queue afterwards
    QString problem;  // why some wait (Portuguese, for the user); empty when none had to
};

// Sends the events waiting in the record at `localPath` to the server named by the libpq
// connection string, in batches each committed on the server before it leaves the local queue;
// creates or brings up to date the server's tables first. Opens connections of its own, so it
// may run on any thread, one call at a time per thread. Does nothing without a connection string
// or without waiting events.
PlantResult sendWaitingEvents(
    const QString& localPath, const QString& connectionString, int connectTimeoutSeconds = PlantConnectTimeoutSeconds);
// The same; gives up between two steps once `stop` is set, leaving the rest queued.
PlantResult sendWaitingEvents(
    const QString& localPath, const QString& connectionString, int connectTimeoutSeconds, const std::atomic_bool& stop);

// A sender that runs alone: one per record at a time, told apart by a lock file beside the record.
// One that finds another running leaves the work to it; the one running goes round once more when
// events came in while it sent, so none is left behind by the one that left. The connection string
// is asked again each round, as the settings give it then. Nothing is sent (and the result is
// empty) when another ran.
PlantResult sendWaitingEventsAlone(const QString& localPath, const std::function<QString()>& connectionString);

// The window's sender: each kick sends on a worker thread, so the window never waits for the
// server; while events wait it tries again on its own now and then, so they go once the server is
// back without another command.
class PlantForwarder : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds DefaultRetryInterval { 60000 };

    PlantForwarder(QString localPath, QString connection, QObject* parent = nullptr);
    // Stops a send under way between two batches, waiting a moment for it; one still held up by
    // the server after that ends on its own within the connection's timeouts, its events kept in
    // the queue, so that closing the window never waits for the server.
    ~PlantForwarder() override;

    // Starts a send unless one runs; a kick during a run makes one more run after it.
    void kick();
    bool isSending() const { return worker_ != nullptr; }
    void setRetryInterval(std::chrono::milliseconds interval) { retry_.setInterval(interval); }

Q_SIGNALS:
    void finished(const korv::history::PlantResult& result);

private:
    struct Run;
    void start();
    void ended();

    QString localPath_;
    QString connection_;
    QThread* worker_ = nullptr;
    std::shared_ptr<Run> run_;
    bool again_ = false;
    QTimer retry_;
};

}  // namespace korv::history
