#include "cli/record/Report.h"

#include "cli/CliTexts.h"
#include "common/NumberFormat.h"
#include "core/configuration/ConfigurationCheck.h"
#include "core/configuration/ConfigurationFile.h"
#include "core/families/Families.h"
#include "core/protocol/Identification.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace korv::cli {

namespace {

const QString Absent = QStringLiteral("—");

QString labelled(const QString& label, const QString& value)
{
    return label + QStringLiteral(": ") + value;
}

// A value with the unit label the window shows beside its edit.
QString withUnit(const QString& value, const QString& unit)
{
    if (value.isEmpty())
        return Absent;
    return unit.isEmpty() ? value : value + u' ' + unit;
}

QString failureText(bool toMax, const CliTexts& texts)
{
    return toMax ? texts.maximum() : texts.minimum();
}

QString zeroLine(
    const QString& zeroText, const QString& minText, const QString& maxText, const QString& unit, const CliTexts& texts)
{
    return labelled(texts.zeroCorrection(),
        QStringLiteral("%1 (%2 %3, %4 %5)")
            .arg(withUnit(zeroText, unit), texts.zeroMinimum(), withUnit(minText, unit), texts.zeroMaximum(),
                withUnit(maxText, unit)));
}

QJsonValue number(const QString& text, QChar separator)
{
    const auto value = parseNumber(text, separator);
    return value ? QJsonValue(static_cast<double>(*value)) : QJsonValue();
}

QJsonObject rangeObject(int min, int max, int minimumSpan)
{
    return { { QStringLiteral("min"), min }, { QStringLiteral("max"), max },
        { QStringLiteral("minimumSpan"), minimumSpan } };
}

QJsonObject zeroObject(const QString& minText, const QString& maxText, QChar separator)
{
    return { { QStringLiteral("min"), number(minText, separator) },
        { QStringLiteral("max"), number(maxText, separator) } };
}

QJsonValue configurationValue(const std::optional<config::Configuration>& configuration)
{
    return configuration ? QJsonValue(config::configurationObject(*configuration)) : QJsonValue();
}

QStringList inputLines(const QString& title, const humamb::InputView& view, const CliTexts& texts)
{
    const QString unit = view.texts.unit;
    const QString indent = QStringLiteral("  ");
    QStringList lines { title };
    lines << indent + labelled(texts.sensorRange(), view.texts.range)
          << indent + labelled(texts.minimumSpan(), view.texts.minSpan)
          << indent + labelled(texts.lowerLimit(), withUnit(view.lowerText, unit))
          << indent + labelled(texts.upperLimit(), withUnit(view.upperText, unit));
    if (view.zero)
        lines << indent + zeroLine(view.zero->zeroText, view.zero->minText, view.zero->maxText, unit, texts);
    else
        lines << indent + labelled(texts.zeroCorrection(), Absent);
    lines << indent + labelled(texts.sensorFailure(), failureText(view.failMax, texts));
    return lines;
}

// A unit label as the JSON names it: "°C" and "°F" as the configuration file does, the others
// ("%RH", "mV", "V", "mA") as they are.
QString unitKey(const QString& label)
{
    if (label == QStringLiteral("°C"))
        return temperatureUnitKey(false);
    if (label == QStringLiteral("°F"))
        return temperatureUnitKey(true);
    return label;
}

QJsonObject inputJson(const humamb::InputView& view, QChar separator)
{
    QJsonObject shown { { QStringLiteral("sensorRange"),
                            rangeObject(view.sensor.sensorMin, view.sensor.sensorMax, view.sensor.minSpan) },
        { QStringLiteral("unit"), unitKey(view.texts.unit) } };
    if (view.zero)
        shown.insert(QStringLiteral("zeroLimits"), zeroObject(view.zero->minText, view.zero->maxText, separator));
    return shown;
}

// A live value as the memo shows it (two decimals), as a number.
QJsonValue liveValue(float value)
{
    return number(formatFixed4(value, 2, u'.'), u'.');
}

// Bits 8..11 of register 1 as a stable key; 0 - 5 V exists on the head/rail models alone (the
// unknown model reads as one).
QString outputTypeKey(Model model, quint16 configWord)
{
    switch ((configWord & 0x0F00) >> 8) {
    case 0:
        return QStringLiteral("4-20mA");
    case 1:
        return QStringLiteral("0-10V");
    case 2:
        if (driverFor(model).zeroToFiveVolt)
            return QStringLiteral("0-5V");
        break;
    default:
        break;
    }
    return QStringLiteral("unknown");
}

// The output-type line of the memo, in the family's reading of register 1.
QString outputLine(Model model, quint16 configWord, const CliTexts& texts)
{
    return driverFor(model).outputTypeLine(configWord, texts.messages());
}

}  // namespace

