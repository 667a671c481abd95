#include "app/Settings.h"

#include "link/LinkSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace korv {

QString settingsFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return folder + QStringLiteral("/KOrvSetup/OrvSetup.ini");
}

AppSettings readSettings(const QString& path)
{
    AppSettings settings;
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(AppSettings::Section);
    const QString port = file.value(AppSettings::PortKey, AppSettings::DefaultPort).toString().trimmed();
    const QString unit = file.value(AppSettings::UnitKey, AppSettings::DefaultUnit).toString();
    file.endGroup();
    settings.PortSetting = isUsablePortName(port) ? port : AppSettings::DefaultPort;
    settings.UnitSetting = unit;
    return settings;
}

bool writeSettings(const QString& path, const AppSettings& settings)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // QSettings saves INI files through QSaveFile: the new text replaces the file in one rename.
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(AppSettings::Section);
    file.setValue(AppSettings::PortKey, settings.PortSetting);
    file.setValue(AppSettings::UnitKey, settings.UnitSetting);
    file.endGroup();
    file.sync();
    return file.status() == QSettings::NoError;
}

}  // namespace korv
