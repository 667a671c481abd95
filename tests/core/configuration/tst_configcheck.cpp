#include "core/configuration/ConfigurationCheck.h"
#include "core/configuration/ConfigurationFile.h"

#include <QLocale>
#include <QTest>

using namespace korv;
using namespace korv::config;

namespace {

IdentificationRecord unitOf(Model model, int firmware, bool noThermocoupleB = false)
{
    IdentificationRecord unit;
    unit.TransmitterModel = model;
    unit.FirmwareVersion = static_cast<qint16>(firmware);
    unit.SerialNumberText = QStringLiteral("00012345");
    unit.NoThermocoupleB = noThermocoupleB;
    return unit;
}

Configuration headRail(Model model, int code, int lower, int upper, double zero = 0, bool fahrenheit = false)
{
    return { model, fahrenheit, HeadRailValues { code, lower, upper, zero, false, false } };
}

Configuration humidity(Model model, humamb::HumidityKind kind, InputValues rh, InputValues t = {})
{
    return { model, false, HumidityValues { kind, rh, t } };
}

}  // namespace

// A configuration file against the transmitter it is sent to: the same refusals and messages as a
// send from the window, and the registers a send writes.
class ConfigCheckTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void headRailRefusals_data()
    {
        QTest::addColumn<Configuration>("file");
        QTest::addColumn<IdentificationRecord>("unit");
        QTest::addColumn<int>("message");  // -1: accepted
        QTest::addColumn<QString>("key");
        const auto head130 = unitOf(Model::OrvHead, 130);
        QTest::newRow("K 0 to 1000") << headRail(Model::OrvHead, 1, 0, 1000) << head130 << -1 << QString();
        QTest::newRow("span below the old firmware's minimum")
            << headRail(Model::OrvHead, 1, 100, 200) << unitOf(Model::OrvHead, 105) << 0 << "lower";
        QTest::newRow("same span on newer firmware")
            << headRail(Model::OrvHead, 1, 100, 200) << head130 << -1 << QString();
        QTest::newRow("upper above the sensor") << headRail(Model::OrvHead, 1, 0, 1500) << head130 << 0 << "upper";
        QTest::newRow("falling range allowed")
            << headRail(Model::OrvDin, 1, 1000, 0) << unitOf(Model::OrvDin, 130) << -1 << QString();
        QTest::newRow("isolated Pt100 above its maximum")
            << headRail(Model::OrvGalHead, 9, 700, 0) << unitOf(Model::OrvGalHead, 110) << 0 << "lower";
        QTest::newRow("zero on the bound") << headRail(Model::OrvHead, 1, 0, 1000, 50.0) << head130 << -1 << QString();
        QTest::newRow("zero past the bound")
            << headRail(Model::OrvHead, 1, 0, 1000, 50.01) << head130 << 1 << "zeroCorrection";
        QTest::newRow("Fahrenheit range")
            << headRail(Model::OrvHead, 1, 32, 1832, 0, true) << head130 << -1 << QString();
        QTest::newRow("Fahrenheit range past the sensor")
            << headRail(Model::OrvHead, 1, 32, 2500, 0, true) << head130 << 0 << "upper";
    }
    void headRailRefusals()
    {
        QFETCH(Configuration, file);
        QFETCH(IdentificationRecord, unit);
        QFETCH(int, message);
        QFETCH(QString, key);
        const UnitCheck check = checkAgainstUnit(file, unit);
        QCOMPARE(check.mismatch, QString());
        if (message < 0) {
            QVERIFY2(!check.refusal, qPrintable(check.refusal ? check.refusal->key : QString()));
            return;
        }
        QVERIFY(check.refusal);
        QCOMPARE(check.refusal->message, message);
        QCOMPARE(check.refusal->key, key);
    }

    // The worked example of a head transmitter's send, and the same physical range typed in °F.
    void headRailRegisters()
    {
        Configuration file = headRail(Model::OrvHead, 1, 0, 1000, 2.5);
        auto& values = std::get<HeadRailValues>(file.values);
        values.failureToMax = true;
        values.filter50Hz = true;
        const UnitCheck check = checkAgainstUnit(file, unitOf(Model::OrvHead, 130));
        QVERIFY(check.accepted());
        const auto& settings = std::get<headrail::Settings>(check.settings);
        QCOMPARE(settings.range, (headrail::RangeRegisters { 2389, 11947 }));
        QCOMPARE(settings.zeroCount, std::optional<qint16>(26));
        QCOMPARE(settings.sensorCode, 1);
        QVERIFY(settings.failureToMax && settings.filter50Hz);

        const UnitCheck inFahrenheit
            = checkAgainstUnit(headRail(Model::OrvHead, 1, 32, 1832, 0, true), unitOf(Model::OrvHead, 130));
        QCOMPARE(std::get<headrail::Settings>(inFahrenheit.settings).range, settings.range);
    }

    void humidityAndAmbientRegisters()
    {
        const auto rh = [](int lower, int upper, double zero = 0) { return InputValues { lower, upper, zero, false }; };
        const UnitCheck reversed = checkAgainstUnit(
            humidity(Model::OrvH, humamb::HumidityKind::Relative, rh(80, 20)), unitOf(Model::OrvH, 101));
        QVERIFY(reversed.accepted());
        QCOMPARE(std::get<humamb::HumiditySettings>(reversed.settings).humidity.range,
            (humamb::RangeRegisters { -9600, -6000 }));

        const UnitCheck tenPercent
            = checkAgainstUnit(humidity(Model::OrvHu, humamb::HumidityKind::Relative, rh(0, 100, 10.0), rh(-40, 120)),
                unitOf(Model::OrvHu, 101));
        QVERIFY(tenPercent.accepted());
        QCOMPARE(
            std::get<humamb::HumiditySettings>(tenPercent.settings).humidity.zeroCount, std::optional<qint16>(1000));

        const UnitCheck tooHot = checkAgainstUnit(
            humidity(Model::OrvHu, humamb::HumidityKind::Relative, rh(0, 100), rh(0, 130)), unitOf(Model::OrvHu, 101));
        QCOMPARE(tooHot.refusal, (std::optional<Refusal>(Refusal { 0, QStringLiteral("temperature.upper") })));
        const UnitCheck wideZero
            = checkAgainstUnit(humidity(Model::OrvHu, humamb::HumidityKind::Relative, rh(0, 100, 10.01), rh(-40, 120)),
                unitOf(Model::OrvHu, 101));
        QCOMPARE(wideZero.refusal, (std::optional<Refusal>(Refusal { 1, QStringLiteral("humidity.zeroCorrection") })));

        const Configuration celsius { Model::OrvAmbient, false, AmbientValues { rh(-50, 120) } };
        const Configuration fahrenheit { Model::OrvAmbient, true, AmbientValues { rh(-58, 248) } };
        const auto unit = unitOf(Model::OrvAmbient, 100);
        const auto c = std::get<humamb::AmbientSettings>(checkAgainstUnit(celsius, unit).settings);
        const auto f = std::get<humamb::AmbientSettings>(checkAgainstUnit(fahrenheit, unit).settings);
        QCOMPARE(c.temperature.range, (humamb::RangeRegisters { 0, 10000 }));
        QCOMPARE(f.temperature.range, c.temperature.range);
    }

    void filesThatDoNotFitTheTransmitter_data()
    {
        QTest::addColumn<Configuration>("file");
        QTest::addColumn<IdentificationRecord>("unit");
        QTest::addColumn<QString>("mismatch");
        QTest::newRow("another model of the family")
            << headRail(Model::OrvHead, 1, 0, 1000) << unitOf(Model::OrvDin, 120) << "é para um OrvHead";
        QTest::newRow("another family") << headRail(Model::OrvHead, 1, 0, 1000) << unitOf(Model::OrvAmbient, 100)
                                        << "mas o transmissor é um OrvAmbient";
        QTest::newRow("unidentified transmitter")
            << headRail(Model::OrvHead, 1, 0, 1000) << unitOf(Model::Unknown, 0) << "não foi identificado";
        QTest::newRow("B on a list without B") << headRail(Model::OrvHead, 8, 500, 1800)
                                               << unitOf(Model::OrvHead, 128, true) << "O sensor B não está na lista";
        QTest::newRow("current input on a head transmitter")
            << headRail(Model::OrvGalHead, 12, 4, 20) << unitOf(Model::OrvGalHead, 110) << "4-20mA";
        QTest::newRow("dew point without the measure menu")
            << humidity(Model::OrvHu, humamb::HumidityKind::DewPoint, { -60, 105, 0, false }, InputValues {})
            << unitOf(Model::OrvHu, 100) << "não mede ponto de orvalho";
    }
    void filesThatDoNotFitTheTransmitter()
    {
        QFETCH(Configuration, file);
        QFETCH(IdentificationRecord, unit);
        QFETCH(QString, mismatch);
        const UnitCheck check = checkAgainstUnit(file, unit);
        QVERIFY2(check.mismatch.contains(mismatch), qPrintable(check.mismatch));
        QVERIFY(!check.accepted());
    }

    void refusedValueNamesTheKey()
    {
        const Configuration file = headRail(Model::OrvHead, 1, 0, 1500);
        QCOMPARE(refusedValue(file, { 0, QStringLiteral("upper") }), QStringLiteral("upper = 1500"));
        const Configuration wet = humidity(
            Model::OrvHu, humamb::HumidityKind::Relative, { 0, 100, 0, false }, InputValues { -40, 130, 0, false });
        QCOMPARE(
            refusedValue(wet, { 0, QStringLiteral("temperature.upper") }), QStringLiteral("temperature.upper = 130"));
    }

    // The window's edits as a file holds them: its decimal comma, an empty correction, no number.
    void formsAndValues()
    {
        headrail::FormValues form { 1, true, false, QStringLiteral("0"), QStringLiteral("1000"),
            QStringLiteral("2,54") };
        QCOMPARE(headRailValues(form, u','), (std::optional<HeadRailValues>({ 1, 0, 1000, 2.54, true, false })));
        form.zeroText.clear();
        QCOMPARE(headRailValues(form, u',')->zeroCorrection, 0.0);
        form.lowerText = QStringLiteral("-");
        QCOMPARE(headRailValues(form, u','), std::nullopt);
        form.lowerText = QStringLiteral("0");
        form.sensorCode.reset();
        QCOMPARE(headRailValues(form, u','), std::nullopt);

        const HeadRailValues values { 9, -200, 600, -1.25, false, true };
        QCOMPARE(headRailValues(headRailForm(values), FileSeparator), std::optional<HeadRailValues>(values));
        const humamb::HumidityForm rh { humamb::HumidityKind::Relative, false, true,
            { QStringLiteral("0"), QStringLiteral("100"), QStringLiteral("1,5") }, {} };
        // Orv-H has no temperature input, so its empty temperature edits do not matter.
        QVERIFY(humidityValues(Model::OrvH, rh, u','));
        QCOMPARE(humidityValues(Model::OrvHu, rh, u','), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(ConfigCheckTest)
#include "tst_configcheck.moc"
