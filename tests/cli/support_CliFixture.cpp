#include "CliFixture.h"

#include "common/Timing.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTextStream>

namespace korv::test {

CliFixture::CliFixture()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // The commands keep their real order and retry counts; only the pauses are shortened.
    Timing::setScalePercent(5);
    previousDirectory = QDir::currentPath();
    QDir::setCurrent(dir.path());
    settingsPath = dir.filePath(QStringLiteral("config/OrvSetup.ini"));
}

CliFixture::~CliFixture()
{
    emulator.reset();
    QDir::setCurrent(previousDirectory);
}

bool CliFixture::start(int modelCode, int firmware, int outputType)
{
    emu::Seed seed;
    seed.modelCode = modelCode;
    seed.firmware = firmware;
    seed.outputType = outputType;
    emulator = std::make_unique<emu::TransmitterEmulator>(seed);
    if (!emulator->setLinkPath(dir.filePath(QStringLiteral("ttyCli"))) || !emulator->start())
        return false;
    QDir().mkpath(dir.filePath(QStringLiteral("config")));
    QFile settings(settingsPath);
    if (!settings.open(QIODevice::WriteOnly))
        return false;
    settings.write(QStringLiteral("[Parametros]\nPort=%1\nTemperatura=C\n").arg(emulator->devicePath()).toUtf8());
    return true;
}

CliFixture::Result CliFixture::run(const QStringList& arguments) const
{
    Result result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    const cli::Environment environment { settingsPath, dir.path() };
    result.code = cli::run(QStringList { QStringLiteral("korvsetup-cli") } + arguments, environment, out, err);
    return result;
}

QString CliFixture::file(const QString& name, const QByteArray& bytes) const
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

int CliFixture::writesReceived() const
{
    int writes = 0;
    for (const QByteArray& frame : emulator->receivedFrames()) {
        if (frame.startsWith('Q'))
            ++writes;
    }
    return writes;
}

}  // namespace korv::test
