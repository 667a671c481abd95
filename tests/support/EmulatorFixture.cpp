#include "EmulatorFixture.h"

#include "common/Timing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

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

void EmulatorFixture::swapUnitAfter(std::function<bool(const QList<QByteArray>& frames)> when, const emu::Seed& other)
{
    swappedAfter_ = -1;
    // The trace runs on the emulator's thread after each answer and before the next frame is read.
    emulator->setTrace([this, when = std::move(when), other](const QByteArray&, const QByteArray&) {
        if (swappedAfter_ >= 0)
            return;
        const QList<QByteArray> frames = emulator->receivedFrames();
        if (!when(frames))
            return;
        emulator->reseed(other);
        swappedAfter_ = static_cast<int>(frames.size());
    });
}

QList<int> EmulatorFixture::writtenTo(bool firstUnit) const
{
    const QList<QByteArray> frames = emulator->receivedFrames();
    const int swappedAfter = swappedAfter_;
    const qsizetype swap = swappedAfter < 0 ? frames.size() : qsizetype(swappedAfter);
    QList<int> addresses;
    for (qsizetype i = firstUnit ? 0 : swap; i < (firstUnit ? swap : frames.size()); ++i) {
        const QByteArray& frame = frames[i];
        const int address = (quint8(frame[1]) << 8) | quint8(frame[2]);
        if (frame.startsWith('Q') && !addresses.contains(address))
            addresses << address;
    }
    return addresses;
}

std::function<bool(const QList<QByteArray>& frames)> afterWrites(int writes, int thenReadOf)
{
    return [writes, thenReadOf](const QList<QByteArray>& frames) {
        const auto written = std::count_if(
            frames.begin(), frames.end(), [](const QByteArray& frame) { return frame.startsWith('Q'); });
        const QByteArray& last = frames.last();
        if (thenReadOf < 0)
            return written == writes && last.startsWith('Q');
        return written >= writes && last.startsWith('P') && ((quint8(last[1]) << 8) | quint8(last[2])) == thenReadOf;
    };
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
