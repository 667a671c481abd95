#include "core/JsonObjectReader.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korv::config {

QString jsonErrorText(QJsonParseError::ParseError error)
{
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("um objeto não termina (o arquivo está truncado?)");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("uma lista não termina (o arquivo está truncado?)");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("um texto não termina (o arquivo está truncado?)");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("o arquivo termina no meio de um número (está truncado?)");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("falta \":\" depois de um nome");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("falta \",\" entre dois valores");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("número ilegal");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("texto que não está em UTF-8");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("há conteúdo depois do fim do objeto");
    default:
        break;
    }
    return QStringLiteral("conteúdo que não é JSON");
}

ObjectReader::ObjectReader(const QJsonObject& object, QString prefix, QString& error)
    : object_(object)
    , prefix_(std::move(prefix))
    , error_(error)
{
}

void ObjectReader::fail(const QString& text)
{
    if (error_.isEmpty())
        error_ = text;
}

void ObjectReader::expectKeys(const QStringList& keys)
{
    for (auto it = object_.begin(); it != object_.end(); ++it) {
        if (!keys.contains(it.key()))
            fail(QStringLiteral("chave desconhecida \"%1\"").arg(path(it.key())));
    }
    for (const QString& key : keys) {
        if (!object_.contains(key))
            fail(QStringLiteral("falta a chave \"%1\"").arg(path(key)));
    }
}

std::optional<int> ObjectReader::integer(const QString& key)
{
    const QJsonValue v = value(key);
    const double d = v.toDouble();
    if (!v.isDouble() || std::trunc(d) != d || d < std::numeric_limits<int>::min()
        || d > std::numeric_limits<int>::max()) {
        fail(QStringLiteral("\"%1\" deve ser um número inteiro").arg(path(key)));
        return std::nullopt;
    }
    return static_cast<int>(d);
}

std::optional<double> ObjectReader::correction(const QString& key)
{
    const QJsonValue v = value(key);
    if (!v.isDouble()) {
        fail(QStringLiteral("\"%1\" deve ser um número").arg(path(key)));
        return std::nullopt;
    }
    const double hundredths = v.toDouble() * 100.0;
    if (std::fabs(hundredths - std::round(hundredths)) > 1e-6 * std::max(1.0, std::fabs(hundredths))) {
        fail(QStringLiteral("\"%1\" aceita no máximo duas casas decimais").arg(path(key)));
        return std::nullopt;
    }
    return v.toDouble();
}

std::optional<int> ObjectReader::choice(const QString& key, const QStringList& words, const QString& expected)
{
    const QJsonValue v = value(key);
    const qsizetype index = v.isString() ? words.indexOf(v.toString()) : -1;
    if (index < 0) {
        fail(QStringLiteral("\"%1\" deve ser %2").arg(path(key), expected));
        return std::nullopt;
    }
    return static_cast<int>(index);
}

std::optional<QJsonObject> ObjectReader::object(const QString& key)
{
    const QJsonValue v = value(key);
    if (!v.isObject()) {
        fail(QStringLiteral("\"%1\" deve ser um objeto").arg(path(key)));
        return std::nullopt;
    }
    return v.toObject();
}

}  // namespace korv::config
