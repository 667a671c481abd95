#pragma once

#include <QByteArrayView>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

namespace korv::config {

// What went wrong in bytes that are no JSON, in the words the configuration files use.
QString jsonErrorText(QJsonParseError::ParseError error);

// A text of the file as it can be printed and typed back: quotes, backslashes and control
// characters (a NUL among them, which a terminal would swallow) in their JSON escapes.
QString escapedText(const QString& text);

// The first key that an object of `json` holds twice, named by its path ("humidity.lower"). A JSON
// reader keeps only the last of such keys, so the file would mean something other than what most
// of it says. `json` must be a document the JSON reader accepted.
std::optional<QString> repeatedKey(QByteArrayView json);

// Walks one JSON object of a configuration file, naming every value by its path in the file
// ("humidity.lower") and keeping the first fault; reads after a fault return nothing.
class ObjectReader {
public:
    ObjectReader(const QJsonObject& object, QString prefix, QString& error);

    QString path(const QString& key) const { return prefix_ + key; }
    bool failed() const { return !error_.isEmpty(); }
    void fail(const QString& text);

    // Every key must be one the format knows, and every known key must be there.
    void expectKeys(const QStringList& keys);

    QJsonValue value(const QString& key) const { return object_.value(key); }
    std::optional<int> integer(const QString& key);
    // Corrections are typed with at most two decimals; a file may not hold what nobody could type.
    std::optional<double> correction(const QString& key);
    // One of a few fixed words; `expected` names them for the message.
    std::optional<int> choice(const QString& key, const QStringList& words, const QString& expected);
    std::optional<QJsonObject> object(const QString& key);

private:
    QJsonObject object_;
    QString prefix_;
    QString& error_;
};

}  // namespace korv::config
