#include "common/KeyFilters.h"
#include "common/NumberFormat.h"

#include <QTest>

#include <charconv>
#include <string>

using namespace korv;

namespace {

// The decimal a test row names, in extended precision, read without the code under test.
long double extended(const QString& text)
{
    const std::string digits = text.toStdString();
    long double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

class NumberFormatTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fixed4_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero correction 2.539 at two decimals") << 2.5390625 << 2 << "2,54";
        QTest::newRow("four significant digits cut first") << 123.456 << 2 << "123,50";
        QTest::newRow("whole count rounds half up") << 25.6 << 0 << "26";
        QTest::newRow("exact half away from zero") << 2.5 << 0 << "3";
        QTest::newRow("negative half away from zero") << -2.5 << 0 << "-3";
        QTest::newRow("negative bound one decimal") << -68.5 << 1 << "-68,5";
        QTest::newRow("small bound two decimals") << -0.5 << 2 << "-0,50";
        QTest::newRow("decoded limit") << 999.99 << 0 << "1000";
        QTest::newRow("decoded lower limit") << -35.01 << 0 << "-35";
        QTest::newRow("rounds to zero without sign") << -0.001 << 2 << "0,00";
        QTest::newRow("zero") << 0.0 << 2 << "0,00";
        QTest::newRow("carry into a new digit") << 9.999 << 2 << "10,00";
        QTest::newRow("fraction below one") << 0.0456 << 2 << "0,05";
        QTest::newRow("large whole number keeps its digits") << 1832.0 << 0 << "1832";
    }
    void fixed4()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(formatFixed4(value, decimals, u','), expected);
    }

    // Decimal halves that binary cannot hold exactly: the value goes to 18 significant digits
    // first, so each is a true half there and rounds away from zero.
    void halvesRoundAsDecimals_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1.05 at one decimal") << "1.05" << 1 << "1,1";
        QTest::newRow("13.95 at one decimal") << "13.95" << 1 << "14,0";
        QTest::newRow("-13.95 at one decimal") << "-13.95" << 1 << "-14,0";
        QTest::newRow("4.995 at two decimals") << "4.995" << 2 << "5,00";
        QTest::newRow("-4.995 at two decimals") << "-4.995" << 2 << "-5,00";
        QTest::newRow("0.015 at two decimals") << "0.015" << 2 << "0,02";
        QTest::newRow("0.105 at two decimals") << "0.105" << 2 << "0,11";
        QTest::newRow("-1.025 at two decimals") << "-1.025" << 2 << "-1,03";
        QTest::newRow("1.005 at two decimals") << "1.005" << 2 << "1,01";
        QTest::newRow("509.5 as a whole count") << "509.5" << 0 << "510";
        QTest::newRow("just below a half stays below") << "0.01499" << 2 << "0,01";
    }
    void halvesRoundAsDecimals()
    {
        QFETCH(QString, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(formatFixed4(extended(value), decimals, u','), expected);
        QCOMPARE(formatDecimals(extended(value), decimals, u','), expected);
    }

    // The same halves as the program computes them, in extended precision.
    void computedHalves()
    {
        QCOMPARE(formatFixed4(279 * 5 / 100.0L, 1, u','), QStringLiteral("14,0"));
        QCOMPARE(formatFixed4(21 * 5 / 100.0L, 1, u','), QStringLiteral("1,1"));
        QCOMPARE(formatFixed4(-999.0L * 50 / 10000, 2, u','), QStringLiteral("-5,00"));
        QCOMPARE(formatFixed4(1.0L * 300 * 0.05L / 1000, 2, u','), QStringLiteral("0,02"));
        // A single-precision value is expanded as it is held: 1.05f lies below the half.
        QCOMPARE(formatFixed4(1.05f, 1, u','), QStringLiteral("1,0"));
    }

    void decimalsWithoutSignificantLimit()
    {
        QCOMPARE(formatDecimals(1000.0L, 1, u','), QStringLiteral("1000,0"));
        QCOMPARE(formatDecimals(-50.0L, 1, u'.'), QStringLiteral("-50.0"));
        QCOMPARE(formatDecimals(499.95L, 1, u','), QStringLiteral("500,0"));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << "1000" << true << 1000.0;
        QTest::newRow("negative decimal") << "-12,5" << true << -12.5;
        QTest::newRow("blanks around") << " 3 " << true << 3.0;
        QTest::newRow("trailing separator") << "2," << true << 2.0;
        QTest::newRow("lone minus") << "-" << false << 0.0;
        QTest::newRow("lone separator") << "," << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("other separator") << "2.5" << false << 0.0;
        QTest::newRow("two separators") << "1,2,3" << false << 0.0;
        QTest::newRow("letters") << "12a" << false << 0.0;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const auto parsed = parseNumber(text, u',');
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(static_cast<double>(*parsed), value);
    }

    void parseKeepsTheDecimal()
    {
        QCOMPARE(*parseNumber(QStringLiteral("0,015"), u','), extended(QStringLiteral("0.015")));
        QCOMPARE(*parseNumber(QStringLiteral("-13,95"), u','), extended(QStringLiteral("-13.95")));
        QCOMPARE(*parseNumber(QStringLiteral("+5"), u','), 5.0L);
        QCOMPARE(*parseNumber(QStringLiteral(",5"), u','), 0.5L);
    }

    void truncation()
    {
        QCOMPARE(parseTruncated(QStringLiteral("-35,9"), u','), -35);
        QCOMPARE(parseTruncated(QStringLiteral("119,997"), u','), 119);
        QVERIFY(!parseTruncated(QStringLiteral("99999999999"), u','));
    }

    void zeroKeySequence_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("third decimal discarded") << "1,234"
                                                 << "1,23";
        QTest::newRow("point becomes the separator") << "2.5"
                                                     << "2,5";
        QTest::newRow("second separator discarded") << "1,,2.3"
                                                    << "1,23";
        QTest::newRow("minus starts anew") << "12-3"
                                           << "-3";
        QTest::newRow("letters discarded") << "a1b"
                                           << "1";
        QTest::newRow("backspace over decimals frees the separator") << "1,23\b\b\b,5"
                                                                     << "1,5";
        QTest::newRow("humidity zero edit") << "25,345"
                                            << "25,34";
    }
    void zeroKeySequence()
    {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        ZeroKeyState state;
        QString edit;
        for (QChar key : keys) {
            const KeyDecision d = filterZeroCorrectionKey(state, key, u',');
            if (!d.accept)
                continue;
            if (d.clearEditFirst)
                edit.clear();
            if (d.key == Backspace)
                edit.chop(1);
            else
                edit += d.key;
        }
        QCOMPARE(edit, expected);
    }

    void limitKeys()
    {
        QVERIFY(filterLimitKey(u'7', false).accept);
        QVERIFY(filterLimitKey(Backspace, false).accept);
        QVERIFY(!filterLimitKey(u',', true).accept);
        QVERIFY(!filterLimitKey(u'-', false).accept);
        const KeyDecision minus = filterLimitKey(u'-', true);
        QVERIFY(minus.accept && minus.clearEditFirst);
    }
};

QTEST_GUILESS_MAIN(NumberFormatTest)
#include "tst_numberformat.moc"
