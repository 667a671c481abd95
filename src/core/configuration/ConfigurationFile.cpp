#include "core/configuration/ConfigurationFile.h"

#include "core/CoreText.h"
#include "core/families/Families.h"
#include "core/families/headrail/HeadRailSensors.h"
#include "core/files/FileRead.h"
#include "core/files/FileSave.h"
#include "core/files/JsonObjectReader.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>

namespace korv::config {

namespace {

const QStringList SensorNames
    = { QStringLiteral("0-50mV"), QStringLiteral("K"), QStringLiteral("J"), QStringLiteral("R"), QStringLiteral("S"),
          QStringLiteral("T"), QStringLiteral("N"), QStringLiteral("E"), QStringLiteral("B"), QStringLiteral("Pt100"),
          QStringLiteral("0-10V"), QStringLiteral("0-20mA"), QStringLiteral("4-20mA") };

QString familyName(Family family)
{
    return driverFor(family).fileKey.toString();
}

const QStringList FailureWords = { QStringLiteral("minimum"), QStringLiteral("maximum") };
QString failureExpected()
{
    return CoreText::tr("\"minimum\" ou \"maximum\"");
}
const QStringList InputKeys = { QStringLiteral("lower"), QStringLiteral("upper"), QStringLiteral("zeroCorrection"),
    QStringLiteral("sensorFailure") };

std::optional<InputValues> readInput(ObjectReader& parent, const QString& key, QString& error)
{
    const auto object = parent.object(key);
    if (!object)
        return std::nullopt;
    ObjectReader reader(*object, parent.path(key) + u'.', error);
    reader.expectKeys(InputKeys);
    InputValues input;
    input.lower = reader.integer(QStringLiteral("lower")).value_or(0);
    input.upper = reader.integer(QStringLiteral("upper")).value_or(0);
    input.zeroCorrection = reader.correction(QStringLiteral("zeroCorrection")).value_or(0);
    input.failureToMax
        = reader.choice(QStringLiteral("sensorFailure"), FailureWords, failureExpected()).value_or(0) == 1;
    if (reader.failed())
        return std::nullopt;
    return input;
}

QJsonObject inputObject(const InputValues& input)
{
    return { { QStringLiteral("lower"), input.lower }, { QStringLiteral("upper"), input.upper },
        { QStringLiteral("zeroCorrection"), input.zeroCorrection },
        { QStringLiteral("sensorFailure"), FailureWords[input.failureToMax ? 1 : 0] } };
}

const QStringList CommonKeys
    = { QStringLiteral("format"), QStringLiteral("family"), QStringLiteral("model"), QStringLiteral("unit") };
const QStringList MeasureWords = { QStringLiteral("relative-humidity"), QStringLiteral("dew-point") };

HeadRailValues readHeadRail(ObjectReader& reader)
{
    reader.expectKeys(CommonKeys
        + QStringList { QStringLiteral("sensor"), QStringLiteral("lower"), QStringLiteral("upper"),
            QStringLiteral("zeroCorrection"), QStringLiteral("sensorFailure"), QStringLiteral("mainsFilter") });
    HeadRailValues values;
    const QJsonValue sensor = reader.value(QStringLiteral("sensor"));
    const auto code = sensor.isString() ? sensorCodeNamed(sensor.toString()) : std::nullopt;
    if (!code)
        reader.fail(CoreText::tr("\"sensor\" deve ser um de: %1").arg(SensorNames.join(QStringLiteral(", "))));
    values.sensorCode = code.value_or(0);
    values.lower = reader.integer(QStringLiteral("lower")).value_or(0);
    values.upper = reader.integer(QStringLiteral("upper")).value_or(0);
    values.zeroCorrection = reader.correction(QStringLiteral("zeroCorrection")).value_or(0);
    values.failureToMax
        = reader.choice(QStringLiteral("sensorFailure"), FailureWords, failureExpected()).value_or(0) == 1;
    const auto filter = reader.integer(QStringLiteral("mainsFilter"));
    if (filter && *filter != 50 && *filter != 60)
        reader.fail(CoreText::tr("\"mainsFilter\" deve ser 50 ou 60"));
    values.filter50Hz = filter == 50;
    return values;
}

// Orv-H's temperature part holds the one thing it keeps of a temperature input: the failure state.
std::optional<bool> readFailureOnly(ObjectReader& parent, const QString& key, Model model, QString& error)
{
    const auto object = parent.object(key);
    if (!object)
        return std::nullopt;
    ObjectReader reader(*object, parent.path(key) + u'.', error);
    for (const QString& limitKey : InputKeys.mid(0, 3)) {
        if (object->contains(limitKey))
            reader.fail(CoreText::tr("o modelo %1 não tem entrada de temperatura: em \"%2\" só vale \"sensorFailure\"")
                            .arg(modelString(model), parent.path(key)));
    }
    reader.expectKeys({ QStringLiteral("sensorFailure") });
    const auto failure = reader.choice(QStringLiteral("sensorFailure"), FailureWords, failureExpected());
    if (reader.failed())
        return std::nullopt;
    return failure == 1;
}

HumidityValues readHumidity(ObjectReader& reader, Model model, QString& error)
{
    reader.expectKeys(CommonKeys
        + QStringList { QStringLiteral("measure"), QStringLiteral("humidity"), QStringLiteral("temperature") });
    HumidityValues values;
    const auto measure = reader.choice(
        QStringLiteral("measure"), MeasureWords, CoreText::tr("\"relative-humidity\" ou \"dew-point\""));
    values.kind = measure == 1 ? humamb::HumidityKind::DewPoint : humamb::HumidityKind::Relative;
    if (!reader.failed())
        values.humidity = readInput(reader, QStringLiteral("humidity"), error).value_or(InputValues {});
    if (reader.failed())
        return values;
    if (hasHumidityTemperature(model))
        values.temperature = readInput(reader, QStringLiteral("temperature"), error).value_or(InputValues {});
    else
        values.temperature.failureToMax
            = readFailureOnly(reader, QStringLiteral("temperature"), model, error).value_or(false);
    return values;
}

AmbientValues readAmbient(ObjectReader& reader, QString& error)
{
    reader.expectKeys(CommonKeys + QStringList { QStringLiteral("temperature") });
    AmbientValues values;
    if (!reader.failed())
        values.temperature = readInput(reader, QStringLiteral("temperature"), error).value_or(InputValues {});
    return values;
}

}  // namespace

QString sensorName(int code)
{
    return code >= 0 && code < SensorNames.size() ? SensorNames[code] : QString::number(code);
}

std::optional<int> sensorCodeNamed(const QString& name)
{
    const qsizetype code = SensorNames.indexOf(name);
    if (code < 0)
        return std::nullopt;
    return static_cast<int>(code);
}

Parsed parseConfiguration(const QByteArray& bytes)
{
    if (bytes.trimmed().isEmpty())
        return { std::nullopt, CoreText::tr("o arquivo está vazio") };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return { std::nullopt,
            CoreText::tr("não é um arquivo JSON válido: %1 (no byte %2)")
                .arg(jsonErrorText(parseError.error))
                .arg(parseError.offset) };
    if (!document.isObject())
        return { std::nullopt, CoreText::tr("o arquivo não contém um objeto JSON") };
    if (const auto repeated = repeatedKey(bytes))
        return { std::nullopt, CoreText::tr("a chave \"%1\" aparece mais de uma vez").arg(*repeated) };

    const QJsonObject top = document.object();
    for (const char* key : { "format", "family", "model" }) {
        if (!top.contains(QLatin1String(key)))
            return { std::nullopt, CoreText::tr("falta a chave \"%1\"").arg(QLatin1String(key)) };
    }
    QString error;
    ObjectReader reader(top, QString(), error);
    // The format decides what the other keys mean, so it is judged before any of them.
    const auto format = reader.integer(QStringLiteral("format"));
    if (!format)
        return { std::nullopt, error };
    if (*format != FormatVersion)
        return { std::nullopt,
            CoreText::tr("formato %1 não suportado: este programa lê o formato %2").arg(*format).arg(FormatVersion) };
    const auto family = familyWithFileKey(top.value(QStringLiteral("family")).toString());
    if (!family)
        return { std::nullopt,
            CoreText::tr("\"family\" deve ser \"%1\", \"%2\" ou \"%3\"")
                .arg(familyName(Family::HeadRail), familyName(Family::Humidity), familyName(Family::Ambient)) };
    const QJsonValue modelValue = top.value(QStringLiteral("model"));
    const auto model = modelNamed(modelValue.toString());
    if (!modelValue.isString())
        return { std::nullopt, CoreText::tr("\"model\" deve ser um texto") };
    if (!model)
        return { std::nullopt, CoreText::tr("modelo desconhecido \"%1\"").arg(escapedText(modelValue.toString())) };
    if (familyOf(*model) != family)
        return { std::nullopt,
            CoreText::tr("o modelo %1 não pertence à família \"%2\"").arg(modelString(*model), familyName(*family)) };

    Configuration configuration;
    configuration.model = *model;
    configuration.fahrenheit = reader
                                   .choice(QStringLiteral("unit"), { QStringLiteral("C"), QStringLiteral("F") },
                                       QStringLiteral("\"C\" ou \"F\""))
                                   .value_or(0)
        == 1;
    switch (*family) {
    case Family::HeadRail:
        configuration.values = readHeadRail(reader);
        break;
    case Family::Humidity:
        configuration.values = readHumidity(reader, *model, error);
        break;
    case Family::Ambient:
        configuration.values = readAmbient(reader, error);
        break;
    }
    if (reader.failed())
        return { std::nullopt, error };
    return { configuration, QString() };
}

Parsed readConfigurationFile(const QString& path)
{
    const FileBytes file = readRegularFile(path, MaximumFileSize);
    if (!file.ok())
        return { std::nullopt, file.error };
    return parseConfiguration(file.bytes);
}

QJsonObject configurationObject(const Configuration& configuration)
{
    QJsonObject object { { QStringLiteral("format"), FormatVersion },
        { QStringLiteral("model"), modelString(configuration.model) },
        { QStringLiteral("unit"), configuration.fahrenheit ? QStringLiteral("F") : QStringLiteral("C") } };
    std::visit(Overloaded {
                   [&object](const HeadRailValues& headRail) {
                       object.insert(QStringLiteral("family"), familyName(Family::HeadRail));
                       object.insert(QStringLiteral("sensor"), sensorName(headRail.sensorCode));
                       object.insert(QStringLiteral("lower"), headRail.lower);
                       object.insert(QStringLiteral("upper"), headRail.upper);
                       object.insert(QStringLiteral("zeroCorrection"), headRail.zeroCorrection);
                       object.insert(QStringLiteral("sensorFailure"), FailureWords[headRail.failureToMax ? 1 : 0]);
                       object.insert(QStringLiteral("mainsFilter"), headRail.filter50Hz ? 50 : 60);
                   },
                   [&object, &configuration](const HumidityValues& humidity) {
                       object.insert(QStringLiteral("family"), familyName(Family::Humidity));
                       object.insert(QStringLiteral("measure"),
                           MeasureWords[humidity.kind == humamb::HumidityKind::DewPoint ? 1 : 0]);
                       object.insert(QStringLiteral("humidity"), inputObject(humidity.humidity));
                       if (hasHumidityTemperature(configuration.model))
                           object.insert(QStringLiteral("temperature"), inputObject(humidity.temperature));
                       else
                           object.insert(QStringLiteral("temperature"),
                               QJsonObject { { QStringLiteral("sensorFailure"),
                                   FailureWords[humidity.temperature.failureToMax ? 1 : 0] } });
                   },
                   [&object](const AmbientValues& ambient) {
                       object.insert(QStringLiteral("family"), familyName(Family::Ambient));
                       object.insert(QStringLiteral("temperature"), inputObject(ambient.temperature));
                   },
               },
        configuration.values);
    return object;
}

QByteArray serializeConfiguration(const Configuration& configuration)
{
    return QJsonDocument(configurationObject(configuration)).toJson(QJsonDocument::Indented);
}

QString writeConfigurationFile(const QString& path, const Configuration& configuration)
{
    const SaveResult result = saveFile(path, serializeConfiguration(configuration));
    return result.saved() ? QString() : result.reason;
}

}  // namespace korv::config
