#include "core/families/headrail/HeadRailZero.h"

#include "support/ZeroOracle.h"

#include <QLocale>
#include <QTest>

using namespace korv::headrail;
namespace zero = korv::test::zero;

Q_DECLARE_METATYPE(korv::headrail::Group)

namespace {
const QChar Comma = u',';
}

class HeadRailZeroTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // Bounds shown for a range, and a correction written and shown back from its count.
    void roundTrip_data()
    {
        QTest::addColumn<Group>("group");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<QString>("minText");
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<QString>("correction");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("shownBack");
        QTest::newRow("fw130 span 1000") << Group::NonIsolated << 130 << 0 << 1000 << "-50,0"
                                         << "50,0"
                                         << "2,5" << 26 << "2,54";
        QTest::newRow("fw100 span 1000") << Group::NonIsolated << 100 << 0 << 1000 << "-50,0"
                                         << "50,0"
                                         << "2,5" << 13 << "2,55";
        QTest::newRow("fw115 quarter scale") << Group::NonIsolated << 115 << 0 << 1000 << "-25,0"
                                             << "25,0"
                                             << "2,5" << 26 << "2,55";
        QTest::newRow("isolated span 200") << Group::Isolated << 100 << -50 << 150 << "-10,0"
                                           << "10,0"
                                           << "1,5" << 150 << "1,50";
        QTest::newRow("fw130 span 10") << Group::NonIsolated << 130 << 0 << 10 << "-0,50"
                                       << "0,50"
                                       << "0,5" << 512 << "0,50";
        QTest::newRow("fw130 K span 1370") << Group::NonIsolated << 130 << 0 << 1370 << "-68,5"
                                           << "68,5"
                                           << "-68,5" << -512 << "-68,50";
        QTest::newRow("fw130 falling span made positive") << Group::NonIsolated << 130 << 1000 << 0 << "-50,0"
                                                          << "50,0"
                                                          << "2,5" << 26 << "2,54";
        QTest::newRow("isolated falling span made positive") << Group::Isolated << 100 << 150 << -50 << "-10,0"
                                                             << "10,0"
                                                             << "-1,5" << -150 << "-1,50";
        QTest::newRow("fw105 falling span keeps sign") << Group::NonIsolated << 105 << 1000 << 0 << "50,0"
                                                       << "-50,0"
                                                       << "2,5" << -13 << "2,55";
        // The lower bound is held in single precision: -10,15 lies just inside it.
        QTest::newRow("fw130 span 203, a typed tenth") << Group::NonIsolated << 130 << 0 << 203 << "-10,1"
                                                       << "10,2"
                                                       << "-10,1" << -509 << "-10,09";
        QTest::newRow("isolated span 300, one hundredth") << Group::Isolated << 110 << 0 << 300 << "-15,0"
                                                          << "15,0"
                                                          << "0,01" << 1 << "0,02";
        QTest::newRow("empty correction") << Group::NonIsolated << 130 << 0 << 1000 << "-50,0"
                                          << "50,0"
                                          << "" << 0 << "0,00";
    }
    // A register value read and sent straight back, for every count each scale can show and on
    // spans from the narrowest to the widest in either unit, against the rules worked out exactly:
    // where one shown step covers several counts the text decides, elsewhere the count comes back.
    void readThenSendSweep_data()
    {
        QTest::addColumn<Group>("group");
        QTest::addColumn<int>("firmware");
        QTest::newRow("non-isolated 1.05, 255 counts of 5 %") << Group::NonIsolated << 105;
        QTest::newRow("non-isolated 1.15, 255 counts of 2,5 %") << Group::NonIsolated << 115;
        QTest::newRow("non-isolated 1.30, 512 counts of 5 %") << Group::NonIsolated << 130;
        QTest::newRow("isolated, 1000 counts of 5 %") << Group::Isolated << 110;
    }
    void readThenSendSweep()
    {
        QFETCH(Group, group);
        QFETCH(int, firmware);
        const ZeroScale scale = *zeroScale(group, firmware);
        const QList<int> spans = { 5, 10, 37, 50, 73, 100, 137, 180, 203, 255, 300, 512, 800, 1000, 1370, 1800, 2000,
            2466, 2498, 3000, 3272 };
        int unchanged = 0;
        for (int width : spans) {
            for (const bool falling : { false, true }) {
                const int lower = falling ? width : 0;
                const int upper = falling ? 0 : width;
                const int span = zeroSpan(group, firmware, lower, upper);
                for (int z = -scale.largestShown - 3; z <= scale.largestShown + 3; ++z) {
                    const auto texts = zeroTexts(group, firmware, lower, upper, qint16(z), Comma);
                    const bool shown = std::abs(z) <= scale.largestShown;
                    const long long hundredths = shown
                        ? zero::shownHundredths(zero::Wide(z) * span, zero::Wide(scale.counts) * scale.inverseFraction)
                        : 0;
                    const QString expectedText = shown ? zero::hundredthsText(hundredths) : QStringLiteral("0");
                    const long long expectedCount
                        = zero::headRailWritten(hundredths, scale.counts, scale.inverseFraction, span);
                    const auto correction = parseZeroCorrection(texts->zeroText, Comma);
                    const auto written = encodeZero(group, firmware, *correction, texts->span);
                    if (texts->zeroText != expectedText || !written || *written != expectedCount) {
                        QFAIL(qPrintable(QStringLiteral("span %1..%2, register %3: shown %4 (expected %5), written %6 "
                                                        "(expected %7)")
                                             .arg(lower)
                                             .arg(upper)
                                             .arg(z)
                                             .arg(texts->zeroText, expectedText)
                                             .arg(int(written.value_or(qint16(-32768))))
                                             .arg(expectedCount)));
                    }
                    // A count of at least a tenth is told apart from its neighbours by the text.
                    if (shown && std::abs(span) * 10 >= scale.counts * scale.inverseFraction) {
                        QCOMPARE(int(*written), z);
                        ++unchanged;
                    }
                }
            }
        }
        QVERIFY(unchanged > 0);
    }

    void roundTrip()
    {
        QFETCH(Group, group);
        QFETCH(int, firmware);
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(QString, minText);
        QFETCH(QString, maxText);
        QFETCH(QString, correction);
        QFETCH(int, count);
        QFETCH(QString, shownBack);

        const auto before = zeroTexts(group, firmware, lower, upper, 0, Comma);
        QVERIFY(before);
        QCOMPARE(before->minText, minText);
        QCOMPARE(before->maxText, maxText);

        const auto z = parseZeroCorrection(correction, Comma);
        QVERIFY(z);
        const auto written = encodeZero(group, firmware, *z, before->span);
        QVERIFY(written);
        QCOMPARE(int(*written), count);

        const auto after = zeroTexts(group, firmware, lower, upper, *written, Comma);
        QVERIFY(after);
        QCOMPARE(after->zeroText, shownBack);
    }

    void largestCountShown_data()
    {
        QTest::addColumn<Group>("group");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fw105 256 still shown") << Group::NonIsolated << 105 << 256 << "50,20";
        QTest::newRow("fw105 257 shown as 0") << Group::NonIsolated << 105 << 257 << "0";
        QTest::newRow("fw115 -256 still shown") << Group::NonIsolated << 115 << -256 << "-25,10";
        QTest::newRow("fw115 -257 shown as 0") << Group::NonIsolated << 115 << -257 << "0";
        QTest::newRow("fw120 512 shown") << Group::NonIsolated << 120 << 512 << "50,00";
        QTest::newRow("fw120 513 shown as 0") << Group::NonIsolated << 120 << 513 << "0";
        QTest::newRow("isolated 1000 shown") << Group::Isolated << 100 << 1000 << "50,00";
        QTest::newRow("isolated 1001 shown as 0") << Group::Isolated << 100 << 1001 << "0";
        QTest::newRow("most negative register") << Group::Isolated << 100 << -32768 << "0";
    }
    void largestCountShown()
    {
        QFETCH(Group, group);
        QFETCH(int, firmware);
        QFETCH(int, count);
        QFETCH(QString, shown);
        const auto texts = zeroTexts(group, firmware, 0, 1000, qint16(count), Comma);
        QVERIFY(texts);
        QCOMPARE(texts->zeroText, shown);
    }

    void sameCountRescaledByNewRange()
    {
        QCOMPARE(zeroTexts(Group::NonIsolated, 130, 0, 1000, 26, Comma)->zeroText, QStringLiteral("2,54"));
        QCOMPARE(zeroTexts(Group::NonIsolated, 130, 0, 500, 26, Comma)->zeroText, QStringLiteral("1,27"));
    }

    void outsideTheFamily()
    {
        QVERIFY(!zeroScale(Group::Other, 130));
        QVERIFY(!zeroTexts(Group::Other, 0, 0, 50, 0, Comma));
        QVERIFY(!encodeZero(Group::Other, 0, 1.0f, 50));
    }

    void countsThatCannotBeWritten()
    {
        QCOMPARE(encodeZero(Group::NonIsolated, 130, 0.0f, 0), std::optional<qint16>(0));
        QVERIFY(!encodeZero(Group::NonIsolated, 130, 1.0f, 0));
        QVERIFY(!encodeZero(Group::Isolated, 100, 1000.0f, 1));
    }

    void parseCorrection_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<float>("value");
        QTest::newRow("empty means none") << "" << true << 0.0f;
        QTest::newRow("negative with decimals") << "-12,5" << true << -12.5f;
        QTest::newRow("two decimals") << "12,34" << true << 12.34f;
        QTest::newRow("lone minus") << "-" << false << 0.0f;
        QTest::newRow("lone separator") << "," << false << 0.0f;
        QTest::newRow("minus and separator") << "-," << false << 0.0f;
    }
    void parseCorrection()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(float, value);
        const auto z = parseZeroCorrection(text, Comma);
        QCOMPARE(z.has_value(), isNumber);
        if (z)
            QCOMPARE(*z, value);
    }

    void bounds_data()
    {
        QTest::addColumn<QString>("correction");
        QTest::addColumn<QString>("minText");
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("upper bound itself") << "50,0"
                                            << "-50,0"
                                            << "50,0" << true;
        QTest::newRow("lower bound itself") << "-50"
                                            << "-50,0"
                                            << "50,0" << true;
        QTest::newRow("above upper bound") << "50,01"
                                           << "-50,0"
                                           << "50,0" << false;
        QTest::newRow("below lower bound") << "-50,1"
                                           << "-50,0"
                                           << "50,0" << false;
        // 0,05 has no exact binary form; typed as the bound it must still be the bound.
        QTest::newRow("small upper bound itself") << "0,05"
                                                  << "-0,05"
                                                  << "0,05" << true;
        QTest::newRow("small lower bound itself") << "-0,15"
                                                  << "-0,15"
                                                  << "0,15" << true;
        QTest::newRow("bounds not numbers") << "0"
                                            << ""
                                            << "" << false;
    }
    void bounds()
    {
        QFETCH(QString, correction);
        QFETCH(QString, minText);
        QFETCH(QString, maxText);
        QFETCH(bool, accepted);
        const auto z = parseZeroCorrection(correction, Comma);
        QVERIFY(z);
        QCOMPARE(zeroWithinBounds(*z, minText, maxText, Comma), accepted);
    }

    void boundsOfSmallSpansUseTwoDecimals()
    {
        const auto texts = zeroTexts(Group::NonIsolated, 130, 0, 1, 0, Comma);
        QCOMPARE(texts->minText, QStringLiteral("-0,05"));
        QCOMPARE(texts->maxText, QStringLiteral("0,05"));
        QVERIFY(zeroWithinBounds(0.05f, texts->minText, texts->maxText, Comma));
    }
};

QTEST_GUILESS_MAIN(HeadRailZeroTest)
#include "tst_headrail_zero.moc"
