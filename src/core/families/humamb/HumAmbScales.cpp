#include "core/families/humamb/HumAmbScales.h"

#include "common/NumberFormat.h"

#include <cmath>

namespace korv::humamb {

namespace {

constexpr long double HumTempCountMin = 1000;
constexpr long double HumTempCountSpan = 10000;
constexpr long double AmbientCountSpan = 16000;

// The registers are 16 bits wide; a value truncated toward zero keeps its low 16 bits, as the
// transmitter would receive it. Limits are checked against the sensor range before encoding, which
// keeps every value reached that way well inside the register.
qint16 register16(long double value)
{
    const auto whole = static_cast<long long>(std::trunc(value));
    return static_cast<qint16>(static_cast<quint16>(whole & 0xFFFF));
}

long double sensorSpan(const InputLimits& sensor)
{
    return static_cast<long double>(sensor.sensorMax) - sensor.sensorMin;
}

// Counts are held in single precision, as the transmitter's own conversion does.
float humTempCount(const InputLimits& sensor, float value)
{
    return static_cast<float>(
        (static_cast<long double>(value) - sensor.sensorMin) * HumTempCountSpan / sensorSpan(sensor) + HumTempCountMin);
}

float ambientCount(const InputLimits& sensor, float value)
{
    return static_cast<float>(
        (static_cast<long double>(value) - sensor.sensorMin) * AmbientCountSpan / sensorSpan(sensor));
}

long double humTempValue(const InputLimits& sensor, float count)
{
    return sensor.sensorMin + (count - HumTempCountMin) * sensorSpan(sensor) / HumTempCountSpan;
}

long double ambientValue(const InputLimits& sensor, float count)
{
    return sensor.sensorMin + count * sensorSpan(sensor) / AmbientCountSpan;
}

}  // namespace

RangeRegisters encodeHumTempRange(const InputLimits& sensor, float lower, float upper)
{
    const float lowerCount = humTempCount(sensor, lower);
    const float upperCount = humTempCount(sensor, upper);
    RangeRegisters r;
    r.offset = register16((1000.0L * upperCount - 11000.0L * lowerCount) / 10000.0L);
    r.gain = register16((r.offset + static_cast<long double>(upperCount)) * 10000.0L / 11000.0L);
    return r;
}

std::optional<DecodedRange> decodeHumTempRange(const InputLimits& sensor, qint16 offset, qint16 gain)
{
    if (gain == 0)
        return std::nullopt;
    const auto upperCount = static_cast<float>(gain * 11000.0L / 10000.0L - offset);
    const auto lowerCount = static_cast<float>((upperCount * 1000.0L - offset * 10000.0L) / 11000.0L);
    return DecodedRange { humTempValue(sensor, lowerCount), humTempValue(sensor, upperCount) };
}

RangeRegisters encodeAmbientRange(const InputLimits& sensor, float lower, float upper)
{
    const float lowerCount = ambientCount(sensor, lower);
    const float upperCount = ambientCount(sensor, upper);
    RangeRegisters r;
    r.gain = register16((static_cast<long double>(upperCount) - lowerCount) * 10000.0L / 16000.0L);
    r.offset = register16(r.gain * 16000.0L / 10000.0L - upperCount);
    return r;
}

std::optional<DecodedRange> decodeAmbientRange(const InputLimits& sensor, qint16 offset, qint16 gain)
{
    if (gain == 0)
        return std::nullopt;
    const auto upperCount = static_cast<float>(gain * 16000.0L / 10000.0L - offset);
    const auto lowerCount = static_cast<float>(upperCount - gain * 16000.0L / 10000.0L);
    return DecodedRange { ambientValue(sensor, lowerCount), ambientValue(sensor, upperCount) };
}

DecodedRange clampUpperToSensor(DecodedRange range, const InputLimits& sensor)
{
    if (range.upper > sensor.sensorMax)
        range.upper = sensor.sensorMax;
    return range;
}

QString limitEditText(long double value)
{
    return formatFixed4(value, 0);
}

}  // namespace korv::humamb
