#include "support_LanguageFixtures.h"

#include <QDir>
#include <QFile>

namespace korv::test {

QStringList englishLines()
{
    QStringList lines;
    for (int i = 0; i < 72; ++i)
        lines << QStringLiteral("EN %1").arg(i);
    lines[38] = QStringLiteral("Communication error!");
    lines[39] = QStringLiteral("Warning");
    return lines;
}

QByteArray joinLines(const QStringList& lines, const QByteArray& ending)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + ending;
    return bytes;
}

bool writeFile(const QString& directory, const QByteArray& bytes, const QString& name)
{
    QFile file(QDir(directory).filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace korv::test
