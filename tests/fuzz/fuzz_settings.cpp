// The settings file and the port names it may hold: any bytes as the INI file, then the rules
// that pick the port to open.
#include "core/LinkSettings.h"
#include "core/Settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_settings";
    static char* argv[] = { name, nullptr };
    static QCoreApplication application(argc, argv);
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const korv::AppSettings settings = korv::readSettings(path);
    const QString port = settings.portToOpen();
    // The port opened is always one the rules accept, whatever the file says.
    if (!korv::isUsablePortName(port))
        __builtin_trap();
    (void)korv::deviceNameFor(port);
    (void)korv::settingPortNumber(settings.PortSetting);
    (void)korv::comPortNumber(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    (void)settings.fahrenheit();
    return 0;
}
