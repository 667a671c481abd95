#include "core/files/JsonObjectReader.h"

#include "core/CoreText.h"

#include <QList>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace korv::config {

namespace {

// The text of the JSON string whose opening quote is at `at`; `at` ends past its closing quote.
QString readString(QByteArrayView json, qsizetype& at)
{
    QString text;
    qsizetype runStart = ++at;
    // Runs of plain bytes are decoded whole; escapes cut them only at ASCII, never inside a
    // character.
    const auto endRun = [&](qsizetype runEnd) { text += QString::fromUtf8(json.sliced(runStart, runEnd - runStart)); };
    while (at < json.size()) {
        const char c = json[at];
        if (c == '"') {
            endRun(at++);
            return text;
        }
        if (c != '\\' || at + 1 >= json.size()) {
            ++at;
            continue;
        }
        endRun(at);
        const char escape = json[at + 1];
        at += 2;
        switch (escape) {
        case 'b':
            text += u'\b';
            break;
        case 'f':
            text += u'\f';
            break;
        case 'n':
            text += u'\n';
            break;
        case 'r':
            text += u'\r';
            break;
        case 't':
            text += u'\t';
            break;
        case 'u': {
            // One UTF-16 unit each: the two halves of a pair join up as they are appended.
            bool ok = false;
            const ushort unit
                = json.sliced(at, std::min<qsizetype>(4, json.size() - at)).toByteArray().toUShort(&ok, 16);
            text += QChar(ok ? unit : 0xFFFD);
            at = std::min(at + 4, json.size());
            break;
        }
        default:
            text += QLatin1Char(escape);
            break;
        }
        runStart = at;
    }
    endRun(at);
    return text;
}

}  // namespace

QString jsonErrorText(QJsonParseError::ParseError error)
{
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return CoreText::tr("um objeto não termina (o arquivo está truncado?)");
    case QJsonParseError::UnterminatedArray:
        return CoreText::tr("uma lista não termina (o arquivo está truncado?)");
    case QJsonParseError::UnterminatedString:
        return CoreText::tr("um texto não termina (o arquivo está truncado?)");
    case QJsonParseError::TerminationByNumber:
        return CoreText::tr("o arquivo termina no meio de um número (está truncado?)");
    case QJsonParseError::MissingNameSeparator:
        return CoreText::tr("falta \":\" depois de um nome");
    case QJsonParseError::MissingValueSeparator:
        return CoreText::tr("falta \",\" entre dois valores");
    case QJsonParseError::IllegalNumber:
        return CoreText::tr("número ilegal");
    case QJsonParseError::IllegalUTF8String:
        return CoreText::tr("texto que não está em UTF-8");
    case QJsonParseError::GarbageAtEnd:
        return CoreText::tr("há conteúdo depois do fim do objeto");
    default:
        break;
    }
    return CoreText::tr("conteúdo que não é JSON");
}

QString escapedText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        if (c == u'"' || c == u'\\') {
            out += u'\\';
            out += c;
            continue;
        }
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

std::optional<QString> repeatedKey(QByteArrayView json)
{
    struct Level {
        bool object = false;
        bool expectingKey = false;
        QString path;  // of the level itself, ending in a point below the top
        QString lastKey;  // the path of the key whose value comes next
        QSet<QString> keys;
    };
    QList<Level> levels;
    qsizetype at = 0;
    while (at < json.size()) {
        const char c = json[at];
        if (c == '"') {
            const QString text = readString(json, at);
            if (!levels.isEmpty() && levels.last().expectingKey) {
                Level& level = levels.last();
                level.expectingKey = false;
                level.lastKey = level.path + escapedText(text);
                if (level.keys.contains(text))
                    return level.lastKey;
                level.keys.insert(text);
            }
            continue;
        }
        ++at;
        if (c == '{' || c == '[') {
            QString path;
            if (!levels.isEmpty())
                path = levels.last().object ? levels.last().lastKey + u'.' : levels.last().path;
            levels.append({ c == '{', c == '{', path, {}, {} });
        } else if ((c == '}' || c == ']') && !levels.isEmpty()) {
            levels.removeLast();
        } else if (c == ',' && !levels.isEmpty() && levels.last().object) {
            levels.last().expectingKey = true;
        }
    }
    return std::nullopt;
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
            fail(CoreText::tr("chave desconhecida \"%1\"").arg(path(escapedText(it.key()))));
    }
    for (const QString& key : keys) {
        if (!object_.contains(key))
            fail(CoreText::tr("falta a chave \"%1\"").arg(path(key)));
    }
}

std::optional<int> ObjectReader::integer(const QString& key)
{
    const QJsonValue v = value(key);
    const double d = v.toDouble();
    if (!v.isDouble() || std::trunc(d) != d || d < std::numeric_limits<int>::min()
        || d > std::numeric_limits<int>::max()) {
        fail(CoreText::tr("\"%1\" deve ser um número inteiro").arg(path(key)));
        return std::nullopt;
    }
    return static_cast<int>(d);
}

std::optional<double> ObjectReader::correction(const QString& key)
{
    const QJsonValue v = value(key);
    if (!v.isDouble()) {
        fail(CoreText::tr("\"%1\" deve ser um número").arg(path(key)));
        return std::nullopt;
    }
    const double hundredths = v.toDouble() * 100.0;
    if (std::fabs(hundredths - std::round(hundredths)) > 1e-6 * std::max(1.0, std::fabs(hundredths))) {
        fail(CoreText::tr("\"%1\" aceita no máximo duas casas decimais").arg(path(key)));
        return std::nullopt;
    }
    return v.toDouble();
}

std::optional<int> ObjectReader::choice(const QString& key, const QStringList& words, const QString& expected)
{
    const QJsonValue v = value(key);
    const qsizetype index = v.isString() ? words.indexOf(v.toString()) : -1;
    if (index < 0) {
        fail(CoreText::tr("\"%1\" deve ser %2").arg(path(key), expected));
        return std::nullopt;
    }
    return static_cast<int>(index);
}

std::optional<QJsonObject> ObjectReader::object(const QString& key)
{
    const QJsonValue v = value(key);
    if (!v.isObject()) {
        fail(CoreText::tr("\"%1\" deve ser um objeto").arg(path(key)));
        return std::nullopt;
    }
    return v.toObject();
}

}  // namespace korv::config
