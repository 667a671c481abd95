#include "EmulatorFixture.h"

#include "common/Timing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace korv::test {

EmulatorFixture::EmulatorFixture()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    Timing::setScalePercent(5);
    previousDirectory = QDir::currentPath();
    QDir::setCurrent(dir.path());
}

EmulatorFixture::~EmulatorFixture()
{
    emulator.reset();
    QDir::setCurrent(previousDirectory);
}

bool EmulatorFixture::start(const emu::Seed& seed)
{
    emulator = std::make_unique<emu::TransmitterEmulator>(seed);
    return emulator->setLinkPath(dir.filePath(QStringLiteral("ttyKOrv"))) && emulator->start();
}

QByteArray EmulatorFixture::settingsText(const QString& unit) const
{
    return QStringLiteral("[Parametros]\nPort=%1\nTemperatura=%2\n").arg(emulator->devicePath(), unit).toUtf8();
}

QString EmulatorFixture::writeFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

emu::Seed seedFor(int modelCode, int firmware, int outputType)
{
    emu::Seed seed;
    seed.modelCode = modelCode;
    seed.firmware = firmware;
    seed.outputType = outputType;
    return seed;
}

}  // namespace korv::test
