#include "support_appfixture.h"

#include "headrail/RadioGroup.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace korv;

namespace {
QStringList memoLines(const QPlainTextEdit* memo)
{
    return memo->toPlainText().split(u'\n');
}

QList<bool> visibleTabs(const QTabWidget* tabs)
{
    QList<bool> visible;
    for (int i = 0; i < tabs->count(); ++i)
        visible << tabs->isTabVisible(i);
    return visible;
}
}  // namespace

// Identification through the window and the emulator: the record, the screen of the model, the
// firmware rule and the information memos.
class IdentificationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void identityWords_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("firmwareLine");
        QTest::addColumn<bool>("noB");
        QTest::addColumn<bool>("sendEnabled");
        QTest::addColumn<bool>("incompatible");
        QTest::newRow("0x0082") << 0 << 130 << "OrvHead"
                                << "Versão do Firmware: 1.30" << false << true << false;
        QTest::newRow("0x0080") << 0 << 128 << "OrvHead"
                                << "Versão do Firmware: 1.28" << true << true << false;
        QTest::newRow("0x0482") << 1 << 130 << "OrvDin"
                                << "Versão do Firmware: 1.30" << true << true << false;
        QTest::newRow("0x0864") << 2 << 100 << "OrvGalHead"
                                << "Versão do Firmware: 1.00" << false << false << true;
        QTest::newRow("0x0C64") << 3 << 100 << "OrvGalDin"
                                << "Versão do Firmware: 1.00" << false << true << false;
        QTest::newRow("0x008C") << 0 << 140 << "OrvHead"
                                << "Versão do Firmware: 1.40" << false << false << true;
        QTest::newRow("0x1C00") << 7 << 0 << "Desconhecido"
                                << "Versão do Firmware: 0." << false << false << false;
    }
    void identityWords()
    {
        QFETCH(int, code);
        QFETCH(int, firmware);
        QFETCH(QString, model);
        QFETCH(QString, firmwareLine);
        QFETCH(bool, noB);
        QFETCH(bool, sendEnabled);
        QFETCH(bool, incompatible);
        AppFixture app;
        QVERIFY(app.start(seedFor(code, firmware)));
        app.boxes.clear();
        auto* tabs = app.form->ui.tabs;
        const QList<bool> tabsBefore = visibleTabs(tabs);
        QVERIFY(tabsBefore.count(true) > 1);
        QVERIFY(app.form->session().link().Open());
        QCOMPARE(app.form->ReadSerialNumber(), Status::Ok);
        QCOMPARE(app.form->IdentifyTransmitter(), Status::Ok);
        const auto& id = app.form->identification();
        QCOMPARE(id.ModelString(), model);
        QCOMPARE(int(id.FirmwareVersion), firmware);
        QCOMPARE(id.NoThermocoupleB, noB);
        QCOMPARE(id.SerialNumberText, QStringLiteral("00123045"));
        QCOMPARE(app.form->ui.Enviar_Config->isEnabled(), sendEnabled);
        QCOMPARE(app.boxTexts().contains(QStringLiteral("Versão de Firmware incompatível!")), incompatible);
        const QStringList lines = memoLines(app.form->ui.Config_Transmissor);
        QCOMPARE(lines.value(0), QStringLiteral("Número de série: 00123045"));
        QCOMPARE(lines.value(1), firmwareLine);
        // Tabs are hidden, never removed, so only their visibility tells a screen set-up apart:
        // none at all for an unknown model, one page for a known one.
        if (model == QLatin1String("Desconhecido"))
            QCOMPARE(visibleTabs(tabs), tabsBefore);
        else
            QCOMPARE(visibleTabs(tabs).count(true), 1);
    }

    void serialRegisters()
    {
        AppFixture app;
        emu::Seed seed = seedFor(0, 130);
        seed.serialHigh = -5;
        seed.serialLow = 7;
        QVERIFY(app.start(seed));
        QVERIFY(app.form->session().link().Open());
        QCOMPARE(app.form->ReadSerialNumber(), Status::Ok);
        QCOMPARE(app.form->identification().SerialNumberText, QStringLiteral("00000007"));
        QCOMPARE(app.form->ui.Config_Transmissor->toPlainText(), QStringLiteral("Número de série: 00000007"));
    }

    void serialNumberFailingOnItsSecondRegister_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("status");
        QTest::newRow("no answer") << int(emu::Fault::Silence) << int(Status::NoAnswer);
        // A "?" cannot repeat the command byte, so it fails the echo check like any other answer.
        QTest::newRow("refused") << int(emu::Fault::Refuse) << int(Status::NoAnswer);
        QTest::newRow("wrong echo") << int(emu::Fault::WrongEcho) << int(Status::NoAnswer);
    }
    void serialNumberFailingOnItsSecondRegister()
    {
        QFETCH(int, fault);
        QFETCH(int, status);
        AppFixture app;
        QVERIFY(app.start(seedFor(6, 130)));
        app.read();
        const QString before = app.form->identification().SerialNumberText;
        QCOMPARE(before, QStringLiteral("00123045"));
        const auto memos = { app.form->ui.Config_Transmissor, app.form->ui.Config_OrvHu, app.form->ui.Config_TxT };
        QStringList memoTexts;
        for (const QPlainTextEdit* memo : memos)
            memoTexts << memo->toPlainText();

        // Register 2 of another transmitter answers, register 3 does not.
        app.emulator->setParameter(2, 456);
        app.emulator->setFault(emu::Fault(fault), -1, 3);
        QCOMPARE(app.form->ReadSerialNumber(), Status(status));
        QCOMPARE(app.form->identification().SerialNumberText, before);
        QStringList memoTextsAfter;
        for (const QPlainTextEdit* memo : memos)
            memoTextsAfter << memo->toPlainText();
        QCOMPARE(memoTextsAfter, memoTexts);

        // The same read with both registers answering does change them.
        app.emulator->setFault(emu::Fault::None);
        QCOMPARE(app.form->ReadSerialNumber(), Status::Ok);
        QCOMPARE(app.form->identification().SerialNumberText, QStringLiteral("00456045"));
    }

    void memosAfterReading_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("head") << 0 << "Config_Transmissor"
                              << QStringList { "Número de série: 00123045", "Versão do Firmware: 1.30",
                                     "Modelo: KOrvHead", "Tipo de saída: 4 - 20 mA" };
        QTest::newRow("humidity") << 4 << "Config_OrvHu"
                                  << QStringList { "Número de série: 00123045", "Versão do Firmware: 1.30",
                                         "Modelo: OrvHygrom", "Tipo de saída: 4 - 20 mA" };
        QTest::newRow("ambient") << 6 << "Config_TxT"
                                 << QStringList { "Número de série: 00123045", "", "Versão do Firmware: 1.30", "",
                                        "Modelo: OrvAmbient", "", "Tipo de saída: 4 - 20 mA" };
    }
    void memosAfterReading()
    {
        QFETCH(int, code);
        QFETCH(QString, memo);
        QFETCH(QStringList, lines);
        AppFixture app;
        QVERIFY(app.start(seedFor(code, 130)));
        app.boxes.clear();
        app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(memoLines(app.form->findChild<QPlainTextEdit*>(memo)), lines);
    }

    void headRailArrangementOncePerModel()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 128)));
        auto* tabs = app.form->ui.tabs;
        auto* sensors = app.form->ui.SensorRadioGroup;
        app.read();
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("KOrvHead"));
        QCOMPARE(sensors->count(), 9);  // no B thermocouple below 1.29
        QCOMPARE(sensors->itemText(8), QStringLiteral("Pt100 (0,00385)"));
        for (int i = 1; i < 6; ++i)
            QVERIFY(!tabs->isTabVisible(i));

        app.emulator->reseed(seedFor(1, 129));
        app.read();
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("KOrvDin"));
        QCOMPARE(sensors->count(), 10);

        app.emulator->reseed(seedFor(0, 130));
        app.read();
        // The head arrangement was applied once already: the caption stays.
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("KOrvDin"));
        QCOMPARE(sensors->count(), 10);
        QCOMPARE(sensors->itemText(8), QStringLiteral("Termopar B"));
    }

    void humidityMenuCreatedOnce()
    {
        {
            AppFixture old;
            QVERIFY(old.start(seedFor(4, 100)));
            old.read();
            QVERIFY(!old.form->HumidityMenu);  // firmware 1.00 has no measure kind
        }
        AppFixture app;
        QVERIFY(app.start(seedFor(4, 101)));
        app.read();
        QVERIFY(app.form->HumidityMenu);
        app.emulator->reseed(seedFor(5, 130));
        app.read();
        app.emulator->reseed(seedFor(4, 130));
        app.read();
        const auto menus = app.form->ui.optionsMenu->findChildren<QMenu*>(QStringLiteral("HumidityMenu"));
        QCOMPARE(menus.size(), 1);
        QCOMPARE(app.form->HumidityMenu->title(), QStringLiteral("Medida de Umidade"));
        QCOMPARE(app.form->RelativeHumidityItem->text(), QStringLiteral("Umidade Relativa"));
        QCOMPARE(app.form->DewPointItem->text(), QStringLiteral("Ponto de Orvalho"));
    }

    void languageFileRecaptionsTheWindow()
    {
        AppFixture app;
        QStringList lines;
        for (int i = 0; i < 72; ++i)
            lines << QStringLiteral("Line %1").arg(i);
        lines[34] = QStringLiteral("&Read Configuration");
        lines[38] = QStringLiteral("Communication error!");
        lines[39] = QStringLiteral("Attention");
        lines[40] = QStringLiteral("Serial port setup error!");
        QFile file(app.dir.filePath(QStringLiteral("LANGUAGE.TRL")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join(QStringLiteral("\r\n")).toUtf8());
        file.close();
        app.startWithSettings(
            QStringLiteral("[Parametros]\nPort=%1\n").arg(app.dir.filePath(QStringLiteral("none"))).toUtf8());
        QCOMPARE(app.boxes.shown.value(0).caption, QStringLiteral("Attention"));
        QCOMPARE(app.boxes.shown.value(0).text, QStringLiteral("Serial port setup error!"));
        QCOMPARE(app.form->ui.Ler_Config->text(), QStringLiteral("&Read Configuration"));
        QCOMPARE(app.form->ui.fileMenu->title(), QStringLiteral("Line 0"));
        QCOMPARE(app.form->ui.SensorRadioGroup->itemText(0), QStringLiteral("Line 9"));
        app.boxes.clear();
        app.read();  // nothing answers on that port
        QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Communication error!") });
    }
};

QTEST_MAIN(IdentificationTest)
#include "tst_identification.moc"
