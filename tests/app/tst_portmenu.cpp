#include "support_appfixture.h"

#include "app/shared/HelpFile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QTest>

using namespace korv;

// Choosing a port from the menu, and the help file's place.
class PortMenuTest : public QObject {
    Q_OBJECT

    static QAction* addPortItem(AppFixture& app, const QString& port)
    {
        QAction* item = app.form->ui.portMenu->addAction(port);
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

        app.form->onPortItem(present);
        QVERIFY(app.waitUntilIdle());
        QVERIFY(present->isChecked() && !missing->isChecked());
        QVERIFY(app.boxes.shown.isEmpty());
        QVERIFY(app.form->session().link().isOpen());
        app.read();
        QCOMPARE(app.form->identification().ModelString(), QStringLiteral("OrvHead"));

        // The selected port again: closed and opened anew.
        app.form->onPortItem(present);
        QVERIFY(app.waitUntilIdle());
        QVERIFY(app.form->session().link().isOpen());

        // A port that does not open: message 4, the item stays checked and is still remembered.
        app.form->onPortItem(missing);
        QVERIFY(app.waitUntilIdle());
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
        app.form->onPortItem(same);
        QVERIFY(app.waitUntilIdle());
        QCOMPARE(app.form->settings().PortSetting, QStringLiteral("xyz1"));
        app.form->onPortItem(other);
        QVERIFY(app.waitUntilIdle());
        QCOMPARE(app.form->settings().PortSetting, app.dir.filePath(QStringLiteral("gone")));
        app.form->onPortItem(same);
        QVERIFY(app.waitUntilIdle());
        app.form->close();
        QSettings written(app.settingsPath(), QSettings::IniFormat);
        QCOMPARE(written.value(QStringLiteral("Parametros/Port")).toString(), same->data().toString());
    }

    // The menu is rebuilt from the system's list each time it opens: an adapter plugged in later
    // appears, the port in use stays checked, and while its adapter is out it is shown as missing.
    void portMenuFollowsTheCable()
    {
        QList<PortDescription> system;
        AppFixture app;
        app.adjustEnvironment = [&](MainWindowEnvironment& environment) {
            environment.listPorts = true;
            environment.ports = [&] { return system; };
        };
        app.emulator = std::make_unique<emu::TransmitterEmulator>(seedFor(0, 130));
        QVERIFY(app.emulator->setLinkPath(app.dir.filePath(QStringLiteral("ttyACM0"))));
        QVERIFY(app.emulator->start());
        const QString adapter = app.emulator->devicePath();
        const QString saved = app.dir.filePath(QStringLiteral("ttyUSB0"));
        system = { { QStringLiteral("ttyACM0"), adapter, QStringLiteral("Adaptador") } };
        app.startWithSettings(QStringLiteral("[Parametros]\nPort=%1\n").arg(saved).toUtf8());
        QMenu* menu = app.form->ui.portMenu;
        auto opened = [menu] {
            Q_EMIT menu->aboutToShow();
            QStringList items;
            for (const QAction* item : menu->actions())
                items << (item->isChecked() ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) + item->text();
            return items;
        };
        const QString adapterItem = QStringLiteral("Adaptador (%1)").arg(adapter);

        // At start-up, as ever, a saved port that is not there checks nothing; once the menu opens,
        // the saved port is there, marked missing.
        QCOMPARE(menu->actions().size(), 1);
        QVERIFY(!menu->actions().front()->isChecked());
        QCOMPARE(opened(),
            (QStringList {
                QStringLiteral("[ ] ") + adapterItem, QStringLiteral("[x] %1 (não encontrada)").arg(saved) }));

        menu->actions().front()->trigger();
        QVERIFY(app.waitUntilIdle());
        QVERIFY(app.form->session().link().isOpen());
        QCOMPARE(opened(), QStringList { QStringLiteral("[x] ") + adapterItem });

        // Another adapter plugged in after start-up.
        system.append({ QStringLiteral("ttyUSB1"), QStringLiteral("/dev/ttyUSB1"), QStringLiteral("USB-Serial") });
        QCOMPARE(opened(),
            (QStringList { QStringLiteral("[x] ") + adapterItem, QStringLiteral("[ ] USB-Serial (/dev/ttyUSB1)") }));

        // The port in use unplugged, then plugged back in: missing meanwhile, checked again after.
        app.emulator->stop();
        system.removeFirst();
        QCOMPARE(opened(),
            (QStringList { QStringLiteral("[ ] USB-Serial (/dev/ttyUSB1)"),
                QStringLiteral("[x] %1 (não encontrada)").arg(adapter) }));
        QVERIFY(app.emulator->start());
        system.prepend({ QStringLiteral("ttyACM0"), adapter, QStringLiteral("Adaptador") });
        QCOMPARE(opened(),
            (QStringList { QStringLiteral("[x] ") + adapterItem, QStringLiteral("[ ] USB-Serial (/dev/ttyUSB1)") }));
        app.boxes.clear();
        app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
    }

    // Named through a link (/dev/serial/by-id/…), a listed port is that port; one the system does not
    // list but that is there (an emulator's pseudo-terminal) is no missing port either.
    void portNamedThroughALink()
    {
        QList<PortDescription> system;
        AppFixture app;
        app.adjustEnvironment = [&](MainWindowEnvironment& environment) {
            environment.listPorts = true;
            environment.ports = [&] { return system; };
        };
        QVERIFY(app.start(seedFor(0, 130)));
        const QString link = app.dir.filePath(QStringLiteral("ttyKOrv"));
        const QString device = QFileInfo(link).canonicalFilePath();
        QVERIFY(!device.isEmpty() && device != link);
        QMenu* menu = app.form->ui.portMenu;
        auto opened = [menu] {
            Q_EMIT menu->aboutToShow();
            QStringList items;
            for (const QAction* item : menu->actions())
                items << (item->isChecked() ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) + item->text();
            return items;
        };
        system = { { QStringLiteral("pts"), device, QStringLiteral("Adaptador") } };
        QCOMPARE(opened(), QStringList { QStringLiteral("[x] Adaptador (%1)").arg(device) });
        system.clear();
        QCOMPARE(opened(), QStringList { QStringLiteral("[x] ") + link });
    }

    // A first run starts on the one USB adapter there is; with none or several it keeps the default.
    void firstRunTakesTheOneUsbAdapter_data()
    {
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<QString>("port");
        QTest::newRow("one adapter beside a built-in port") << QStringList { "ttyS0", "ttyUSB0" } << "/dev/ttyUSB0";
        QTest::newRow("an ACM adapter") << QStringList { "ttyACM0" } << "/dev/ttyACM0";
        QTest::newRow("two adapters") << QStringList { "ttyUSB0", "ttyUSB1" } << "COM2";
        QTest::newRow("built-in ports only") << QStringList { "ttyS0" } << "COM2";
    }
    void firstRunTakesTheOneUsbAdapter()
    {
        QFETCH(QStringList, ports);
        QFETCH(QString, port);
        AppFixture app;
        app.adjustEnvironment = [&](MainWindowEnvironment& environment) {
            environment.listPorts = true;
            environment.settingsPath = app.dir.filePath(QStringLiteral("first/OrvSetup.ini"));
            environment.ports = [ports] {
                QList<PortDescription> system;
                for (const QString& name : ports)
                    system.push_back({ name, QStringLiteral("/dev/") + name, QString() });
                return system;
            };
        };
        app.startWithSettings({});
        QCOMPARE(app.form->settings().PortSetting, port);
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
