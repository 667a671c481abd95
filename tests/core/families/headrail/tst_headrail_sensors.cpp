#include "core/families/headrail/HeadRailConfigWord.h"
#include "core/families/headrail/HeadRailSensors.h"

#include <QLocale>
#include <QTest>

using namespace korv;
using namespace korv::headrail;

Q_DECLARE_METATYPE(korv::headrail::LimitKeys)

namespace {
// "-1" is "no value" in the table columns below.
int orNone(std::optional<int> value)
{
    return value.value_or(-1);
}
}  // namespace

class HeadRailSensorsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void sensorRange_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<int>("min");  // -9999: no range
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("minSpan");
        const int none = -9999;
        QTest::newRow("start-up default mV") << Model::Unknown << 0 << 0 << false << 0 << 50 << 5;
        QTest::newRow("head K fw130") << Model::OrvHead << 130 << 1 << false << 0 << 1370 << 100;
        QTest::newRow("head J") << Model::OrvHead << 130 << 2 << false << 0 << 760 << 100;
        QTest::newRow("head R") << Model::OrvHead << 130 << 3 << false << 0 << 1760 << 400;
        QTest::newRow("din S") << Model::OrvDin << 130 << 4 << false << 0 << 1760 << 400;
        QTest::newRow("head T") << Model::OrvHead << 130 << 5 << false << 0 << 400 << 100;
        QTest::newRow("head N") << Model::OrvHead << 130 << 6 << false << 0 << 1300 << 100;
        QTest::newRow("head E") << Model::OrvHead << 130 << 7 << false << 0 << 720 << 100;
        QTest::newRow("head B") << Model::OrvHead << 130 << 8 << false << 500 << 1820 << 400;
        QTest::newRow("head Pt100 fw110") << Model::OrvHead << 110 << 9 << false << -200 << 650 << 40;
        QTest::newRow("head K fw105 ten percent") << Model::OrvHead << 105 << 1 << false << 0 << 1370 << 137;
        QTest::newRow("head Pt100 fw105") << Model::OrvHead << 105 << 9 << false << -200 << 530 << 73;
        QTest::newRow("head B fw109") << Model::OrvDin << 109 << 8 << false << 500 << 1820 << 132;
        QTest::newRow("unknown fw100 old rule") << Model::Unknown << 100 << 9 << false << -200 << 530 << 73;
        QTest::newRow("head has no 4-20 mA") << Model::OrvHead << 130 << 12 << false << none << 0 << 0;
        QTest::newRow("gal K") << Model::OrvGalHead << 101 << 1 << false << -150 << 1370 << 100;
        QTest::newRow("gal J") << Model::OrvGalHead << 101 << 2 << false << -100 << 760 << 100;
        QTest::newRow("gal R") << Model::OrvGalHead << 101 << 3 << false << -50 << 1760 << 400;
        QTest::newRow("gal T") << Model::OrvGalHead << 101 << 5 << false << -160 << 400 << 100;
        QTest::newRow("gal N") << Model::OrvGalHead << 101 << 6 << false << -270 << 1300 << 100;
        QTest::newRow("gal E") << Model::OrvGalHead << 101 << 7 << false << -90 << 720 << 100;
        QTest::newRow("gal Pt100 has no firmware rule") << Model::OrvGalDin << 100 << 9 << false << -200 << 600 << 40;
        QTest::newRow("gal head has no 0-10 V") << Model::OrvGalHead << 101 << 10 << false << none << 0 << 0;
        QTest::newRow("gal din 0-10 V") << Model::OrvGalDin << 100 << 10 << false << 0 << 10 << 1;
        QTest::newRow("gal din 0-20 mA") << Model::OrvGalDin << 100 << 11 << false << 0 << 20 << 2;
        QTest::newRow("gal din 4-20 mA") << Model::OrvGalDin << 100 << 12 << false << 4 << 20 << 2;
        QTest::newRow("humidity model has none") << Model::OrvHu << 101 << 1 << false << none << 0 << 0;
        QTest::newRow("negative code") << Model::OrvHead << 130 << -1 << false << none << 0 << 0;
        QTest::newRow("head Pt100 in F") << Model::OrvHead << 130 << 9 << true << -328 << 1202 << 72;
        QTest::newRow("head K in F") << Model::OrvHead << 130 << 1 << true << 32 << 2498 << 180;
        QTest::newRow("gal Pt100 in F") << Model::OrvGalHead << 101 << 9 << true << -328 << 1112 << 72;
        QTest::newRow("gal N in F truncates") << Model::OrvGalDin << 100 << 6 << true << -454 << 2372 << 180;
        QTest::newRow("mV never converted") << Model::OrvHead << 130 << 0 << true << 0 << 50 << 5;
        QTest::newRow("mA never converted") << Model::OrvGalDin << 100 << 12 << true << 4 << 20 << 2;
    }
    void sensorRange()
    {
        QFETCH(Model, model);
        QFETCH(int, firmware);
        QFETCH(int, code);
        QFETCH(bool, fahrenheit);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, minSpan);
        const auto limits = sensorRangeInUnit(model, firmware, code, fahrenheit);
        if (min == -9999) {
            QVERIFY(!limits);
            return;
        }
        QVERIFY(limits);
        QCOMPARE(*limits, (SensorLimits { min, max, minSpan }));
    }

    void fahrenheitTruncatesTowardZero()
    {
        // -17 °C is -30.6 + 32 = 1.4 °F: the division truncates -306 / 10 to -30, not -31.
        QCOMPARE(toFahrenheit({ -17, 5, 7 }), (SensorLimits { 2, 41, 12 }));
    }

    void positions_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<bool>("noB");
        QTest::addColumn<QList<int>>("codes");  // list order
        QTest::newRow("head with B") << Model::OrvHead << 130 << false << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 };
        QTest::newRow("head without B") << Model::OrvHead << 128 << true << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 9 };
        QTest::newRow("din without B") << Model::OrvDin << 130 << true << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 9 };
        QTest::newRow("gal head fw100") << Model::OrvGalHead << 100 << false << QList<int> { 0, 1, 2, 4, 5, 9 };
        QTest::newRow("gal head fw101") << Model::OrvGalHead << 101 << false
                                        << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 };
        QTest::newRow("gal din") << Model::OrvGalDin << 100 << false
                                 << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 };
        QTest::newRow("unknown model") << Model::Unknown << 0 << false << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 };
    }
    void positions()
    {
        QFETCH(Model, model);
        QFETCH(int, firmware);
        QFETCH(bool, noB);
        QFETCH(QList<int>, codes);
        QCOMPARE(sensorListCodes(model, firmware, noB), codes);
        for (int position = 0; position < codes.size(); ++position) {
            QCOMPARE(orNone(codeForPosition(model, firmware, noB, position)), codes[position]);
            QCOMPARE(orNone(positionForCode(model, firmware, noB, codes[position])), position);
        }
        // No selection and positions past the list never reach a table.
        QCOMPARE(orNone(codeForPosition(model, firmware, noB, -1)), -1);
        QCOMPARE(orNone(codeForPosition(model, firmware, noB, int(codes.size()))), -1);
    }

    void readCodeSelection_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<bool>("noB");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("codeWrittenBack");
        QTest::newRow("din without B Pt100") << Model::OrvDin << 130 << true << 9 << 8 << 9;
        QTest::newRow("head with B Pt100") << Model::OrvHead << 130 << false << 9 << 9 << 9;
        QTest::newRow("head B thermocouple") << Model::OrvHead << 130 << false << 8 << 8 << 8;
        // A thermocouple B on a list without B is not shown as Pt100 (and not sent back as 9).
        QTest::newRow("head without B reads B") << Model::OrvHead << 128 << true << 8 << -1 << -1;
        QTest::newRow("head 4-20 mA") << Model::OrvHead << 130 << false << 12 << -1 << -1;
        QTest::newRow("gal head fw100 S") << Model::OrvGalHead << 100 << false << 4 << 3 << 4;
        QTest::newRow("gal head fw100 T") << Model::OrvGalHead << 100 << false << 5 << 4 << 5;
        QTest::newRow("gal head fw100 Pt100") << Model::OrvGalHead << 100 << false << 9 << 5 << 9;
        QTest::newRow("gal head fw100 R") << Model::OrvGalHead << 100 << false << 3 << -1 << -1;
        QTest::newRow("gal head fw101 10 V") << Model::OrvGalHead << 101 << false << 10 << -1 << -1;
        QTest::newRow("gal din 4-20 mA") << Model::OrvGalDin << 119 << false << 12 << 12 << 12;
        QTest::newRow("gal din code 13") << Model::OrvGalDin << 119 << false << 13 << -1 << -1;
    }
    void readCodeSelection()
    {
        QFETCH(Model, model);
        QFETCH(int, firmware);
        QFETCH(bool, noB);
        QFETCH(int, code);
        QFETCH(int, position);
        QFETCH(int, codeWrittenBack);
        QCOMPARE(orNone(positionForCode(model, firmware, noB, code)), position);
        QCOMPARE(orNone(codeForPosition(model, firmware, noB, position)), codeWrittenBack);
    }

    void units()
    {
        QCOMPARE(unitTextForPosition(0, true), QStringLiteral("mV"));
        QCOMPARE(unitTextForPosition(9, false), QStringLiteral("°C"));
        QCOMPARE(unitTextForPosition(1, true), QStringLiteral("°F"));
        QCOMPARE(unitTextForPosition(10, true), QStringLiteral("V"));
        QCOMPARE(unitTextForPosition(12, true), QStringLiteral("mA"));
        QCOMPARE(unitTextForPosition(-1, false), QString());
    }

    void limitKeys_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("noB");
        QTest::addColumn<LimitKeys>("keys");
        QTest::newRow("head K") << Model::OrvHead << 1 << false << LimitKeys::Digits;
        QTest::newRow("head Pt100") << Model::OrvHead << 9 << false << LimitKeys::DigitsAndMinus;
        QTest::newRow("head B is not Pt100") << Model::OrvHead << 8 << false << LimitKeys::Digits;
        QTest::newRow("din without B Pt100") << Model::OrvDin << 8 << true << LimitKeys::DigitsAndMinus;
        QTest::newRow("gal din 4-20 mA") << Model::OrvGalDin << 12 << false << LimitKeys::DigitsAndMinus;
        QTest::newRow("gal din mV") << Model::OrvGalDin << 0 << false << LimitKeys::Digits;
        QTest::newRow("unknown model") << Model::Unknown << 0 << false << LimitKeys::Any;
    }
    void limitKeys()
    {
        QFETCH(Model, model);
        QFETCH(int, position);
        QFETCH(bool, noB);
        QFETCH(LimitKeys, keys);
        QCOMPARE(limitKeysFor(model, position, noB), keys);
    }

    void configWord_data()
    {
        QTest::addColumn<int>("lastWord");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("toMax");
        QTest::addColumn<bool>("at50Hz");
        QTest::addColumn<int>("written");
        QTest::newRow("K to max at 50 Hz") << 0x0000 << 1 << true << true << 0x00C1;
        QTest::newRow("output type 0-10 V kept") << 0x0109 << 9 << false << false << 0x0109;
        QTest::newRow("old options dropped") << 0x01C5 << 2 << false << true << 0x0182;
        QTest::newRow("all high bits kept") << 0xFFFF << 12 << false << false << 0xFF0C;
    }
    void configWord()
    {
        QFETCH(int, lastWord);
        QFETCH(int, code);
        QFETCH(bool, toMax);
        QFETCH(bool, at50Hz);
        QFETCH(int, written);
        const quint16 word = composeConfigWord(quint16(lastWord), code, toMax, at50Hz);
        QCOMPARE(int(word), written);
        const ConfigFields fields = splitConfigWord(word);
        QCOMPARE(fields.code, code);
        QCOMPARE(fields.failureToMax, toMax);
        QCOMPARE(fields.filter50Hz, at50Hz);
        QCOMPARE(fields.outputType, (lastWord >> 8) & 0x0F);
    }
};

QTEST_GUILESS_MAIN(HeadRailSensorsTest)
#include "tst_headrail_sensors.moc"
