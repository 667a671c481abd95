#include "core/history/HistoryStore.h"

#include "core/CoreText.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>

namespace korv::history {

namespace {

// SQLite's own codes for a file that is no database or a damaged one.
bool isDamage(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("11") || code == QLatin1String("26");
}

QString jsonText(const QJsonObject& object)
{
    return object.isEmpty() ? QString() : QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QJsonValue jsonValue(const QVariant& text)
{
    return QJsonDocument::fromJson(text.toString().toUtf8()).object();
}

const QStringList EventColumns { QStringLiteral("id"), QStringLiteral("time_utc"), QStringLiteral("utc_offset"),
    QStringLiteral("bench"), QStringLiteral("user_name"), QStringLiteral("program_version"),
    QStringLiteral("front_end"), QStringLiteral("port"), QStringLiteral("command"), QStringLiteral("result"),
    QStringLiteral("exit_code"), QStringLiteral("result_text"), QStringLiteral("serial_number"),
    QStringLiteral("model"), QStringLiteral("firmware"), QStringLiteral("output_type"), QStringLiteral("as_found"),
    QStringLiteral("as_left"), QStringLiteral("written"), QStringLiteral("calibration") };

// Another program writing its event holds the file for a moment: wait that long, not more.
constexpr int BusyTimeoutMs = 2000;

QString timeText(const QDateTime& time)
{
    return time.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
}

}  // namespace

QString defaultDatabasePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("KOrvSetup/history.sqlite"));
}

QStringList migrationStatements(int from, bool local)
{
    QStringList statements;
    if (from < 1) {
        statements << QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)")
                   << QStringLiteral(
                          "CREATE TABLE IF NOT EXISTS events (id TEXT PRIMARY KEY, time_utc TEXT NOT NULL, "
                          "utc_offset INTEGER NOT NULL, bench TEXT NOT NULL, user_name TEXT NOT NULL, "
                          "program_version TEXT NOT NULL, front_end TEXT NOT NULL, port TEXT NOT NULL, "
                          "command TEXT NOT NULL, result TEXT NOT NULL, exit_code INTEGER NOT NULL, "
                          "result_text TEXT NOT NULL, serial_number TEXT NOT NULL, model TEXT NOT NULL, "
                          "firmware INTEGER NOT NULL, output_type TEXT NOT NULL, as_found TEXT, as_left TEXT, "
                          "written TEXT NOT NULL, calibration TEXT)")
                   << QStringLiteral("CREATE INDEX IF NOT EXISTS events_serial ON events (serial_number, time_utc)")
                   << QStringLiteral("CREATE INDEX IF NOT EXISTS events_time ON events (time_utc)");
        if (local)
            statements << QStringLiteral("CREATE TABLE IF NOT EXISTS plant_queue (id TEXT PRIMARY KEY)");
    }
    // Later versions append their steps here, each guarded by `from`.
    statements << QStringLiteral("DELETE FROM schema_version")
               << QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(SchemaVersion);
    return statements;
}

