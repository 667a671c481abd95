#include "core/families/humamb/HumAmbLimits.h"

#include <QtGlobal>

#include <algorithm>
#include <limits>

namespace korv::humamb {

namespace {

const QString Celsius = QStringLiteral("°C");
const QString Fahrenheit = QStringLiteral("°F");
const QString RelativeHumidityUnit = QStringLiteral("%RH");

// The same physical spans in both units: -40..120 °C is -40..248 °F, -60..105 °C is -76..221 °F
// and -50..120 °C is -58..248 °F.
constexpr InputLimits HumTempCelsius { -40, 120, 5 };
constexpr InputLimits HumTempFahrenheit { -40, 248, 9 };
constexpr InputLimits AmbientCelsius { -50, 120, 5 };
constexpr InputLimits AmbientFahrenheit { -58, 248, 9 };
constexpr InputLimits RelativeHumidity { 0, 100, 5 };
constexpr InputLimits DewPointCelsius { -60, 105, 5 };
constexpr InputLimits DewPointFahrenheit { -76, 221, 9 };

InputTexts texts(const InputLimits& limits, const QString& unit, bool blankBeforeUnit, const QString& rangeWord)
{
    const QString unitSuffix = blankBeforeUnit ? QLatin1Char(' ') + unit : unit;
    InputTexts t;
    t.range = QString::number(limits.sensorMin) + QLatin1Char(' ') + rangeWord + QLatin1Char(' ')
        + QString::number(limits.sensorMax) + unitSuffix;
    t.minSpan = QString::number(limits.minSpan) + unitSuffix;
    t.unit = unit;
    return t;
}

// Edits hold at most eight characters, but the arithmetic must stay defined whatever number a
// caller passes.
int saturated(qint64 value)
{
    return static_cast<int>(
        std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

InputLimits humTempLimits(bool fahrenheit)
{
    return fahrenheit ? HumTempFahrenheit : HumTempCelsius;
}

InputLimits ambientLimits(bool fahrenheit)
{
    return fahrenheit ? AmbientFahrenheit : AmbientCelsius;
}

InputLimits humidityLimits(HumidityKind kind, bool fahrenheit)
{
    if (kind == HumidityKind::Relative)
        return RelativeHumidity;
    return fahrenheit ? DewPointFahrenheit : DewPointCelsius;
}

InputTexts humTempTexts(bool fahrenheit, const QString& rangeWord)
{
    return texts(humTempLimits(fahrenheit), fahrenheit ? Fahrenheit : Celsius, false, rangeWord);
}

InputTexts ambientTexts(bool fahrenheit, const QString& rangeWord)
{
    return texts(ambientLimits(fahrenheit), fahrenheit ? Fahrenheit : Celsius, true, rangeWord);
}

InputTexts humidityTexts(HumidityKind kind, bool fahrenheit, const QString& rangeWord)
{
    const QString unit = kind == HumidityKind::Relative ? RelativeHumidityUnit : fahrenheit ? Fahrenheit : Celsius;
    return texts(humidityLimits(kind, fahrenheit), unit, false, rangeWord);
}

LimitPair fullRange(const InputLimits& limits)
{
    return { limits.sensorMin, limits.sensorMax, limits.sensorMax - limits.sensorMin };
}

HumidityKindView humidityKindView(HumidityKind kind, bool fahrenheit, const QString& rangeWord)
{
    HumidityKindView view;
    view.limits = humidityLimits(kind, fahrenheit);
    view.texts = humidityTexts(kind, fahrenheit, rangeWord);
    view.range = fullRange(view.limits);
    return view;
}

int toCelsiusWhole(int fahrenheit)
{
    return saturated((10 * qint64 { fahrenheit } - 320) / 18);
}

int toFahrenheitWhole(int celsius)
{
    return saturated(18 * qint64 { celsius } / 10 + 32);
}

int spanToCelsius(int fahrenheitSpan)
{
    return saturated(10 * qint64 { fahrenheitSpan } / 18);
}

int spanToFahrenheit(int celsiusSpan)
{
    return saturated(18 * qint64 { celsiusSpan } / 10);
}

LimitPair convertLimits(const LimitPair& range, bool toFahrenheit)
{
    if (toFahrenheit)
        return { toFahrenheitWhole(range.lower), toFahrenheitWhole(range.upper), spanToFahrenheit(range.span) };
    return { toCelsiusWhole(range.lower), toCelsiusWhole(range.upper), spanToCelsius(range.span) };
}

}  // namespace korv::humamb
