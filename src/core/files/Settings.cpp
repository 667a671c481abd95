#include "core/files/Settings.h"

#include "core/CoreText.h"
#include "core/files/FileRead.h"
#include "core/files/FileSave.h"
#include "core/files/SettingsText.h"
#include "core/link/LinkSettings.h"

#include <QDir>
#include <QFileInfo>
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

QString notText()
{
    return CoreText::tr("não é um arquivo de texto (é binário ou UTF-16)");
}

void tell(const QString& text)
{
    qWarning("%s", qUtf8Printable(text));
}

}  // namespace

QString AppSettings::portToOpen() const
{
    return isUsablePortName(PortSetting) ? PortSetting : DefaultPort;
}

AppSettings readSettings(const QString& path)
{
    const FileBytes file = readRegularFile(path, MaxSettingsFileBytes);
    if (file.missing)
        return {};
    std::optional<AppSettings> settings;
    if (file.ok())
        settings = settingsFromText(file.bytes);
    if (settings) {
        if (settings->PlantServerRefused)
            tell(CoreText::tr("%1: [%2] %3 traz uma senha, que este arquivo não guarda; os eventos ficam só neste "
                              "computador. Ponha a senha no ~/.pgpass e tire-a do arquivo.")
                     .arg(path, AppSettings::RecordSection, AppSettings::PlantServerKey));
        return *settings;
    }
    tell(CoreText::tr("%1: %2; valem as configurações padrão, e o arquivo não será alterado.")
             .arg(path, file.ok() ? notText() : file.error));
    AppSettings defaults;
    defaults.leaveFileAlone = true;
    return defaults;
}

bool writeSettings(const QString& path, const AppSettings& settings)
{
    if (settings.leaveFileAlone)
        return false;
    const FileBytes file = readRegularFile(path, MaxSettingsFileBytes);
    std::optional<QByteArray> text;
    if (file.ok() || file.missing)
        text = updatedSettingsText(file.bytes, settings);
    if (!text) {
        tell(CoreText::tr("%1: %2; as configurações não foram salvas, e o arquivo não foi alterado.")
                 .arg(path, file.ok() ? notText() : file.error));
        return false;
    }
    if (file.ok() && *text == file.bytes)
        return true;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const SaveResult saved = saveFile(path, *text);
    if (!saved.saved())
        tell(CoreText::tr("Não foi possível salvar as configurações em %1: %2.").arg(path, saved.reason));
    return saved.saved();
}

}  // namespace korv
