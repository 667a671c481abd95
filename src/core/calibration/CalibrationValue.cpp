#include "core/calibration/CalibrationValue.h"

#include "common/NumberFormat.h"

namespace korv {

namespace {

constexpr qint16 PlainFullScale = 0x3FF0;  // 16368 counts
constexpr qint16 IsolatedZero = 1000;
constexpr qint16 IsolatedFullScale = 21000;

// Extended-precision factors, with the span scaled before the raw count is applied: that order
// decides how the shown decimal rounds, so keep it.
constexpr long double PlainCountFactor = 1.0L / 16368.0L;
constexpr long double IsolatedCountFactor = 1.0L / 20000.0L;

QString temperatureText(long double value, const QString& unit)
{
    const float rounded = static_cast<float>(value);
    return formatDecimals(rounded, 1) + unit;
}

long double span(qint32 low, qint32 high)
{
    return static_cast<long double>(static_cast<qint64>(high) - low);
}

}  // namespace

QString plainTemperatureValueText(qint16 raw, qint32 low, qint32 high, const QString& unit)
{
    if (raw > PlainFullScale || raw < 0)
        return InvalidInputText;
    const long double value = static_cast<long double>(raw) * (span(low, high) * PlainCountFactor) + low;
    return temperatureText(value, unit);
}

QString isolatedTemperatureValueText(qint16 raw, qint32 low, qint32 high, const QString& unit)
{
    if (raw > IsolatedFullScale || raw < IsolatedZero)
        return InvalidInputText;
    const long double counts = static_cast<long double>(raw - IsolatedZero);
    const long double value = counts * (span(low, high) * IsolatedCountFactor) + low;
    return temperatureText(value, unit);
}

qint32 ambientTemperature(qint16 raw)
{
    // 16000 counts are 170 degrees from -50 °C; the division truncates toward zero.
    return (static_cast<qint32>(raw) * 170) / 16000 - 50;
}

QString ambientValueText(qint16 raw, const QString& unit)
{
    return QString::number(ambientTemperature(raw)) + u' ' + unit;
}

QString humidityValueText(float temperature, float humidity, bool humidityDefined, bool celsius)
{
    const QString humidityText = humidityDefined ? formatDecimals(humidity, 1) : QStringLiteral("---");
    // These unit texts carry the masculine ordinal sign, not the degree sign of the limits.
    const QString unit = celsius ? QStringLiteral("ºC") : QStringLiteral("ºF");
    return humidityText + QStringLiteral("%;  ") + formatDecimals(temperature, 1) + unit;
}

}  // namespace korv
