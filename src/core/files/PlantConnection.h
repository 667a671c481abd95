#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// The plant server's libpq connection string as the settings file gives it ("host=db.plant
// dbname=korv user=bench"). Its password never comes from us: libpq finds it in ~/.pgpass or the
// service file on its own.
namespace korv {

using ConnectionKeywords = QList<std::pair<QString, QString>>;

// The keywords and values of a key=value string, read as libpq reads them (blanks around "=",
// single-quoted values, backslash escapes); none when libpq would refuse its form.
std::optional<ConnectionKeywords> connectionKeywords(const QString& connectionString);

// The string names a password: a "password" keyword, or a URI with one.
bool holdsPassword(const QString& connectionString);

struct PlantConnection {
    QString options;  // what the database driver passes on to libpq
    QString problem;  // why the string cannot be used; empty when it can
};

// The string as the driver passes it on, with a connect_timeout of `connectTimeoutSeconds` when it
// names none, and a lock and statement timeout (as many seconds, ten times as many) when it names
// no server options, so that a server that does not answer holds nothing up for long.
PlantConnection plantConnection(const QString& connectionString, int connectTimeoutSeconds);

}  // namespace korv
