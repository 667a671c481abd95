#include "core/Settings.h"

#include "core/LinkSettings.h"

#include <QDir>
#include <QFile>
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
    QString fast;
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
    names.fast = spellingIn(keys, AppSettings::FastKey);
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
    settings.FastExchange = file.value(names.fast).toString().trimmed() == QLatin1String("1");
    file.endGroup();
    return settings;
}

QString keepUnreadableSettings(const QString& path)
{
    {
        QSettings probe(path, QSettings::IniFormat);
        probe.childGroups();
        if (probe.status() != QSettings::FormatError)
            return {};
    }
    for (int n = 1; n < 1000; ++n) {
        const QString kept = path + (n == 1 ? QStringLiteral(".bak") : QStringLiteral(".bak%1").arg(n));
        // QFile::copy never replaces an existing file.
        if (!QFile::exists(kept) && QFile::copy(path, kept))
            return kept;
    }
    return {};
}

bool writeSettings(const QString& path, const AppSettings& settings)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Rewriting a file the INI reader only partly understands drops the lines it did not: the
    // user's file is copied aside whole first.
    const QString kept = keepUnreadableSettings(path);
    if (!kept.isEmpty())
        qWarning("%s could not be read whole; it is kept as %s", qUtf8Printable(path), qUtf8Printable(kept));
    {
        // QSettings saves INI files through QSaveFile: the new text replaces the file in one
        // rename.
        QSettings file(path, QSettings::IniFormat);
        const FileNames names = enterSection(file);
        file.setValue(names.port, settings.PortSetting);
        file.setValue(names.unit, settings.UnitSetting);
        if (settings.FastExchange)
            file.setValue(names.fast, 1);
        else
            file.remove(names.fast);
        file.endGroup();
        file.sync();
        if (file.status() == QSettings::AccessError)
            return false;
    }
    // A read error of the old text leaves its mark on the status even when the new text was
    // saved: what counts is that the file now holds the settings.
    const AppSettings saved = readSettings(path);
    return saved.PortSetting == settings.PortSetting.trimmed() && saved.UnitSetting == settings.UnitSetting
        && saved.FastExchange == settings.FastExchange;
}

}  // namespace korv
