#include "support_appfixture.h"

#include "app/startup/SplashForm.h"
#include "humidity_ambient/HumAmbPages.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace korv;

// The humidity and ambient transmitters through the window and the emulator, and the start-up
// search of every family.
class HumidityAmbientEndToEndTest : public QObject {
    Q_OBJECT

    static QList<qint16> registers(const AppFixture& app, const QList<int>& addresses)
    {
        QList<qint16> values;
        for (int a : addresses)
            values << app.emulator->parameter(a);
        return values;
    }
    static QList<int> writtenRegisters(const AppFixture& app)
    {
        QList<int> written;
        for (const QByteArray& frame : app.emulator->receivedFrames())
            if (frame.at(0) == 'Q')
                written << quint8(frame.at(2));
        return written;
    }

private Q_SLOTS:
    void readThenSendLeavesTheRegisters_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<int>>("written");
        QTest::addColumn<bool>("startupSearch");  // read by the start-up search, not the read command
        for (bool search : { false, true }) {
            const char* how = search ? "after the start-up search" : "after a read";
            QTest::addRow("Orv-Hu %s", how) << 4 << QList<int> { 6, 7, 8, 9, 1, 14, 15 } << search;
            QTest::addRow("Orv-H %s", how) << 5 << QList<int> { 6, 7, 1, 14 } << search;
            QTest::addRow("OrvAmbient %s", how) << 6 << QList<int> { 8, 9, 1, 15 } << search;
        }
    }
    void readThenSendLeavesTheRegisters()
    {
        QFETCH(int, code);
        QFETCH(QList<int>, written);
        AppFixture app;
        QVERIFY(app.start(seedFor(code, 130, 1)));
        app.emulator->setParameter(14, 300);
        app.emulator->setParameter(15, -200);
        QFETCH(bool, startupSearch);
        if (startupSearch) {
            TSplashForm splash(*app.form);
            splash.onSplashTimer();
        } else {
            app.read();
        }
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        const QList<int> all = { 1, 6, 7, 8, 9, 14, 15 };
        const QList<qint16> before = registers(app, all);
        app.emulator->clearLog();
        app.send();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(registers(app, all), before);
        QCOMPARE(writtenRegisters(app), written);
    }

    void dewPointReachesTheConfigurationWord()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(4, 130)));
        app.read();
        QVERIFY(app.form->RelativeHumidityItem->isChecked());
        app.form->DewPointItem->trigger();
        QVERIFY(app.form->DewPointItem->isChecked() && !app.form->RelativeHumidityItem->isChecked());
        QCOMPARE(app.form->ui.EdtLimInfRH->text(), QStringLiteral("-60"));
        QCOMPARE(app.form->ui.EdtLimSupRH->text(), QStringLiteral("105"));
        app.form->ui.MaxRHRadioButton->setChecked(true);
        app.send();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(quint16(app.emulator->parameter(1)) & 0xE040, 0x2040);
        app.read();
        QVERIFY(app.form->DewPointItem->isChecked());
        QVERIFY(app.form->ui.ShowPVsMemo->toPlainText().contains(QStringLiteral("°C")));
    }

    void startupSearch_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("liveMemo");
        QTest::newRow("head") << 0 << 5 << QString();
        QTest::newRow("isolated rail") << 3 << 5 << QString();
        QTest::newRow("humidity") << 4 << 7 << "ShowPVsMemo";
        QTest::newRow("ambient") << 6 << 7 << "ShowTempPVMemo";
    }
    void startupSearch()
    {
        QFETCH(int, code);
        QFETCH(int, bar);
        QFETCH(QString, liveMemo);
        AppFixture app;
        QVERIFY(app.start(seedFor(code, 110)));
        TSplashForm splash(*app.form);
        splash.onSplashTimer();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(splash.ui.CommunicationBar->value(), bar);
        QVERIFY(!splash.isVisible());
        const auto& ui = app.form->ui;
        QCOMPARE(ui.EdtStatus->text(), QStringLiteral("Leitura OK"));
        QCOMPARE(ui.EdtStatT->text(), QStringLiteral("Leitura OK"));
        QCOMPARE(ui.statusTimer->interval(), 2000);
        QVERIFY(ui.statusTimer->isActive());
        if (!liveMemo.isEmpty())
            QVERIFY(app.form->findChild<QPlainTextEdit*>(liveMemo)->toPlainText().startsWith(
                QStringLiteral("Última Leitura")));
        app.form->onStatusTimer();
        QVERIFY(ui.EdtStatus->text().isEmpty());
    }

    void startupSearchWithoutTransmitter()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        app.emulator->setFault(emu::Fault::Silence);
        TSplashForm splash(*app.form);
        splash.onSplashTimer();
        QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Erro de comunicação!") });
        QCOMPARE(app.emulator->framesReceived(), 3);
        QVERIFY(!app.form->session().link().isOpen());
        QVERIFY(app.form->ui.Config_OrvHu->toPlainText().isEmpty());
        QCOMPARE(splash.ui.CommunicationBar->value(), 7);
    }

    void startupSearchWithMissingPort()
    {
        AppFixture app;
        app.startWithSettings(
            QStringLiteral("[Parametros]\nPort=%1\n").arg(app.dir.filePath(QStringLiteral("gone"))).toUtf8());
        QCOMPARE(app.boxes.shown.size(), 1);  // the port error of start-up
        TSplashForm splash(*app.form);
        splash.onSplashTimer();
        QCOMPARE(app.boxes.shown.size(), 1);  // nothing of the search's own
        QVERIFY(!splash.isVisible());
    }
};

QTEST_MAIN(HumidityAmbientEndToEndTest)
#include "tst_humamb_e2e.moc"
