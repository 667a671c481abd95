#include "support_appfixture.h"

#include "common/NumberFormat.h"
#include "core/families/headrail/HeadRailRange.h"
#include "core/families/headrail/HeadRailSensors.h"
#include "core/families/headrail/HeadRailTransfer.h"
#include "core/families/headrail/HeadRailZero.h"
#include "core/families/humamb/HumAmbLimits.h"
#include "core/families/humamb/HumAmbRanges.h"
#include "core/families/humamb/HumAmbScales.h"
#include "core/families/humamb/HumAmbTransfer.h"
#include "headrail/HeadRailPage.h"
#include "humidity_ambient/HumAmbPages.h"
#include "support/ZeroOracle.h"

#include <QLineEdit>
#include <QTest>

using namespace korv;
namespace zero = korv::test::zero;

// A zero correction read from the transmitter and sent straight back through the window, with the
// edits as the program builds them, for every model in both units. The text shown must be the whole
// text the rules give, and the count written the one the rules give from that text.
class ZeroRoundTripTest : public QObject {
    Q_OBJECT

    // Counts across a scale, with those that show the longest texts and the values a review found
    // cut or rounded. Every count of every scale is swept without the window by the model tests.
    static QList<int> sweep(int largest)
    {
        QList<int> values = { 0, 1, -1, 7, -488, -500, 255, 256, -256, 257, -999, 999, largest, -largest, largest / 3,
            -largest * 2 / 3 - 1 };
        QList<int> inRange;
        for (int v : values)
            if (std::abs(v) <= largest + 1)
                inRange << v;
        return inRange;
    }

    static int limitIn(const QLineEdit* edit) { return parseTruncated(edit->text()).value_or(0); }

