#include "support_appfixture.h"

#include "app/mainwindow/MainWindow.h"
#include "app/startup/AboutWindow.h"
#include "app/startup/SplashForm.h"
#include "common/MessageBoxes.h"
#include "common/Messages.h"
#include "common/Timing.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
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
        MainWindowEnvironment environment;
        environment.settingsPath = config.filePath(QStringLiteral("OrvSetup.ini"));
        environment.boxes = &boxes;
        environment.listPorts = false;
        MainWindow form(environment);
        form.show();
        QCOMPARE(form.ui.Ler_Config->text(), caption);
        QCOMPARE(form.languageLines().loaded, inWorkingDirectory || besideSettings);
    }

    // Markup in the file is shown as written: no label of any window the file reaches renders it.
    void markupIsShownAsWritten()
    {
        AppFixture app;
        QStringList lines;
        for (int i = 0; i < 72; ++i)
            lines << QStringLiteral("<img src=\"red.png\"><font color=red><h1>%1</h1></font>").arg(i);
        QFile file(app.dir.filePath(QStringLiteral("LANGUAGE.TRL")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(lines.join(u'\n').toUtf8()) > 0);
        file.close();
        app.startWithSettings({});
        MainWindow& form = *app.form;
        AboutWindow about(&form.languageLines().lines, &form);
        TSplashForm splash(form);
        splash.ui.CommunicationLabel->setText(lines[40]);

        int labels = 0;
        for (QWidget* widget : QApplication::allWidgets()) {
            const auto* label = qobject_cast<QLabel*>(widget);
            if (!label || label->text().isEmpty())
                continue;
            ++labels;
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
        }
        QVERIFY(labels > 40);
        // The labels the file re-captions, in each window, have the line whole.
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label5Rede"))->text(), lines[25]);
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label1Sobre"))->text(), lines[55]);
    }

    // Qt's own dialogs speak the window's language: Brazilian Portuguese with the built-in texts,
    // English (Qt's own) once a language file of another language replaces them.
    void qtTextsFollowTheLanguage()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_pt_BR.qm")))
            QSKIP("Qt's translations are not installed (Debian: qt6-translations-l10n)");
        AppFixture app;
        app.startWithSettings("[Parametros]\nPort=/dev/null/none\n");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
        writeLanguage(app.dir.path(), QStringLiteral("Read"));
        app.form->ApplyModelScreen();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        app.form.reset();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }
};

QTEST_MAIN(LanguageFoldersTest)
#include "tst_language_folders.moc"
