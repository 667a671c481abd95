#include "core/families/humamb/HumAmbConfigWord.h"
#include "core/families/humamb/HumAmbLimits.h"

#include <QTest>

using namespace korv;
using namespace korv::humamb;

Q_DECLARE_METATYPE(korv::humamb::InputLimits)
Q_DECLARE_METATYPE(korv::humamb::InputTexts)

class HumAmbLimitsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void limitRows_data()
    {
        QTest::addColumn<InputLimits>("limits");
        QTest::addColumn<int>("sensorMin");
        QTest::addColumn<int>("sensorMax");
        QTest::addColumn<int>("minSpan");
        QTest::newRow("ambient °C") << ambientLimits(false) << -50 << 120 << 5;
        QTest::newRow("ambient °F") << ambientLimits(true) << -58 << 248 << 9;
        QTest::newRow("humidity temperature °C") << humTempLimits(false) << -40 << 120 << 5;
        QTest::newRow("humidity temperature °F") << humTempLimits(true) << -40 << 248 << 9;
        QTest::newRow("relative humidity °C") << humidityLimits(HumidityKind::Relative, false) << 0 << 100 << 5;
        QTest::newRow("relative humidity °F") << humidityLimits(HumidityKind::Relative, true) << 0 << 100 << 5;
        QTest::newRow("dew point °C") << humidityLimits(HumidityKind::DewPoint, false) << -60 << 105 << 5;
        QTest::newRow("dew point °F") << humidityLimits(HumidityKind::DewPoint, true) << -76 << 221 << 9;
    }
    void limitRows()
    {
        QFETCH(InputLimits, limits);
        QFETCH(int, sensorMin);
        QFETCH(int, sensorMax);
        QFETCH(int, minSpan);
        QCOMPARE(limits.sensorMin, sensorMin);
        QCOMPARE(limits.sensorMax, sensorMax);
        QCOMPARE(limits.minSpan, minSpan);
    }

    void labelTexts_data()
    {
        QTest::addColumn<InputTexts>("texts");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("minSpan");
        QTest::addColumn<QString>("unit");
        const QString a = QStringLiteral("a");
        QTest::newRow("humidity temperature °C") << humTempTexts(false, a) << "-40 a 120°C"
                                                 << "5°C"
                                                 << "°C";
        QTest::newRow("humidity temperature °F") << humTempTexts(true, a) << "-40 a 248°F"
                                                 << "9°F"
                                                 << "°F";
        QTest::newRow("relative humidity") << humidityTexts(HumidityKind::Relative, true, a) << "0 a 100%RH"
                                           << "5%RH"
                                           << "%RH";
        QTest::newRow("dew point °C") << humidityTexts(HumidityKind::DewPoint, false, a) << "-60 a 105°C"
                                      << "5°C"
                                      << "°C";
        QTest::newRow("dew point °F") << humidityTexts(HumidityKind::DewPoint, true, a) << "-76 a 221°F"
                                      << "9°F"
                                      << "°F";
        QTest::newRow("ambient °C has blanks") << ambientTexts(false, a) << "-50 a 120 °C"
                                               << "5 °C"
                                               << "°C";
        QTest::newRow("ambient °F has blanks") << ambientTexts(true, a) << "-58 a 248 °F"
                                               << "9 °F"
                                               << "°F";
        QTest::newRow("translated range word") << humTempTexts(false, QStringLiteral("to")) << "-40 to 120°C"
                                               << "5°C"
                                               << "°C";
    }
    void labelTexts()
    {
        QFETCH(InputTexts, texts);
        QFETCH(QString, range);
        QFETCH(QString, minSpan);
        QFETCH(QString, unit);
        QCOMPARE(texts.range, range);
        QCOMPARE(texts.minSpan, minSpan);
        QCOMPARE(texts.unit, unit);
    }

    void kindViewResetsToFullRange()
    {
        const HumidityKindView dew = humidityKindView(HumidityKind::DewPoint, true, QStringLiteral("a"));
        QCOMPARE(dew.range, (LimitPair { -76, 221, 297 }));
        QCOMPARE(dew.texts.minSpan, QStringLiteral("9°F"));
        QCOMPARE(
            humidityKindView(HumidityKind::Relative, false, QStringLiteral("a")).range, (LimitPair { 0, 100, 100 }));
    }

    void unitRoundTrip_data()
    {
        QTest::addColumn<int>("celsius");
        QTest::addColumn<int>("fahrenheit");
        QTest::addColumn<int>("back");
        QTest::newRow("1 °C loses a degree") << 1 << 33 << 0;
        QTest::newRow("-40 survives") << -40 << -40 << -40;
        QTest::newRow("120 survives") << 120 << 248 << 120;
        QTest::newRow("-50 survives") << -50 << -58 << -50;
        QTest::newRow("negative truncates toward zero") << -1 << 31 << 0;
    }
    void unitRoundTrip()
    {
        QFETCH(int, celsius);
        QFETCH(int, fahrenheit);
        QFETCH(int, back);
        QCOMPARE(toFahrenheitWhole(celsius), fahrenheit);
        QCOMPARE(toCelsiusWhole(fahrenheit), back);
    }

    void spanConvertedOnItsOwn()
    {
        // -40..120 °C, span 160: the span becomes 288 °F and back 160 °C.
        const LimitPair f = convertLimits({ -40, 120, 160 }, true);
        QCOMPARE(f, (LimitPair { -40, 248, 288 }));
        QCOMPARE(convertLimits(f, false), (LimitPair { -40, 120, 160 }));
        // 1..6 °C: limits 33..42 °F but the span 5 becomes 9, not 42 - 33.
        QCOMPARE(convertLimits({ 1, 6, 5 }, true), (LimitPair { 33, 42, 9 }));
        QCOMPARE(spanToCelsius(9), 5);
        QCOMPARE(toFahrenheitWhole(2000000000), 2147483647);  // saturates instead of overflowing
    }

    void configWordsKeepOutputType_data()
    {
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("rhMax");
        QTest::addColumn<bool>("tempMax");
        QTest::addColumn<bool>("dewPoint");
        QTest::addColumn<int>("word");
        QTest::newRow("all minimum, relative") << 0xFFFF << false << false << false << 0x0F00;
        QTest::newRow("humidity maximum") << 0x0100 << true << false << false << 0x0140;
        QTest::newRow("temperature maximum (also Orv-H)") << 0x0000 << false << true << false << 0x1000;
        QTest::newRow("dew point") << 0x4000 << false << false << true << 0x2000;
        QTest::newRow("everything") << 0x0140 << true << true << true << 0x3140;
    }
    void configWordsKeepOutputType()
    {
        QFETCH(int, last);
        QFETCH(bool, rhMax);
        QFETCH(bool, tempMax);
        QFETCH(bool, dewPoint);
        QFETCH(int, word);
        const auto kind = dewPoint ? HumidityKind::DewPoint : HumidityKind::Relative;
        QCOMPARE(int(quint16(humidityConfigWord(qint16(last), rhMax, tempMax, kind))), word);
    }

    void ambientWord()
    {
        QCOMPARE(int(quint16(ambientConfigWord(qint16(0xFFFF), true))), 0x1F00);
        QCOMPARE(int(quint16(ambientConfigWord(qint16(0x1140), false))), 0x0100);
    }

    void readFlags()
    {
        const ConfigFlags f = decodeConfigWord(qint16(0x3140));
        QCOMPARE(f.outputType, 1);
        QVERIFY(f.humidityFailMax);
        QVERIFY(f.temperatureFailMax);
        QCOMPARE(f.kind, HumidityKind::DewPoint);
        QCOMPARE(kindFromConfigWord(0), HumidityKind::Relative);
        QVERIFY(!kindFromConfigWord(0x4000));  // leaves the menu as it is
        QVERIFY(!kindFromConfigWord(qint16(0xA000)));
    }

    void effectiveKind()
    {
        QCOMPARE(effectiveHumidityKind(true, true), HumidityKind::DewPoint);
        QCOMPARE(effectiveHumidityKind(true, false), HumidityKind::Relative);
        // Firmware 100 or older has no kind menu; an unchecked new menu measures relative humidity.
        QCOMPARE(effectiveHumidityKind(false, true), HumidityKind::Relative);
    }

    void outputTypeLines()
    {
        const MessageTable messages;
        QCOMPARE(outputTypeLine(0x0000, messages), QStringLiteral("Tipo de saída: 4 - 20 mA"));
        QCOMPARE(outputTypeLine(0x1140, messages), QStringLiteral("Tipo de saída: 0 - 10 V"));
        QCOMPARE(outputTypeLine(0x0200, messages), QStringLiteral("Desconhecido"));  // no 0 - 5 V here
    }
};

QTEST_GUILESS_MAIN(HumAmbLimitsTest)
#include "tst_humamb_limits.moc"
