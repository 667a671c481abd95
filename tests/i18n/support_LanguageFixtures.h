#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korv::test {

// A complete English file: line N reads "EN N", except the communication error (line 38) and the
// warning caption (line 39), which carry real texts.
QStringList englishLines();

QByteArray joinLines(const QStringList& lines, const QByteArray& ending = "\r\n");

bool writeFile(const QString& directory, const QByteArray& bytes, const QString& name = "LANGUAGE.TRL");

}  // namespace korv::test
