#include "core/families/headrail/HeadRailRange.h"

#include <QLocale>
#include <QTest>

using namespace korv;
using namespace korv::headrail;

Q_DECLARE_METATYPE(korv::headrail::Group)
Q_DECLARE_METATYPE(korv::headrail::RangeFocus)

class HeadRailRangeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void workedValues_data()
    {
        QTest::addColumn<Group>("group");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("sensorMin");
        QTest::addColumn<int>("sensorMax");
        QTest::addColumn<float>("lower");
        QTest::addColumn<float>("upper");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("shownLower");
        QTest::addColumn<QString>("shownUpper");
        QTest::newRow("non-isolated fw130 mV full range")
            << Group::NonIsolated << 130 << 0 << 50 << 0.0f << 50.0f << 3273 << 16367 << "0"
            << "50";
        QTest::newRow("non-isolated fw130 K 0..1000")
            << Group::NonIsolated << 130 << 0 << 1370 << 0.0f << 1000.0f << 2389 << 11947 << "0"
            << "1000";
        QTest::newRow("non-isolated fw100 K 0..1000")
            << Group::NonIsolated << 100 << 0 << 1370 << 0.0f << 1000.0f << 4778 << 4185 << "0"
            << "1000";
        QTest::newRow("non-isolated fw130 K falling 1000..0")
            << Group::NonIsolated << 130 << 0 << 1370 << 1000.0f << 0.0f << -14336 << -11946 << "1000"
            << "0";
        QTest::newRow("isolated Pt100 -50..150")
            << Group::Isolated << 100 << -200 << 600 << -50.0f << 150.0f << -4500 << 2500 << "-50"
            << "150";
        QTest::newRow("isolated 4-20 mA full range")
            << Group::Isolated << 100 << 4 << 20 << 4.0f << 20.0f << 0 << 10000 << "4"
            << "20";
        QTest::newRow("isolated Pt100 falling 100..0")
            << Group::Isolated << 100 << -200 << 600 << 100.0f << 0.0f << -8625 << -1250 << "100"
            << "0";
    }
    void workedValues()
    {
        QFETCH(Group, group);
        QFETCH(int, firmware);
        QFETCH(int, sensorMin);
        QFETCH(int, sensorMax);
        QFETCH(float, lower);
        QFETCH(float, upper);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, shownLower);
        QFETCH(QString, shownUpper);

        const auto registers = encodeRange(group, firmware, sensorMin, sensorMax, lower, upper);
        QVERIFY(registers);
        QCOMPARE(int(registers->offset), a);
        QCOMPARE(int(registers->gain), b);

        const auto decoded = decodeRange(group, firmware, sensorMin, sensorMax, qint16(a), qint16(b));
        QVERIFY(decoded);
        QCOMPARE(rangeLimitText(decoded->lower), shownLower);
        QCOMPARE(rangeLimitText(decoded->upper), shownUpper);
    }

    void sameRegistersReadInFahrenheit()
    {
        // 0 °C..1000 °C on K, written in °C, read back on the °F sensor range 32..2498.
        const auto decoded = decodeRange(Group::NonIsolated, 130, 32, 2498, 2389, 11947);
        QVERIFY(decoded);
        QCOMPARE(rangeLimitText(decoded->lower), QStringLiteral("32"));
        QCOMPARE(rangeLimitText(decoded->upper), QStringLiteral("1832"));
        // Typing the same physical range in °F writes the same registers.
        const auto registers = encodeRange(Group::NonIsolated, 130, 32, 2498, 32.0f, 1832.0f);
        QVERIFY(registers);
        QCOMPARE(*registers, (RangeRegisters { 2389, 11947 }));
    }

    void decodedUpperClampedToSensorMax()
    {
        // One count of gain above the full mV scale decodes a hair above 50.
        const auto decoded = decodeRange(Group::NonIsolated, 130, 0, 50, 3273, 16368);
        QVERIFY(decoded);
        QCOMPARE(decoded->upper, 50.0L);
        const auto falling = decodeRange(Group::Isolated, 100, -200, 600, -30000, -1000);
        QVERIFY(falling);
        QCOMPARE(falling->upper, 600.0L);
        QVERIFY(falling->lower > 600.0L);  // only the upper limit is clamped
    }

    void nothingToDecodeOrEncode()
    {
        QVERIFY(!decodeRange(Group::NonIsolated, 130, 0, 1370, 2389, 0));
        QVERIFY(!decodeRange(Group::Isolated, 100, -200, 600, 0, 0));
        QVERIFY(!decodeRange(Group::Other, 0, 0, 50, 3273, 16367));
        QVERIFY(!encodeRange(Group::Other, 0, 0, 50, 0.0f, 50.0f));
        QVERIFY(!encodeRange(Group::NonIsolated, 130, 50, 50, 0.0f, 50.0f));
    }

    void encodingThatDoesNotFitIsRefused()
    {
        // Old firmware: a 1 °C span gives B = 70000000 / ~16 counts, far beyond 16 bits.
        QVERIFY(!encodeRange(Group::NonIsolated, 100, 0, 1370, 0.0f, 1.0f));
        // A limit far outside the sensor range overflows the offset.
        QVERIFY(!encodeRange(Group::NonIsolated, 130, 0, 50, 200.0f, 0.0f));
        // Old form, both limits at the sensor minimum: the gain's divisor is 0, which describes no
        // range (and is never divided by).
        QVERIFY(!encodeRange(Group::NonIsolated, 100, 0, 1370, 0.0f, 0.0f));
        // Edge of the old form: the minimum span of 10 % still fits.
        QVERIFY(encodeRange(Group::NonIsolated, 100, 0, 1370, 0.0f, 137.0f));
    }

    void rangeCheck_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("sensorMin");
        QTest::addColumn<int>("sensorMax");
        QTest::addColumn<int>("minSpan");
        QTest::addColumn<RangeFocus>("focus");
        QTest::newRow("fw105 K span below 137")
            << Model::OrvHead << 105 << 100 << 200 << 0 << 1370 << 137 << RangeFocus::Lower;
        QTest::newRow("fw130 K span 100 accepted")
            << Model::OrvHead << 130 << 100 << 200 << 0 << 1370 << 100 << RangeFocus::None;
        QTest::newRow("din fw130 falling accepted")
            << Model::OrvDin << 130 << 1000 << 0 << 0 << 1370 << 100 << RangeFocus::None;
        QTest::newRow("din fw105 falling refused")
            << Model::OrvDin << 105 << 1000 << 0 << 0 << 1370 << 137 << RangeFocus::Lower;
        QTest::newRow("isolated Pt100 700..0")
            << Model::OrvGalDin << 100 << 700 << 0 << -200 << 600 << 40 << RangeFocus::Lower;
        QTest::newRow("K 0..1500 above max")
            << Model::OrvHead << 130 << 0 << 1500 << 0 << 1370 << 100 << RangeFocus::Upper;
        QTest::newRow("short span at sensor min")
            << Model::OrvHead << 130 << 0 << 50 << 0 << 1370 << 100 << RangeFocus::Upper;
        QTest::newRow("below sensor min")
            << Model::OrvGalHead << 101 << -300 << 100 << -200 << 600 << 40 << RangeFocus::Lower;
        QTest::newRow("whole sensor range")
            << Model::OrvGalHead << 101 << -200 << 600 << -200 << 600 << 40 << RangeFocus::None;
        QTest::newRow("falling upper below min")
            << Model::OrvGalDin << 100 << 500 << -300 << -200 << 600 << 40 << RangeFocus::Upper;
        QTest::newRow("falling too short at max")
            << Model::OrvGalDin << 100 << 600 << 590 << -200 << 600 << 40 << RangeFocus::Upper;
        QTest::newRow("falling too short")
            << Model::OrvHead << 139 << 500 << 490 << 0 << 1370 << 100 << RangeFocus::Lower;
        QTest::newRow("fw140 not checked")
            << Model::OrvHead << 140 << 0 << 5000 << 0 << 1370 << 100 << RangeFocus::None;
        QTest::newRow("unknown model not checked")
            << Model::Unknown << 0 << 0 << 5000 << 0 << 50 << 5 << RangeFocus::None;
        QTest::newRow("extreme limits do not overflow")
            << Model::OrvGalDin << 100 << 2147483647 << -2147483647 - 1 << -200 << 600 << 40 << RangeFocus::Lower;
    }
    void rangeCheck()
    {
        QFETCH(Model, model);
        QFETCH(int, firmware);
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, sensorMin);
        QFETCH(int, sensorMax);
        QFETCH(int, minSpan);
        QFETCH(RangeFocus, focus);
        QCOMPARE(checkRange(model, firmware, lower, upper, SensorLimits { sensorMin, sensorMax, minSpan }), focus);
    }
};

QTEST_GUILESS_MAIN(HeadRailRangeTest)
#include "tst_headrail_range.moc"
