#include "support/FakeWindow.h"

#include "common/Timing.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>

using namespace korv;
using namespace korv::test;

namespace {
// As the read command runs it: identification first, then the humidity sequence.
void readHumidity(FakeWindow& f)
{
    f.identify();
    f.humidity->readConfiguration();
}

const QString HumidityPrefix = QStringLiteral("Última Leitura de Umidade = ");
const QString TemperaturePrefix = QStringLiteral("Última Leitura de Temperatura = ");
}  // namespace

class HumidityReadTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        Timing::setScalePercent(1);
    }

    void orvHNeverTouchesTemperatureRegisters()
    {
        FakeWindow f(Model::OrvH);
        f.seedTransmitter();
        readHumidity(f);
        QCOMPARE(f.warnings, QStringList());
        const QList<int> touched = f.registers.touched();
        QVERIFY(!touched.contains(8) && !touched.contains(9) && !touched.contains(15));
        QVERIFY(touched.contains(60));
        QCOMPARE(f.hw.ShowPVsMemo->toPlainText(), HumidityPrefix + "50,00%RH");
        QCOMPARE(f.hw.EdtStatRHT->text(), f.text(Msg::ReadOk));
        QCOMPARE(f.statusSeconds, 2);
        QVERIFY(f.hw.EnviaBarRHT->isHidden());
    }

    void liveValueIncludesZeroCorrection()
    {
        FakeWindow f(Model::OrvHu);
        f.seedTransmitter();
        f.registers.parameters[14] = 500;
        readHumidity(f);
        QCOMPARE(f.hw.EdtCorrZeroRH->text(), QStringLiteral("5,00"));
        QCOMPARE(f.hw.ShowPVsMemo->toPlainText().section(u'\n', 0, 0), HumidityPrefix + "55,00%RH");
    }

    void liveTexts_data()
    {
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<bool>("dewPoint");
        QTest::addColumn<QString>("memo");
        QTest::newRow("relative humidity °C")
            << false << false << HumidityPrefix + "50,00%RH\n" + TemperaturePrefix + "0,00°C";
        QTest::newRow("relative humidity °F")
            << true << false << HumidityPrefix + "50,00%RH\n" + TemperaturePrefix + "32,00°F";
        QTest::newRow("dew point °C") << false << true << HumidityPrefix + "-9,20°C\n" + TemperaturePrefix + "0,00°C";
        QTest::newRow("dew point °F") << true << true << HumidityPrefix + "15,44°F\n" + TemperaturePrefix + "32,00°F";
    }
    void liveTexts()
    {
        QFETCH(bool, fahrenheit);
        QFETCH(bool, dewPoint);
        QFETCH(QString, memo);
        FakeWindow f(Model::OrvHu);
        f.seedTransmitter();
        f.fahrenheitUnit = fahrenheit;
        f.humidity->unitChanged();
        if (dewPoint)
            f.registers.parameters[1] = 0x2000;
        readHumidity(f);
        QCOMPARE(f.warnings, QStringList());
        QCOMPARE(f.hw.ShowPVsMemo->toPlainText(), memo);
    }

    void dewPointOfDryAirIsShownAsUndefined()
    {
        FakeWindow f(Model::OrvHu);
        f.seedTransmitter();
        f.registers.parameters[1] = 0x2000;
        f.registers.memory[58] = 1000;  // 0 %RH
        readHumidity(f);
        QCOMPARE(f.warnings, QStringList());
        QCOMPARE(f.hw.EdtStatRHT->text(), f.text(Msg::ReadOk));
        QCOMPARE(f.hw.ShowPVsMemo->toPlainText().section(u'\n', 0, 0), HumidityPrefix + "---");
    }

    void configWordSelectsTheForm()
    {
        FakeWindow f(Model::OrvHu);
        f.seedTransmitter();
        f.registers.parameters[1] = 0x3140;
        readHumidity(f);
        QVERIFY(f.hw.MaxRHRadioButton->isChecked() && !f.hw.MinRHRadioButton->isChecked());
        QVERIFY(f.hw.MaxTempRadioButton->isChecked() && !f.hw.MinTempRadioButton->isChecked());
        QVERIFY(f.dewPointItem.isChecked() && !f.relativeItem.isChecked());
        QCOMPARE(f.hw.rhLabels()[2]->text(), QStringLiteral("-60 a 105°C"));
        QCOMPARE(f.state.HumidityRange.sensorMin, -60);
        QCOMPARE(f.hw.Config_OrvHu->toPlainText(), QStringLiteral("Tipo de saída: 0 - 10 V"));
    }

    void unknownKindBitsLeaveTheMenuButResetTheRange()
    {
        FakeWindow f(Model::OrvHu);
        f.seedTransmitter();
        f.humidity->HumidityClick(false);
        f.hw.EdtLimInfRH->setText("10");
        f.registers.parameters[1] = 0x4000;
        QCOMPARE(f.humidityReadStep(0), Status::Ok);
        QVERIFY(f.dewPointItem.isChecked());
        QCOMPARE(f.hw.EdtLimInfRH->text(), QStringLiteral("-60"));
        QCOMPARE(f.hw.rhLabels()[0]->text(), QStringLiteral("°C"));
    }

    void sendRereadChangesNoSelection()
    {
        // A send re-reads register 1 for its output type only: the form's choices stay, and the
        // word written keeps the transmitter's output type.
        FakeWindow f(Model::OrvHu);
        f.seedTransmitter();
        f.registers.parameters[1] = 0x3240;
        f.humidity->sendConfiguration();
        QCOMPARE(f.warnings, QStringList());
        QVERIFY(f.hw.MinRHRadioButton->isChecked() && f.hw.MinTempRadioButton->isChecked());
        QVERIFY(f.relativeItem.isChecked() && !f.dewPointItem.isChecked());
        QCOMPARE(f.hw.Config_OrvHu->toPlainText(), QStringLiteral("Desconhecido"));
        QCOMPARE(f.registers.parameters[1] & 0x0FC0, 0x0200);
    }

    void withoutKindMenuTheHumidityIsRelative()
    {
        FakeWindow f(Model::OrvH);
        f.humidity->setMeasureMenu(nullptr, nullptr);
        f.dewPointItem.setChecked(true);  // a stale mark must not count without the menu
        f.registers.parameters[1] = 0x2000;
        QCOMPARE(f.humidityReadStep(0), Status::Ok);
        QCOMPARE(f.hw.rhLabels()[0]->text(), QStringLiteral("%RH"));
        QCOMPARE(f.state.HumidityRange.sensorMax, 100);
        QCOMPARE(f.humiditySendStep(humamb::WriteFlagsStep), Status::Ok);
        QCOMPARE(f.registers.parameters[1] & 0xE000, 0);
    }

    void decodedRanges()
    {
        FakeWindow f(Model::OrvHu);
        f.seedTransmitter();
        f.registers.parameters = { { 6, 6 }, { 7, 10060 }, { 8, 6 }, { 9, 10060 } };
        QCOMPARE(f.humidityReadStep(1), Status::Ok);
        QCOMPARE(f.hw.EdtLimSupRH->text(), QStringLiteral("101"));  // 100.6 %RH, not clamped
        QCOMPARE(f.hw.EdtLimSupTemp->text(), QStringLiteral("120"));  // 120.96 °C held at the maximum

        // A zero gain describes no range: the edits keep their texts.
        f.hw.EdtLimInfRH->setText("15");
        f.hw.EdtLimInfTemp->setText("-5");
        f.registers.parameters = { { 6, 0 }, { 7, 0 }, { 8, 0 }, { 9, 0 } };
        QCOMPARE(f.humidityReadStep(1), Status::Ok);
        QCOMPARE(f.hw.EdtLimInfRH->text(), QStringLiteral("15"));
        QCOMPARE(f.hw.EdtLimInfTemp->text(), QStringLiteral("-5"));
    }

    void failingStepEndsTheRead()
    {
        FakeWindow f(Model::OrvHu);
        f.seedTransmitter();
        f.registers.scriptedReads[14] = { Status::NoAnswer, Status::Refused, Status::NoAnswer };
        readHumidity(f);
        QCOMPARE(f.warnings, QStringList { f.text(Msg::CommunicationError) });
        QCOMPARE(f.registers.reads.count("P14"), 3);
        QVERIFY(!f.registers.reads.contains("R58"));
        QCOMPARE(f.hw.EdtStatRHT->text(), QString());
        QVERIFY(f.hw.EnviaBarRHT->isHidden());
    }
};

QTEST_MAIN(HumidityReadTest)
#include "tst_humamb_pages_read.moc"