QString rangeText(const QString& lower, const QString& upper, const QString& unit, const CliTexts& texts)
{
    if (lower.isEmpty() || upper.isEmpty())
        return Absent;
    return withUnit(lower + u' ' + texts.message(Msg::RangeWord) + u' ' + upper, unit);
}

QStringList identificationLines(
    const IdentificationRecord& unit, const std::optional<quint16>& configWord, const CliTexts& texts)
{
    const Model model = unit.TransmitterModel;
    const QString caption = model == Model::Unknown ? texts.message(Msg::Unknown) : displayCaption(model);
    QStringList lines { texts.message(Msg::SerialNumberPrefix) + unit.SerialNumberText,
        texts.message(Msg::FirmwarePrefix) + firmwareText(unit.FirmwareVersion),
        texts.message(Msg::ModelPrefix) + caption };
    if (configWord)
        lines << outputLine(model, *configWord, texts);
    if (hasFirmwareRule(model) && !firmwareCompatible(model, unit.FirmwareVersion))
        lines << texts.message(Msg::FirmwareIncompatible);
    return lines;
}

QJsonObject transmitterJson(const IdentificationRecord& unit, const std::optional<quint16>& configWord)
{
    const Model model = unit.TransmitterModel;
    const std::optional<Family> family = familyOf(model);
    QJsonObject object { { QStringLiteral("serialNumber"), unit.SerialNumberText },
        { QStringLiteral("model"), modelString(model) },
        { QStringLiteral("family"), family ? QJsonValue(driverFor(*family).fileKey.toString()) : QJsonValue() },
        { QStringLiteral("firmware"), firmwareText(unit.FirmwareVersion) },
        { QStringLiteral("firmwareCompatible"), firmwareCompatible(model, unit.FirmwareVersion) } };
    if (configWord)
        object.insert(QStringLiteral("outputType"), outputTypeKey(model, *configWord));
    return object;
}

QStringList headRailLines(const headrail::ReadView& view, const CliTexts& texts)
{
    if (!view.position || !view.sensor)
        return { labelled(texts.sensorSelection(),
            CliText::tr("código %1, que este transmissor não oferece").arg(view.fields.code)) };
    const QString unit = view.unit;
    QStringList lines;
    lines << labelled(texts.sensorSelection(), texts.sensorName(view.fields.code))
          << labelled(texts.sensorRange(),
                 rangeText(QString::number(view.sensor->min), QString::number(view.sensor->max), unit, texts))
          << labelled(texts.minimumSpan(), withUnit(QString::number(view.sensor->minSpan), unit))
          << labelled(texts.lowerLimit(), withUnit(view.lowerText, unit))
          << labelled(texts.upperLimit(), withUnit(view.upperText, unit));
    if (view.zero)
        lines << zeroLine(view.zero->zeroText, view.zero->minText, view.zero->maxText, unit, texts);
    lines << labelled(texts.sensorFailure(), failureText(view.fields.failureToMax, texts))
          << labelled(texts.mainsFilter(), view.fields.filter50Hz ? QStringLiteral("50 Hz") : QStringLiteral("60 Hz"));
    return lines;
}

QStringList humidityLines(const humamb::HumidityView& view, const CliTexts& texts)
{
    const bool dewPoint = view.kind == humamb::HumidityKind::DewPoint;
    QStringList lines { labelled(
        texts.message(Msg::HumidityMenuCaption), texts.message(dewPoint ? Msg::DewPoint : Msg::RelativeHumidity)) };
    lines << inputLines(texts.humidityInput(), view.humidity, texts);
    if (view.temperature)
        lines << inputLines(texts.temperatureInput(), *view.temperature, texts);
    lines << view.liveLines;
    return lines;
}

