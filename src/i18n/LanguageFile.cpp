#include "i18n/LanguageFile.h"

#include <QCoreApplication>

#include "i18n/Windows1252.h"

#include <QDateTime>
#include <QDir>
#include <QMutex>
#include <QStringDecoder>

namespace korv {

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(korv::LanguageFile)
};
}  // namespace

namespace {

// The file is named in capitals, but on a case-sensitive file system a copy made on Windows may
// well be called "Language.trl"; the exact name wins when both exist.
QString findLanguageFile(const QDir& folder)
{
    if (folder.exists(LanguageFileName))
        return folder.filePath(LanguageFileName);
    // Name filters of QDir match without regard to case unless told otherwise.
    const QStringList matches = folder.entryList({ LanguageFileName }, QDir::Files, QDir::Name);
    return matches.isEmpty() ? QString() : folder.filePath(matches.first());
}

}  // namespace

std::optional<QString> LanguageLines::line(int number) const
{
    if (!loaded || number < 0 || number >= lines.size())
        return std::nullopt;
    return lines.at(number);
}

QString decodeLanguageText(QByteArrayView bytes)
{
#ifdef Q_OS_WIN
    // The files are written with the editors of the system they are used on; its ANSI code page is
    // what they were always read in.
    QStringDecoder ansi(QStringConverter::System);
    return ansi(bytes);
#else
    // Stateless, so that a lone lead byte at the very end (a Western-encoded "ç" ending the file)
    // counts as invalid instead of waiting for more input.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
#endif
}

QStringList splitLanguageLines(const QString& text, qsizetype maxLines)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size() && lines.size() != maxLines; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size() && lines.size() != maxLines)
        lines.append(text.mid(start));
    return lines;
}

LanguageLines LanguageFileMemo::read(const QString& path)
{
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    const std::optional<FileIdentity> identity = fileIdentity(path);
    if (identity_ && identity && path == path_ && *identity == *identity_) {
        LanguageLines same = lines_;
        same.unchanged = true;
        return same;
    }
    const FileBytes file = readRegularFile(path, LanguageFileMaximumSize);
    LanguageLines result;
    std::optional<FileIdentity> readIdentity;
    if (file.ok()) {
        result.loaded = true;
        result.lines = splitLanguageLines(decodeLanguageText(file.bytes), LanguageLineCount);
        readIdentity = file.identity;
    } else if (!file.missing) {
        result.problem = Tr::tr("%1: %2 (usando os textos embutidos)").arg(QDir::toNativeSeparators(path), file.error);
        readIdentity = identity;
    }
    path_ = path;
    lines_ = result;
    const bool settled = readIdentity && nowMs - readIdentity->changedNs / 1000000 >= settleMs_;
    identity_ = settled ? readIdentity : std::nullopt;
    return result;
}

LanguageLines loadLanguageFile(const QString& directory, const QString& fallbackDirectory)
{
    const QDir folder(directory.isEmpty() ? QDir::currentPath() : directory);
    QString path = findLanguageFile(folder);
    // An unreadable file in the first folder still wins: the user put it there on purpose.
    if (path.isEmpty() && !fallbackDirectory.isEmpty())
        path = findLanguageFile(QDir(fallbackDirectory));
    if (path.isEmpty())
        return {};
    static QMutex mutex;
    static LanguageFileMemo memo;
    const QMutexLocker lock(&mutex);
    return memo.read(path);
}

}  // namespace korv
