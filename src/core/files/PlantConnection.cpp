#include "core/files/PlantConnection.h"

#include "core/CoreText.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace korv {

namespace {

bool isUri(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.startsWith(QLatin1String("postgresql://")) || trimmed.startsWith(QLatin1String("postgres://"));
}

bool hasKeyword(const ConnectionKeywords& keywords, QLatin1String name)
{
    for (const auto& [keyword, value] : keywords) {
        if (keyword == name)
            return true;
    }
    return false;
}

}  // namespace

std::optional<ConnectionKeywords> connectionKeywords(const QString& connectionString)
{
    ConnectionKeywords keywords;
    const QString& text = connectionString;
    qsizetype at = 0;
    const auto skipBlanks = [&] {
        while (at < text.size() && text[at].isSpace())
            ++at;
    };
    while (true) {
        skipBlanks();
        if (at >= text.size())
            return keywords;
        const qsizetype keyBegin = at;
        while (at < text.size() && text[at] != u'=' && !text[at].isSpace())
            ++at;
        const QString keyword = text.sliced(keyBegin, at - keyBegin);
        skipBlanks();
        if (keyword.isEmpty() || at >= text.size() || text[at] != u'=')
            return std::nullopt;
        ++at;
        skipBlanks();
        QString value;
        const bool quoted = at < text.size() && text[at] == u'\'';
        if (quoted)
            ++at;
        while (true) {
            if (at >= text.size()) {
                if (quoted)
                    return std::nullopt;
                break;
            }
            const QChar c = text[at++];
            if (c == u'\\') {
                if (at < text.size())
                    value += text[at++];
            } else if (quoted ? c == u'\'' : c.isSpace()) {
                break;
            } else {
                value += c;
            }
        }
        keywords.append({ keyword, value });
    }
}

bool holdsPassword(const QString& connectionString)
{
    if (isUri(connectionString)) {
        const QUrl url(connectionString.trimmed());
        return !url.password().isEmpty() || QUrlQuery(url).hasQueryItem(QStringLiteral("password"));
    }
    // A string libpq cannot read is judged by its words: it may still be a password mistyped.
    const auto keywords = connectionKeywords(connectionString);
    if (!keywords)
        return connectionString.contains(QRegularExpression(QStringLiteral("\\bpassword\\s*=")));
    return hasKeyword(*keywords, QLatin1String("password"));
}

PlantConnection plantConnection(const QString& connectionString, int connectTimeoutSeconds)
{
    PlantConnection connection;
    if (holdsPassword(connectionString)) {
        connection.problem = CoreText::tr("a conexão traz uma senha, que o programa não usa: guarde-a no ~/.pgpass");
        return connection;
    }
    // Qt's driver puts what it is given after its own keywords, where libpq no longer takes a URI.
    if (isUri(connectionString)) {
        connection.problem
            = CoreText::tr("a conexão deve ser escrita com palavras-chave (host=… dbname=… user=…), não como URI");
        return connection;
    }
    const auto keywords = connectionKeywords(connectionString);
    if (!keywords || keywords->isEmpty()) {
        connection.problem = CoreText::tr("a conexão não pôde ser lida: cada valor segue sua palavra-chave e um "
                                          "\"=\", e aspas abertas se fecham");
        return connection;
    }
    // The driver turns every ";" into a blank before libpq sees the string.
    for (const auto& [keyword, value] : *keywords) {
        if (value.contains(u';')) {
            connection.problem = CoreText::tr("o valor de %1 não pode conter \";\"").arg(keyword);
            return connection;
        }
    }
    connection.options = connectionString.trimmed();
    if (!hasKeyword(*keywords, QLatin1String("connect_timeout")))
        connection.options += QStringLiteral(" connect_timeout=%1").arg(connectTimeoutSeconds);
    // A table locked on the server, or a statement it never finishes, gives up too, so that every
    // send ends and its events wait for the next.
    if (!hasKeyword(*keywords, QLatin1String("options")))
        connection.options += QStringLiteral(" options='-c lock_timeout=%1 -c statement_timeout=%2'")
                                  .arg(connectTimeoutSeconds * 1000)
                                  .arg(connectTimeoutSeconds * 10000);
    // Lets the plant's administrator tell the benches' sessions apart from others'.
    if (!hasKeyword(*keywords, QLatin1String("fallback_application_name")))
        connection.options += QStringLiteral(" fallback_application_name=KOrvSetup");
    return connection;
}

}  // namespace korv