QStringList ambientLines(const humamb::AmbientView& view, const CliTexts& texts)
{
    QStringList lines = inputLines(texts.temperatureInput(), view.temperature, texts);
    if (!view.liveLine.isEmpty())
        lines << view.liveLine;
    return lines;
}

QJsonObject headRailJson(
    const IdentificationRecord& unit, bool fahrenheit, const headrail::ReadView& view, QChar separator)
{
    std::optional<config::Configuration> configuration;
    if (const auto values = config::headRailValues(headrail::formValuesOf(view), separator))
        configuration = config::Configuration { unit.TransmitterModel, fahrenheit, *values };
    QJsonObject shown { { QStringLiteral("sensorCode"), view.fields.code } };
    if (view.position && view.sensor) {
        shown.insert(QStringLiteral("sensor"), config::sensorName(view.fields.code));
        shown.insert(
            QStringLiteral("sensorRange"), rangeObject(view.sensor->min, view.sensor->max, view.sensor->minSpan));
        shown.insert(QStringLiteral("unit"), unitKey(view.unit));
    }
    if (view.zero)
        shown.insert(QStringLiteral("zeroLimits"), zeroObject(view.zero->minText, view.zero->maxText, separator));
    return { { QStringLiteral("configuration"), configurationValue(configuration) },
        { QStringLiteral("shown"), shown } };
}

QJsonObject humidityJson(
    const IdentificationRecord& unit, bool fahrenheit, const humamb::HumidityView& view, QChar separator)
{
    std::optional<config::Configuration> configuration;
    if (const auto values = config::humidityValues(unit.TransmitterModel, humamb::humidityFormOf(view), separator))
        configuration = config::Configuration { unit.TransmitterModel, fahrenheit, *values };
    QJsonObject shown { { QStringLiteral("measure"),
                            view.kind == humamb::HumidityKind::DewPoint ? QStringLiteral("dew-point")
                                                                        : QStringLiteral("relative-humidity") },
        { QStringLiteral("humidity"), inputJson(view.humidity, separator) } };
    if (view.temperature)
        shown.insert(QStringLiteral("temperature"), inputJson(*view.temperature, separator));
    if (view.live) {
        QJsonObject live { { QStringLiteral("temperature"), liveValue(view.live->temperature) } };
        live.insert(
            QStringLiteral("humidity"), view.live->humidityDefined ? liveValue(view.live->humidity) : QJsonValue());
        shown.insert(QStringLiteral("live"), live);
    }
    return { { QStringLiteral("configuration"), configurationValue(configuration) },
        { QStringLiteral("shown"), shown } };
}

QJsonObject ambientJson(
    const IdentificationRecord& unit, bool fahrenheit, const humamb::AmbientView& view, QChar separator)
{
    std::optional<config::Configuration> configuration;
    if (const auto values = config::ambientValues(humamb::ambientFormOf(view), separator))
        configuration = config::Configuration { unit.TransmitterModel, fahrenheit, *values };
    QJsonObject shown { { QStringLiteral("temperature"), inputJson(view.temperature, separator) } };
    if (view.live)
        shown.insert(QStringLiteral("live"), QJsonObject { { QStringLiteral("temperature"), liveValue(*view.live) } });
    return { { QStringLiteral("configuration"), configurationValue(configuration) },
        { QStringLiteral("shown"), shown } };
}

QString temperatureUnitKey(bool fahrenheit)
{
    return fahrenheit ? QStringLiteral("F") : QStringLiteral("C");
}

QJsonObject displayJson(const QStringList& lines)
{
    return { { QStringLiteral("lines"), QJsonArray::fromStringList(lines) } };
}

QJsonObject errorJson(int exitCode, const QString& message)
{
    return { { QStringLiteral("error"),
        QJsonObject { { QStringLiteral("code"), exitCode }, { QStringLiteral("message"), message } } } };
}

QByteArray jsonText(const QJsonObject& document)
{
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

}  // namespace korv::cli
