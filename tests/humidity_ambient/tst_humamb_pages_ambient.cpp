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
using Writes = QList<QPair<int, int>>;

void seedAmbient(FakeWindow& f)
{
    f.registers.parameters = { { 1, 0x1000 }, { 8, 0 }, { 9, 10000 }, { 15, 0 } };
    f.registers.memory = { { 60, 8000 } };
}
}  // namespace

class AmbientPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        Timing::setScalePercent(1);
    }

    void readFillsTheTab_data()
    {
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("memo");
        QTest::newRow("°C") << false << "-50" << QStringLiteral("Última Leitura de Temperatura =  35,00 °C");
        QTest::newRow("°F") << true << "-58" << QStringLiteral("Última Leitura de Temperatura =  95,00 °F");
    }
    void readFillsTheTab()
    {
        QFETCH(bool, fahrenheit);
        QFETCH(QString, low);
        QFETCH(QString, memo);
        FakeWindow f(Model::OrvAmbient);
        seedAmbient(f);
        f.fahrenheitUnit = fahrenheit;
        f.ambient->unitChanged();
        f.aw.Config_TxT->setPlainText(QStringLiteral("Modelo: OrvAmbient"));
        f.identify();
        f.ambient->readConfiguration();
        QCOMPARE(f.warnings, QStringList());
        QCOMPARE(f.aw.EdtTempLowLimit->text(), low);
        QCOMPARE(f.aw.ShowTempPVMemo->toPlainText(), memo);
        QVERIFY(f.aw.MaxFailOptionRadioButton->isChecked() && !f.aw.MinFailOptionRadioButton->isChecked());
        QCOMPARE(f.aw.Config_TxT->toPlainText(), QStringLiteral("Modelo: OrvAmbient\n\nTipo de saída: 4 - 20 mA"));
        QCOMPARE(f.aw.EdtStatT->text(), f.text(Msg::ReadOk));
        QVERIFY(f.aw.EnviaBarT->isHidden());
    }

    void zeroGainKeepsTheEdits()
    {
        FakeWindow f(Model::OrvAmbient);
        f.aw.EdtTempLowLimit->setText("10");
        f.registers.parameters = { { 8, 0 }, { 9, 0 } };
        QCOMPARE(f.ambientReadStep(1), Status::Ok);
        QCOMPARE(f.aw.EdtTempLowLimit->text(), QStringLiteral("10"));
    }

    void rangeWrites_data()
    {
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::addColumn<Writes>("writes");
        QTest::newRow("whole range °C") << false << "-50"
                                        << "120" << Writes { { 8, 0 }, { 9, 10000 }, { 1, 0 }, { 15, 0 } };
        QTest::newRow("whole range °F") << true << "-58"
                                        << "248" << Writes { { 8, 0 }, { 9, 10000 }, { 1, 0 }, { 15, 0 } };
        QTest::newRow("20 to 30 °C") << false << "20"
                                     << "30" << Writes { { 8, -6588 }, { 9, 588 }, { 1, 0 }, { 15, 0 } };
    }
    void rangeWrites()
    {
        QFETCH(bool, fahrenheit);
        QFETCH(QString, low);
        QFETCH(QString, high);
        QFETCH(Writes, writes);
        FakeWindow f(Model::OrvAmbient);
        if (!f.serial().Open())
            QSKIP("no pseudo-terminal to stand in for the serial port");
        f.fahrenheitUnit = fahrenheit;
        f.aw.EdtTempLowLimit->setText(low);
        f.aw.EdtTempHighLimit->setText(high);
        f.leave(f.aw.EdtTempHighLimit);
        f.aw.EdtTempZeroCorrection->clear();
        f.ambient->sendConfiguration();
        QCOMPARE(f.warnings, QStringList());
        QCOMPARE(f.registers.writes, writes);
        QCOMPARE(f.aw.EdtTempZeroCorrection->text(), QStringLiteral("0"));
        QCOMPARE(f.aw.EdtStatT->text(), f.text(Msg::SendOk));
    }

    void modelChangedDuringSendIsNotWritten()
    {
        FakeWindow f(Model::OrvAmbient);
        if (!f.serial().Open())
            QSKIP("no pseudo-terminal to stand in for the serial port");
        f.identifyAs = { Model::OrvHu };
        f.ambient->sendConfiguration();
        QCOMPARE(f.warnings, QStringList { f.text(Msg::WriteError) });
        QCOMPARE(f.registers.writes, Writes());
        QVERIFY(f.aw.EnviaBarT->isHidden());
    }

    void failedOffsetWriteStopsThePair()
    {
        FakeWindow f(Model::OrvAmbient);
        if (!f.serial().Open())
            QSKIP("no pseudo-terminal to stand in for the serial port");
        f.registers.scriptedWrites[8] = { Status::Refused, Status::NoAnswer, Status::Refused };
        f.ambient->sendConfiguration();
        QCOMPARE(f.warnings, QStringList { f.text(Msg::WriteError) });
        QVERIFY(!f.registers.touched().contains(9));
    }

    void sendDuringSendKeepsTheButtons()
    {
        FakeWindow f(Model::OrvAmbient);
        if (!f.serial().Open())
            QSKIP("no pseudo-terminal to stand in for the serial port");
        f.registers.parameters[1] = 0x1100;  // fail to maximum, 0 - 10 V
        f.ambient->sendConfiguration();
        QVERIFY(f.aw.MinFailOptionRadioButton->isChecked());
        QCOMPARE(f.registers.parameters[1], qint16(0x0100));
    }

    void leavingALimitReexpressesTheStoredCorrection()
    {
        FakeWindow f(Model::OrvAmbient);
        f.registers.parameters = { { 15, 160 } };
        QCOMPARE(f.ambientReadStep(2), Status::Ok);
        QCOMPARE(f.aw.EdtTempZeroCorrection->text(), QStringLiteral("1,70"));
        f.aw.EdtTempLowLimit->setText("0");
        f.aw.EdtTempHighLimit->setText("100");
        f.leave(f.aw.EdtTempLowLimit);
        QCOMPARE(f.aw.EdtTempZeroCorrection->text(), QStringLiteral("1,00"));
        QCOMPARE(f.aw.TempUserOffsetSupValLb->text(), QStringLiteral("5,0"));
    }
};

QTEST_MAIN(AmbientPageTest)
#include "tst_humamb_pages_ambient.moc"
