#include "support/FakeWindow.h"

#include "common/Timing.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

using namespace korv;
using namespace korv::test;

class HumAmbEditingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        Timing::setScalePercent(1);
    }

    void keySequences_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        QTest::newRow("third decimal refused") << "EdtCorrZeroRH"
                                               << ""
                                               << "25,345"
                                               << "25,34";
        QTest::newRow("point becomes the separator") << "EdtCorrZeroTemp"
                                                     << ""
                                                     << "3.5"
                                                     << "3,5";
        QTest::newRow("second separator refused") << "EdtTempZeroCorrection"
                                                  << ""
                                                  << "1,2,3"
                                                  << "1,23";
        QTest::newRow("backspace frees a decimal") << "EdtCorrZeroRH"
                                                   << ""
                                                   << "1,23\b4"
                                                   << "1,24";
        QTest::newRow("minus restarts a correction") << "EdtCorrZeroRH"
                                                     << "12,5"
                                                     << "-7"
                                                     << "-7";
        QTest::newRow("minus restarts a limit") << "EdtLimSupRH"
                                                << "100"
                                                << "-"
                                                << "-";
        QTest::newRow("limits are whole numbers") << "EdtLimInfTemp"
                                                  << "1"
                                                  << "2,a.5"
                                                  << "125";
        QTest::newRow("ambient limit at most 8 characters") << "EdtTempHighLimit"
                                                            << ""
                                                            << "-123456789"
                                                            << "-1234567";
    }
    void keySequences()
    {
        QFETCH(QString, edit);
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        FakeWindow f(Model::OrvHu);
        auto* target = f.window.findChild<QLineEdit*>(edit);
        target->setText(before);
        f.typeInto(target, keys);
        QCOMPARE(target->text(), after);
    }

    void zeroEditsOfTheTemperatureInputsShareTheirKeyState()
    {
        FakeWindow f(Model::OrvHu);
        f.hw.EdtCorrZeroTemp->clear();
        f.typeInto(f.hw.EdtCorrZeroTemp, ",1");
        f.aw.EdtTempZeroCorrection->setText("9");
        f.typeInto(f.aw.EdtTempZeroCorrection, "45");
        QCOMPARE(f.aw.EdtTempZeroCorrection->text(), QStringLiteral("94"));
    }

    void enteringAZeroEditClearsIt_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("tab") << int(Qt::TabFocusReason) << true;
        QTest::newRow("mouse") << int(Qt::MouseFocusReason) << true;
        QTest::newRow("window activated again") << int(Qt::ActiveWindowFocusReason) << false;
        QTest::newRow("popup closed") << int(Qt::PopupFocusReason) << false;
    }
    void enteringAZeroEditClearsIt()
    {
        QFETCH(int, reason);
        QFETCH(bool, cleared);
        FakeWindow f(Model::OrvHu);
        f.hw.EdtCorrZeroRH->setText("5,00");
        f.state.humidityZeroKeys = { true, 2 };
        QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
        QCoreApplication::sendEvent(f.hw.EdtCorrZeroRH, &in);
        QCOMPARE(f.hw.EdtCorrZeroRH->text().isEmpty(), cleared);
        QCOMPARE(f.state.humidityZeroKeys.decimalsTyped, cleared ? 0 : 2);
    }

    void leavingALimitEdit_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("minText");
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<int>("stateLower");
        QTest::addColumn<int>("stateSpan");
        const int tab = Qt::TabFocusReason;
        QTest::newRow("reversed 80 to 20") << "80"
                                           << "20" << tab << "-6,0"
                                           << "6,0" << 80 << 60;
        QTest::newRow("span 5 has two decimals") << "0"
                                                 << "5" << tab << "-0,50"
                                                 << "0,50" << 0 << 5;
        QTest::newRow("span 4 blanks the labels") << "10"
                                                  << "14" << tab << ""
                                                  << "" << 10 << 4;
        QTest::newRow("lone minus blanks the labels") << "-"
                                                      << "100" << tab << ""
                                                      << "" << 0 << 100;
        QTest::newRow("window deactivated is no exit") << "10"
                                                       << "14" << int(Qt::ActiveWindowFocusReason) << "-10,0"
                                                       << "10,0" << 0 << 100;
    }
    void leavingALimitEdit()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QFETCH(int, reason);
        QFETCH(QString, minText);
        QFETCH(QString, maxText);
        QFETCH(int, stateLower);
        QFETCH(int, stateSpan);
        FakeWindow f(Model::OrvHu);
        f.hw.EdtLimInfRH->setText(lower);
        f.hw.EdtLimSupRH->setText(upper);
        f.leave(f.hw.EdtLimInfRH, Qt::FocusReason(reason));
        QCOMPARE(f.hw.ValorMinZeroRHLb->text(), minText);
        QCOMPARE(f.hw.ValorMaxZeroRHLb->text(), maxText);
        QCOMPARE(f.state.HumidityRange.lower, stateLower);
        QCOMPARE(f.state.HumidityRange.span, stateSpan);
        QCOMPARE(f.warnings, QStringList());
    }

    void unitRoundTripOnBothTabs()
    {
        FakeWindow hu(Model::OrvHu);
        FakeWindow amb(Model::OrvAmbient);
        hu.hw.EdtLimInfTemp->setText("1");
        amb.aw.EdtTempLowLimit->setText("1");
        const auto switchUnit = [&](bool fahrenheit) {
            hu.fahrenheitUnit = amb.fahrenheitUnit = fahrenheit;
            hu.humidity->unitChanged();
            amb.ambient->unitChanged();
        };
        switchUnit(true);
        QCOMPARE(hu.hw.EdtLimInfTemp->text(), QStringLiteral("33"));
        QCOMPARE(hu.hw.EdtLimSupTemp->text(), QStringLiteral("248"));
        QCOMPARE(hu.hw.tempLabels()[2]->text(), QStringLiteral("-40 a 248°F"));
        QCOMPARE(amb.aw.EdtTempLowLimit->text(), QStringLiteral("33"));
        QCOMPARE(amb.aw.unitLabels()[2]->text(), QStringLiteral("-58 a 248 °F"));
        QCOMPARE(amb.aw.unitLabels()[3]->text(), QStringLiteral("9 °F"));
        switchUnit(false);
        QCOMPARE(hu.hw.EdtLimInfTemp->text(), QStringLiteral("0"));
        QCOMPARE(hu.hw.EdtLimSupTemp->text(), QStringLiteral("120"));
        QCOMPARE(hu.hw.tempLabels()[6]->text(), QStringLiteral("°C"));
        QCOMPARE(amb.aw.EdtTempLowLimit->text(), QStringLiteral("0"));
        QCOMPARE(amb.aw.EdtTempHighLimit->text(), QStringLiteral("120"));
        QCOMPARE(amb.aw.EdtTempZeroCorrection->text(), QStringLiteral("0,00"));
    }

    void unitSwitchLeavesOrvHAlone()
    {
        FakeWindow f(Model::OrvH);
        f.hw.EdtLimInfTemp->setText("1");
        f.fahrenheitUnit = true;
        f.humidity->unitChanged();
        QCOMPARE(f.hw.EdtLimInfTemp->text(), QStringLiteral("1"));
    }

    void measureKindChoice()
    {
        FakeWindow f(Model::OrvHu);
        f.hw.EdtCorrZeroRH->setText("2,50");
        f.humidity->HumidityClick(false);
        QVERIFY(f.dewPointItem.isChecked());
        QCOMPARE(f.hw.EdtLimInfRH->text(), QStringLiteral("-60"));
        QCOMPARE(f.hw.EdtLimSupRH->text(), QStringLiteral("105"));
        QCOMPARE(f.hw.rhLabels()[3]->text(), QStringLiteral("5°C"));
        QCOMPARE(f.hw.ValorMaxZeroRHLb->text(), QStringLiteral("16,5"));
        QCOMPARE(f.state.HumidityRange.sensorMin, -60);
        QCOMPARE(f.hw.EdtCorrZeroRH->text(), QStringLiteral("2,50"));

        // With the dew point shown, a unit switch shows the kind again in the new unit.
        f.fahrenheitUnit = true;
        f.humidity->unitChanged();
        QCOMPARE(f.hw.EdtLimInfRH->text(), QStringLiteral("-76"));
        QCOMPARE(f.hw.rhLabels()[2]->text(), QStringLiteral("-76 a 221°F"));

        f.humidity->HumidityClick(true);
        QCOMPARE(f.hw.EdtLimSupRH->text(), QStringLiteral("100"));
        QCOMPARE(f.hw.rhLabels()[6]->text(), QStringLiteral("%RH"));
        QCOMPARE(f.state.HumidityRange.sensorMax, 100);
    }
};

QTEST_MAIN(HumAmbEditingTest)
#include "tst_humamb_pages_editing.moc"
