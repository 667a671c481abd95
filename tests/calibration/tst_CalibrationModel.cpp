#include "core/calibration/CalibrationRegisters.h"
#include "core/calibration/CalibrationValue.h"

#include <QLocale>
#include <QTest>

using namespace korv;

Q_DECLARE_METATYPE(korv::CalibrationGroup)

namespace {
const QString Celsius = QStringLiteral("°C");
}

class tst_CalibrationModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void registerMap_data();
    void registerMap();
    void limits_data();
    void limits();
    void plainValue_data();
    void plainValue();
    void isolatedValue_data();
    void isolatedValue();
    void ambientValue_data();
    void ambientValue();
    void humidityValue_data();
    void humidityValue();
};

void tst_CalibrationModel::registerMap_data()
{
    QTest::addColumn<CalibrationGroup>("group");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("offset");  // -1: no registers
    QTest::addColumn<int>("gain");
    const auto plain = CalibrationGroup::PlainTemperature;
    const auto isolated = CalibrationGroup::IsolatedTemperature;
    QTest::newRow("humidity ignores code") << CalibrationGroup::Humidity << 40 << 16 << 17;
    QTest::newRow("ambient ignores code") << CalibrationGroup::Ambient << 40 << 17 << 18;
    QTest::newRow("plain mV") << plain << 0 << 4 << 5;
    QTest::newRow("plain TC K") << plain << 1 << 8 << 9;
    QTest::newRow("plain TC B") << plain << 8 << 8 << 9;
    QTest::newRow("plain Pt100") << plain << 9 << 6 << 7;
    QTest::newRow("plain 0-10 V uses the map") << plain << 10 << 17 << 18;
    QTest::newRow("isolated 0-10 V") << isolated << 10 << 17 << 18;
    QTest::newRow("isolated 0-20 mA") << isolated << 11 << 19 << 20;
    QTest::newRow("isolated 4-20 mA") << isolated << 12 << 19 << 20;
    QTest::newRow("code 13 has none") << isolated << 13 << -1 << -1;
    QTest::newRow("code 63 has none") << isolated << 63 << -1 << -1;
    QTest::newRow("negative code has none") << isolated << -1 << -1 << -1;
}

void tst_CalibrationModel::registerMap()
{
    QFETCH(CalibrationGroup, group);
    QFETCH(int, code);
    QFETCH(int, offset);
    QFETCH(int, gain);
    const auto pair = calibrationRegisters(group, code);
    QCOMPARE(pair.has_value(), offset >= 0);
    if (pair) {
        QCOMPARE(int(pair->offset), offset);
        QCOMPARE(int(pair->gain), gain);
    }
}

void tst_CalibrationModel::limits_data()
{
    QTest::addColumn<CalibrationGroup>("group");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("celsius");
    QTest::addColumn<QStringList>("expected");  // captions, limit texts, unit; empty: no row
    QTest::addColumn<bool>("gainEnabled");
    const auto plain = CalibrationGroup::PlainTemperature;
    const auto isolated = CalibrationGroup::IsolatedTemperature;
    const QString off = QStringLiteral("Offset limits");
    const QString gain = QStringLiteral("Gain limits");
    QTest::newRow("humidity") << CalibrationGroup::Humidity << 0 << true
                              << QStringList { "RH offset limits", "T offset limits", "-1000 to 1000", "-1000 to 1000",
                                     "" }
                              << true;
    QTest::newRow("ambient in °F stays °C")
        << CalibrationGroup::Ambient << 0 << false << QStringList { off, gain, "-1000 to 1000", "Unavailable", Celsius }
        << false;
    QTest::newRow("plain mV") << plain << 0 << true
                              << QStringList { off, gain, "-3000 to -500", "11000 to 15000", "mV" } << true;
    QTest::newRow("plain TC") << plain << 5 << true
                              << QStringList { off, gain, "-3000 to -500", "11000 to 15000", Celsius } << true;
    QTest::newRow("plain Pt100") << plain << 9 << true
                                 << QStringList { off, gain, "-3000 to -100", "10000 to 20000", Celsius } << true;
    QTest::newRow("plain TC in °F") << plain << 2 << false
                                    << QStringList { off, gain, "-3000 to -500", "11000 to 15000", "°F" } << true;
    QTest::newRow("plain mV in °F stays mV")
        << plain << 0 << false << QStringList { off, gain, "-3000 to -500", "11000 to 15000", "mV" } << true;
    QTest::newRow("plain code 10 no row") << plain << 10 << true << QStringList() << true;
    QTest::newRow("isolated mV") << isolated << 0 << true
                                 << QStringList { off, gain, "-12000 to -5000", "12000 to 16000", "mV" } << true;
    QTest::newRow("isolated TC") << isolated << 8 << true
                                 << QStringList { off, gain, "-8000 to -500", "10000 to 15000", Celsius } << true;
    QTest::newRow("isolated Pt100 in °F")
        << isolated << 9 << false << QStringList { off, gain, "0 to 1000", "12000 to 20000", "°F" } << true;
    QTest::newRow("isolated 0-10 V") << isolated << 10 << true
                                     << QStringList { off, gain, "-16000 to 1000", "9000 to 11000", "V" } << true;
    QTest::newRow("isolated 0-20 mA") << isolated << 11 << true
                                      << QStringList { off, gain, "-1000 to 3000", "9000 to 11000", "mA" } << true;
    QTest::newRow("isolated 4-20 mA as 0-20 mA")
        << isolated << 12 << true << QStringList { off, gain, "-1000 to 3000", "9000 to 11000", "mA" } << true;
    QTest::newRow("code 13 no row") << isolated << 13 << true << QStringList() << true;
}

