#pragma once

#include <QString>

namespace korv {

// OrvSetup.ini: the serial port and the temperature unit, remembered between runs.
struct AppSettings {
    static inline const QString Section = QStringLiteral("Parametros");
    static inline const QString PortKey = QStringLiteral("Port");
    static inline const QString UnitKey = QStringLiteral("Temperatura");
    static inline const QString DefaultPort = QStringLiteral("COM2");
    static inline const QString DefaultUnit = QStringLiteral("C");
    static inline const QString FastKey = QStringLiteral("Rapida");

    // Both texts are written back exactly as read; only choosing another port in the menu replaces
    // the port's.
    QString PortSetting = DefaultPort;
    QString UnitSetting = DefaultUnit;
    // The fast exchange, off unless the file says "Rapida=1"; a file that never had it on is
    // written without the key.
    bool FastExchange = false;

    // Only the exact text "F" selects degrees Fahrenheit.
    bool fahrenheit() const { return UnitSetting == QLatin1String("F"); }
    // The port the link opens: the setting itself when it names one, even a port that does not
    // exist (the open then fails and says so); the default port only when it names none at all.
    QString portToOpen() const;
};

// ~/.config/KOrvSetup/OrvSetup.ini on Linux, the matching per-user folder elsewhere.
QString settingsFilePath();

// Missing file and missing keys give the defaults. The section and keys are found whatever their
// letter case, as the profile functions of Windows, where such files are edited, ignore it.
AppSettings readSettings(const QString& path);

// Written atomically: an interrupted write leaves the previous file whole. Section and keys keep
// the spelling the file already has. A file the INI reader cannot read whole is first copied
// aside (OrvSetup.ini.bak, .bak2, ...; never replacing one), as rewriting it drops the lines it
// did not understand. True when the file now holds the settings.
bool writeSettings(const QString& path, const AppSettings& settings);

// The copy of an unreadable settings file made before it is rewritten; empty when the file reads
// whole (or does not exist) and nothing was copied.
QString keepUnreadableSettings(const QString& path);

}  // namespace korv
