#include "core/configuration/ConfigurationCheck.h"

#include "common/NumberFormat.h"
#include "core/CoreText.h"
#include "core/protocol/Identification.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>

namespace korv::config {

namespace {

QString limitText(int value)
{
    return QString::number(value);
}

QString correctionText(double value)
{
    return QString::number(value, 'f', 2);
}

// The zero edit holds at most two decimals; a value brought in another way is kept to them, so that
// the file always reads back.
std::optional<double> correctionValue(const QString& text, QChar separator)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    const auto value = parseNumber(text, separator);
    if (!value)
        return std::nullopt;
    return std::round(static_cast<double>(*value) * 100.0) / 100.0;
}

QString headRailKey(headrail::FormField field)
{
    switch (field) {
    case headrail::FormField::Sensor:
        return QStringLiteral("sensor");
    case headrail::FormField::LowerLimit:
        return QStringLiteral("lower");
    case headrail::FormField::UpperLimit:
        return QStringLiteral("upper");
    case headrail::FormField::ZeroCorrection:
        break;
    }
    return QStringLiteral("zeroCorrection");
}

QString inputKey(humamb::Input input, humamb::FormField field)
{
    const QString prefix
        = input == humamb::Input::Humidity ? QStringLiteral("humidity.") : QStringLiteral("temperature.");
    switch (field) {
    case humamb::FormField::LowerLimit:
        return prefix + QStringLiteral("lower");
    case humamb::FormField::UpperLimit:
        return prefix + QStringLiteral("upper");
    case humamb::FormField::ZeroCorrection:
        break;
    }
    return prefix + QStringLiteral("zeroCorrection");
}

void checkHeadRail(const HeadRailValues& values, bool fahrenheit, const IdentificationRecord& unit, UnitCheck& check)
{
    if (!headrail::positionForCode(
            unit.TransmitterModel, unit.FirmwareVersion, unit.NoThermocoupleB, values.sensorCode)) {
        check.mismatch
            = CoreText::tr("O sensor %1 não está na lista deste transmissor.").arg(sensorName(values.sensorCode));
        return;
    }
    const headrail::SendCheck send = headrail::checkForSend(unit, fahrenheit, headRailForm(values), FileSeparator);
    if (send.refusal)
        check.refusal = Refusal { send.refusal->message, headRailKey(send.refusal->field) };
    check.settings = send.settings;
}

void checkHumidity(const HumidityValues& values, bool fahrenheit, const IdentificationRecord& unit, UnitCheck& check)
{
    if (values.kind == humamb::HumidityKind::DewPoint && !humamb::hasKindMenu(unit.FirmwareVersion)) {
        check.mismatch = CoreText::tr("Este transmissor (firmware %1) não mede ponto de orvalho.")
                             .arg(firmwareText(unit.FirmwareVersion));
        return;
    }
    const humamb::HumiditySendCheck send
        = humamb::checkHumiditySend(unit.TransmitterModel, fahrenheit, humidityForm(values), FileSeparator);
    if (send.refusal)
        check.refusal
            = Refusal { send.refusal->refusal.message, inputKey(send.refusal->input, send.refusal->refusal.field) };
    check.settings = send.settings;
}

void checkAmbient(const AmbientValues& values, bool fahrenheit, UnitCheck& check)
{
    const humamb::AmbientSendCheck send = humamb::checkAmbientSend(fahrenheit, ambientForm(values), FileSeparator);
    if (send.refusal)
        check.refusal = Refusal { send.refusal->message, inputKey(humamb::Input::Temperature, send.refusal->field) };
    check.settings = send.settings;
}

}  // namespace

headrail::FormValues headRailForm(const HeadRailValues& values)
{
    headrail::FormValues form;
    form.sensorCode = values.sensorCode;
    form.failureToMax = values.failureToMax;
    form.filter50Hz = values.filter50Hz;
    form.lowerText = limitText(values.lower);
    form.upperText = limitText(values.upper);
    form.zeroText = correctionText(values.zeroCorrection);
    return form;
}

