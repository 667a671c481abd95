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

    QString PortSetting = DefaultPort;
    QString UnitSetting = DefaultUnit;

    // Only the exact text "F" selects degrees Fahrenheit.
    bool fahrenheit() const { return UnitSetting == QLatin1String("F"); }
};

// ~/.config/KOrvSetup/OrvSetup.ini on Linux, the matching per-user folder elsewhere.
QString settingsFilePath();

// Missing file, missing keys and unusable values give the defaults; a port that is not a port name
// falls back to the default port so that the rest of start-up still runs.
AppSettings readSettings(const QString& path);

// Written atomically: an interrupted write leaves the previous file whole.
bool writeSettings(const QString& path, const AppSettings& settings);

}  // namespace korv
