#include "core/families/humamb/HumAmbScales.h"

#include <QLocale>
#include <QTest>

using namespace korv::humamb;

Q_DECLARE_METATYPE(korv::humamb::InputLimits)

namespace {
const InputLimits Percent = humidityLimits(HumidityKind::Relative, false);
const InputLimits HumTempC = humTempLimits(false);
const InputLimits AmbientC = ambientLimits(false);
const InputLimits AmbientF = ambientLimits(true);
}  // namespace

class HumAmbScalesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void encodeHumTemp_data()
    {
        QTest::addColumn<InputLimits>("sensor");
        QTest::addColumn<float>("lower");
        QTest::addColumn<float>("upper");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("gain");
        QTest::newRow("full humidity range") << Percent << 0.0f << 100.0f << 0 << 10000;
        QTest::newRow("full temperature range") << HumTempC << -40.0f << 120.0f << 0 << 10000;
        QTest::newRow("10 to 90 %RH") << Percent << 10.0f << 90.0f << -1200 << 8000;
        QTest::newRow("reversed 100 to 0 %RH") << Percent << 100.0f << 0.0f << -12000 << -10000;
        QTest::newRow("reversed 80 to 20 %RH") << Percent << 80.0f << 20.0f << -9600 << -6000;
        QTest::newRow("-35 to 120 °C") << HumTempC << -35.0f << 120.0f << -343 << 9688;
    }
    void encodeHumTemp()
    {
        QFETCH(InputLimits, sensor);
        QFETCH(float, lower);
        QFETCH(float, upper);
        QFETCH(int, offset);
        QFETCH(int, gain);
        const RangeRegisters r = encodeHumTempRange(sensor, lower, upper);
        QCOMPARE(r.offset, offset);
        QCOMPARE(r.gain, gain);
    }

    void encodeAmbient_data()
    {
        QTest::addColumn<InputLimits>("sensor");
        QTest::addColumn<float>("lower");
        QTest::addColumn<float>("upper");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("gain");
        QTest::newRow("full range °C") << AmbientC << -50.0f << 120.0f << 0 << 10000;
        QTest::newRow("same range in °F writes the same") << AmbientF << -58.0f << 248.0f << 0 << 10000;
        QTest::newRow("0 to 100 °C") << AmbientC << 0.0f << 100.0f << -4706 << 5882;
        QTest::newRow("20 to 30 °C") << AmbientC << 20.0f << 30.0f << -6588 << 588;
    }
    void encodeAmbient()
    {
        QFETCH(InputLimits, sensor);
        QFETCH(float, lower);
        QFETCH(float, upper);
        QFETCH(int, offset);
        QFETCH(int, gain);
        const RangeRegisters r = encodeAmbientRange(sensor, lower, upper);
        QCOMPARE(r.offset, offset);
        QCOMPARE(r.gain, gain);
    }

    void decode_data()
    {
        QTest::addColumn<bool>("ambient");
        QTest::addColumn<InputLimits>("sensor");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("gain");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<QString>("lowerText");
        QTest::addColumn<QString>("upperText");
        QTest::newRow("full humidity") << false << Percent << 0 << 10000 << 0.0 << 100.0 << "0"
                                       << "100";
        QTest::newRow("reversed keeps its order") << false << Percent << -12000 << -10000 << 100.0 << 0.0 << "100"
                                                  << "0";
        QTest::newRow("-35 to 120 °C") << false << HumTempC << -343 << 9688 << -35.0112 << 119.9968 << "-35"
                                       << "120";
        QTest::newRow("ambient full") << true << AmbientC << 0 << 10000 << -50.0 << 120.0 << "-50"
                                      << "120";
        QTest::newRow("ambient 0 to 100") << true << AmbientC << -4706 << 5882 << 0.00125 << 99.99525 << "0"
                                          << "100";
    }
    void decode()
    {
        QFETCH(bool, ambient);
        QFETCH(InputLimits, sensor);
        QFETCH(int, offset);
        QFETCH(int, gain);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(QString, lowerText);
        QFETCH(QString, upperText);
        const auto o = static_cast<qint16>(offset);
        const auto g = static_cast<qint16>(gain);
        const auto range = ambient ? decodeAmbientRange(sensor, o, g) : decodeHumTempRange(sensor, o, g);
        QVERIFY(range);
        QVERIFY2(
            qAbs(range->lower - lower) < 1e-4, qPrintable(QString::number(static_cast<double>(range->lower), 'g', 10)));
        QVERIFY2(
            qAbs(range->upper - upper) < 1e-4, qPrintable(QString::number(static_cast<double>(range->upper), 'g', 10)));
        QCOMPARE(limitEditText(range->lower), lowerText);
        QCOMPARE(limitEditText(range->upper), upperText);
    }

    void gainZeroDecodesNothing()
    {
        QVERIFY(!decodeHumTempRange(Percent, 0, 0));
        QVERIFY(!decodeHumTempRange(HumTempC, -343, 0));
        QVERIFY(!decodeAmbientRange(AmbientC, 120, 0));
    }

    void onlyTemperatureUpperLimitIsClamped()
    {
        // Decoding does not clamp: a humidity upper limit of 100.6 is shown as 101.
        QCOMPARE(limitEditText(DecodedRange { 0, 100.6 }.upper), QStringLiteral("101"));
        const DecodedRange clamped = clampUpperToSensor({ -40, 120.6 }, HumTempC);
        QCOMPARE(limitEditText(clamped.upper), QStringLiteral("120"));
        QCOMPARE(clamped.lower, -40.0);
        QCOMPARE(clampUpperToSensor({ -50, 119.5 }, AmbientC).upper, 119.5);
    }
};

QTEST_GUILESS_MAIN(HumAmbScalesTest)
#include "tst_humamb_scales.moc"
