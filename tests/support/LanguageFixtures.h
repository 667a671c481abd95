#pragma once

#include "i18n/LanguageFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace korv::test {

// A complete English file: line N reads "EN N", except the communication error (line 38) and the
// warning caption (line 39), which carry real texts.
inline QStringList englishLines()
{
    QStringList lines;
    for (int i = 0; i < 72; ++i)
        lines << QStringLiteral("EN %1").arg(i);
    lines[38] = QStringLiteral("Communication error!");
    lines[39] = QStringLiteral("Warning");
    return lines;
}

// The lines as a load of a file holding them gives them (`loaded` false: as if none was found).
inline LanguageLines languageOf(const QStringList& lines, bool loaded = true)
{
    LanguageLines language;
    language.loaded = loaded;
    language.lines = lines;
    return language;
}

inline QByteArray joinLines(const QStringList& lines, const QByteArray& ending = "\r\n")
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + ending;
    return bytes;
}

inline bool writeFile(const QString& directory, const QByteArray& bytes, const QString& name = "LANGUAGE.TRL")
{
    QFile file(QDir(directory).filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace korv::test
