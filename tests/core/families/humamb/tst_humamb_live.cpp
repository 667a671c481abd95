#include "core/families/humamb/HumAmbLive.h"

#include "common/Messages.h"

#include <QLocale>
#include <QTest>

#include <cmath>

using namespace korv;
using namespace korv::humamb;

Q_DECLARE_METATYPE(korv::humamb::HumidityKind)

class HumAmbLiveTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void humidityReading_data()
    {
        QTest::addColumn<int>("rawT");
        QTest::addColumn<int>("rawH");
        QTest::addColumn<HumidityKind>("kind");
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<float>("temperature");
        QTest::addColumn<bool>("defined");
        QTest::addColumn<float>("humidity");
        const auto rh = HumidityKind::Relative;
        const auto dew = HumidityKind::DewPoint;
        QTest::newRow("0 °C 50 %RH") << 3500 << 6000 << rh << false << 0.0f << true << 50.0f;
        QTest::newRow("°F leaves %RH alone") << 3500 << 6000 << rh << true << 32.0f << true << 50.0f;
        QTest::newRow("scale bottom") << 1000 << 1000 << rh << false << -40.0f << true << 0.0f;
        QTest::newRow("scale top") << 11000 << 11000 << rh << false << 120.0f << true << 100.0f;
        QTest::newRow("dew point °C") << 3500 << 6000 << dew << false << 0.0f << true << -9.202f;
        QTest::newRow("dew point °F") << 3500 << 6000 << dew << true << 32.0f << true << 15.436f;
        QTest::newRow("dew point at 100 %RH is the temperature")
            << 3500 << 11000 << dew << false << 0.0f << true << 0.0f;
        QTest::newRow("no dew point at 0 %RH") << 3500 << 1000 << dew << false << 0.0f << false << 0.0f;
        QTest::newRow("no dew point below 0 %RH, °F") << 3500 << 500 << dew << true << 32.0f << false << 0.0f;
    }
    void humidityReading()
    {
        QFETCH(int, rawT);
        QFETCH(int, rawH);
        QFETCH(HumidityKind, kind);
        QFETCH(bool, fahrenheit);
        QFETCH(float, temperature);
        QFETCH(bool, defined);
        QFETCH(float, humidity);
        const HumidityReading r
            = convertHumidityReading(static_cast<qint16>(rawT), static_cast<qint16>(rawH), kind, fahrenheit);
        QVERIFY(qAbs(r.temperature - temperature) < 1e-4f);
        QCOMPARE(r.humidityDefined, defined);
        QVERIFY2(qAbs(r.humidity - humidity) < 1e-3f, qPrintable(QString::number(double(r.humidity), 'g', 8)));
    }

    void dewPointNeverInfinite()
    {
        // -11695 counts put the temperature on the pole of the Magnus form (-243.12 °C).
        for (const int rawT : { -11695, -32768, 32767 }) {
            const HumidityReading r
                = convertHumidityReading(static_cast<qint16>(rawT), 6000, HumidityKind::DewPoint, true);
            QVERIFY(std::isfinite(r.humidity));
            QVERIFY(std::isfinite(r.temperature));
        }
    }

    void humidityMemoLines()
    {
        const MessageTable m;
        const QString humidityPrefix = m[Msg::LiveHumidityPrefix];
        const QString temperaturePrefix = m[Msg::LiveTemperaturePrefix];
        // Zero register 500 on 0..100 %RH is the zero text 5,00; the memo shows it added.
        const HumidityReading raw = convertHumidityReading(3500, 6000, HumidityKind::Relative, false);
        const HumidityReading shown = correctedReading(raw, QStringLiteral("5,00"), QStringLiteral("-0,50"));
        QCOMPARE(humidityLiveLine(humidityPrefix, shown, QStringLiteral("%RH")),
            QStringLiteral("Última Leitura de Umidade = 55,00%RH"));
        QCOMPARE(temperatureLiveLine(temperaturePrefix, shown.temperature, QStringLiteral("°C")),
            QStringLiteral("Última Leitura de Temperatura = -0,50°C"));
        // A zero text that is no number adds nothing.
        QCOMPARE(withZeroCorrection(50.0f, QStringLiteral("-")), 50.0f);
        QCOMPARE(temperatureLiveLine(temperaturePrefix, 123.456f, QStringLiteral("°F")),
            QStringLiteral("Última Leitura de Temperatura = 123,50°F"));

        const HumidityReading none = convertHumidityReading(3500, 1000, HumidityKind::DewPoint, false);
        const HumidityReading noneShown = correctedReading(none, QStringLiteral("1,00"), QString());
        QVERIFY(!noneShown.humidityDefined);
        QCOMPARE(humidityValueText(noneShown), QStringLiteral("---"));
        QCOMPARE(humidityLiveLine(humidityPrefix, noneShown, QStringLiteral("°C")),
            QStringLiteral("Última Leitura de Umidade = ---"));
    }

    void ambientLive_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<int>("celsius");
        QTest::addColumn<float>("value");
        QTest::newRow("mid scale") << 8000 << false << 35 << 35.0f;
        QTest::newRow("mid scale °F") << 8000 << true << 35 << 95.0f;
        QTest::newRow("bottom") << 0 << false << -50 << -50.0f;
        QTest::newRow("top") << 16000 << false << 120 << 120.0f;
        QTest::newRow("-1 truncates toward zero") << -1 << false << -50 << -50.0f;
        QTest::newRow("largest raw") << 32767 << false << 298 << 298.0f;
        QTest::newRow("smallest raw") << -32768 << false << -398 << -398.0f;
        QTest::newRow("whole degree then °F") << 100 << true << -49 << -56.2f;
    }
    void ambientLive()
    {
        QFETCH(int, raw);
        QFETCH(bool, fahrenheit);
        QFETCH(int, celsius);
        QFETCH(float, value);
        QCOMPARE(ambientWholeCelsius(static_cast<qint16>(raw)), celsius);
        QCOMPARE(ambientLiveValue(static_cast<qint16>(raw), fahrenheit), value);
    }

    void ambientMemoLine()
    {
        const QString prefix = MessageTable()[Msg::LiveTemperaturePrefix];
        QCOMPARE(ambientLiveLine(prefix, ambientLiveValue(8000, false), QStringLiteral("°C")),
            QStringLiteral("Última Leitura de Temperatura =  35,00 °C"));
        QCOMPARE(ambientLiveLine(prefix, ambientLiveValue(8000, true), QStringLiteral("°F")),
            QStringLiteral("Última Leitura de Temperatura =  95,00 °F"));
    }
};

QTEST_GUILESS_MAIN(HumAmbLiveTest)
#include "tst_humamb_live.moc"
