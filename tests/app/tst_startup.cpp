#include "support_appfixture.h"

#include "app/startup/SplashForm.h"
#include "headrail/RadioGroup.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

using namespace korv;

// The main window right after start-up, without a transmitter, and what it leaves on exit.
class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowAfterStartup_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("humidityLimits");
        QTest::addColumn<QStringList>("ambientLimits");
        // The design-time limits pass through the unit conversion at start-up.
        QTest::newRow("celsius") << "C" << QStringList { "-37", "48" } << QStringList { "-45", "48" };
        QTest::newRow("fahrenheit") << "F" << QStringList { "-31", "248" } << QStringList { "-58", "248" };
    }
    void windowAfterStartup()
    {
        QFETCH(QString, unit);
        QFETCH(QStringList, humidityLimits);
        QFETCH(QStringList, ambientLimits);
        AppFixture app;
        const QString missing = app.dir.filePath(QStringLiteral("no-port"));
        app.startWithSettings(QStringLiteral("[Parametros]\nPort=%1\nTemperatura=%2\n").arg(missing, unit).toUtf8());
        const auto& ui = app.form->ui;

        QCOMPARE(app.boxes.shown.size(), 1);
        QCOMPARE(app.boxes.shown[0].caption, QStringLiteral("Atenção"));
        QCOMPARE(app.boxes.shown[0].text, QStringLiteral("Erro na configuração da porta serial!"));

        const QStringList captions = { "KOrvHead", "KOrvGalHead", "KOrvDin", "KOrvGalDin", "OrvHygrom", "OrvAmbient" };
        QCOMPARE(ui.tabs->count(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(ui.tabs->tabText(i), captions[i]);
            QVERIFY(ui.tabs->isTabVisible(i));
        }
        QVERIFY(!ui.Enviar_Config->isEnabled());
        QVERIFY(ui.Freq_60->isChecked());
        QVERIFY(ui.Forca_SaidaMin->isChecked());
        QVERIFY(ui.MinRHRadioButton->isChecked());
        QVERIFY(ui.MinTempRadioButton->isChecked());
        QVERIFY(ui.MinFailOptionRadioButton->isChecked());
        QCOMPARE(ui.celsiusItem->isChecked(), unit == QLatin1String("C"));
        QCOMPARE(ui.fahrenheitItem->isChecked(), unit == QLatin1String("F"));
        QVERIFY(!ui.helpTopicsItem->isVisible());

        QCOMPARE(ui.SensorRadioGroup->count(), 10);
        QCOMPARE(ui.SensorRadioGroup->itemIndex(), 0);
        QCOMPARE(ui.SensorRadioGroup->itemText(9), QStringLiteral("Pt100 (0,00385)"));
        QCOMPARE(ui.EdtLimitMinSensor->text(), QStringLiteral("0"));
        QCOMPARE(ui.EdtLimitMaxSensor->text(), QStringLiteral("50"));
        QCOMPARE(ui.Faixa_Minima->text(), QStringLiteral("0"));
        QCOMPARE(ui.Faixa_Maxima->text(), QStringLiteral("50"));
        QCOMPARE(ui.Span_Minimo->text(), QStringLiteral("5"));
        QCOMPARE(ui.UnidMinSensor->text(), QStringLiteral("mV"));

        QCOMPARE(ui.EdtLimInfRH->text(), QStringLiteral("0"));
        QCOMPARE(ui.EdtLimSupRH->text(), QStringLiteral("100"));
        QCOMPARE((QStringList { ui.EdtLimInfTemp->text(), ui.EdtLimSupTemp->text() }), humidityLimits);
        QCOMPARE((QStringList { ui.EdtTempLowLimit->text(), ui.EdtTempHighLimit->text() }), ambientLimits);
        QCOMPARE(ui.EdtCorrZeroRH->text(), QStringLiteral("0,00"));
        QCOMPARE(ui.ValorMinZeroRHLb->text(), QStringLiteral("-10,0"));
        QCOMPARE(ui.ValorMaxZeroRHLb->text(), QStringLiteral("10,0"));
        QCOMPARE(ui.EdtTempZeroCorrection->text(), QStringLiteral("0,00"));
        QVERIFY(ui.EdtStatus->text().isEmpty());
    }

    void exitWritesTheSettings()
    {
        AppFixture app;
        app.startWithSettings(QByteArray());  // no keys: the defaults
        QCOMPARE(app.form->settings().PortSetting, QStringLiteral("COM2"));
        QVERIFY(app.form->celsiusChecked());
        app.form->onFahrenheit();
        app.form->close();
        QSettings written(app.settingsPath(), QSettings::IniFormat);
        QCOMPARE(written.value(QStringLiteral("Parametros/Port")).toString(), QStringLiteral("COM2"));
        QCOMPARE(written.value(QStringLiteral("Parametros/Temperatura")).toString(), QStringLiteral("F"));
    }

    void unusablePortStillStarts()
    {
        AppFixture app;
        app.startWithSettings("[Parametros]\nPort=COM\nTemperatura=F\n");
        QCOMPARE(app.form->session().link().PortNumber, QStringLiteral("COM2"));  // no number: the default port
        QVERIFY(app.form->fahrenheit());  // the rest of start-up still ran
        QCOMPARE(app.form->ui.EdtLimSupTemp->text(), QStringLiteral("248"));
        app.form->close();
        QSettings written(app.settingsPath(), QSettings::IniFormat);
        QCOMPARE(written.value(QStringLiteral("Parametros/Port")).toString(), QStringLiteral("COM"));
    }

    void portNamingNoDeviceFailsToOpen_data()
    {
        QTest::addColumn<QString>("port");
        QTest::newRow("port 0") << "COM0";
        QTest::newRow("negative") << "COM-5";
        QTest::newRow("other prefix, port 0") << "XYZ0";
    }
    void portNamingNoDeviceFailsToOpen()
    {
        QFETCH(QString, port);
        AppFixture app;
        app.startWithSettings(QStringLiteral("[Parametros]\nPort=%1\nTemperatura=C\n").arg(port).toUtf8());
        QCOMPARE(app.form->session().link().PortNumber, port);
        QVERIFY(!app.form->session().link().isOpen());
        QVERIFY(!app.form->session().link().ErrorText.isEmpty());
        QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Erro na configuração da porta serial!") });
        app.form->close();
        QSettings written(app.settingsPath(), QSettings::IniFormat);
        QCOMPARE(written.value(QStringLiteral("Parametros/Port")).toString(), port);
    }

    void statusTimerEmptiesTheStatusLines()
    {
        AppFixture app;
        app.startWithSettings(QByteArray());
        app.boxes.clear();
        const auto& ui = app.form->ui;
        app.form->setStatusLines(QStringLiteral("Leitura OK"));
        app.form->StartStatusTimer(1);
        app.form->StartStatusTimer(2);  // a restart takes the new interval
        QCOMPARE(ui.statusTimer->interval(), 2000);
        QVERIFY(ui.statusTimer->isActive());
        app.form->onStatusTimer();
        QVERIFY(ui.EdtStatus->text().isEmpty());
        QVERIFY(ui.EdtStatRHT->text().isEmpty());
        QVERIFY(ui.EdtStatT->text().isEmpty());
        QVERIFY(!ui.statusTimer->isActive());

        app.form->setStatusLines(QStringLiteral("Envio OK"));
        const QString longText(500, u'x');
        app.form->ShowWarning(longText);
        QVERIFY(ui.EdtStatus->text().isEmpty());  // a warning empties the status lines first
        QCOMPARE(app.boxes.shown.last().text, longText);  // shown whole
    }

    void sairClosesAndEndsTheLink()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        QVERIFY(app.form->session().link().isOpen());
        app.form->onQuit();
        QVERIFY(!app.form->isVisible());
        QVERIFY(QFile::exists(app.settingsPath()));
    }

    // The splash is up before the main window's start-up steps, and hides itself before the port's
    // error box those steps may show, which would otherwise open underneath it.
    void splashFirstAndOutOfTheWayOfTheStartupBox()
    {
        AppFixture app;
        app.createWithSettings("[Parametros]\nPort=/dev/korv-no-such-port\n");
        TSplashForm splash(*app.form);
        QVERIFY(splash.isVisible());
        QVERIFY(splash.TimerSplash->isActive());
        bool splashVisibleAtBox = true;
        app.boxes.onShown = [&](const RecordingMessageBoxes::Shown&) { splashVisibleAtBox = splash.isVisible(); };
        app.form->show();
        QVERIFY(app.waitForStartUp());
        QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Erro na configuração da porta serial!") });
        QVERIFY(!splashVisibleAtBox);
        splash.onSplashTimer();
        QCOMPARE(app.boxes.shown.size(), 1);  // the search ends quietly on a port that will not open
    }

    // The window closed (close button, Sair, a signal) while the splash still waits: the search
    // never runs, nothing reaches the port, the splash closes and no timer is left running.
    void closedBeforeTheSearchEndsEverything_data()
    {
        QTest::addColumn<bool>("sair");
        QTest::newRow("close button") << false;
        QTest::newRow("Sair") << true;
    }
    void closedBeforeTheSearchEndsEverything()
    {
        QFETCH(bool, sair);
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        TSplashForm splash(*app.form);
        app.emulator->clearLog();
        app.form->ui.statusTimer->start();
        if (sair)
            app.form->onQuit();
        else
            app.form->close();
        QVERIFY(!app.form->ui.statusTimer->isActive());
        QVERIFY(!app.form->session().link().isOpen());
        QVERIFY(splash.TimerSplash->isActive());  // no connection to the window: the tick itself stops
        splash.onSplashTimer();
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.TimerSplash->isActive());
        QCOMPARE(app.emulator->framesReceived(), 0);
        // Nor does any later command reach the port.
        app.read();
        QCOMPARE(app.emulator->framesReceived(), 0);
        QVERIFY(!app.form->session().link().isOpen());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
