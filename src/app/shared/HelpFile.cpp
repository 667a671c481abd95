#include "app/shared/HelpFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace korv {

QString helpFilePath(const QString& startDirectory)
{
    return QDir(startDirectory).filePath(QStringLiteral("OrvSetup.hlp"));
}

bool openHelpFile(const QString& startDirectory)
{
    const QString path = helpFilePath(startDirectory);
    if (!QFileInfo::exists(path))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace korv
