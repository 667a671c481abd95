#include "support_appfixture.h"

#include "app/HelpFile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTest>

using namespace korv;

// Choosing a port from the menu, and the help file's place.
class PortMenuTest : public QObject {
    Q_OBJECT

    static QAction* addPortItem(AppFixture& app, const QString& port)
    {
        QAction* item = app.form->ui.Comunic1->addAction(port);
        item->setCheckable(true);
        item->setData(port);
        return item;
    }

private Q_SLOTS:
    void choosingAPortSwitchesTheLink()
    {
        AppFixture app;
        app.startWithSettings(
            QStringLiteral("[Parametros]\nPort=%1\n").arg(app.dir.filePath(QStringLiteral("gone"))).toUtf8());
        app.emulator = std::make_unique<emu::TransmitterEmulator>(seedFor(0, 130));
        QVERIFY(app.emulator->setLinkPath(app.dir.filePath(QStringLiteral("ttyOther"))));
        QVERIFY(app.emulator->start());
        QAction* missing = addPortItem(app, app.dir.filePath(QStringLiteral("gone")));
        QAction* present = addPortItem(app, app.emulator->devicePath());
        missing->setChecked(true);
        app.boxes.clear();

        app.form->Com1Click(present);
        QVERIFY(present->isChecked() && !missing->isChecked());
        QVERIFY(app.boxes.shown.isEmpty());
        QVERIFY(app.form->session().link().isOpen());
        app.read();
        QCOMPARE(app.form->identification().ModelString(), QStringLiteral("OrvHead"));

        // The selected port again: closed and opened anew.
        app.form->Com1Click(present);
        QVERIFY(app.form->session().link().isOpen());

        // A port that does not open: message 4, the item stays checked and is still remembered.
        app.form->Com1Click(missing);
        QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Erro na configuração da porta serial!") });
        QVERIFY(missing->isChecked());
        app.form->close();
        QSettings written(app.settingsPath(), QSettings::IniFormat);
        QCOMPARE(written.value(QStringLiteral("Parametros/Port")).toString(), app.dir.filePath(QStringLiteral("gone")));
    }

    void choosingTheSamePortKeepsTheUsersSpelling()
    {
        AppFixture app;
        app.startWithSettings("[Parametros]\nPort=xyz1\n");
#ifdef Q_OS_WIN
        QAction* same = addPortItem(app, QStringLiteral("COM1"));
#else
        QAction* same = addPortItem(app, QStringLiteral("/dev/ttyS0"));
#endif
        QAction* other = addPortItem(app, app.dir.filePath(QStringLiteral("gone")));
        app.form->Com1Click(same);
        QCOMPARE(app.form->settings().PortSetting, QStringLiteral("xyz1"));
        app.form->Com1Click(other);
        QCOMPARE(app.form->settings().PortSetting, app.dir.filePath(QStringLiteral("gone")));
        app.form->Com1Click(same);
        app.form->close();
        QSettings written(app.settingsPath(), QSettings::IniFormat);
        QCOMPARE(written.value(QStringLiteral("Parametros/Port")).toString(), same->data().toString());
    }

    void helpFileLivesInTheStartFolder()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("with blanks"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(helpFilePath(folder), folder + QStringLiteral("/OrvSetup.hlp"));
        QVERIFY(!openHelpFile(folder));  // no help file: nothing is started
    }
};

QTEST_MAIN(PortMenuTest)
#include "tst_portmenu.moc"
