#include "core/link/LinkSettings.h"
#include "core/protocol/Identification.h"

#include <QTest>

#include <limits>

using namespace korv;

class LinkRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void baudFallback()
    {
        QCOMPARE(chooseBaud(9601), 9600u);
        QCOMPARE(chooseBaud(0), 9600u);
        QCOMPARE(chooseBaud(38400), 38400u);
        QCOMPARE(chooseBaud(256000), 256000u);
    }

    void timeouts_data()
    {
        QTest::addColumn<quint32>("baud");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<int>("constant");
        QTest::newRow("9600") << 9600u << 1 << 2 << 101;
        QTest::newRow("19200") << 19200u << 1 << 2 << 101;
        QTest::newRow("38400") << 38400u << 1 << 2 << 102;
        QTest::newRow("1200: 13 ms character time") << 1200u << 13 << 2 << 113;
        QTest::newRow("110: 150 ms character time") << 110u << 150 << 2 << 250;
    }
    void timeouts()
    {
        QFETCH(quint32, baud);
        QFETCH(int, interval);
        QFETCH(int, multiplier);
        QFETCH(int, constant);
        const ReadTimeouts t = readTimeoutsFor(baud, 100);
        QCOMPARE(t.interval, interval);
        QCOMPARE(t.totalMultiplier, multiplier);
        QCOMPARE(t.totalConstant, constant);
    }

    void rtsPauses()
    {
        QCOMPARE(rtsDropPauseMs(1200), 8);
        QCOMPARE(rtsDropPauseMs(2400), 3);
        QCOMPARE(rtsDropPauseMs(4800), 2);
        QCOMPARE(rtsDropPauseMs(9600), 1);
        QCOMPARE(rtsDropPauseMs(19200), 1);
        QCOMPARE(rtsDropPauseMs(38400), 0);
    }

    void portNames()
    {
        QCOMPARE(comPortNumber(QStringLiteral("COM12")), 12);
        QCOMPARE(comPortNumber(QStringLiteral("com3")), 3);
        QVERIFY(!comPortNumber(QStringLiteral("COM")));
        QVERIFY(!comPortNumber(QStringLiteral("COM0")));
        QVERIFY(!comPortNumber(QStringLiteral("COMx")));
        QVERIFY(!comPortNumber(QStringLiteral("LPT1")));
        QVERIFY(!isUsablePortName(QStringLiteral("abc")));
#ifdef Q_OS_WIN
        QCOMPARE(deviceNameFor(QStringLiteral("COM12")), QStringLiteral("\\\\.\\COM12"));
#else
        QCOMPARE(deviceNameFor(QStringLiteral("COM12")), QStringLiteral("/dev/ttyS11"));
        QCOMPARE(deviceNameFor(QStringLiteral("COM1")), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(deviceNameFor(QStringLiteral("/dev/ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
        QVERIFY(isUsablePortName(QStringLiteral("/dev/ttyUSB0")));
#endif
    }

    void settingPortNumbers_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("number");  // -1000: no number at all
        QTest::addColumn<QString>("device");  // away from Windows; empty: names no device
        const int none = -1000;
        QTest::newRow("COM2") << "COM2" << 2 << "/dev/ttyS1";
        QTest::newRow("lower case") << "com3" << 3 << "/dev/ttyS2";
        QTest::newRow("first three unchecked") << "XYZ5" << 5 << "/dev/ttyS4";
        QTest::newRow("leading zeros") << "COM007" << 7 << "/dev/ttyS6";
        // The conversion the settings were always read with accepts a sign.
        QTest::newRow("plus sign") << "COM+5" << 5 << "/dev/ttyS4";
        QTest::newRow("minus sign") << "COM-5" << -5 << "";
        QTest::newRow("zero") << "COM0" << 0 << "";
        QTest::newRow("past a byte") << "COM300" << 300 << "/dev/ttyS299";
        QTest::newRow("past an int") << "COM99999999999" << std::numeric_limits<int>::max() << "/dev/ttyS2147483646";
        QTest::newRow("below an int") << "COM-99999999999" << std::numeric_limits<int>::min() << "";
        QTest::newRow("nothing after three") << "COM" << none << "";
        QTest::newRow("shorter than three") << "CO" << none << "";
        QTest::newRow("empty") << "" << none << "";
        QTest::newRow("letters") << "COMx" << none << "";
        QTest::newRow("trailing letter") << "COM5a" << none << "";
        QTest::newRow("sign alone") << "COM+" << none << "";
        QTest::newRow("two signs") << "COM+-5" << none << "";
        QTest::newRow("inner blank") << "COM 5" << none << "";
        QTest::newRow("hexadecimal") << "COM$A" << none << "";
        QTest::newRow("non-ascii digit") << QStringLiteral("COM\u0665") << none << "";
    }
    void settingPortNumbers()
    {
        QFETCH(QString, setting);
        QFETCH(int, number);
        QFETCH(QString, device);
        const auto parsed = settingPortNumber(setting);
        QCOMPARE(parsed.has_value(), number != -1000);
        if (parsed)
            QCOMPARE(*parsed, number);
        QCOMPARE(isUsablePortName(setting), parsed.has_value());
#ifdef Q_OS_WIN
        if (parsed && *parsed > 0)
            QCOMPARE(deviceNameFor(setting), QStringLiteral("\\\\.\\COM%1").arg(number));
        else if (parsed)
            QVERIFY(deviceNameFor(setting).isEmpty());
#else
        if (parsed)
            QCOMPARE(deviceNameFor(setting), device);
#endif
    }

    void identityWords_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("noB");  // -1: not concerned
        QTest::addColumn<bool>("compatible");
        QTest::newRow("0x0082 head 1.30") << 0x0082 << "OrvHead"
                                          << "1.30" << 0 << true;
        QTest::newRow("0x0080 head 1.28") << 0x0080 << "OrvHead"
                                          << "1.28" << 1 << true;
        QTest::newRow("0x0081 head 1.29") << 0x0081 << "OrvHead"
                                          << "1.29" << 0 << true;
        QTest::newRow("0x0482 rail 1.30") << 0x0482 << "OrvDin"
                                          << "1.30" << 1 << true;
        QTest::newRow("0x0481 rail 1.29") << 0x0481 << "OrvDin"
                                          << "1.29" << 0 << true;
        QTest::newRow("0x0864 isolated head 1.00") << 0x0864 << "OrvGalHead"
                                                   << "1.00" << -1 << false;
        QTest::newRow("0x0865 isolated head 1.01") << 0x0865 << "OrvGalHead"
                                                   << "1.01" << -1 << true;
        QTest::newRow("0x0876 isolated head 1.18") << 0x0876 << "OrvGalHead"
                                                   << "1.18" << -1 << true;
        QTest::newRow("0x0877 isolated head 1.19") << 0x0877 << "OrvGalHead"
                                                   << "1.19" << -1 << false;
        QTest::newRow("0x0C64 isolated rail 1.00") << 0x0C64 << "OrvGalDin"
                                                   << "1.00" << -1 << true;
        QTest::newRow("0x0C78 isolated rail 1.20") << 0x0C78 << "OrvGalDin"
                                                   << "1.20" << -1 << false;
        QTest::newRow("0x008C head 1.40") << 0x008C << "OrvHead"
                                          << "1.40" << 0 << false;
        QTest::newRow("0x1064 humidity") << 0x1064 << "Orv-Hu"
                                         << "1.00" << -1 << true;
        QTest::newRow("0x1465 humidity only") << 0x1465 << "Orv-H"
                                              << "1.01" << -1 << true;
        QTest::newRow("0x1882 ambient") << 0x1882 << "OrvAmbient"
                                        << "1.30" << -1 << true;
        QTest::newRow("0x1C00 unknown") << 0x1C00 << "Desconhecido"
                                        << "0." << -1 << true;
        QTest::newRow("bits 14 and 15 ignored") << 0xC082 << "OrvHead"
                                                << "1.30" << 0 << true;
    }
    void identityWords()
    {
        QFETCH(int, word);
        QFETCH(QString, model);
        QFETCH(QString, firmware);
        QFETCH(int, noB);
        QFETCH(bool, compatible);
        const IdentityWord id = splitIdentityWord(static_cast<qint16>(word));
        const Model identified = modelFromCode(id.modelCode);
        QCOMPARE(modelString(identified), model);
        QCOMPARE(firmwareText(id.firmware), firmware);
        const auto flag = noThermocoupleBFor(identified, id.firmware);
        QCOMPARE(flag.has_value() ? int(*flag) : -1, noB);
        QCOMPARE(firmwareCompatible(identified, id.firmware), compatible);
    }

    // The text shown, and the identity the record and the bench keep: the text alone only where it
    // names one pair of registers.
    void serialNumbers_data()
    {
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("low");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("identity");
        QTest::newRow("123, 45") << 123 << 45 << "00123045"
                                 << "00123045";
        QTest::newRow("negative high part counts as 0") << -5 << 7 << "00000007"
                                                        << "00000007 (2=-5, 3=7)";
        QTest::newRow("negative low part counts as 0") << 12 << -1 << "00012000"
                                                       << "00012000 (2=12, 3=-1)";
        QTest::newRow("low part of five digits") << 32767 << 32767 << "3276732767"
                                                 << "3276732767 (2=32767, 3=32767)";
        QTest::newRow("zero") << 0 << 0 << "00000000"
                              << "00000000";
        QTest::newRow("12, 345") << 12 << 345 << "00012345"
                                 << "00012345";
        QTest::newRow("1, 2345 shows as 12, 345") << 1 << 2345 << "00012345"
                                                  << "00012345 (2=1, 3=2345)";
    }
    void serialNumbers()
    {
        QFETCH(int, high);
        QFETCH(int, low);
        QFETCH(QString, expected);
        QFETCH(QString, identity);
        QCOMPARE(serialNumberText(static_cast<qint16>(high), static_cast<qint16>(low)), expected);
        QCOMPARE(serialIdentityText({ static_cast<qint16>(high), static_cast<qint16>(low) }), identity);
    }

    void outputTypeLines()
    {
        const MessageTable m;
        QCOMPARE(outputTypeLine(0x0000, true, m), QStringLiteral("Tipo de saída: 4 - 20 mA"));
        QCOMPARE(outputTypeLine(0x0100, false, m), QStringLiteral("Tipo de saída: 0 - 10 V"));
        QCOMPARE(outputTypeLine(0x0200, true, m), QStringLiteral("Tipo de saída: 0 - 5 V"));
        QCOMPARE(outputTypeLine(0x0200, false, m), QStringLiteral("Desconhecido"));
        QCOMPARE(outputTypeLine(0x0300, true, m), QStringLiteral("Desconhecido"));
        QCOMPARE(outputTypeLine(0xF0FF, true, m), QStringLiteral("Tipo de saída: 4 - 20 mA"));
    }
};

QTEST_GUILESS_MAIN(LinkRulesTest)
#include "tst_linkrules.moc"
