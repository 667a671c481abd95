#include "core/families/headrail/HeadRailZero.h"

#include "common/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace korv::headrail {

namespace {

bool isOldNonIsolated(Group group, int firmware)
{
    return group == Group::NonIsolated && firmware <= 109;
}

int clampToInt(qint64 value)
{
    return static_cast<int>(
        std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

std::optional<ZeroScale> zeroScale(Group group, int firmware)
{
    // The 255-count scales still show a register of 256; only larger magnitudes read as "0".
    switch (group) {
    case Group::NonIsolated:
        if (firmware < 110)
            return ZeroScale { 0.05L, 255, 20, 256 };
        if (firmware < 120)
            return ZeroScale { 0.025L, 255, 40, 256 };
        return ZeroScale { 0.05L, 512, 20, 512 };
    case Group::Isolated:
        return ZeroScale { 0.05L, 1000, 20, 1000 };
    case Group::Other:
        break;
    }
    return std::nullopt;
}

int zeroSpan(Group group, int firmware, int lower, int upper)
{
    const qint64 span = static_cast<qint64>(upper) - lower;
    return clampToInt(isOldNonIsolated(group, firmware) ? span : std::abs(span));
}

std::optional<ZeroTexts> zeroTexts(Group group, int firmware, int lower, int upper, qint16 zeroCount, QChar separator)
{
    const auto scale = zeroScale(group, firmware);
    if (!scale)
        return std::nullopt;

    ZeroTexts texts;
    texts.lower = lower;
    texts.upper = upper;
    texts.span = zeroSpan(group, firmware, lower, upper);

    // The lower bound is kept in single precision and decides the decimals of both bounds.
    const long double bound = scale->fraction * texts.span;
    const float lowerBound = static_cast<float>(-bound);
    const int decimals = std::fabs(std::trunc(lowerBound)) >= 1.0f ? 1 : 2;
    texts.minText = formatFixed4(lowerBound, decimals, separator);
    texts.maxText = formatFixed4(bound, decimals, separator);

    if (std::abs(static_cast<int>(zeroCount)) > scale->largestShown) {
        texts.zeroText = QStringLiteral("0");
    } else {
        const long double correction
            = static_cast<long double>(zeroCount) * texts.span * scale->fraction / scale->counts;
        texts.zeroText = formatFixed4(correction, 2, separator);
    }
    return texts;
}

std::optional<qint16> encodeZero(Group group, int firmware, float correction, int span)
{
    const auto scale = zeroScale(group, firmware);
    if (!scale)
        return std::nullopt;
    if (span == 0) {
        if (correction == 0.0f)
            return qint16 { 0 };
        return std::nullopt;
    }
    const long double count = static_cast<long double>(correction) * scale->counts * scale->inverseFraction / span;
    // The count goes through the same rounding as every number the program shows.
    bool ok = false;
    const int rounded = formatFixed4(count, 0, QChar(u'.')).toInt(&ok);
    if (!ok || rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

std::optional<float> parseZeroCorrection(const QString& text, QChar separator)
{
    if (text.trimmed().isEmpty())
        return 0.0f;
    const auto value = parseNumber(text, separator);
    if (!value)
        return std::nullopt;
    return static_cast<float>(*value);
}

bool zeroWithinBounds(float correction, const QString& minText, const QString& maxText, QChar separator)
{
    const auto lowest = parseNumber(minText, separator);
    const auto highest = parseNumber(maxText, separator);
    if (!lowest || !highest)
        return false;
    return !(correction < static_cast<float>(*lowest) || correction > static_cast<float>(*highest));
}

}  // namespace korv::headrail
