#pragma once

#include "common/NumberFormat.h"
#include "core/families/humamb/HumAmbLimits.h"

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace korv::humamb {

// How an input's zero correction relates to its span: the correction may reach `percentOfSpan`
// per cent of the span either way, and the register holds correction x divisor / span.
struct ZeroScale {
    int percentOfSpan = 0;
    int divisor = 0;
};
inline constexpr ZeroScale HumidityZeroScale { 10, 10000 };  // register 14
inline constexpr ZeroScale HumTempZeroScale { 5, 10000 };  // register 15 of Orv-Hu
inline constexpr ZeroScale AmbientZeroScale { 5, 16000 };  // register 15 of OrvAmbient

// Result of a zero-limit update (`UpdateHumidityZeroLimits`, `UpdateTemperatureZeroLimits`,
// `UpdateAmbientZeroLimits`): the range taken from the limit edits without swapping
// (span = |upper - lower|), the two limit label texts and the stored correction re-expressed on
// that span.
struct ZeroLimits {
    LimitPair range;
    QString minText;
    QString maxText;
    QString zeroText;
};
ZeroLimits zeroLimits(ZeroScale scale, int lower, int upper, qint16 zeroRegister, QChar separator = decimalSeparator());
// No value when a limit edit holds no number.
std::optional<ZeroLimits> zeroLimitsFromEdits(ZeroScale scale, const QString& lowerText, const QString& upperText,
    qint16 zeroRegister, QChar separator = decimalSeparator());

// The correction a zero register stands for on `span`, two decimals. Values beyond +-1000 are
// not a correction the program ever writes and show as "0".
QString zeroCorrectionText(ZeroScale scale, int span, qint16 zeroRegister, QChar separator = decimalSeparator());

// Whether a typed correction lies within the limits as the labels show them.
bool zeroWithinLimits(long double correction, const ZeroLimits& limits, QChar separator = decimalSeparator());

// The zero register for a correction on `span`, rounded to a whole count. No value when the
// correction cannot be expressed: a non-zero correction on a zero span, or a count beyond 16 bits.
std::optional<qint16> encodeZero(ZeroScale scale, long double correction, int span);

// Send check of a range state, with the constant minimal span 5 in either unit. A state that is
// still reversed (lower above upper) is checked in its reversed form. Names the edit to focus.
enum class RangeFocus { None, Lower, Upper };
RangeFocus checkSendRange(const LimitPair& state, const InputLimits& sensor);

// Leaving a limit edit (`AtualizaZeroRH`, `AtualizaZeroTemp`, `EdtTempLowLimitExit`). The state
// takes the typed limits in ascending order; an accepted range (within the sensor, span at least
// the unit's minSpan) that differs from the state's previous limits needs a zero-limit update and
// a fresh zero edit; a refused one blanks the zero-limit labels without a message.
enum class LeaveEditAction { Unchanged, RefreshZero, BlankZeroLimits };
struct LeaveEditOutcome {
    LimitPair range;
    LeaveEditAction action = LeaveEditAction::Unchanged;
};
LeaveEditOutcome leaveLimitEdit(const LimitPair& current, int lower, int upper, const InputLimits& sensor);
// An edit without a number is refused like an out-of-range limit, and the state stays as it was.
LeaveEditOutcome leaveLimitEdit(const LimitPair& current, const QString& lowerText, const QString& upperText,
    const InputLimits& sensor, QChar separator = decimalSeparator());

// Edit texts as numbers; no value for a text that is not a number (a lone "-", for instance), so
// that the page can refuse with message 0 (limits) or 1 (zero correction) and focus the edit.
// Limits are truncated toward zero, span = upper - lower.
std::optional<LimitPair> parseLimitEdits(
    const QString& lowerText, const QString& upperText, QChar separator = decimalSeparator());
// A limit in single precision, as the range encodings take it.
std::optional<float> parseLimitValue(const QString& text, QChar separator = decimalSeparator());
// An empty zero edit means no correction.
std::optional<long double> parseZeroCorrection(const QString& text, QChar separator = decimalSeparator());

}  // namespace korv::humamb
