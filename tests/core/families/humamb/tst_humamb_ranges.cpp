#include "core/families/humamb/HumAmbRanges.h"

#include "support/ZeroOracle.h"

#include <QLocale>
#include <QTest>

using namespace korv::humamb;
namespace zero = korv::test::zero;

Q_DECLARE_METATYPE(korv::humamb::InputLimits)
Q_DECLARE_METATYPE(korv::humamb::ZeroScale)
Q_DECLARE_METATYPE(korv::humamb::LimitPair)
Q_DECLARE_METATYPE(korv::humamb::RangeFocus)
Q_DECLARE_METATYPE(korv::humamb::LeaveEditAction)

namespace {
const InputLimits Percent = humidityLimits(HumidityKind::Relative, false);
const InputLimits DewPointF = humidityLimits(HumidityKind::DewPoint, true);
const InputLimits HumTempC = humTempLimits(false);
}  // namespace

class HumAmbRangesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void zeroLimitTexts_data()
    {
        QTest::addColumn<ZeroScale>("scale");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("zeroRegister");
        QTest::addColumn<int>("span");
        QTest::addColumn<QString>("minText");
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<QString>("zeroText");
        QTest::newRow("span 100 %RH") << HumidityZeroScale << 0 << 100 << 0 << 100 << "-10,0"
                                      << "10,0"
                                      << "0,00";
        QTest::newRow("span 5 two decimals") << HumidityZeroScale << 0 << 5 << 0 << 5 << "-0,50"
                                             << "0,50"
                                             << "0,00";
        QTest::newRow("limit exactly 1") << HumidityZeroScale << 0 << 10 << 0 << 10 << "-1,0"
                                         << "1,0"
                                         << "0,00";
        QTest::newRow("reversed 80/20 not swapped") << HumidityZeroScale << 80 << 20 << 0 << 60 << "-6,0"
                                                    << "6,0"
                                                    << "0,00";
        QTest::newRow("register 1000") << HumidityZeroScale << 0 << 100 << 1000 << 100 << "-10,0"
                                       << "10,0"
                                       << "10,00";
        QTest::newRow("register 500") << HumidityZeroScale << 0 << 100 << 500 << 100 << "-10,0"
                                      << "10,0"
                                      << "5,00";
        QTest::newRow("register 1001 shows 0") << HumidityZeroScale << 0 << 100 << 1001 << 100 << "-10,0"
                                               << "10,0"
                                               << "0";
        QTest::newRow("register -1001 shows 0") << HumidityZeroScale << 0 << 100 << -1001 << 100 << "-10,0"
                                                << "10,0"
                                                << "0";
        QTest::newRow("stored correction on a new span") << HumidityZeroScale << 20 << 70 << 500 << 50 << "-5,0"
                                                         << "5,0"
                                                         << "2,50";
        QTest::newRow("temperature -40..120") << HumTempZeroScale << -40 << 120 << -250 << 160 << "-8,0"
                                              << "8,0"
                                              << "-4,00";
        QTest::newRow("temperature span 19") << HumTempZeroScale << 0 << 19 << 0 << 19 << "-0,95"
                                             << "0,95"
                                             << "0,00";
        QTest::newRow("ambient -50..120") << AmbientZeroScale << -50 << 120 << 800 << 170 << "-8,5"
                                          << "8,5"
                                          << "8,50";
    }
    void zeroLimitTexts()
    {
        QFETCH(ZeroScale, scale);
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, zeroRegister);
        QFETCH(int, span);
        QFETCH(QString, minText);
        QFETCH(QString, maxText);
        QFETCH(QString, zeroText);
        const ZeroLimits z = zeroLimits(scale, lower, upper, static_cast<qint16>(zeroRegister));
        QCOMPARE(z.range, (LimitPair { lower, upper, span }));
        QCOMPARE(z.minText, minText);
        QCOMPARE(z.maxText, maxText);
        QCOMPARE(z.zeroText, zeroText);
    }

    void zeroLimitsNeedNumbers()
    {
        QVERIFY(!zeroLimitsFromEdits(HumidityZeroScale, QStringLiteral("-"), QStringLiteral("100"), 0));
        QCOMPARE(zeroLimitsFromEdits(HumidityZeroScale, QStringLiteral("80"), QStringLiteral("20"), 0)->maxText,
            QStringLiteral("6,0"));
    }

    void zeroWithin()
    {
        const ZeroLimits wide = zeroLimits(HumidityZeroScale, 0, 100, 0);
        QVERIFY(zeroWithinLimits(10.0, wide));
        QVERIFY(zeroWithinLimits(-10.0, wide));
        QVERIFY(!zeroWithinLimits(10.01, wide));
        const ZeroLimits narrow = zeroLimits(HumidityZeroScale, 0, 5, 0);
        QVERIFY(zeroWithinLimits(0.5, narrow));
        QVERIFY(!zeroWithinLimits(-0.51, narrow));
    }

    void encodeZeroCorrection_data()
    {
        QTest::addColumn<ZeroScale>("scale");
        QTest::addColumn<double>("correction");
        QTest::addColumn<int>("span");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("zeroRegister");
        QTest::newRow("10 on 100 %RH") << HumidityZeroScale << 10.0 << 100 << true << 1000;
        QTest::newRow("5 on 100 %RH") << HumidityZeroScale << 5.0 << 100 << true << 500;
        QTest::newRow("-0,25 on 5") << HumidityZeroScale << -0.25 << 5 << true << -500;
        QTest::newRow("half rounds away from zero") << HumidityZeroScale << 0.125 << 100 << true << 13;
        QTest::newRow("negative half") << HumidityZeroScale << -0.125 << 100 << true << -13;
        QTest::newRow("ambient 8,5 on 170") << AmbientZeroScale << 8.5 << 170 << true << 800;
        QTest::newRow("ambient 3,33 on 170") << AmbientZeroScale << 3.33 << 170 << true << 313;
        QTest::newRow("no correction on a zero span") << HumidityZeroScale << 0.0 << 0 << true << 0;
        QTest::newRow("correction on a zero span") << HumidityZeroScale << 1.0 << 0 << false << 0;
        QTest::newRow("beyond 16 bits") << HumidityZeroScale << 100.0 << 1 << false << 0;
    }
    void encodeZeroCorrection()
    {
        QFETCH(ZeroScale, scale);
        QFETCH(double, correction);
        QFETCH(int, span);
        QFETCH(bool, valid);
        QFETCH(int, zeroRegister);
        const auto z = encodeZero(scale, correction, span);
        QCOMPARE(z.has_value(), valid);
        if (valid)
            QCOMPARE(int(*z), zeroRegister);
    }

    // Every zero register value read and sent straight back, on the spans each input can have in
    // either unit, against the rules worked out exactly: where one shown step covers two counts the
    // text decides (-999 on 50 %RH shows -5,00 and goes back as -1000).
    void readThenSendSweep_data()
    {
        QTest::addColumn<ZeroScale>("scale");
        QTest::addColumn<QList<int>>("spans");
        QTest::newRow("humidity") << HumidityZeroScale << QList<int> { 5, 7, 10, 33, 50, 64, 100, 115, 180 };
        QTest::newRow("humidity transmitter temperature")
            << HumTempZeroScale << QList<int> { 5, 9, 21, 50, 100, 155, 160, 279, 288 };
        QTest::newRow("ambient") << AmbientZeroScale << QList<int> { 5, 9, 21, 50, 100, 170, 279, 306 };
    }
    void readThenSendSweep()
    {
        QFETCH(ZeroScale, scale);
        QFETCH(QList<int>, spans);
        for (int span : spans) {
            for (int z = -1003; z <= 1003; ++z) {
                const QString text = zeroCorrectionText(scale, span, qint16(z), u',');
                const bool shown = std::abs(z) <= 1000;
                const long long hundredths = shown ? zero::shownHundredths(zero::Wide(z) * span, scale.divisor) : 0;
                const QString expectedText = shown ? zero::hundredthsText(hundredths) : QStringLiteral("0");
                const long long expectedCount = zero::humAmbWritten(hundredths, scale.divisor, span);
                const auto correction = parseZeroCorrection(text, u',');
                QVERIFY(correction);
                const int written = encodeZero(scale, *correction, span).value_or(qint16(-32768));
                if (text != expectedText || written != expectedCount) {
                    QFAIL(qPrintable(
                        QStringLiteral("span %1, register %2: shown %3 (expected %4), written %5 (expected %6)")
                            .arg(span)
                            .arg(z)
                            .arg(text, expectedText)
                            .arg(written)
                            .arg(expectedCount)));
                }
            }
        }
        QCOMPARE(zeroCorrectionText(HumidityZeroScale, 50, -999, u','), QStringLiteral("-5,00"));
        QCOMPARE(int(*encodeZero(HumidityZeroScale, *parseZeroCorrection(QStringLiteral("-5,00"), u','), 50)), -1000);
        QCOMPARE(zeroCorrectionText(AmbientZeroScale, 100, 100, u','), QStringLiteral("0,63"));
        QCOMPARE(int(*encodeZero(AmbientZeroScale, *parseZeroCorrection(QStringLiteral("0,63"), u','), 100)), 101);
    }

    // Bounds at exact decimal halves: 5 % of 21 is 1,05 and shows as 1,1, so a correction of 1,05
    // lies inside; 5 % of 279 (°F) is 13,95 and shows as 14,0.
    void zeroBoundsAtHalves()
    {
        const ZeroLimits narrow = zeroLimits(HumTempZeroScale, 0, 21, 0, u',');
        QCOMPARE(narrow.maxText, QStringLiteral("1,1"));
        QVERIFY(zeroWithinLimits(*parseZeroCorrection(QStringLiteral("1,05"), u','), narrow, u','));
        const ZeroLimits fahrenheit = zeroLimits(HumTempZeroScale, -40, 239, 0, u',');
        QCOMPARE(fahrenheit.minText, QStringLiteral("-14,0"));
        QCOMPARE(fahrenheit.maxText, QStringLiteral("14,0"));
    }

    void sendCheck_data()
    {
        QTest::addColumn<LimitPair>("state");
        QTest::addColumn<InputLimits>("sensor");
        QTest::addColumn<RangeFocus>("focus");
        QTest::newRow("full range") << LimitPair { 0, 100, 100 } << Percent << RangeFocus::None;
        QTest::newRow("swapped by leaving the edit") << LimitPair { 20, 80, 60 } << Percent << RangeFocus::None;
        QTest::newRow("reversed after a zero-limit update") << LimitPair { 80, 20, 60 } << Percent << RangeFocus::None;
        QTest::newRow("reversed after a unit switch") << LimitPair { 80, 20, -60 } << Percent << RangeFocus::None;
        QTest::newRow("dew point °F span 6 uses constant 5")
            << LimitPair { -76, -70, 6 } << DewPointF << RangeFocus::None;
        QTest::newRow("upper 130 °C") << LimitPair { 0, 130, 130 } << HumTempC << RangeFocus::Upper;
        QTest::newRow("lower below sensor") << LimitPair { -50, 100, 150 } << HumTempC << RangeFocus::Lower;
        QTest::newRow("span 4") << LimitPair { 10, 14, 4 } << Percent << RangeFocus::Lower;
        QTest::newRow("span 4 at sensor minimum") << LimitPair { 0, 4, 4 } << Percent << RangeFocus::Upper;
        QTest::newRow("reversed lower above sensor") << LimitPair { 150, 20, 130 } << Percent << RangeFocus::Lower;
        QTest::newRow("reversed upper below sensor") << LimitPair { 50, -10, -60 } << Percent << RangeFocus::Upper;
        QTest::newRow("reversed short at sensor maximum") << LimitPair { 100, 97, -3 } << Percent << RangeFocus::Upper;
        QTest::newRow("reversed short") << LimitPair { 90, 87, -3 } << Percent << RangeFocus::Lower;
    }
    void sendCheck()
    {
        QFETCH(LimitPair, state);
        QFETCH(InputLimits, sensor);
        QFETCH(RangeFocus, focus);
        QCOMPARE(checkSendRange(state, sensor), focus);
    }

    void leaveEdit_data()
    {
        QTest::addColumn<LimitPair>("current");
        QTest::addColumn<QString>("lowerText");
        QTest::addColumn<QString>("upperText");
        QTest::addColumn<InputLimits>("sensor");
        QTest::addColumn<LimitPair>("range");
        QTest::addColumn<LeaveEditAction>("action");
        QTest::newRow("80/20 swapped and accepted")
            << LimitPair { 0, 100, 100 } << "80"
            << "20" << Percent << LimitPair { 20, 80, 60 } << LeaveEditAction::RefreshZero;
        QTest::newRow("unchanged range") << LimitPair { 20, 80, 60 } << "20"
                                         << "80" << Percent << LimitPair { 20, 80, 60 } << LeaveEditAction::Unchanged;
        QTest::newRow("span 4 blanks the labels")
            << LimitPair { 0, 100, 100 } << "10"
            << "14" << Percent << LimitPair { 10, 14, 4 } << LeaveEditAction::BlankZeroLimits;
        QTest::newRow("dew point °F needs span 9")
            << LimitPair { -76, 221, 297 } << "-76"
            << "-70" << DewPointF << LimitPair { -76, -70, 6 } << LeaveEditAction::BlankZeroLimits;
        QTest::newRow("above sensor") << LimitPair { 0, 100, 100 } << "0"
                                      << "101" << Percent << LimitPair { 0, 101, 101 }
                                      << LeaveEditAction::BlankZeroLimits;
        QTest::newRow("decimals truncated")
            << LimitPair { 0, 100, 100 } << "12,7"
            << "90,9" << Percent << LimitPair { 12, 90, 78 } << LeaveEditAction::RefreshZero;
        QTest::newRow("lone minus keeps the state")
            << LimitPair { 0, 100, 100 } << "-"
            << "100" << Percent << LimitPair { 0, 100, 100 } << LeaveEditAction::BlankZeroLimits;
    }
    void leaveEdit()
    {
        QFETCH(LimitPair, current);
        QFETCH(QString, lowerText);
        QFETCH(QString, upperText);
        QFETCH(InputLimits, sensor);
        QFETCH(LimitPair, range);
        QFETCH(LeaveEditAction, action);
        const LeaveEditOutcome outcome = leaveLimitEdit(current, lowerText, upperText, sensor);
        QCOMPARE(outcome.range, range);
        QCOMPARE(outcome.action, action);
    }

    void parseHelpers()
    {
        QVERIFY(!parseLimitEdits(QStringLiteral("-"), QStringLiteral("5")));
        QCOMPARE(*parseLimitEdits(QStringLiteral("80"), QStringLiteral("20")), (LimitPair { 80, 20, -60 }));
        QCOMPARE(*parseLimitValue(QStringLiteral("-35")), -35.0f);
        QVERIFY(!parseLimitValue(QString()));
        QCOMPARE(*parseZeroCorrection(QString()), 0.0);
        QCOMPARE(*parseZeroCorrection(QStringLiteral("-1,5")), -1.5);
        QVERIFY(!parseZeroCorrection(QStringLiteral("-")));
    }
};

QTEST_GUILESS_MAIN(HumAmbRangesTest)
#include "tst_humamb_ranges.moc"
