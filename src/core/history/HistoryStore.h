#pragma once

#include "core/history/HistoryEvent.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The record of events in a database: by default a SQLite file of the user's, for a plant the same
// tables on a PostgreSQL server as well. The tables, the schema version and the migrations are
// written once here, for both.
namespace korv::history {

// The newest schema this program writes; a database that says more was written by a later one.
inline constexpr int SchemaVersion = 1;

// $XDG_DATA_HOME/KOrvSetup/history.sqlite on Linux, the matching per-user folder elsewhere.
QString defaultDatabasePath();

// Which events a list shows; an empty member does not filter.
struct Filter {
    QString serialNumber;
    QString model;
    QString bench;
    std::optional<Outcome> outcome;
    QDate since;  // the bench's local dates, inclusive
    QDate until;
    int limit = 0;  // 0: all
};

// The columns a list of events shows, in this order; the full event comes from event().
inline const QStringList ListColumns { QStringLiteral("id"), QStringLiteral("time_utc"), QStringLiteral("utc_offset"),
    QStringLiteral("serial_number"), QStringLiteral("model"), QStringLiteral("command"), QStringLiteral("result"),
    QStringLiteral("result_text"), QStringLiteral("bench"), QStringLiteral("user_name"), QStringLiteral("front_end") };

// The statements that bring a database of `from` to SchemaVersion, for SQLite or PostgreSQL (the
// same tables; only the local one keeps a queue of events still to send to the plant's server).
QStringList migrationStatements(int from, bool local);

class Store {
public:
    // `connectionName` must be unique in the process; the database is opened by open().
    Store(QString path, QString connectionName);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Opens the file (creating it and its folder) and brings its schema up to date. A damaged
    // file is moved aside and a new one started (notice() says where it went); a file of a newer
    // schema, or one that cannot be opened, is left alone and problem() says why.
    bool open();
    bool isOpen() const { return open_; }
    QString problem() const { return problem_; }
    QString notice() const { return notice_; }
    QString path() const { return path_; }

    // Keeps the event in one transaction, and queues it for the plant's server when `forPlant`.
    // False, with problem() saying why, when it could not be kept.
    bool record(const Event& event, bool forPlant = false);

    // The events the filter lets through, newest first, in ListColumns; also for a table model.
    QSqlQuery list(const Filter& filter) const;
    std::optional<Event> event(const QString& id) const;
    // How many the filter lets through (0 when the record cannot be read).
    int count(const Filter& filter) const;
    // Newest first; ids may be abbreviated to a unique prefix as the command line shows them.
    QList<Event> events(const Filter& filter) const;
    // The same events one at a time, for lists too long to hold at once; `visit` returns false to
    // stop. Why the record could not be read to the end; empty when it was (or `visit` stopped).
    QString forEachEvent(const Filter& filter, const std::function<bool(const Event&)>& visit) const;

    // The events still to send to the plant, oldest first, and their removal once sent.
    QStringList waitingForPlant(int limit) const;
    bool sentToPlant(const QStringList& ids);

    QSqlDatabase database() const;

private:
    bool openFile();
    bool migrate();
    std::optional<int> schemaVersion(QSqlQuery& query);

    QString path_;
    QString connection_;
    bool open_ = false;
    bool damaged_ = false;  // the last failure was SQLite finding no database, or a damaged one
    QString problem_;
    QString notice_;
};

// The event's values in the order of the events table's columns, for an INSERT on either database.
void bindEvent(QSqlQuery& query, const Event& event);
QString insertStatement(bool skipExisting);
Event eventFromRecord(const QSqlQuery& query);  // a query selecting every column of the table

}  // namespace korv::history
