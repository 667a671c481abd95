#include "app/Form1.h"
#include "common/MessageBoxes.h"
#include "common/Messages.h"
#include "common/Timing.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace korv;

namespace {

void writeLanguage(const QString& folder, const QString& readCaption)
{
    QStringList lines;
    for (int i = 0; i < 72; ++i)
        lines << QStringLiteral("line %1").arg(i);
    lines[34] = readCaption;
    QFile file(QDir(folder).filePath(QStringLiteral("LANGUAGE.TRL")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines.join(QStringLiteral("\r\n")).toUtf8());
}

}  // namespace

// An installed program is started from the menu with the home folder as working directory: the
// window also reads a language file kept beside its settings, unless the working directory has one.
class LanguageFoldersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The port change at start-up pauses a second; nothing here depends on its length.
    void initTestCase() { Timing::setScalePercent(5); }

    void fileBesideTheSettings_data()
    {
        QTest::addColumn<bool>("inWorkingDirectory");
        QTest::addColumn<bool>("besideSettings");
        QTest::addColumn<QString>("caption");
        QTest::newRow("beside the settings only") << false << true << "&Read from config";
        QTest::newRow("working directory wins") << true << true << "&Read from working";
        QTest::newRow("neither: built-in text") << false << false << "&Ler Configuração";
    }
    void fileBesideTheSettings()
    {
        QFETCH(bool, inWorkingDirectory);
        QFETCH(bool, besideSettings);
        QFETCH(QString, caption);
        QTemporaryDir working;
        QTemporaryDir config;
        if (inWorkingDirectory)
            writeLanguage(working.path(), QStringLiteral("&Read from working"));
        if (besideSettings)
            writeLanguage(config.path(), QStringLiteral("&Read from config"));

        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(working.path()));
        auto restore = qScopeGuard([&previous] { QDir::setCurrent(previous); });
        RecordingMessageBoxes boxes;
        Form1Environment environment;
        environment.settingsPath = config.filePath(QStringLiteral("OrvSetup.ini"));
        environment.boxes = &boxes;
        environment.listPorts = false;
        TForm1 form(environment);
        form.show();
        QCOMPARE(form.ui.Ler_Config->text(), caption);
        QCOMPARE(form.languageLines().loaded, inWorkingDirectory || besideSettings);
    }
};

QTEST_MAIN(LanguageFoldersTest)
#include "tst_language_folders.moc"
