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
    static inline const QString LanguageKey = QStringLiteral("Idioma");
    static inline const QString RecordSection = QStringLiteral("Registro");
    static inline const QString PlantServerKey = QStringLiteral("Servidor");

    // Both texts are written back exactly as read; only choosing another port in the menu replaces
    // the port's.
    QString PortSetting = DefaultPort;
    QString UnitSetting = DefaultUnit;
    // The fast exchange, off unless the file says "Rapida=1"; a file that never had it on is
    // written without the key.
    bool FastExchange = false;
    // The language chosen in the menu ("pt", "en" or "es"); empty until one is chosen, and then
    // the file is written without the key. Any other text is kept and means Portuguese.
    QString LanguageSetting;
    // The plant's PostgreSQL server that the record sends its events on to, as a libpq connection
    // string ([Registro] Servidor); empty: the bench keeps its record alone. Read only: the
    // program never writes it. A string that holds a password is refused (the password belongs in
    // libpq's ~/.pgpass), and PlantServerRefused says so.
    QString PlantServer;
    bool PlantServerRefused = false;
    // The file could not be used (not a regular file, too large, not text): the defaults stand in
    // for it, the user has been told, and it is not rewritten.
    bool leaveFileAlone = false;

    // Only the exact text "F" selects degrees Fahrenheit.
    bool fahrenheit() const { return UnitSetting == QLatin1String("F"); }
    // The port the link opens: the setting itself when it names one, even a port that does not
    // exist (the open then fails and says so); the default port only when it names none at all.
    QString portToOpen() const;
};

// ~/.config/KOrvSetup/OrvSetup.ini on Linux, the matching per-user folder elsewhere.
QString settingsFilePath();

// At most this many bytes are read: anything larger is not a settings file.
constexpr qint64 MaxSettingsFileBytes = 1024 * 1024;

// Missing file and missing keys give the defaults. The section and keys are found whatever their
// letter case, as the profile functions of Windows, where such files are edited, ignore it. A file
// that cannot be used is said on standard error, naming it and what it is; the defaults are used
// and the file is marked to be left alone.
AppSettings readSettings(const QString& path);

// Changes only the program's values in the file and keeps every other byte (see
// updatedSettingsText), through the one save routine: a failed write leaves the previous file
// whole, and a link is followed to the file it names. A file that is not text or not a regular
// file is left alone, and so is one the read marked so. Said on standard error when the file
// could not be written. True when the file now holds the settings.
bool writeSettings(const QString& path, const AppSettings& settings);

}  // namespace korv
