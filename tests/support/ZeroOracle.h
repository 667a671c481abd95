#pragma once

#include <QString>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

// The zero-correction rules worked out in exact integer arithmetic, as a reference for sweeps over
// register values: the text a register value shows, and the count a send of that text writes.
// Only the single precision the head/rail rules prescribe for a typed correction is floating point.
namespace korv::test::zero {

using Wide = long long;  // every product of the rules fits comfortably

// num / den rounded half away from zero.
inline long long roundHalfAway(Wide num, Wide den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const Wide magnitude = (2 * (num < 0 ? -num : num) + den) / (2 * den);
    return static_cast<long long>(num < 0 ? -magnitude : magnitude);
}

// The correction num / den as shown (four significant digits, at most two decimals), in hundredths.
inline long long shownHundredths(Wide num, Wide den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const Wide magnitude = num < 0 ? -num : num;
    const int decimals = magnitude < 100 * den ? 2 : magnitude < 1000 * den ? 1 : 0;
    const int unshown = 2 - decimals;
    Wide scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    long long hundredths = roundHalfAway(num * scale, den);
    for (int i = 0; i < unshown; ++i)
        hundredths *= 10;
    return hundredths;
}

inline QString hundredthsText(long long hundredths, QChar separator = u',')
{
    const long long magnitude = std::llabs(hundredths);
    return (hundredths < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / 100) + separator
        + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

// The head/rail count written for a shown correction: the text is taken in single precision, then
// correction x counts x inverseFraction / span is rounded half away from zero.
inline long long headRailWritten(long long hundredths, int counts, int inverseFraction, int span)
{
    const std::string text = std::to_string(hundredths / 100.0L);
    float single = 0;
    std::from_chars(text.data(), text.data() + text.size(), single);
    // Exact: single = mantissa x 2^exponent with a 24-bit integer mantissa.
    int exponent = 0;
    const auto mantissa = static_cast<long long>(std::ldexp(std::frexp(single, &exponent), 24));
    exponent -= 24;
    Wide num = Wide(mantissa) * counts * inverseFraction;
    Wide den = span;
    for (; exponent < 0; ++exponent)
        den *= 2;
    for (; exponent > 0; --exponent)
        num *= 2;
    return roundHalfAway(num, den);
}

// The humidity/ambient count written for a shown correction, taken in extended precision: exact
// halves round away from zero.
inline long long humAmbWritten(long long hundredths, int divisor, int span)
{
    return roundHalfAway(Wide(hundredths) * divisor, Wide(100) * span);
}

}  // namespace korv::test::zero
