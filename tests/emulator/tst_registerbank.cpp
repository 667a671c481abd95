// The emulated transmitter's registers, live values, state text and frame cutting, without a port.

#include "emulator/FrameReader.h"
#include "emulator/RegisterBank.h"
#include "emulator/TransmitterEmulator.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace korv::emu;

namespace {

RegisterBank seeded(int modelCode, int firmware = 130, int outputType = 0)
{
    RegisterBank bank;
    bank.seed(Seed { modelCode, firmware, 123, 45, outputType });
    return bank;
}

}  // namespace

class RegisterBankTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void identityWord_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("name");
        QTest::newRow("OrvHead 1.30") << 0 << 130 << 0x0082 << "OrvHead";
        QTest::newRow("OrvHead 1.28") << 0 << 128 << 0x0080 << "OrvHead";
        QTest::newRow("OrvDin 1.30") << 1 << 130 << 0x0482 << "OrvDin";
        QTest::newRow("OrvGalHead 1.00") << 2 << 100 << 0x0864 << "OrvGalHead";
        QTest::newRow("OrvGalDin 1.00") << 3 << 100 << 0x0C64 << "OrvGalDin";
        QTest::newRow("Orv-Hu") << 4 << 130 << 0x1082 << "Orv-Hu";
        QTest::newRow("Orv-H") << 5 << 130 << 0x1482 << "Orv-H";
        QTest::newRow("OrvAmbient") << 6 << 130 << 0x1882 << "OrvAmbient";
        QTest::newRow("unknown code 7") << 7 << 0 << 0x1C00 << "Desconhecido";
        QTest::newRow("largest firmware") << 15 << 1023 << 0x3FFF << "Desconhecido";
    }
    void identityWord()
    {
        QFETCH(int, modelCode);
        QFETCH(int, firmware);
        QFETCH(int, word);
        QFETCH(QString, name);
        const RegisterBank bank = seeded(modelCode, firmware);
        QCOMPARE(bank.parameter(Reg::Identity), static_cast<qint16>(word));
        QCOMPARE(bank.modelCode(), modelCode);
        QCOMPARE(bank.firmware(), firmware);
        QCOMPARE(modelName(modelCode), name);
        if (modelCode <= 6)
            QCOMPARE(modelCodeFromName(name.toLower()), modelCode);
    }

    void modelCodeFromText()
    {
        QCOMPARE(modelCodeFromName(QStringLiteral("12")), 12);
        QCOMPARE(modelCodeFromName(QStringLiteral("16")), -1);
        QCOMPARE(modelCodeFromName(QStringLiteral("Desconhecido")), -1);
        QCOMPARE(faultFromName(faultName(Fault::CloseMidExchange)), std::optional(Fault::CloseMidExchange));
        QCOMPARE(faultFromName(QStringLiteral("Wrong-Echo")), std::optional(Fault::WrongEcho));
        QCOMPARE(faultFromName(QStringLiteral("bogus")), std::nullopt);
    }

    void seededRegisters_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("outputType");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("value");
        QTest::newRow("head config word: K, output 0-5 V") << 0 << 130 << 2 << 1 << 0x0201;
        QTest::newRow("head range A, firmware 1.10") << 0 << 110 << 0 << 10 << 2389;
        QTest::newRow("head range B, firmware 1.10") << 0 << 110 << 0 << 11 << 11947;
        QTest::newRow("rail range A, firmware 1.09") << 1 << 109 << 0 << 10 << 4778;
        QTest::newRow("rail range B, firmware 1.09") << 1 << 109 << 0 << 11 << 4185;
        QTest::newRow("head zero") << 0 << 130 << 0 << 15 << 0;
        QTest::newRow("humidity config word keeps output type") << 4 << 130 << 1 << 1 << 0x0100;
        QTest::newRow("humidity range gain") << 4 << 130 << 0 << 7 << 10000;
        QTest::newRow("humidity temperature gain") << 5 << 130 << 0 << 9 << 10000;
        QTest::newRow("humidity zero") << 4 << 130 << 0 << 14 << 0;
        QTest::newRow("ambient range offset") << 6 << 130 << 0 << 8 << 0;
        QTest::newRow("ambient range gain") << 6 << 130 << 0 << 9 << 10000;
        QTest::newRow("unknown model has no range") << 9 << 130 << 1 << 10 << 0;
        QTest::newRow("unknown model output type") << 9 << 130 << 1 << 1 << 0x0100;
    }
    void seededRegisters()
    {
        QFETCH(int, modelCode);
        QFETCH(int, firmware);
        QFETCH(int, outputType);
        QFETCH(int, address);
        QFETCH(int, value);
        QCOMPARE(seeded(modelCode, firmware, outputType).parameter(address), static_cast<qint16>(value));
    }

    void headRangeEncoding_data()
    {
        QTest::addColumn<bool>("isolated");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<double>("sensorMin");
        QTest::addColumn<double>("sensorMax");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("gain");
        QTest::newRow("0-50 mV full") << false << 130 << 0.0 << 50.0 << 0.0 << 50.0 << 3273 << 16367;
        QTest::newRow("K 0-1000") << false << 130 << 0.0 << 1370.0 << 0.0 << 1000.0 << 2389 << 11947;
        QTest::newRow("K 0-1000 old firmware") << false << 100 << 0.0 << 1370.0 << 0.0 << 1000.0 << 4778 << 4185;
        QTest::newRow("K falling 1000-0") << false << 130 << 0.0 << 1370.0 << 1000.0 << 0.0 << -14336 << -11946;
        QTest::newRow("isolated Pt100 -50-150") << true << 0 << -200.0 << 600.0 << -50.0 << 150.0 << -4500 << 2500;
        QTest::newRow("isolated 4-20 mA") << true << 0 << 4.0 << 20.0 << 4.0 << 20.0 << 0 << 10000;
        QTest::newRow("isolated Pt100 falling") << true << 0 << -200.0 << 600.0 << 100.0 << 0.0 << -8625 << -1250;
    }
    void headRangeEncoding()
    {
        QFETCH(bool, isolated);
        QFETCH(int, firmware);
        QFETCH(double, sensorMin);
        QFETCH(double, sensorMax);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(int, offset);
        QFETCH(int, gain);
        const RangeRegisters range = encodeHeadRange(isolated, firmware, sensorMin, sensorMax, lower, upper);
        QCOMPARE(range.offset, static_cast<qint16>(offset));
        QCOMPARE(range.gain, static_cast<qint16>(gain));
    }

    // The isolated seed must read back as 0 to 1000 °C on a K sensor (-150 to 1370 °C).
    void isolatedSeedDecodesToZeroThousand()
    {
        const RegisterBank bank = seeded(static_cast<int>(Model::OrvGalHead), 110);
        const double a = bank.parameter(Reg::RangeOffset);
        const double b = bank.parameter(Reg::RangeGain);
        const double upperCount = b * 21000 * 0.0001 - a;
        const double lowerCount = (1000 * upperCount - 20000 * a) / 21000;
        auto value = [](double count) { return (count - 1000) * 1520 * 0.00005 - 150; };
        QVERIFY(qAbs(value(lowerCount)) < 1);
        QVERIFY(qAbs(value(upperCount) - 1000) < 1);
    }

    void calibrationInsideLimits_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("offsetRegister");
        QTest::addColumn<int>("gainRegister");
        QTest::addColumn<QList<int>>("limits");  // offset low, high, gain low, high
        QTest::newRow("plain 0-50 mV") << 0 << 4 << 5 << QList<int> { -3000, -500, 11000, 15000 };
        QTest::newRow("plain Pt100") << 1 << 6 << 7 << QList<int> { -3000, -100, 10000, 20000 };
        QTest::newRow("plain thermocouple") << 0 << 8 << 9 << QList<int> { -3000, -500, 11000, 15000 };
        QTest::newRow("isolated 0-50 mV") << 2 << 4 << 5 << QList<int> { -12000, -5000, 12000, 16000 };
        QTest::newRow("isolated Pt100") << 3 << 6 << 7 << QList<int> { 0, 1000, 12000, 20000 };
        QTest::newRow("isolated thermocouple") << 2 << 8 << 9 << QList<int> { -8000, -500, 10000, 15000 };
        QTest::newRow("isolated rail 0-10 V") << 3 << 17 << 18 << QList<int> { -16000, 1000, 9000, 11000 };
        QTest::newRow("isolated rail current") << 3 << 19 << 20 << QList<int> { -1000, 3000, 9000, 11000 };
        QTest::newRow("humidity two offsets") << 4 << 16 << 17 << QList<int> { -1000, 1000, -1000, 1000 };
        QTest::newRow("ambient") << 6 << 17 << 18 << QList<int> { -1000, 1000, 1, 32767 };
    }
    void calibrationInsideLimits()
    {
        QFETCH(int, modelCode);
        QFETCH(int, offsetRegister);
        QFETCH(int, gainRegister);
        QFETCH(QList<int>, limits);
        const RegisterBank bank = seeded(modelCode);
        const int offset = bank.parameter(offsetRegister);
        const int gain = bank.parameter(gainRegister);
        QVERIFY2(offset >= limits[0] && offset <= limits[1], qPrintable(QString::number(offset)));
        QVERIFY2(gain >= limits[2] && gain <= limits[3], qPrintable(QString::number(gain)));
        QCOMPARE(seededCalibration(modelCode, offsetRegister), bank.parameter(offsetRegister));
    }

    void liveValues_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("sensorCode");  // -1: as seeded
        QTest::addColumn<double>("temperature");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("raw");
        QTest::newRow("plain K at 25 C") << 0 << 130 << -1 << 25.0 << 55 << 299;
        QTest::newRow("plain 25 mV is mid-scale") << 0 << 130 << 0 << 25.0 << 55 << 8184;
        QTest::newRow("plain Pt100") << 1 << 130 << 9 << 25.0 << 55 << 4333;
        QTest::newRow("plain Pt100, early firmware ends at 530") << 1 << 100 << 9 << 25.0 << 55 << 5045;
        QTest::newRow("plain model answers no isolated value") << 0 << 130 << -1 << 25.0 << 103 << 0;
        QTest::newRow("isolated K at 25 C") << 2 << 110 << -1 << 25.0 << 103 << 3303;
        QTest::newRow("isolated rail 5 V") << 3 << 110 << 10 << 25.0 << 103 << 11000;
        QTest::newRow("isolated rail 12 mA on 4-20") << 3 << 110 << 12 << 25.0 << 103 << 11000;
        QTest::newRow("isolated rail 12 mA on 0-20") << 3 << 110 << 11 << 25.0 << 103 << 13000;
        QTest::newRow("plain model has no 4-20 mA input") << 0 << 130 << 12 << 25.0 << 55 << -1;
        QTest::newRow("isolated head has no 0-10 V input") << 2 << 110 << 10 << 25.0 << 103 << -1;
        QTest::newRow("humidity 50 %RH") << 4 << 130 << -1 << 25.0 << 58 << 6000;
        QTest::newRow("humidity probe at 0 C") << 4 << 130 << -1 << 0.0 << 60 << 3500;
        QTest::newRow("humidity-only model still measures temperature") << 5 << 130 << -1 << 120.0 << 60 << 11000;
        QTest::newRow("ambient at 35 C") << 6 << 130 << -1 << 35.0 << 60 << 8000;
        QTest::newRow("ambient at -50 C") << 6 << 130 << -1 << -50.0 << 60 << 0;
        QTest::newRow("beyond 16 bits is clamped") << 6 << 130 << -1 << 1000.0 << 60 << 32767;
        QTest::newRow("unknown model measures nothing") << 8 << 130 << -1 << 25.0 << 103 << 0;
    }
    void liveValues()
    {
        QFETCH(int, modelCode);
        QFETCH(int, firmware);
        QFETCH(int, sensorCode);
        QFETCH(double, temperature);
        QFETCH(int, address);
        QFETCH(int, raw);
        RegisterBank bank = seeded(modelCode, firmware);
        if (sensorCode >= 0)
            bank.setParameter(Reg::ConfigWord, static_cast<qint16>(sensorCode));
        Measurand measurand;
        measurand.temperature = temperature;
        QCOMPARE(bank.memory(address, measurand), static_cast<qint16>(raw));
    }

    void liveValueFollowsCalibration_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("sensorCode");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("offsetRegister");
        QTest::addColumn<int>("gainRegister");  // -1: the input has offsets only
        QTest::addColumn<int>("otherRegister");  // calibration of another input
        QTest::newRow("plain thermocouple") << 0 << 1 << 55 << 8 << 9 << 4;
        QTest::newRow("plain Pt100") << 1 << 9 << 55 << 6 << 7 << 8;
        QTest::newRow("plain 0-50 mV") << 0 << 0 << 55 << 4 << 5 << 6;
        QTest::newRow("isolated thermocouple") << 2 << 1 << 103 << 8 << 9 << 6;
        QTest::newRow("isolated rail 0-10 V") << 3 << 10 << 103 << 17 << 18 << 19;
        QTest::newRow("isolated rail 4-20 mA") << 3 << 12 << 103 << 19 << 20 << 17;
        QTest::newRow("humidity input") << 4 << -1 << 58 << 16 << -1 << 17;
        QTest::newRow("humidity temperature") << 4 << -1 << 60 << 17 << -1 << 16;
        QTest::newRow("ambient") << 6 << -1 << 60 << 17 << 18 << 15;
    }
    void liveValueFollowsCalibration()
    {
        QFETCH(int, modelCode);
        QFETCH(int, sensorCode);
        QFETCH(int, address);
        QFETCH(int, offsetRegister);
        QFETCH(int, gainRegister);
        QFETCH(int, otherRegister);
        RegisterBank bank = seeded(modelCode);
        if (sensorCode >= 0)
            bank.setParameter(Reg::ConfigWord, static_cast<qint16>(sensorCode));
        const Measurand measurand;
        const int nominal = bank.memory(address, measurand);

        bank.setParameter(otherRegister, static_cast<qint16>(bank.parameter(otherRegister) + 500));
        QCOMPARE(int(bank.memory(address, measurand)), nominal);

        bank.setParameter(offsetRegister, static_cast<qint16>(bank.parameter(offsetRegister) - 100));
        QCOMPARE(int(bank.memory(address, measurand)), nominal - 100);
        bank.setParameter(offsetRegister, seededCalibration(modelCode, offsetRegister));

        if (gainRegister >= 0) {
            const int gain = bank.parameter(gainRegister);
            bank.setParameter(gainRegister, static_cast<qint16>(gain + gain / 10));
            QVERIFY(qAbs(bank.memory(address, measurand) - (nominal + nominal / 10.0)) <= 1.0);
        }
    }

    void pinnedMemoryUntilReseed()
    {
        RegisterBank bank = seeded(0);
        bank.pinMemory(55, 16369);
        QCOMPARE(bank.memory(55, Measurand {}), qint16(16369));
        bank.seed(Seed {});
        QCOMPARE(bank.memory(55, Measurand {}), qint16(299));
    }

    void stateTextRoundTrip()
    {
        RegisterBank bank = seeded(static_cast<int>(Model::OrvGalDin), 110, 1);
        bank.setParameter(15, -1000);
        bank.setParameter(40000, 7);
        RegisterBank loaded;
        QVERIFY(loaded.fromText(bank.toText()));
        QCOMPARE(loaded.parameters(), bank.parameters());
    }

    void stateTextLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("zero");
        QTest::newRow("comments and blank lines") << "# saved\n\n  15   -3  \n" << true << -3;
        QTest::newRow("unsigned pattern") << "15 65533\n" << true << -3;
        QTest::newRow("windows line ends") << "15 12\r\n" << true << 12;
        QTest::newRow("third field") << "1 0\n15 1 2\n" << false << 99;
        QTest::newRow("not a number") << "15 x\n" << false << 99;
        QTest::newRow("decimal comma") << "15 1,5\n" << false << 99;
        QTest::newRow("address beyond 16 bits") << "65536 1\n" << false << 99;
        QTest::newRow("value beyond 16 bits") << "15 65536\n" << false << 99;
    }
    void stateTextLines()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, zero);
        RegisterBank bank = seeded(0);
        bank.setParameter(15, 99);
        QString error;
        QCOMPARE(bank.fromText(text, &error), valid);
        QCOMPARE(int(bank.parameter(15)), zero);
        QCOMPARE(error.startsWith(QStringLiteral("line ")), !valid);
    }

    void stateFileRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("orv.state"));
        TransmitterEmulator saved(Seed { 4, 131, 1, 2, 1 });
        saved.setParameter(14, 250);
        QVERIFY(saved.saveState(path));
        TransmitterEmulator loaded;
        QVERIFY(loaded.loadState(path));
        QCOMPARE(loaded.parameter(Reg::Identity), qint16(0x1083));
        QCOMPARE(loaded.parameter(14), qint16(250));
        QCOMPARE(loaded.memory(58), qint16(6000));  // the loaded model's live registers

        QString error;
        QVERIFY(!loaded.loadState(dir.filePath(QStringLiteral("missing")), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(loaded.parameter(14), qint16(250));
    }

    void frameCutting_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QList<int>>("times");
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<int>("dropped");
        const QByteArray p0("P\0\0\0\0", 5);
        const QByteArray r60("R\0\x3C\0\0", 5);
        QTest::newRow("one frame") << QList<QByteArray> { p0 } << QList<int> { 0 } << QList<QByteArray> { p0 } << 0;
        QTest::newRow("two frames in one read")
            << QList<QByteArray> { p0 + r60 } << QList<int> { 0 } << QList<QByteArray> { p0, r60 } << 0;
        QTest::newRow("frame split across reads")
            << QList<QByteArray> { p0.left(2), p0.mid(2) } << QList<int> { 0, 20 } << QList<QByteArray> { p0 } << 0;
        QTest::newRow("stray bytes first") << QList<QByteArray> { QByteArray("\0\xAA", 2) + r60 } << QList<int> { 0 }
                                           << QList<QByteArray> { r60 } << 2;
        QTest::newRow("torn frame given up")
            << QList<QByteArray> { p0.left(3), r60 } << QList<int> { 0, 150 } << QList<QByteArray> { r60 } << 3;
        QTest::newRow("partial frame waits")
            << QList<QByteArray> { p0.left(4) } << QList<int> { 0 } << QList<QByteArray> {} << 0;
    }
    void frameCutting()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QList<int>, times);
        QFETCH(QList<QByteArray>, frames);
        QFETCH(int, dropped);
        FrameReader reader;
        QList<QByteArray> cut;
        for (qsizetype index = 0; index < chunks.size(); ++index) {
            reader.feed(chunks[index], times[index]);
            while (const auto frame = reader.takeFrame())
                cut << *frame;
        }
        QCOMPARE(cut, frames);
        QCOMPARE(reader.droppedBytes(), dropped);
    }
};

QTEST_GUILESS_MAIN(RegisterBankTest)
#include "tst_registerbank.moc"