QString insertStatement(bool skipExisting)
{
    QStringList marks;
    for (qsizetype i = 0; i < EventColumns.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO events (%1) VALUES (%2)%3")
        .arg(EventColumns.join(u','), marks.join(u','),
            skipExisting ? QStringLiteral(" ON CONFLICT (id) DO NOTHING") : QString());
}

void bindEvent(QSqlQuery& query, const Event& event)
{
    const auto nullableText = [](const QJsonObject& object) {
        return object.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(jsonText(object));
    };
    // The drivers bind a null QString as NULL, which the text columns refuse: an empty text is not
    // a missing one.
    const auto text = [](const QString& value) { return value.isNull() ? QStringLiteral("") : value; };
    const QVariantList values { text(event.id), timeText(event.time), event.utcOffsetSeconds, text(event.bench),
        text(event.user), text(event.programVersion), text(event.frontEnd), text(event.port), text(event.command),
        outcomeName(event.outcome), event.exitCode, text(event.resultText), text(event.unit.serialNumber),
        text(event.unit.model), event.unit.firmware, text(event.unit.outputType),
        nullableText(snapshotJson(event.asFound)), nullableText(snapshotJson(event.asLeft)),
        jsonText(writesJson(event.written)), nullableText(calibrationJson(event.calibration)) };
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
}

Event eventFromRecord(const QSqlQuery& query)
{
    const QSqlRecord record = query.record();
    const auto value = [&](const char* column) { return query.value(record.indexOf(QLatin1String(column))); };
    Event event;
    event.id = value("id").toString();
    event.time = QDateTime::fromString(value("time_utc").toString(), Qt::ISODateWithMs).toUTC();
    event.utcOffsetSeconds = value("utc_offset").toInt();
    event.bench = value("bench").toString();
    event.user = value("user_name").toString();
    event.programVersion = value("program_version").toString();
    event.frontEnd = value("front_end").toString();
    event.port = value("port").toString();
    event.command = value("command").toString();
    event.outcome = outcomeNamed(value("result").toString()).value_or(Outcome::Failed);
    event.exitCode = value("exit_code").toInt();
    event.resultText = value("result_text").toString();
    event.unit.serialNumber = value("serial_number").toString();
    event.unit.model = value("model").toString();
    event.unit.firmware = value("firmware").toInt();
    event.unit.outputType = value("output_type").toString();
    event.asFound = snapshotFromJson(jsonValue(value("as_found")));
    event.asLeft = snapshotFromJson(jsonValue(value("as_left")));
    event.written = writesFromJson(jsonValue(value("written")));
    event.calibration = calibrationFromJson(jsonValue(value("calibration")));
    return event;
}

Store::Store(QString path, QString connectionName)
    : path_(std::move(path))
    , connection_(std::move(connectionName))
{
}

Store::~Store()
{
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

QSqlDatabase Store::database() const
{
    return QSqlDatabase::database(connection_, false);
}

bool Store::open()
{
    if (open_)
        return true;
    problem_.clear();
    const QFileInfo info(path_);
    if (info.exists() && !info.isFile()) {
        problem_ = CoreText::tr("%1 não é um arquivo.").arg(path_);
        return false;
    }
    if (!QDir().mkpath(info.absolutePath())) {
        problem_ = CoreText::tr("A pasta %1 não pôde ser criada.").arg(info.absolutePath());
        return false;
    }
    if (openFile() && migrate())
        return open_ = true;
    if (!damaged_)
        return false;
    // What is there cannot be read as a record: keep it for whoever wants to look, and start anew.
    database().close();
    const QString aside = QStringLiteral("%1.danificado-%2")
                              .arg(path_, QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmss")));
    for (const QString& suffix : { QString(), QStringLiteral("-wal"), QStringLiteral("-shm") }) {
        if (QFileInfo::exists(path_ + suffix) && !QFile::rename(path_ + suffix, aside + suffix)) {
            problem_ = CoreText::tr("O registro %1 está danificado e não pôde ser posto de lado.").arg(path_);
            return false;
        }
    }
    notice_ = CoreText::tr("O registro %1 estava danificado: foi guardado como %2 e um novo foi começado.")
                  .arg(path_, aside);
    damaged_ = false;
    problem_.clear();
    if (openFile() && migrate())
        return open_ = true;
    return false;
}

bool Store::openFile()
{
    QSqlDatabase db = QSqlDatabase::contains(connection_)
        ? QSqlDatabase::database(connection_, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    if (!db.isValid()) {
        problem_ = CoreText::tr("O Qt não tem o driver SQLite (pacote libqt6sql6-sqlite).");
        return false;
    }
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open()) {
        problem_ = CoreText::tr("O registro %1 não pôde ser aberto: %2").arg(path_, db.lastError().text());
        return false;
    }
    QSqlQuery query(db);
    // Putting a new file into WAL mode takes it whole for a moment, and SQLite does not wait for
    // that: another program making the record at the same moment is waited for here.
    QElapsedTimer clock;
    clock.start();
    while (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL"))
        && query.lastError().nativeErrorCode() == QLatin1String("5") && clock.elapsed() < BusyTimeoutMs)
        QThread::msleep(5);
    if (query.lastError().isValid()) {
        damaged_ = isDamage(query.lastError());
        problem_ = CoreText::tr("O registro %1 não pôde ser aberto: %2").arg(path_, query.lastError().text());
        return false;
    }
    return true;
}

std::optional<int> Store::schemaVersion(QSqlQuery& query)
{
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'schema_version'")) || !query.next()
        || (query.value(0).toInt() > 0
            && (!query.exec(QStringLiteral("SELECT max(version) FROM schema_version")) || !query.next()))) {
        damaged_ = isDamage(query.lastError());
        problem_ = CoreText::tr("O registro %1 não pôde ser lido: %2").arg(path_, query.lastError().text());
        return std::nullopt;
    }
    return query.value(0).toInt();
}

bool Store::migrate()
{
    QSqlQuery query(database());
    std::optional<int> version = schemaVersion(query);
    if (!version)
        return false;
    if (*version > SchemaVersion) {
        problem_ = CoreText::tr("O registro %1 foi escrito por uma versão mais nova do programa (esquema %2) e "
                                "ficou como estava; nada foi registrado.")
                       .arg(path_)
                       .arg(*version);
        return false;
    }
    if (*version == SchemaVersion)
        return true;
    // Two programs starting a new record at the same moment: the first takes the write lock at
    // once, the other waits for it (a deferred transaction would fail at its first write instead)
    // and then finds the tables made.
    const auto fail = [&] {
        damaged_ = isDamage(query.lastError());
        problem_ = CoreText::tr("O registro %1 não pôde ser preparado: %2").arg(path_, query.lastError().text());
        QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail();
    version = schemaVersion(query);
    if (!version) {
        QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    if (*version < SchemaVersion) {
        for (const QString& statement : migrationStatements(*version, true)) {
            if (!query.exec(statement))
                return fail();
        }
    }
    return query.exec(QStringLiteral("COMMIT")) || fail();
}

bool Store::record(const Event& event, bool forPlant)
{
    if (!open())
        return false;
    QSqlDatabase db = database();
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlQuery query(db);
        bool ok = db.transaction();
        ok = ok && query.prepare(insertStatement(false));
        if (ok) {
            bindEvent(query, event);
            ok = query.exec();
        }
        if (ok && forPlant) {
            ok = query.prepare(QStringLiteral("INSERT INTO plant_queue (id) VALUES (?)"));
            query.bindValue(0, event.id);
            ok = ok && query.exec();
        }
        if (ok && db.commit())
            return true;
        const QSqlError error = query.lastError().isValid() ? query.lastError() : db.lastError();
        db.rollback();
        problem_ = CoreText::tr("O evento não foi registrado em %1: %2").arg(path_, error.text());
        if (attempt > 0 || !isDamage(error))
            return false;
        // Damage found only now: set the file aside and keep the event in a new one.
        damaged_ = true;
        open_ = false;
        if (!open())
            return false;
        db = database();
    }
    return false;
}

namespace {

// The events the filter lets through, newest first, in `columns`.
QSqlQuery selectEvents(const QSqlDatabase& db, const Filter& filter, const QStringList& columns, bool forwardOnly)
{
    QStringList conditions;
    QVariantList values;
    const auto add = [&](const QString& condition, const QVariant& value) {
        conditions << condition;
        values << value;
    };
    if (!filter.serialNumber.isEmpty())
        add(QStringLiteral("serial_number = ?"), filter.serialNumber);
    if (!filter.model.isEmpty())
        add(QStringLiteral("model = ?"), filter.model);
    if (!filter.bench.isEmpty())
        add(QStringLiteral("bench = ?"), filter.bench);
    if (filter.outcome)
        add(QStringLiteral("result = ?"), outcomeName(*filter.outcome));
    if (filter.since.isValid())
        add(QStringLiteral("time_utc >= ?"), timeText(filter.since.startOfDay()));
    if (filter.until.isValid())
        add(QStringLiteral("time_utc < ?"), timeText(filter.until.addDays(1).startOfDay()));
    QString statement = QStringLiteral("SELECT %1 FROM events").arg(columns.join(u','));
    if (!conditions.isEmpty())
        statement += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    statement += QStringLiteral(" ORDER BY time_utc DESC, id DESC");
    if (filter.limit > 0)
        statement += QStringLiteral(" LIMIT %1").arg(filter.limit);
    QSqlQuery query(db);
    query.setForwardOnly(forwardOnly);
    if (query.prepare(statement)) {
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        query.exec();
    }
    return query;
}

}  // namespace

QSqlQuery Store::list(const Filter& filter) const
{
    return selectEvents(database(), filter, ListColumns, false);
}

std::optional<Event> Store::event(const QString& id) const
{
    if (id.isEmpty())
        return std::nullopt;
    QSqlQuery query(database());
    // A prefix as long as the command line shows (8 characters) finds the event when only one
    // matches. The ids it starts are a range of the key, found through its index (a test on
    // substr() reads every event); the whole id comes first.
    query.prepare(
        QStringLiteral("SELECT %1 FROM events WHERE id >= ? AND id < ? || char(1114111) ORDER BY id = ? DESC LIMIT 2")
            .arg(EventColumns.join(u',')));
    query.bindValue(0, id);
    query.bindValue(1, id);
    query.bindValue(2, id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    Event found = eventFromRecord(query);
    if (found.id != id && query.next())
        return std::nullopt;
    return found;
}

int Store::count(const Filter& filter) const
{
    QSqlQuery query = selectEvents(database(), filter, { QStringLiteral("count(*)") }, true);
    return query.next() ? query.value(0).toInt() : 0;
}

QList<Event> Store::events(const Filter& filter) const
{
    QList<Event> found;
    forEachEvent(filter, [&found](const Event& event) {
        found << event;
        return true;
    });
    return found;
}

QString Store::forEachEvent(const Filter& filter, const std::function<bool(const Event&)>& visit) const
{
    // One forward-only query for them all: an export of years of events must neither look each
    // one up nor keep the rows it has passed.
    QSqlQuery query = selectEvents(database(), filter, EventColumns, true);
    while (query.next()) {
        if (!visit(eventFromRecord(query)))
            return {};
    }
    if (query.lastError().isValid())
        return CoreText::tr("O registro %1 não pôde ser lido: %2").arg(path_, query.lastError().text());
    return {};
}

QStringList Store::waitingForPlant(int limit) const
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT q.id FROM plant_queue q JOIN events e ON e.id = q.id "
                                 "ORDER BY e.time_utc, q.id LIMIT ?"));
    query.bindValue(0, limit);
    QStringList ids;
    if (query.exec()) {
        while (query.next())
            ids << query.value(0).toString();
    }
    return ids;
}

bool Store::sentToPlant(const QStringList& ids)
{
    QSqlDatabase db = database();
    QSqlQuery query(db);
    db.transaction();
    query.prepare(QStringLiteral("DELETE FROM plant_queue WHERE id = ?"));
    for (const QString& id : ids) {
        query.bindValue(0, id);
        if (!query.exec()) {
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

}  // namespace korv::history
