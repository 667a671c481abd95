#include "core/families/humamb/HumAmbRanges.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace korv::humamb {

namespace {

// The send check has always tested a span of 5, whatever the unit; the unit's own minSpan only
// guards leaving a limit edit.
constexpr int SendMinSpan = 5;
constexpr int LargestShownZeroRegister = 1000;

int saturated(qint64 value)
{
    return static_cast<int>(
        std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int spanBetween(int lower, int upper)
{
    return saturated(std::llabs(qint64 { upper } - lower));
}

}  // namespace

ZeroLimits zeroLimits(ZeroScale scale, int lower, int upper, qint16 zeroRegister, QChar separator)
{
    ZeroLimits z;
    z.range = { lower, upper, spanBetween(lower, upper) };
    const long double limit = static_cast<long double>(z.range.span) * scale.percentOfSpan / 100.0L;
    const int decimals = limit >= 1 ? 1 : 2;
    z.minText = formatFixed4(-limit, decimals, separator);
    z.maxText = formatFixed4(limit, decimals, separator);
    z.zeroText = zeroCorrectionText(scale, z.range.span, zeroRegister, separator);
    return z;
}

std::optional<ZeroLimits> zeroLimitsFromEdits(
    ZeroScale scale, const QString& lowerText, const QString& upperText, qint16 zeroRegister, QChar separator)
{
    const auto range = parseLimitEdits(lowerText, upperText, separator);
    if (!range)
        return std::nullopt;
    return zeroLimits(scale, range->lower, range->upper, zeroRegister, separator);
}

QString zeroCorrectionText(ZeroScale scale, int span, qint16 zeroRegister, QChar separator)
{
    if (std::abs(zeroRegister) > LargestShownZeroRegister)
        return QStringLiteral("0");
    return formatFixed4(static_cast<long double>(zeroRegister) * span / scale.divisor, 2, separator);
}

bool zeroWithinLimits(long double correction, const ZeroLimits& limits, QChar separator)
{
    const auto minimum = parseNumber(limits.minText, separator);
    const auto maximum = parseNumber(limits.maxText, separator);
    if (!minimum || !maximum)
        return false;
    return correction >= *minimum && correction <= *maximum;
}

std::optional<qint16> encodeZero(ZeroScale scale, long double correction, int span)
{
    if (correction == 0)
        return qint16 { 0 };
    if (span == 0)
        return std::nullopt;
    // Rounded through a whole-number text of four significant digits, as the transmitter's setup
    // has always done it.
    const long double count = static_cast<long double>(correction) * scale.divisor / span;
    bool ok = false;
    const int whole = formatFixed4(count, 0, u'.').toInt(&ok);
    if (!ok || whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(whole);
}

RangeFocus checkSendRange(const LimitPair& state, const InputLimits& sensor)
{
    const int lower = state.lower;
    const int upper = state.upper;
    const int m = sensor.sensorMin;
    const int M = sensor.sensorMax;
    // A zero-limit update leaves a reversed range with a positive span; it is checked as reversed
    // all the same, or a lower limit above the sensor maximum would pass.
    const bool reversed = state.span < 0 || lower > upper;
    const int span = saturated(std::llabs(qint64 { state.span }));
    if (!reversed) {
        if (lower >= m && upper <= M && span >= SendMinSpan)
            return RangeFocus::None;
        return (lower < m || span < SendMinSpan) && lower != m ? RangeFocus::Lower : RangeFocus::Upper;
    }
    if (span >= SendMinSpan && lower <= M && upper >= m)
        return RangeFocus::None;
    return (lower > M || span < SendMinSpan) && lower != M ? RangeFocus::Lower : RangeFocus::Upper;
}

LeaveEditOutcome leaveLimitEdit(const LimitPair& current, int lower, int upper, const InputLimits& sensor)
{
    LeaveEditOutcome outcome;
    const qint64 span = qint64 { upper } - lower;
    outcome.range
        = span < 0 ? LimitPair { upper, lower, saturated(-span) } : LimitPair { lower, upper, saturated(span) };
    const LimitPair& r = outcome.range;
    const bool accepted = r.lower >= sensor.sensorMin && r.upper <= sensor.sensorMax && r.span >= sensor.minSpan;
    if (!accepted)
        outcome.action = LeaveEditAction::BlankZeroLimits;
    else if (r.lower == current.lower && r.upper == current.upper)
        outcome.action = LeaveEditAction::Unchanged;
    else
        outcome.action = LeaveEditAction::RefreshZero;
    return outcome;
}

LeaveEditOutcome leaveLimitEdit(const LimitPair& current, const QString& lowerText, const QString& upperText,
    const InputLimits& sensor, QChar separator)
{
    const auto typed = parseLimitEdits(lowerText, upperText, separator);
    if (!typed)
        return { current, LeaveEditAction::BlankZeroLimits };
    return leaveLimitEdit(current, typed->lower, typed->upper, sensor);
}

std::optional<LimitPair> parseLimitEdits(const QString& lowerText, const QString& upperText, QChar separator)
{
    const auto lower = parseTruncated(lowerText, separator);
    const auto upper = parseTruncated(upperText, separator);
    if (!lower || !upper)
        return std::nullopt;
    return LimitPair { *lower, *upper, saturated(qint64 { *upper } - *lower) };
}

std::optional<float> parseLimitValue(const QString& text, QChar separator)
{
    const auto value = parseNumber(text, separator);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*value);
}

std::optional<long double> parseZeroCorrection(const QString& text, QChar separator)
{
    if (text.trimmed().isEmpty())
        return 0.0L;
    return parseNumber(text, separator);
}

}  // namespace korv::humamb