humamb::InputForm inputForm(const InputValues& values)
{
    return { limitText(values.lower), limitText(values.upper), correctionText(values.zeroCorrection) };
}

humamb::HumidityForm humidityForm(const HumidityValues& values)
{
    humamb::HumidityForm form;
    form.kind = values.kind;
    form.humidityFailMax = values.humidity.failureToMax;
    form.humidity = inputForm(values.humidity);
    form.temperatureFailMax = values.temperature.failureToMax;
    form.temperature = inputForm(values.temperature);
    return form;
}

humamb::AmbientForm ambientForm(const AmbientValues& values)
{
    return { values.temperature.failureToMax, inputForm(values.temperature) };
}

std::optional<HeadRailValues> headRailValues(const headrail::FormValues& form, QChar separator)
{
    const auto lower = parseTruncated(form.lowerText, separator);
    const auto upper = parseTruncated(form.upperText, separator);
    const auto correction = correctionValue(form.zeroText, separator);
    if (!form.sensorCode || !lower || !upper || !correction)
        return std::nullopt;
    return HeadRailValues { *form.sensorCode, *lower, *upper, *correction, form.failureToMax, form.filter50Hz };
}

std::optional<InputValues> inputValues(const humamb::InputForm& form, bool failureToMax, QChar separator)
{
    const auto lower = parseTruncated(form.lowerText, separator);
    const auto upper = parseTruncated(form.upperText, separator);
    const auto correction = correctionValue(form.zeroText, separator);
    if (!lower || !upper || !correction)
        return std::nullopt;
    return InputValues { *lower, *upper, *correction, failureToMax };
}

std::optional<HumidityValues> humidityValues(Model model, const humamb::HumidityForm& form, QChar separator)
{
    HumidityValues values;
    values.kind = form.kind;
    const auto humidity = inputValues(form.humidity, form.humidityFailMax, separator);
    if (!humidity)
        return std::nullopt;
    values.humidity = *humidity;
    // Orv-H's temperature edits are not its own; only the failure state goes into register 1.
    values.temperature.failureToMax = form.temperatureFailMax;
    if (hasHumidityTemperature(model)) {
        const auto temperature = inputValues(form.temperature, form.temperatureFailMax, separator);
        if (!temperature)
            return std::nullopt;
        values.temperature = *temperature;
    }
    return values;
}

std::optional<AmbientValues> ambientValues(const humamb::AmbientForm& form, QChar separator)
{
    const auto temperature = inputValues(form.temperature, form.failMax, separator);
    if (!temperature)
        return std::nullopt;
    return AmbientValues { *temperature };
}

QString refusedValue(const Configuration& configuration, const Refusal& refusal)
{
    // The key names the value as the file writes it, so the written form is where to look it up.
    QJsonValue value = QJsonDocument::fromJson(serializeConfiguration(configuration)).object();
    const QStringList path = refusal.key.split(u'.');
    for (const QString& key : path)
        value = value.toObject().value(key);
    return QStringLiteral("%1 = %2").arg(refusal.key, value.toVariant().toString());
}

UnitCheck checkAgainstUnit(const Configuration& configuration, const IdentificationRecord& unit)
{
    UnitCheck check;
    const Model model = unit.TransmitterModel;
    if (model == Model::Unknown) {
        check.mismatch = CoreText::tr("O transmissor não foi identificado como um modelo conhecido.");
        return check;
    }
    if (model != configuration.model) {
        check.mismatch = CoreText::tr("O arquivo é para um %1, mas o transmissor é um %2.")
                             .arg(modelString(configuration.model), modelString(model));
        return check;
    }
    if (const auto* headRail = std::get_if<HeadRailValues>(&configuration.values))
        checkHeadRail(*headRail, configuration.fahrenheit, unit, check);
    else if (const auto* humidity = std::get_if<HumidityValues>(&configuration.values))
        checkHumidity(*humidity, configuration.fahrenheit, unit, check);
    else if (const auto* ambient = std::get_if<AmbientValues>(&configuration.values))
        checkAmbient(*ambient, configuration.fahrenheit, check);
    return check;
}

}  // namespace korv::config
