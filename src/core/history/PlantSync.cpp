#include "core/history/PlantSync.h"

#include "core/CoreText.h"
#include "core/files/PlantConnection.h"
#include "core/history/HistoryStore.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlError>
#include <QThread>

#include <mutex>
#include <optional>

namespace korv::history {

namespace {

// The driver warns on its own about a server that went away in the middle of a send; the send's
// result says that in one line of the program's own, so the driver's lines are held back on the
// threads that send.
thread_local bool t_sending = false;
QtMessageHandler g_nextHandler = nullptr;

void holdBackDriverWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (t_sending && type == QtWarningMsg)
        return;
    if (g_nextHandler)
        g_nextHandler(type, context, message);
}

class SendingOnThisThread {
public:
    SendingOnThisThread()
    {
        static std::once_flag installed;
        std::call_once(installed, [] { g_nextHandler = qInstallMessageHandler(holdBackDriverWarnings); });
        t_sending = true;
    }
    ~SendingOnThisThread() { t_sending = false; }
    SendingOnThisThread(const SendingOnThisThread&) = delete;
    SendingOnThisThread& operator=(const SendingOnThisThread&) = delete;
};

// Large enough that a backlog of weeks goes in a few round trips, small enough that a batch the
// server refuses holds back little.
constexpr int BatchSize = 250;

QString uniqueConnectionName(QLatin1String role)
{
    static std::atomic_int number { 0 };
    return QStringLiteral("korv-plant-%1-%2").arg(role).arg(++number);
}

QString waitingText(int count)
{
    return count == 1 ? CoreText::tr("1 evento aguarda para ser enviado")
                      : CoreText::tr("%1 eventos aguardam para ser enviados").arg(count);
}

// libpq's own words, on one line.
QString detail(const QSqlError& error)
{
    QString text = error.databaseText().simplified();
    if (text.isEmpty())
        text = error.driverText().simplified();
    return text;
}

int waitingCount(const Store& store)
{
    QSqlQuery query(store.database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM plant_queue q JOIN events e ON e.id = q.id")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

std::optional<int> serverSchemaVersion(QSqlQuery& query)
{
    if (!query.exec(QStringLiteral("SELECT to_regclass('schema_version') IS NOT NULL")) || !query.next())
        return std::nullopt;
    if (!query.value(0).toBool())
        return 0;
    if (!query.exec(QStringLiteral("SELECT coalesce(max(version), 0) FROM schema_version")) || !query.next())
        return std::nullopt;
    return query.value(0).toInt();
}

// Why the server's tables cannot take events; empty when they can.
QString prepareServerSchema(QSqlDatabase& server)
{
    QSqlQuery query(server);
    std::optional<int> version = serverSchemaVersion(query);
    if (version && *version < SchemaVersion) {
        // Benches that find an empty server at the same moment: one creates the tables while the
        // others wait on the lock, then find them made.
        server.transaction();
        bool ok = query.exec(QStringLiteral("SET LOCAL client_min_messages = warning"))
            && query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(hashtext('korvsetup schema'))"));
        version = ok ? serverSchemaVersion(query) : std::nullopt;
        if (version && *version < SchemaVersion) {
            for (const QString& statement : migrationStatements(*version, false))
                ok = ok && query.exec(statement);
            if (ok)
                version = SchemaVersion;
        }
        if (!(ok && version && server.commit())) {
            const QSqlError error = query.lastError().isValid() ? query.lastError() : server.lastError();
            server.rollback();
            return CoreText::tr("As tabelas do servidor do registro não puderam ser preparadas (%1)")
                .arg(detail(error));
        }
    }
    if (!version)
        return CoreText::tr("As tabelas do servidor do registro não puderam ser lidas (%1)")
            .arg(detail(query.lastError()));
    if (*version > SchemaVersion)
        return CoreText::tr("O servidor do registro foi preparado por uma versão mais nova do programa (esquema "
                            "%1) e ficou como estava")
            .arg(*version);
    return {};
}

// Sends batch after batch until the queue is empty; why it stopped short otherwise.
QString sendBatches(QSqlDatabase& server, Store& store, int& sent, const std::atomic_bool& stop)
{
    while (!stop) {
        const QStringList ids = store.waitingForPlant(BatchSize);
        if (ids.isEmpty())
            return {};
        QList<Event> events;
        for (const QString& id : ids) {
            if (auto event = store.event(id))
                events << *event;
        }
        QSqlQuery insert(server);
        bool ok = server.transaction() && insert.prepare(insertStatement(true));
        for (qsizetype i = 0; ok && i < events.size(); ++i) {
            bindEvent(insert, events[i]);
            ok = insert.exec();
        }
        QSqlError error = insert.lastError();
        if (ok && !server.commit()) {
            ok = false;
            error = server.lastError();
        }
        if (!ok) {
            server.rollback();
            // A server that still answers refused the batch; one that does not went away mid-way.
            QSqlQuery probe(server);
            const bool answers = probe.exec(QStringLiteral("SELECT 1"));
            return CoreText::tr("O servidor do registro %1 (%2)")
                .arg(answers ? CoreText::tr("recusou os eventos") : CoreText::tr("não respondeu"), detail(error));
        }
        sent += static_cast<int>(events.size());
        // Only now that the server holds them: a removal lost here sends them again, and the
        // server keeps each id once.
        if (!store.sentToPlant(ids))
            return CoreText::tr("Os eventos enviados ao servidor do registro não saíram da fila de %1 e serão "
                                "enviados de novo")
                .arg(store.path());
    }
    return {};
}

QString sendToServer(const QString& options, Store& store, int& sent, const std::atomic_bool& stop)
{
    const QString name = uniqueConnectionName(QLatin1String("server"));
    QString problem;
    {
        QSqlDatabase server = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        if (!server.isValid()) {
            problem = CoreText::tr("O Qt não tem o driver PostgreSQL (pacote libqt6sql6-psql)");
        } else {
            server.setConnectOptions(options);
            if (!server.open())
                problem = CoreText::tr("O servidor do registro não respondeu (%1)").arg(detail(server.lastError()));
            else
                problem = prepareServerSchema(server);
            if (server.isOpen() && problem.isEmpty())
                problem = sendBatches(server, store, sent, stop);
            server.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

}  // namespace

PlantResult sendWaitingEvents(const QString& localPath, const QString& connectionString, int connectTimeoutSeconds)
{
    const std::atomic_bool never { false };
    return sendWaitingEvents(localPath, connectionString, connectTimeoutSeconds, never);
}

PlantResult sendWaitingEvents(
    const QString& localPath, const QString& connectionString, int connectTimeoutSeconds, const std::atomic_bool& stop)
{
    PlantResult result;
    if (connectionString.trimmed().isEmpty())
        return result;
    const SendingOnThisThread sending;
    Store store(localPath, uniqueConnectionName(QLatin1String("local")));
    if (!store.open()) {
        result.problem = CoreText::tr("Os eventos não foram enviados ao servidor do registro: %1").arg(store.problem());
        return result;
    }
    result.waiting = waitingCount(store);
    if (result.waiting == 0 || stop)
        return result;
    const PlantConnection connection = plantConnection(connectionString, connectTimeoutSeconds);
    const QString problem = connection.problem.isEmpty()
        ? sendToServer(connection.options, store, result.sent, stop)
        : CoreText::tr("O servidor do registro não foi usado: %1").arg(connection.problem);
    result.waiting = waitingCount(store);
    if (!problem.isEmpty())
        result.problem = QStringLiteral("%1; %2.").arg(problem, waitingText(result.waiting));
    return result;
}

namespace {

// The newest event's row and how many events wait; none when the record cannot be read.
std::optional<std::pair<qint64, int>> queueState(const QString& localPath)
{
    if (!QFileInfo::exists(localPath))
        return std::nullopt;
    Store store(localPath, uniqueConnectionName(QLatin1String("local")));
    if (!store.open())
        return std::nullopt;
    QSqlQuery query(store.database());
    if (!query.exec(QStringLiteral("SELECT coalesce(max(rowid), 0) FROM events")) || !query.next())
        return std::nullopt;
    return std::pair { query.value(0).toLongLong(), waitingCount(store) };
}

}  // namespace

PlantResult sendWaitingEventsAlone(const QString& localPath, const std::function<QString()>& connectionString)
{
    QLockFile lock(localPath + QStringLiteral(".envio"));
    // Held for as long as the server takes; only a sender that died leaves it to another.
    lock.setStaleLockTime(0);
    PlantResult result;
    for (;;) {
        if (!lock.tryLock(0))
            return result;
        const auto before = queueState(localPath);
        result = sendWaitingEvents(localPath, connectionString());
        lock.unlock();
        const auto after = queueState(localPath);
        if (!before || !after || after->first == before->first || after->second == 0)
            return result;
    }
}

struct PlantForwarder::Run {
    std::atomic_bool stop { false };
    PlantResult result;
};

PlantForwarder::PlantForwarder(QString localPath, QString connection, QObject* parent)
    : QObject(parent)
    , localPath_(std::move(localPath))
    , connection_(std::move(connection))
{
    retry_.setSingleShot(true);
    retry_.setInterval(DefaultRetryInterval);
    connect(&retry_, &QTimer::timeout, this, &PlantForwarder::kick);
}

PlantForwarder::~PlantForwarder()
{
    if (!worker_)
        return;
    run_->stop = true;
    disconnect(worker_, nullptr, this, nullptr);
    if (worker_->wait(QDeadlineTimer(std::chrono::milliseconds(300)))) {
        delete worker_;
        return;
    }
    // A server that stopped answering in the middle of a batch: the thread holds only its own
    // copies and deletes itself once the connection gives up.
    connect(worker_, &QThread::finished, worker_, &QObject::deleteLater);
    if (worker_->isFinished())
        delete worker_;
}

void PlantForwarder::kick()
{
    if (worker_)
        again_ = true;
    else
        start();
}

void PlantForwarder::start()
{
    retry_.stop();
    again_ = false;
    run_ = std::make_shared<Run>();
    worker_ = QThread::create([run = run_, path = localPath_, connection = connection_] {
        run->result = sendWaitingEvents(path, connection, PlantConnectTimeoutSeconds, run->stop);
    });
    connect(worker_, &QThread::finished, this, &PlantForwarder::ended);
    worker_->start();
}

void PlantForwarder::ended()
{
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    const PlantResult result = run_->result;
    run_.reset();
    if (again_)
        start();
    else if (result.waiting > 0)
        retry_.start();
    Q_EMIT finished(result);
}

}  // namespace korv::history
