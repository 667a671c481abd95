// What verify reports: each value of the file that the transmitter does not hold, in the words of
// the window, with the register values behind it; then each register a write of the file would
// change, and why, as lines and as the registers of verify --json.
#include "cli/CliTexts.h"
#include "cli/commands/Commands.h"
#include "cli/record/Report.h"
#include "common/NumberFormat.h"
#include "core/configuration/ConfigurationCheck.h"
#include "core/families/headrail/HeadRailConfiguration.h"
#include "core/families/humamb/HumAmbConfiguration.h"

#include <QCoreApplication>

#include <QJsonObject>

#include <type_traits>

namespace korv::cli {

namespace {

class DifferenceList {
public:
    void add(const QString& label, const QString& file, const QString& transmitter)
    {
        lines_ << CliText::tr("  %1: arquivo %2, transmissor %3").arg(label, file, transmitter);
    }
    QStringList lines() const { return lines_; }

private:
    QStringList lines_;
};

QString registerValues(const std::optional<RangeRegisters>& pair)
{
    if (!pair)
        return QStringLiteral("[—]");
    return QStringLiteral("[%1, %2]").arg(pair->offset).arg(pair->gain);
}

QString registerValue(const std::optional<qint16>& value)
{
    return value ? QStringLiteral("[%1]").arg(*value) : QStringLiteral("[—]");
}

QString wordText(const std::optional<quint16>& word)
{
    return word ? QStringLiteral("0x%1").arg(*word, 4, 16, QLatin1Char('0')) : QStringLiteral("—");
}

QString failureText(bool toMax, const CliTexts& texts)
{
    return toMax ? texts.maximum() : texts.minimum();
}

QString withUnit(const QString& value, const QString& unit)
{
    return value.isEmpty() ? QStringLiteral("—") : value + u' ' + unit;
}

std::optional<quint16> unsignedWord(const std::optional<qint16>& word)
{
    if (!word)
        return std::nullopt;
    return static_cast<quint16>(*word);
}

// Each register a write of the file would change: its value now, its value after the write, and
// why. A value the file asks for is told by the file's value. A value that a write of the
// transmitter's own read (the file `read --json` gives) would leave as well is told by what that
// read cannot carry back: writing such a file back is not a no-op.
class ChangeList {
public:
    void add(const QString& registers, const QString& now, const QString& written, const QString& why)
    {
        lines_ << QStringLiteral("  %1: %2 → %3 (%4)").arg(registers, now, written, why);
    }
    // One register of the change, with stable keys: the setting it holds and why a write changes it.
    void addRegister(int address, qint16 file, const std::optional<qint16>& held, const QString& setting,
        const QString& reason, quint16 notKeptBits = 0)
    {
        QJsonObject entry { { QStringLiteral("address"), address }, { QStringLiteral("file"), file },
            { QStringLiteral("transmitter"), held ? QJsonValue(*held) : QJsonValue() },
            { QStringLiteral("setting"), setting }, { QStringLiteral("reason"), reason } };
        if (notKeptBits != 0)
            entry.insert(QStringLiteral("notKeptBits"), notKeptBits);
        registers_.append(entry);
    }
    QStringList lines() const { return lines_; }
    QJsonArray registers() const { return registers_; }

private:
    QStringList lines_;
    QJsonArray registers_;
};

const QString FileValue = QStringLiteral("file-value");
const QString NotCarriedByRead = QStringLiteral("not-carried-by-read");
const QString BitsNotKept = QStringLiteral("bits-not-kept");
const QString HumidityRangeSetting = QStringLiteral("humidity-range");
const QString TemperatureRangeSetting = QStringLiteral("temperature-range");
const QString HumidityZeroSetting = QStringLiteral("humidity-zero-correction");
const QString TemperatureZeroSetting = QStringLiteral("temperature-zero-correction");

QString pairText(const std::optional<RangeRegisters>& pair)
{
    return pair ? QStringLiteral("%1, %2").arg(pair->offset).arg(pair->gain) : QStringLiteral("—");
}

QString countText(const std::optional<qint16>& count)
{
    return count ? QString::number(*count) : QStringLiteral("—");
}

QString registerName(int address)
{
    return CliText::tr("registro %1").arg(address);
}

QString pairName(int offset, int gain)
{
    return CliText::tr("registros %1, %2").arg(offset).arg(gain);
}

// One register, or one offset and gain pair (`address` the offset's, `gainAddress` the gain's).
// `read` is the value a write of the transmitter's own read leaves, `readGivesFile` whether that
// read gives a file a write would take at all; `setting` names what the registers hold.
template <typename Value>
void addChange(ChangeList& changes, int address, int gainAddress, const QString& setting,
    const std::optional<Value>& held, const std::optional<Value>& file, const std::optional<Value>& read,
    bool readGivesFile, const QString& askedByFile, const QString& notCarriedByRead)
{
    if (!file || file == held)
        return;
    const bool fromRead = readGivesFile && read == file;
    const QString reason = fromRead ? NotCarriedByRead : FileValue;
    if constexpr (std::is_same_v<Value, qint16>) {
        changes.add(registerName(address), countText(held), countText(file), fromRead ? notCarriedByRead : askedByFile);
        changes.addRegister(address, *file, held, setting, reason);
    } else {
        changes.add(
            pairName(address, gainAddress), pairText(held), pairText(file), fromRead ? notCarriedByRead : askedByFile);
        if (!held || held->offset != file->offset)
            changes.addRegister(
                address, file->offset, held ? std::optional<qint16>(held->offset) : std::nullopt, setting, reason);
        if (!held || held->gain != file->gain)
            changes.addRegister(
                gainAddress, file->gain, held ? std::optional<qint16>(held->gain) : std::nullopt, setting, reason);
    }
}

// Register 1, bit by bit: the bits the file sets otherwise than the read shows them, and the bits a
// write does not keep even when it writes back what the read shows.
void addWordChange(ChangeList& changes, const std::optional<quint16>& held, const std::optional<quint16>& file,
    const std::optional<quint16>& read)
{
    if (!file || file == held)
        return;
    const quint16 changed = held.value_or(0) ^ *file;
    const quint16 fromFile = held && read ? changed & (*read ^ *file) : changed;
    const quint16 notKept = changed & ~fromFile;
    const QString fileWhy = CliText::tr("valores do arquivo");
    const QString keptWhy = CliText::tr("bits que a escrita não mantém");
    QString why = notKept == 0 ? fileWhy : fromFile == 0 ? keptWhy : QString();
    if (why.isEmpty())
        why = QStringLiteral("%1: %2; %3: %4").arg(wordText(notKept), keptWhy, wordText(fromFile), fileWhy);
    changes.add(CliText::tr("registro 1"), wordText(held), wordText(file), why);
    // Registers are signed words on the line; register 1 is told as one as well.
    changes.addRegister(1, static_cast<qint16>(*file),
        held ? std::optional<qint16>(static_cast<qint16>(*held)) : std::nullopt, QStringLiteral("config-word"),
        fromFile == 0 ? BitsNotKept : FileValue, notKept);
}

QString askedRange(const QString& lower, const QString& upper, const QString& unit, const CliTexts& texts)
{
    return CliText::tr("o arquivo pede %1").arg(rangeText(lower, upper, unit, texts));
}

QString rangeNotCarried(const QString& lower, const QString& upper, const QString& unit, const CliTexts& texts)
{
    return CliText::tr("o par do transmissor não é o que os limites mostrados, %1, dão")
        .arg(rangeText(lower, upper, unit, texts));
}

QString askedZero(const QString& zeroText, const QString& unit)
{
    return CliText::tr("o arquivo pede %1").arg(withUnit(zeroText, unit));
}

QString zeroNotCarried(const QString& zeroText, const QString& unit)
{
    return CliText::tr("a contagem do transmissor não é a que a correção mostrada, %1, dá")
        .arg(withUnit(zeroText, unit));
}

// The settings of the file a read of the transmitter gives, as `read --json` makes it in the unit
// of the file compared; none when the read gives no file or the checks of a write refuse it.
template <typename Settings, typename Values>
std::optional<Settings> settingsOfRead(
    const IdentificationRecord& unit, bool fahrenheit, const std::optional<Values>& values)
{
    if (!values)
        return std::nullopt;
    const config::UnitCheck check
        = config::checkAgainstUnit(config::Configuration { unit.TransmitterModel, fahrenheit, *values }, unit);
    if (!check.accepted())
        return std::nullopt;
    return std::get<Settings>(check.settings);
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

// The registers of one humidity or ambient input a write changes: its offset and gain pair, or its
// zero count.
void addRangeChange(ChangeList& changes, int offset, int gain, const QString& setting, const humamb::InputView& file,
    const humamb::InputView& held, const std::optional<humamb::RangeRegisters>& fileRange,
    const std::optional<humamb::RangeRegisters>& heldRange, const std::optional<humamb::Reading>& read,
    std::optional<humamb::RangeRegisters> humamb::Reading::*range, const CliTexts& texts)
{
    addChange(changes, offset, gain, setting, heldRange, fileRange, read ? (*read).*range : std::nullopt,
        read.has_value(), askedRange(file.lowerText, file.upperText, file.texts.unit, texts),
        rangeNotCarried(held.lowerText, held.upperText, held.texts.unit, texts));
}

void addZeroChange(ChangeList& changes, int address, const QString& setting, const humamb::InputView& file,
    const humamb::InputView& held, const std::optional<qint16>& fileZero, const std::optional<qint16>& heldZero,
    const std::optional<humamb::Reading>& read, std::optional<qint16> humamb::Reading::*zero)
{
    addChange(changes, address, address, setting, heldZero, fileZero, read ? (*read).*zero : std::nullopt,
        read.has_value(), askedZero(file.zero ? file.zero->zeroText : QString(), file.texts.unit),
        zeroNotCarried(held.zero ? held.zero->zeroText : QString(), held.texts.unit));
}

void compareHeadRail(const IdentificationRecord& unit, bool fahrenheit, const headrail::Settings& settings,
    const headrail::Reading& actual, const CliTexts& texts, DifferenceList& list, ChangeList& changes)
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

    std::optional<headrail::Reading> read;
    if (const auto own = settingsOfRead<headrail::Settings>(
            unit, fahrenheit, config::headRailValues(headrail::formValuesOf(held), separator)))
        read = headrail::readingOfSettings(*actual.configWord, *own);
    addWordChange(changes, actual.configWord, expected.configWord, read ? read->configWord : std::nullopt);
    // The count scale of a range depends on the firmware: limits shown as whole numbers stand for
    // the pair this firmware's encoding gives them, which need not be the pair the transmitter holds.
    addChange(changes, headrail::Register::RangeOffset, headrail::Register::RangeGain, QStringLiteral("range"),
        actual.range, expected.range, read ? read->range : std::nullopt, read.has_value(),
        askedRange(file.lowerText, file.upperText, file.unit, texts),
        rangeNotCarried(held.lowerText, held.upperText, held.unit, texts) + CliText::tr(" nesta versão de firmware"));
    addChange(changes, headrail::Register::ZeroCorrection, headrail::Register::ZeroCorrection,
        QStringLiteral("zero-correction"), actual.zeroCount, expected.zeroCount, read ? read->zeroCount : std::nullopt,
        read.has_value(), askedZero(file.zero ? file.zero->zeroText : QString(), file.unit),
        zeroNotCarried(held.zero ? held.zero->zeroText : QString(), held.unit));
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
        list.add(CliText::tr("registro 1"), wordText(unsignedWord(expected)), wordText(unsignedWord(actual)));
}

}  // namespace

Commands::Comparison Commands::differences(
    const config::Configuration& configuration, const FamilySettings& settings, const UnitReading& reading) const
{
    using humamb::Reading;
    const IdentificationRecord& unit = session_.identification();
    const bool fahrenheit = configuration.fahrenheit;
    const QChar separator = decimalSeparator();
    DifferenceList list;
    ChangeList changes;
    const auto withChanges = [&list, &changes] {
        QStringList lines = list.lines();
        if (!changes.lines().isEmpty())
            lines << CliText::tr("Uma escrita do arquivo mudaria:") << changes.lines();
        return Comparison { lines, changes.registers() };
    };
    if (const auto* headRail = std::get_if<headrail::Settings>(&settings)) {
        compareHeadRail(unit, fahrenheit, *headRail, reading.headRail, texts_, list, changes);
        return withChanges();
    }
    const Reading& actual = reading.humAmb;
    const qint16 word = actual.configWord.value_or(0);
    if (const auto* humidity = std::get_if<humamb::HumiditySettings>(&settings)) {
        const Reading expected = humamb::readingOfSettings(unit.TransmitterModel, word, *humidity);
        const auto file = humamb::humidityViewOfReading(unit, fahrenheit, expected, texts_.messages(), separator);
        const auto held = humamb::humidityViewOfReading(unit, fahrenheit, actual, texts_.messages(), separator);
        compareFlags(expected.configWord, actual.configWord, true, texts_, list);
        compareInput(texts_.humidityInput(), file.humidity, held.humidity, expected.humidityRange, actual.humidityRange,
            expected.humidityZero, actual.humidityZero, texts_, list);
        const bool temperature = file.temperature && held.temperature;
        if (temperature)
            compareInput(texts_.temperatureInput(), *file.temperature, *held.temperature, expected.temperatureRange,
                actual.temperatureRange, expected.temperatureZero, actual.temperatureZero, texts_, list);

        std::optional<Reading> read;
        if (const auto own = settingsOfRead<humamb::HumiditySettings>(unit, fahrenheit,
                config::humidityValues(unit.TransmitterModel, humamb::humidityFormOf(held), separator)))
            read = humamb::readingOfSettings(unit.TransmitterModel, word, *own);
        addWordChange(changes, unsignedWord(actual.configWord), unsignedWord(expected.configWord),
            unsignedWord(read ? read->configWord : std::nullopt));
        using namespace humamb::Register;
        addRangeChange(changes, HumidityRangeOffset, HumidityRangeGain, HumidityRangeSetting, file.humidity,
            held.humidity, expected.humidityRange, actual.humidityRange, read, &Reading::humidityRange, texts_);
        if (temperature)
            addRangeChange(changes, TemperatureRangeOffset, TemperatureRangeGain, TemperatureRangeSetting,
                *file.temperature, *held.temperature, expected.temperatureRange, actual.temperatureRange, read,
                &Reading::temperatureRange, texts_);
        addZeroChange(changes, HumidityZero, HumidityZeroSetting, file.humidity, held.humidity, expected.humidityZero,
            actual.humidityZero, read, &Reading::humidityZero);
        if (temperature)
            addZeroChange(changes, TemperatureZero, TemperatureZeroSetting, *file.temperature, *held.temperature,
                expected.temperatureZero, actual.temperatureZero, read, &Reading::temperatureZero);
        return withChanges();
    }
    const auto& ambient = std::get<humamb::AmbientSettings>(settings);
    const Reading expected = humamb::readingOfSettings(word, ambient);
    const auto file = humamb::ambientViewOfReading(fahrenheit, expected, texts_.messages(), separator);
    const auto held = humamb::ambientViewOfReading(fahrenheit, actual, texts_.messages(), separator);
    compareFlags(expected.configWord, actual.configWord, false, texts_, list);
    compareInput(QString(), file.temperature, held.temperature, expected.temperatureRange, actual.temperatureRange,
        expected.temperatureZero, actual.temperatureZero, texts_, list);

    std::optional<Reading> read;
    if (const auto own = settingsOfRead<humamb::AmbientSettings>(
            unit, fahrenheit, config::ambientValues(humamb::ambientFormOf(held), separator)))
        read = humamb::readingOfSettings(word, *own);
    addWordChange(changes, unsignedWord(actual.configWord), unsignedWord(expected.configWord),
        unsignedWord(read ? read->configWord : std::nullopt));
    using namespace humamb::Register;
    addRangeChange(changes, TemperatureRangeOffset, TemperatureRangeGain, TemperatureRangeSetting, file.temperature,
        held.temperature, expected.temperatureRange, actual.temperatureRange, read, &Reading::temperatureRange, texts_);
    addZeroChange(changes, TemperatureZero, TemperatureZeroSetting, file.temperature, held.temperature,
        expected.temperatureZero, actual.temperatureZero, read, &Reading::temperatureZero);
    return withChanges();
}

}  // namespace korv::cli
