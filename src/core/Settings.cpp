#include "core/Settings.h"

#include "core/LinkSettings.h"

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

namespace {

// The spelling the file already uses for `wanted`, the exact one first; `wanted` itself when the
// file has none.
QString spellingIn(const QStringList& names, const QString& wanted)
{
    if (names.contains(wanted))
        return wanted;
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return wanted;
}

struct FileNames {
    QString section;
    QString port;
    QString unit;
};

// Leaves `file` inside the section.
FileNames enterSection(QSettings& file)
{
    FileNames names;
    names.section = spellingIn(file.childGroups(), AppSettings::Section);
    file.beginGroup(names.section);
    const QStringList keys = file.childKeys();
    names.port = spellingIn(keys, AppSettings::PortKey);
    names.unit = spellingIn(keys, AppSettings::UnitKey);
    return names;
}

}  // namespace

QString AppSettings::portToOpen() const
{
    return isUsablePortName(PortSetting) ? PortSetting : DefaultPort;
}

AppSettings readSettings(const QString& path)
{
    AppSettings settings;
    QSettings file(path, QSettings::IniFormat);
    const FileNames names = enterSection(file);
    settings.PortSetting = file.value(names.port, AppSettings::DefaultPort).toString().trimmed();
    settings.UnitSetting = file.value(names.unit, AppSettings::DefaultUnit).toString();
    file.endGroup();
    return settings;
}

bool writeSettings(const QString& path, const AppSettings& settings)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // QSettings saves INI files through QSaveFile: the new text replaces the file in one rename.
    QSettings file(path, QSettings::IniFormat);
    const FileNames names = enterSection(file);
    file.setValue(names.port, settings.PortSetting);
    file.setValue(names.unit, settings.UnitSetting);
    file.endGroup();
    file.sync();
    return file.status() == QSettings::NoError;
}

}  // namespace korv
