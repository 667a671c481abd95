#include "support_appfixture.h"

#include "common/Timing.h"

#include <QDir>
#include <QFile>
#include <QLocale>

AppFixture::AppFixture()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // The sequences keep their real order and retry counts; only the pauses are shortened.
    korv::Timing::setScalePercent(5);
    previousDirectory = QDir::currentPath();
    QDir::setCurrent(dir.path());
}

AppFixture::~AppFixture()
{
    if (form)
        form->close();
    form.reset();
    emulator.reset();
    QDir::setCurrent(previousDirectory);
}

bool AppFixture::start(const korv::emu::Seed& seed, const QString& unit)
{
    emulator = std::make_unique<korv::emu::TransmitterEmulator>(seed);
    if (!emulator->setLinkPath(dir.filePath(QStringLiteral("ttyKOrv"))) || !emulator->start())
        return false;
    startWithSettings(
        QStringLiteral("[Parametros]\nPort=%1\nTemperatura=%2\n").arg(emulator->devicePath(), unit).toUtf8());
    return true;
}

void AppFixture::startWithSettings(const QByteArray& iniText)
{
    createWithSettings(iniText);
    form->show();
}

void AppFixture::createWithSettings(const QByteArray& iniText)
{
    QFile file(settingsPath());
    if (file.open(QIODevice::WriteOnly))
        file.write(iniText);
    file.close();
    korv::MainWindowEnvironment environment;
    environment.settingsPath = settingsPath();
    environment.boxes = &boxes;
    environment.languageDirectory = dir.path();
    environment.listPorts = false;
    // No test may ever wait on a real dialog: without an answer of its own, every dialog is
    // cancelled.
    environment.fileDialogs = fileDialogs ? fileDialogs : &cancellingDialogs;
    if (adjustEnvironment)
        adjustEnvironment(environment);
    form = std::make_unique<korv::MainWindow>(environment);
}

korv::emu::Seed seedFor(int modelCode, int firmware, int outputType)
{
    korv::emu::Seed seed;
    seed.modelCode = modelCode;
    seed.firmware = firmware;
    seed.outputType = outputType;
    return seed;
}

QList<int> lateAnswerDelaysMs()
{
    QList<int> delays;
    for (int real = 150; real <= 1200; real += 50)
        delays << korv::Timing::scaled(real);
    return delays;
}
