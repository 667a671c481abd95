// What verify reports: each value of the file that the transmitter does not hold, in the words of
// the window, with the register values behind it.
#include "cli/Commands.h"
#include "cli/Report.h"
#include "common/NumberFormat.h"
#include "core/HeadRailConfiguration.h"
#include "core/HumAmbConfiguration.h"

#include <type_traits>

namespace korv::cli {

namespace {

class DifferenceList {
public:
    void add(const QString& label, const QString& file, const QString& transmitter)
    {
        lines_ << QStringLiteral("  %1: arquivo %2, transmissor %3").arg(label, file, transmitter);
    }
    QStringList lines() const { return lines_; }

private:
    QStringList lines_;
};

template <typename Pair> QString registerValues(const std::optional<Pair>& pair)
{
    if (!pair)
        return QStringLiteral("[—]");
    if constexpr (std::is_same_v<Pair, headrail::RangeRegisters>)
        return QStringLiteral("[%1, %2]").arg(pair->offsetA).arg(pair->gainB);
    else
        return QStringLiteral("[%1, %2]").arg(pair->offset).arg(pair->gain);
}

QString registerValue(const std::optional<qint16>& value)
{
    return value ? QStringLiteral("[%1]").arg(*value) : QStringLiteral("[—]");
}

QString wordText(const std::optional<qint16>& word)
{
    return word ? QStringLiteral("0x%1").arg(static_cast<quint16>(*word), 4, 16, QLatin1Char('0'))
                : QStringLiteral("—");
}

QString failureText(bool toMax, const CliTexts& texts)
{
    return toMax ? texts.maximum() : texts.minimum();
}

QString withUnit(const QString& value, const QString& unit)
{
    return value.isEmpty() ? QStringLiteral("—") : value + u' ' + unit;
}

// One input's range and zero correction, each shown on its own registers.
void compareInput(const QString& title, const humamb::InputView& file, const humamb::InputView& unit,
    const std::optional<humamb::RangeRegisters>& fileRange, const std::optional<humamb::RangeRegisters>& unitRange,
    const std::optional<qint16>& fileZero, const std::optional<qint16>& unitZero, const CliTexts& texts,
    DifferenceList& list)
{
    const QString prefix = title.isEmpty() ? QString() : title + QStringLiteral(", ");
    if (fileRange != unitRange)
        list.add(prefix + texts.lowerLimit() + QStringLiteral(" / ") + texts.upperLimit(),
            rangeText(file.lowerText, file.upperText, file.texts.unit, texts) + u' ' + registerValues(fileRange),
            rangeText(unit.lowerText, unit.upperText, unit.texts.unit, texts) + u' ' + registerValues(unitRange));
    if (fileZero != unitZero)
        list.add(prefix + texts.zeroCorrection(),
            withUnit(file.zero ? file.zero->zeroText : QString(), file.texts.unit) + u' ' + registerValue(fileZero),
            withUnit(unit.zero ? unit.zero->zeroText : QString(), unit.texts.unit) + u' ' + registerValue(unitZero));
}

void compareHeadRail(const IdentificationRecord& unit, bool fahrenheit, const headrail::Settings& settings,
    const headrail::Reading& actual, const CliTexts& texts, DifferenceList& list)
{
    const headrail::Reading expected = headrail::readingOfSettings(*actual.configWord, settings);
    const QChar separator = decimalSeparator();
    const headrail::ReadView file = headrail::viewOfReading(unit, fahrenheit, expected, separator);
    const headrail::ReadView held = headrail::viewOfReading(unit, fahrenheit, actual, separator);
    if (file.fields.code != held.fields.code)
        list.add(texts.sensorSelection(), texts.sensorName(file.fields.code), texts.sensorName(held.fields.code));
    if (file.fields.failureToMax != held.fields.failureToMax)
        list.add(texts.sensorFailure(), failureText(file.fields.failureToMax, texts),
            failureText(held.fields.failureToMax, texts));
    if (file.fields.filter50Hz != held.fields.filter50Hz)
        list.add(texts.mainsFilter(), file.fields.filter50Hz ? QStringLiteral("50 Hz") : QStringLiteral("60 Hz"),
            held.fields.filter50Hz ? QStringLiteral("50 Hz") : QStringLiteral("60 Hz"));
    if (expected.range != actual.range)
        list.add(texts.lowerLimit() + QStringLiteral(" / ") + texts.upperLimit(),
            rangeText(file.lowerText, file.upperText, file.unit, texts) + u' ' + registerValues(expected.range),
            rangeText(held.lowerText, held.upperText, held.unit, texts) + u' ' + registerValues(actual.range));
    if (expected.zeroCount != actual.zeroCount)
        list.add(texts.zeroCorrection(),
            withUnit(file.zero ? file.zero->zeroText : QString(), file.unit) + u' ' + registerValue(expected.zeroCount),
            withUnit(held.zero ? held.zero->zeroText : QString(), held.unit) + u' ' + registerValue(actual.zeroCount));
}

// Register 1 of the humidity and ambient transmitters: the flags the file sets, then any other bit a
// write would clear.
void compareFlags(const std::optional<qint16>& expected, const std::optional<qint16>& actual, bool humidity,
    const CliTexts& texts, DifferenceList& list)
{
    if (expected == actual)
        return;
    const humamb::ConfigFlags file = humamb::decodeConfigWord(expected.value_or(0));
    const humamb::ConfigFlags held = humamb::decodeConfigWord(actual.value_or(0));
    const auto kindName = [&texts](const std::optional<humamb::HumidityKind>& kind) {
        if (!kind)
            return texts.message(Msg::Unknown);
        return texts.message(*kind == humamb::HumidityKind::DewPoint ? Msg::DewPoint : Msg::RelativeHumidity);
    };
    const qsizetype before = list.lines().size();
    if (humidity && file.kind != held.kind)
        list.add(texts.message(Msg::HumidityMenuCaption), kindName(file.kind), kindName(held.kind));
    if (humidity && file.humidityFailMax != held.humidityFailMax)
        list.add(texts.humidityInput() + QStringLiteral(", ") + texts.sensorFailure(),
            failureText(file.humidityFailMax, texts), failureText(held.humidityFailMax, texts));
    if (file.temperatureFailMax != held.temperatureFailMax)
        list.add(texts.temperatureInput() + QStringLiteral(", ") + texts.sensorFailure(),
            failureText(file.temperatureFailMax, texts), failureText(held.temperatureFailMax, texts));
    if (list.lines().size() == before)
        list.add(QStringLiteral("registro 1"), wordText(expected), wordText(actual));
}

}  // namespace

QStringList Commands::differences(
    const config::Configuration& configuration, const config::Settings& settings, const UnitReading& reading) const
{
    const IdentificationRecord& unit = session_.identification();
    const bool fahrenheit = configuration.fahrenheit;
    const QChar separator = decimalSeparator();
    DifferenceList list;
    if (const auto* headRail = std::get_if<headrail::Settings>(&settings)) {
        compareHeadRail(unit, fahrenheit, *headRail, reading.headRail, texts_, list);
        return list.lines();
    }
    const humamb::Reading& actual = reading.humAmb;
    const qint16 word = actual.configWord.value_or(0);
    if (const auto* humidity = std::get_if<humamb::HumiditySettings>(&settings)) {
        const humamb::Reading expected = humamb::readingOfSettings(unit.TransmitterModel, word, *humidity);
        const auto file = humamb::humidityViewOfReading(unit, fahrenheit, expected, texts_.messages(), separator);
        const auto held = humamb::humidityViewOfReading(unit, fahrenheit, actual, texts_.messages(), separator);
        compareFlags(expected.configWord, actual.configWord, true, texts_, list);
        compareInput(texts_.humidityInput(), file.humidity, held.humidity, expected.humidityRange, actual.humidityRange,
            expected.humidityZero, actual.humidityZero, texts_, list);
        if (file.temperature && held.temperature)
            compareInput(texts_.temperatureInput(), *file.temperature, *held.temperature, expected.temperatureRange,
                actual.temperatureRange, expected.temperatureZero, actual.temperatureZero, texts_, list);
        return list.lines();
    }
    const auto& ambient = std::get<humamb::AmbientSettings>(settings);
    const humamb::Reading expected = humamb::readingOfSettings(word, ambient);
    const auto file = humamb::ambientViewOfReading(fahrenheit, expected, texts_.messages(), separator);
    const auto held = humamb::ambientViewOfReading(fahrenheit, actual, texts_.messages(), separator);
    compareFlags(expected.configWord, actual.configWord, false, texts_, list);
    compareInput(QString(), file.temperature, held.temperature, expected.temperatureRange, actual.temperatureRange,
        expected.temperatureZero, actual.temperatureZero, texts_, list);
    return list.lines();
}

}  // namespace korv::cli