    static QString differences(const QStringList& lines) { return lines.mid(0, 8).join(u'\n'); }

private Q_SLOTS:
    void headRail_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("sensorCode");
        QTest::addColumn<int>("lower");  // °C
        QTest::addColumn<int>("upper");
        QTest::newRow("OrvHead 1.30 °C, K 0..1000") << 0 << 130 << "C" << 1 << 0 << 1000;
        QTest::newRow("OrvHead 1.30 °F, K full range") << 0 << 130 << "F" << 1 << 0 << 1370;
        QTest::newRow("OrvHead 1.05 °C, K 0..1000") << 0 << 105 << "C" << 1 << 0 << 1000;
        QTest::newRow("OrvHead 1.05 °F, K 0..1000") << 0 << 105 << "F" << 1 << 0 << 1000;
        QTest::newRow("OrvHead 1.30 °C, falling K") << 0 << 130 << "C" << 1 << 1000 << 0;
        QTest::newRow("OrvDin 1.15 °F, Pt100") << 1 << 115 << "F" << 9 << -50 << 250;
        QTest::newRow("OrvDin 1.30 °C, 0-50 mV") << 1 << 130 << "C" << 0 << 0 << 50;
        QTest::newRow("OrvGalHead 1.10 °C, Pt100 -50..150") << 2 << 110 << "C" << 9 << -50 << 150;
        QTest::newRow("OrvGalDin 1.10 °F, Pt100 0..300") << 3 << 110 << "F" << 9 << 0 << 300;
        QTest::newRow("OrvGalDin 1.10 °C, 4-20 mA") << 3 << 110 << "C" << 12 << 4 << 20;
    }
    void headRail()
    {
        QFETCH(int, modelCode);
        QFETCH(int, firmware);
        QFETCH(QString, unit);
        QFETCH(int, sensorCode);
        QFETCH(int, lower);
        QFETCH(int, upper);
        AppFixture app;
        QVERIFY(app.start(seedFor(modelCode, firmware), unit));
        const Model model = modelFromCode(modelCode);
        const headrail::Group group = headrail::groupOf(model);
        const auto sensor = headrail::loadSensorRange(model, firmware, sensorCode);
        QVERIFY(sensor);
        const auto range = headrail::encodeRange(group, firmware, sensor->min, sensor->max, float(lower), float(upper));
        QVERIFY(range);
        app.emulator->setParameter(1, qint16(sensorCode));
        app.emulator->setParameter(10, range->offset);
        app.emulator->setParameter(11, range->gain);
        const headrail::ZeroScale scale = *headrail::zeroScale(group, firmware);
        const int firstZero = scale.largestShown >= 488 ? -488 : -250;
        app.emulator->setParameter(15, qint16(firstZero));
        app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));

        const auto& ui = app.form->ui;
        HeadRailPage& page = app.form->headRail();
        TransmitterSession& session = app.form->session();
        const int span
            = headrail::zeroSpan(group, firmware, limitIn(ui.EdtLimitMinSensor), limitIn(ui.EdtLimitMaxSensor));
        auto expectedHundredths = [&](int z) {
            return zero::shownHundredths(zero::Wide(z) * span, zero::Wide(scale.counts) * scale.inverseFraction);
        };
        auto expectedText = [&](int z) {
            return std::abs(z) > scale.largestShown ? QStringLiteral("0") : zero::hundredthsText(expectedHundredths(z));
        };

        // A whole read and send first, as a technician would do it.
        QCOMPARE(ui.EdtCorrigeZero->text(), expectedText(firstZero));
        app.send();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(int(app.emulator->parameter(15)),
            int(zero::headRailWritten(expectedHundredths(firstZero), scale.counts, scale.inverseFraction, span)));

        QStringList wrong;
        for (int z : sweep(scale.largestShown)) {
            app.emulator->setParameter(15, qint16(z));
            QCOMPARE(session.run({ page.readSteps()[headrail::ReadZeroStep] }), std::nullopt);
            const QString shown = ui.EdtCorrigeZero->text();
            const auto write = headrail::sendSteps(session, page.settingsToSend())[headrail::WriteZeroStep];
            QCOMPARE(session.run({ write }), std::nullopt);
            const long long hundredths = std::abs(z) > scale.largestShown ? 0 : expectedHundredths(z);
            const long long count = zero::headRailWritten(hundredths, scale.counts, scale.inverseFraction, span);
            if (shown != expectedText(z) || app.emulator->parameter(15) != count)
                wrong << QStringLiteral("register %1: shown %2 (expected %3), written %4 (expected %5)")
                             .arg(z)
                             .arg(shown, expectedText(z))
                             .arg(app.emulator->parameter(15))
                             .arg(count);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(differences(wrong)));
    }

    void humidityAndAmbient_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("humidityUpper");  // humidity range 0..humidityUpper %RH
        QTest::addColumn<int>("temperatureLower");  // °C
        QTest::addColumn<int>("temperatureUpper");
        QTest::newRow("Orv-Hu °C") << 4 << "C" << 50 << 0 << 21;
        QTest::newRow("Orv-Hu °F") << 4 << "F" << 100 << -40 << 115;
        QTest::newRow("Orv-H °C") << 5 << "C" << 50 << 0 << 100;
        QTest::newRow("OrvAmbient °C") << 6 << "C" << 0 << 0 << 100;
        QTest::newRow("OrvAmbient °F") << 6 << "F" << 0 << -50 << 120;
    }
    void humidityAndAmbient()
    {
        QFETCH(int, modelCode);
        QFETCH(QString, unit);
        QFETCH(int, humidityUpper);
        QFETCH(int, temperatureLower);
        QFETCH(int, temperatureUpper);
        AppFixture app;
        QVERIFY(app.start(seedFor(modelCode, 130), unit));
        const bool ambient = modelCode == 6;
        const bool humidity = !ambient;
        const bool temperature = modelCode != 5;
        if (ambient) {
            const auto r = humamb::encodeAmbientRange(
                humamb::ambientLimits(false), float(temperatureLower), float(temperatureUpper));
            app.emulator->setParameter(8, r.offset);
            app.emulator->setParameter(9, r.gain);
        } else {
            const auto h = humamb::encodeHumTempRange(
                humamb::humidityLimits(humamb::HumidityKind::Relative, false), 0, float(humidityUpper));
            app.emulator->setParameter(6, h.offset);
            app.emulator->setParameter(7, h.gain);
            const auto t = humamb::encodeHumTempRange(
                humamb::humTempLimits(false), float(temperatureLower), float(temperatureUpper));
            app.emulator->setParameter(8, t.offset);
            app.emulator->setParameter(9, t.gain);
        }
        app.emulator->setParameter(14, -999);
        app.emulator->setParameter(15, 100);
        app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));

        const auto& ui = app.form->ui;
        QLineEdit* humidityZero = ui.EdtCorrZeroRH;
        QLineEdit* temperatureZero = ambient ? ui.EdtTempZeroCorrection : ui.EdtCorrZeroTemp;
        const humamb::ZeroScale temperatureScale = ambient ? humamb::AmbientZeroScale : humamb::HumTempZeroScale;
        auto spanOf
            = [](const QLineEdit* low, const QLineEdit* high) { return std::abs(limitIn(high) - limitIn(low)); };
        const int humiditySpan = humidity ? spanOf(ui.EdtLimInfRH, ui.EdtLimSupRH) : 0;
        const int temperatureSpan
            = ambient ? spanOf(ui.EdtTempLowLimit, ui.EdtTempHighLimit) : spanOf(ui.EdtLimInfTemp, ui.EdtLimSupTemp);
        auto hundredths = [](int z, int span, int divisor) {
            return std::abs(z) > 1000 ? 0 : zero::shownHundredths(zero::Wide(z) * span, divisor);
        };
        auto text = [&](int z, int span, int divisor) {
            return std::abs(z) > 1000 ? QStringLiteral("0") : zero::hundredthsText(hundredths(z, span, divisor));
        };

        app.send();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        if (humidity)
            QCOMPARE(int(app.emulator->parameter(14)),
                int(zero::humAmbWritten(hundredths(-999, humiditySpan, 10000), 10000, humiditySpan)));
        if (temperature)
            QCOMPARE(int(app.emulator->parameter(15)),
                int(zero::humAmbWritten(hundredths(100, temperatureSpan, temperatureScale.divisor),
                    temperatureScale.divisor, temperatureSpan)));

        QStringList wrong;
        for (int z : sweep(1000)) {
            const int other = -z / 2 + 3;
            app.emulator->setParameter(14, qint16(z));
            app.emulator->setParameter(15, qint16(other));
            // The zero step of a read, then the zero step of a send.
            TransmitterSession& session = app.form->session();
            constexpr std::size_t readZerosStep = 2;
            if (ambient) {
                AmbientPage& page = app.form->ambient();
                QCOMPARE(session.run({ page.readSteps()[readZerosStep] }), std::nullopt);
                const auto write = humamb::ambientSendSteps(session, page.settingsToSend())[humamb::WriteZerosStep];
                QCOMPARE(session.run({ write }), std::nullopt);
            } else {
                HumidityPage& page = app.form->humidity();
                QCOMPARE(session.run({ page.readSteps()[readZerosStep] }), std::nullopt);
                const auto write = humamb::humiditySendSteps(session, page.settingsToSend())[humamb::WriteZerosStep];
                QCOMPARE(session.run({ write }), std::nullopt);
            }
            auto check = [&](const char* input, QLineEdit* edit, int address, int value, int span, int divisor) {
                const long long count = zero::humAmbWritten(hundredths(value, span, divisor), divisor, span);
                if (edit->text() != text(value, span, divisor) || app.emulator->parameter(address) != count)
                    wrong << QStringLiteral("%1 register %2: shown %3 (expected %4), written %5 (expected %6)")
                                 .arg(QLatin1String(input))
                                 .arg(value)
                                 .arg(edit->text(), text(value, span, divisor))
                                 .arg(app.emulator->parameter(address))
                                 .arg(count);
            };
            if (humidity)
                check("humidity", humidityZero, 14, z, humiditySpan, 10000);
            if (temperature)
                check("temperature", temperatureZero, 15, other, temperatureSpan, temperatureScale.divisor);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(differences(wrong)));
    }
};

QTEST_MAIN(ZeroRoundTripTest)
#include "tst_zero_roundtrip.moc"
