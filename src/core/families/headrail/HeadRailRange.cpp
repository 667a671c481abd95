#include "core/families/headrail/HeadRailRange.h"

#include "common/NumberFormat.h"

#include <cmath>

namespace korv::headrail {

namespace {

// Count scales: the non-isolated transmitters map the sensor range onto 0..16368 counts, the
// isolated ones onto 1000..21000.
constexpr long double NonIsolatedFullScale = 16368.0L;
constexpr long double IsolatedSpanCounts = 20000.0L;
constexpr long double IsolatedZeroCounts = 1000.0L;

// The transmitter's firmware divides by a constant by multiplying with its reciprocal; doing the
// same keeps the truncated gain identical to what the firmware expects.
constexpr long double Reciprocal12000 = 1.0L / 12000.0L;
constexpr long double Reciprocal21000 = 1.0L / 21000.0L;

bool usesTwelveThousandForm(int firmware)
{
    return firmware >= 110;
}

// Counts are single precision, as the transmitter keeps them; the arithmetic around them is
// extended precision.
float countOf(Group group, int sensorMin, int sensorMax, float value)
{
    const long double range = static_cast<long double>(sensorMax) - sensorMin;
    const long double offset = static_cast<long double>(value) - sensorMin;
    if (group == Group::Isolated)
        return static_cast<float>(offset * IsolatedSpanCounts / range + IsolatedZeroCounts);
    return static_cast<float>(offset * NonIsolatedFullScale / range);
}

long double valueOf(Group group, int sensorMin, int sensorMax, float count)
{
    const long double range = static_cast<long double>(sensorMax) - sensorMin;
    if (group == Group::Isolated)
        return (count - IsolatedZeroCounts) * range * 0.00005L + sensorMin;
    return (range * count + sensorMin * NonIsolatedFullScale) / NonIsolatedFullScale;
}

std::optional<qint16> truncatedRegister(long double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const long double truncated = std::trunc(value);
    if (truncated < -32768.0L || truncated > 32767.0L)
        return std::nullopt;
    return static_cast<qint16>(truncated);
}

// Both counts in, A computed and truncated first, B from the truncated A.
std::optional<RangeRegisters> encodeCounts(Group group, int firmware, float lc, float uc)
{
    const long double lower = lc;
    const long double upper = uc;
    std::optional<qint16> a;
    std::optional<qint16> b;
    if (group == Group::Isolated) {
        a = truncatedRegister((1000.0L * upper - 21000.0L * lower) * 0.00005L);
        if (a)
            b = truncatedRegister((*a + upper) * 10000.0L * Reciprocal21000);
    } else if (usesTwelveThousandForm(firmware)) {
        a = truncatedRegister((2000.0L * upper - 12000.0L * lower) * 0.0001L);
        if (a)
            b = truncatedRegister((*a + upper) * 10000.0L * Reciprocal12000);
    } else {
        a = truncatedRegister((2000.0L * upper - 7000.0L * lower) * 0.0002L);
        // A zero divisor describes no range a gain can hold; it is never divided by.
        if (a && *a + upper != 0.0L)
            b = truncatedRegister(70000000.0L / (*a + upper));
    }
    if (!a || !b)
        return std::nullopt;
    return RangeRegisters { *a, *b };
}

}  // namespace

std::optional<RangeRegisters> encodeRange(
    Group group, int firmware, int sensorMin, int sensorMax, float lower, float upper)
{
    if (group == Group::Other || sensorMax == sensorMin)
        return std::nullopt;
    const float lc = countOf(group, sensorMin, sensorMax, lower);
    const float uc = countOf(group, sensorMin, sensorMax, upper);
    return encodeCounts(group, firmware, lc, uc);
}

std::optional<DecodedRange> decodeRange(
    Group group, int firmware, int sensorMin, int sensorMax, qint16 offsetA, qint16 gainB)
{
    if (group == Group::Other || gainB == 0)
        return std::nullopt;
    const long double a = offsetA;
    const long double b = gainB;
    float uc = 0;
    float lc = 0;
    if (group == Group::Isolated) {
        uc = static_cast<float>(b * 21000.0L * 0.0001L - a);
        lc = static_cast<float>((1000.0L * uc - 20000.0L * a) / 21000.0L);
    } else if (usesTwelveThousandForm(firmware)) {
        uc = static_cast<float>(b * 12000.0L * 0.0001L - a);
        lc = static_cast<float>((2000.0L * uc - 10000.0L * a) / 12000.0L);
    } else {
        uc = static_cast<float>((70000000.0L - b * a) / b);
        lc = static_cast<float>((2000.0L * uc - 5000.0L * a) / 7000.0L);
    }
    DecodedRange range;
    range.lower = valueOf(group, sensorMin, sensorMax, lc);
    range.upper = valueOf(group, sensorMin, sensorMax, uc);
    if (range.upper > sensorMax)
        range.upper = sensorMax;
    return range;
}

QString rangeLimitText(long double value)
{
    return formatFixed4(value, 0);
}

RangeFocus checkRange(Model model, int firmware, int lower, int upper, SensorLimits limits)
{
    bool fallingAllowed = false;
    switch (groupOf(model)) {
    case Group::NonIsolated:
        if (firmware >= 140)
            return RangeFocus::None;
        fallingAllowed = firmware >= 110;
        break;
    case Group::Isolated:
        fallingAllowed = true;
        break;
    case Group::Other:
        return RangeFocus::None;
    }

    // 64 bits so that absurd typed limits cannot overflow the span.
    const qint64 span = static_cast<qint64>(upper) - lower;
    if (fallingAllowed && span < 0) {
        const qint64 magnitude = -span;
        const bool lowerWrong = lower > limits.max || magnitude < limits.minSpan;
        if (!lowerWrong && upper >= limits.min)
            return RangeFocus::None;
        return lowerWrong && lower != limits.max ? RangeFocus::Lower : RangeFocus::Upper;
    }
    const bool lowerWrong = lower < limits.min || span < limits.minSpan;
    if (!lowerWrong && upper <= limits.max)
        return RangeFocus::None;
    return lowerWrong && lower != limits.min ? RangeFocus::Lower : RangeFocus::Upper;
}

}  // namespace korv::headrail
