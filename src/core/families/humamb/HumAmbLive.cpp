#include "core/families/humamb/HumAmbLive.h"

#include <cmath>

namespace korv::humamb {

namespace {

constexpr long double Ln10 = 2.302585092994045684L;
// Magnus form of the saturation vapour pressure over water.
constexpr long double MagnusB = 17.62L;
constexpr long double MagnusC = 243.12L;  // °C

float toFahrenheit(float celsius)
{
    return static_cast<float>(celsius * 9.0L / 5.0L + 32.0L);
}

}  // namespace

HumidityReading convertHumidityReading(qint16 rawTemperature, qint16 rawHumidity, HumidityKind kind, bool fahrenheit)
{
    const int temperatureCounts = rawTemperature * 160 - 160000;
    const int humidityCounts = rawHumidity * 100 - 100000;
    HumidityReading r;
    r.temperature = static_cast<float>(temperatureCounts / 10000.0L - 40.0L);
    r.humidity = static_cast<float>(humidityCounts / 10000.0L);
    if (kind == HumidityKind::DewPoint) {
        const float relative = r.humidity;
        const float celsius = r.temperature;
        float dewPoint = 0;
        bool defined = relative > 0;
        if (defined) {
            const auto gamma = static_cast<float>((std::log10(static_cast<long double>(relative)) - 2.0L) * Ln10
                + MagnusB * celsius / (MagnusC + celsius));
            dewPoint = static_cast<float>(MagnusC * gamma / (MagnusB - gamma));
            defined = std::isfinite(gamma) && std::isfinite(dewPoint);
        }
        r.humidityDefined = defined;
        r.humidity = defined ? dewPoint : 0.0f;
        if (defined && fahrenheit)
            r.humidity = toFahrenheit(r.humidity);
    }
    if (fahrenheit)
        r.temperature = toFahrenheit(r.temperature);
    return r;
}

float withZeroCorrection(float value, const QString& zeroText, QChar separator)
{
    const auto correction = parseNumber(zeroText, separator);
    if (!correction)
        return value;
    return static_cast<float>(value + static_cast<long double>(*correction));
}

HumidityReading correctedReading(const HumidityReading& reading, const QString& humidityZeroText,
    const QString& temperatureZeroText, QChar separator)
{
    HumidityReading r = reading;
    if (r.humidityDefined)
        r.humidity = withZeroCorrection(r.humidity, humidityZeroText, separator);
    r.temperature = withZeroCorrection(r.temperature, temperatureZeroText, separator);
    return r;
}

QString undefinedReadingText()
{
    return QStringLiteral("---");
}

QString humidityValueText(const HumidityReading& reading, QChar separator)
{
    if (!reading.humidityDefined)
        return undefinedReadingText();
    return formatFixed4(reading.humidity, 2, separator);
}

QString humidityLiveLine(const QString& prefix, const HumidityReading& reading, const QString& unit, QChar separator)
{
    if (!reading.humidityDefined)
        return prefix + undefinedReadingText();
    return prefix + humidityValueText(reading, separator) + unit;
}

QString temperatureLiveLine(const QString& prefix, float temperature, const QString& unit, QChar separator)
{
    return prefix + formatFixed4(temperature, 2, separator) + unit;
}

int ambientWholeCelsius(qint16 raw)
{
    return (raw * 170) / 16000 - 50;
}

float ambientLiveValue(qint16 raw, bool fahrenheit)
{
    const int celsius = ambientWholeCelsius(raw);
    if (!fahrenheit)
        return static_cast<float>(celsius);
    return static_cast<float>(celsius * 9.0L / 5.0L + 32.0L);
}

QString ambientLiveLine(const QString& prefix, float temperature, const QString& unit, QChar separator)
{
    return prefix + QLatin1Char(' ') + formatFixed4(temperature, 2, separator) + QLatin1Char(' ') + unit;
}

}  // namespace korv::humamb