void tst_CalibrationModel::limits()
{
    QFETCH(CalibrationGroup, group);
    QFETCH(int, code);
    QFETCH(bool, celsius);
    QFETCH(QStringList, expected);
    QFETCH(bool, gainEnabled);
    const auto limits = calibrationLimits(group, code, celsius);
    QCOMPARE(limits.has_value(), !expected.isEmpty());
    if (!limits)
        return;
    QCOMPARE(
        QStringList({ limits->offsetCaption, limits->gainCaption, limits->offsetText, limits->gainText, limits->unit }),
        expected);
    QCOMPARE(limits->gainEnabled, gainEnabled);
}

void tst_CalibrationModel::plainValue_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<QString>("text");
    QTest::newRow("half scale") << 8184 << 0 << 1000 << "500,0°C";
    QTest::newRow("zero") << 0 << 0 << 1000 << "0,0°C";
    QTest::newRow("full scale") << 16368 << 0 << 1000 << "1000,0°C";
    QTest::newRow("above full scale") << 16369 << 0 << 1000 << "Invalid Input";
    QTest::newRow("negative") << -1 << 0 << 1000 << "Invalid Input";
    QTest::newRow("negative range") << 4092 << -200 << 600 << "0,0°C";
    QTest::newRow("one count of 50 mV") << 1 << 0 << 50 << "0,0°C";
}

void tst_CalibrationModel::plainValue()
{
    QFETCH(int, raw);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(QString, text);
    QCOMPARE(plainTemperatureValueText(qint16(raw), low, high, Celsius), text);
}

void tst_CalibrationModel::isolatedValue_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero count") << 1000 << "-50,0°C";
    QTest::newRow("full scale") << 21000 << "150,0°C";
    QTest::newRow("mid scale") << 11000 << "50,0°C";
    QTest::newRow("below zero count") << 999 << "Invalid Input";
    QTest::newRow("above full scale") << 21001 << "Invalid Input";
    QTest::newRow("rounds to one decimal") << 1001 << "-50,0°C";
}

void tst_CalibrationModel::isolatedValue()
{
    QFETCH(int, raw);
    QFETCH(QString, text);
    QCOMPARE(isolatedTemperatureValueText(qint16(raw), -50, 150, Celsius), text);
}

void tst_CalibrationModel::ambientValue_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "-50 °C";
    QTest::newRow("full scale") << 16000 << "120 °C";
    QTest::newRow("one count truncates") << 1 << "-50 °C";
    QTest::newRow("negative truncates toward zero") << -100 << "-51 °C";
    QTest::newRow("worked example") << 8000 << "35 °C";
    QTest::newRow("largest raw needs 32 bits") << 32767 << "298 °C";
}

void tst_CalibrationModel::ambientValue()
{
    QFETCH(int, raw);
    QFETCH(QString, text);
    QCOMPARE(ambientValueText(qint16(raw), Celsius), text);
}

void tst_CalibrationModel::humidityValue_data()
{
    QTest::addColumn<float>("temperature");
    QTest::addColumn<float>("humidity");
    QTest::addColumn<bool>("defined");
    QTest::addColumn<bool>("celsius");
    QTest::addColumn<QString>("text");
    QTest::newRow("celsius") << 25.04f << 50.0f << true << true << "50,0%;  25,0ºC";
    QTest::newRow("fahrenheit") << 77.0f << 49.96f << true << false << "50,0%;  77,0ºF";
    QTest::newRow("negative temperature") << -9.25f << 0.0f << true << true << "0,0%;  -9,3ºC";
    QTest::newRow("dew point undefined") << 0.0f << 0.0f << false << true << "---%;  0,0ºC";
}

void tst_CalibrationModel::humidityValue()
{
    QFETCH(float, temperature);
    QFETCH(float, humidity);
    QFETCH(bool, defined);
    QFETCH(bool, celsius);
    QFETCH(QString, text);
    const QString shown = humidityValueText(temperature, humidity, defined, celsius);
    QCOMPARE(shown, text);
    // The masculine ordinal, not the degree sign, precedes the unit letter.
    QVERIFY(shown.contains(QChar(0x00BA)));
}

QTEST_GUILESS_MAIN(tst_CalibrationModel)
#include "tst_CalibrationModel.moc"
