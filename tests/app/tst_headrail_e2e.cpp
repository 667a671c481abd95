#include "support_appfixture.h"

#include "headrail/HeadRailPage.h"
#include "headrail/RadioGroup.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace korv;

// Head and rail transmitters read and written through the window, checked on the emulator's
// registers.
class HeadRailEndToEndTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Alt+L and Alt+E run their command at once, without the button's pressed look first.
    void mnemonicsRunTheCommandAtOnce()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        app.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
        QTest::keyClick(app.form.get(), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(app.form->ui.EdtStatus->text(), QStringLiteral("Leitura OK"));
        app.emulator->clearLog();
        QTest::keyClick(app.form.get(), Qt::Key_E, Qt::AltModifier);
        QCOMPARE(app.form->ui.EdtStatus->text(), QStringLiteral("Envio OK"));
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
    }

    void sendExampleReachesTheRegisters()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        app.emulator->setParameter(1, 0x0001);  // K, minimum on failure, 60 Hz, 4-20 mA
        app.read();
        const auto& ui = app.form->ui;
        QCOMPARE(ui.SensorRadioGroup->itemIndex(), 1);
        QCOMPARE(ui.EdtLimitMinSensor->text(), QStringLiteral("0"));
        QCOMPARE(ui.EdtLimitMaxSensor->text(), QStringLiteral("1000"));
        QCOMPARE(ui.EdtStatus->text(), QStringLiteral("Leitura OK"));

        ui.Forca_SaidaMax->setChecked(true);
        ui.Freq_50->setChecked(true);
        ui.EdtCorrigeZero->setText(QStringLiteral("2,5"));
        app.boxes.clear();
        app.send();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(app.emulator->parameter(10), qint16(2389));
        QCOMPARE(app.emulator->parameter(11), qint16(11947));
        QCOMPARE(app.emulator->parameter(1), qint16(0x00C1));
        QCOMPARE(app.emulator->parameter(15), qint16(26));
        QCOMPARE(ui.EdtStatus->text(), QStringLiteral("Envio OK"));
        QCOMPARE(ui.statusTimer->interval(), 5000);
    }

    void readThenSendLeavesTheRegisters_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firmware");
        QTest::newRow("OrvHead 1.30") << 0 << 130;
        QTest::newRow("OrvHead 1.05") << 0 << 105;
        QTest::newRow("OrvDin 1.30") << 1 << 130;
        QTest::newRow("OrvGalHead 1.10") << 2 << 110;
        QTest::newRow("OrvGalDin 1.10") << 3 << 110;
    }
    void readThenSendLeavesTheRegisters()
    {
        QFETCH(int, code);
        QFETCH(int, firmware);
        AppFixture app;
        QVERIFY(app.start(seedFor(code, firmware, 1)));
        app.emulator->setParameter(15, 7);
        app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        const QList<int> registers = { 1, 10, 11, 15 };
        QList<qint16> before;
        for (int r : registers)
            before << app.emulator->parameter(r);
        app.emulator->clearLog();
        app.send();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QList<qint16> after;
        for (int r : registers)
            after << app.emulator->parameter(r);
        QCOMPARE(after, before);
        // The four writes happened, in their order.
        QList<int> written;
        for (const QByteArray& frame : app.emulator->receivedFrames())
            if (frame.at(0) == 'Q')
                written << quint8(frame.at(2));
        QCOMPARE(written, (QList<int> { 10, 11, 1, 15 }));
        QCOMPARE(app.form->ui.EdtStatus->text(), QStringLiteral("Envio OK"));
    }

    void fahrenheitReadShowsTheSamePhysicalRange()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130), QStringLiteral("F")));
        app.emulator->setParameter(1, 0x0001);
        app.read();
        QCOMPARE(app.form->ui.EdtLimitMinSensor->text(), QStringLiteral("32"));
        QCOMPARE(app.form->ui.EdtLimitMaxSensor->text(), QStringLiteral("1832"));
        QCOMPARE(app.form->ui.Faixa_Maxima->text(), QStringLiteral("2498"));
    }

    void unitSwitchDoesNotConvertTwice()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        app.emulator->setParameter(1, 0x0001);
        app.read();
        const auto& ui = app.form->ui;
        app.form->onFahrenheit();
        QCOMPARE(ui.Faixa_Minima->text(), QStringLiteral("32"));
        QCOMPARE(ui.Faixa_Maxima->text(), QStringLiteral("2498"));
        QCOMPARE(ui.Span_Minimo->text(), QStringLiteral("180"));
        QCOMPARE(ui.EdtLimitMaxSensor->text(), QStringLiteral("1000"));
        QCOMPARE(ui.LblZeroMin->text(), QStringLiteral("-50,0"));
        app.form->onFahrenheit();  // already checked: nothing changes
        QCOMPARE(ui.Faixa_Maxima->text(), QStringLiteral("2498"));
        QVERIFY(ui.fahrenheitItem->isChecked() && !ui.celsiusItem->isChecked());
        app.read();
        QCOMPARE(ui.EdtLimitMinSensor->text(), QStringLiteral("32"));
        QCOMPARE(ui.EdtLimitMaxSensor->text(), QStringLiteral("1832"));
        app.form->onCelsius();
        QCOMPARE(ui.Faixa_Maxima->text(), QStringLiteral("1370"));
        app.form->onCelsius();
        QCOMPARE(ui.Faixa_Maxima->text(), QStringLiteral("1370"));
        QVERIFY(ui.celsiusItem->isChecked() && !ui.fahrenheitItem->isChecked());
    }

    void noTransmitterGivesUpAfterEightAttempts()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        app.emulator->setFault(emu::Fault::Silence);
        app.emulator->clearLog();
        app.read();
        QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Erro de comunicação!") });
        QCOMPARE(app.emulator->framesReceived(), 8);
        QVERIFY(!app.form->session().link().isOpen());
        QVERIFY(app.form->ui.Config_Transmissor->toPlainText().isEmpty());
    }
};

QTEST_MAIN(HeadRailEndToEndTest)
#include "tst_headrail_e2e.moc"
