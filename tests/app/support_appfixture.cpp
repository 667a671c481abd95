#include "support_appfixture.h"

#include "common/Timing.h"

#include <QTest>

AppFixture::AppFixture() = default;

AppFixture::~AppFixture()
{
    if (form)
        form->close();
    form.reset();
}

bool AppFixture::start(const korv::emu::Seed& seed, const QString& unit)
{
    if (!rig.start(seed))
        return false;
    startWithSettings(rig.settingsText(unit));
    return true;
}

void AppFixture::startWithSettings(const QByteArray& iniText)
{
    createWithSettings(iniText);
    form->show();
    waitForStartUp();
}

bool AppFixture::waitUntilIdle()
{
    return QTest::qWaitFor([this] { return !form->activity().current(); }, 10000);
}

bool AppFixture::waitForStartUp()
{
    // The start-up ends after its port's pause, from the event loop.
    return QTest::qWaitFor([this] { return form->activity().current() != korv::Activity::Kind::StartUp; }, 10000);
}

void AppFixture::createWithSettings(const QByteArray& iniText)
{
    rig.writeFile(QStringLiteral("OrvSetup.ini"), iniText);
    korv::MainWindowEnvironment environment;
    environment.settingsPath = settingsPath();
    environment.boxes = &boxes;
    environment.languageDirectory = dir.path();
    environment.historyPath = historyPath();
    environment.listPorts = false;
    // No test may ever wait on a real dialog: without an answer of its own, every dialog is
    // cancelled.
    environment.fileDialogs = fileDialogs ? fileDialogs : &cancellingDialogs;
    if (adjustEnvironment)
        adjustEnvironment(environment);
    form = std::make_unique<korv::MainWindow>(environment);
}

QList<int> lateAnswerDelaysMs()
{
    QList<int> delays;
    for (int real = 150; real <= 1200; real += 50)
        delays << korv::Timing::scaled(real);
    return delays;
}
