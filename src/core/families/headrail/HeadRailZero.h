#pragma once

#include "core/families/headrail/HeadRailSensors.h"

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <optional>

// The zero correction (register 15): a signed count Z on a scale where `counts` counts stand for
// the fraction `fraction` of the user's span.
namespace korv::headrail {

struct ZeroScale {
    long double fraction = 0;  // f
    int counts = 0;  // N
    int inverseFraction = 0;  // 1 / f, the factor the count is written with
    int largestShown = 0;  // a register of larger magnitude is shown as "0"
};

// No value for Group Other.
std::optional<ZeroScale> zeroScale(Group group, int firmware);

// Old non-isolated firmware keeps the sign of a falling span; every other transmitter works on
// its magnitude.
int zeroSpan(Group group, int firmware, int lower, int upper);

// What the zero-correction part of the page shows for the whole-number limits `lower` and
// `upper` (truncated from the two edits) and the count last read or written.
struct ZeroTexts {
    int lower = 0;
    int upper = 0;
    int span = 0;  // as zeroSpan
    QString minText;  // lower bound, 1 decimal (2 when below 1 in magnitude)
    QString maxText;  // upper bound, same decimals
    QString zeroText;  // the correction for zeroCount, 2 decimals, or "0"
};

// No value for Group Other: the page's texts keep what they show.
std::optional<ZeroTexts> zeroTexts(Group group, int firmware, int lower, int upper, qint16 zeroCount, QChar separator);

// The count written for `correction` on `span` (as left by zeroTexts), rounded as the program
// shows numbers: four significant digits, no decimals. No value for Group Other or when no count
// can express the correction (an empty span with a non-zero correction, or a count beyond 16 bits).
std::optional<qint16> encodeZero(Group group, int firmware, float correction, int span);

// The zero-correction edit as a number. An empty edit means no correction (0). A lone "-" or
// separator is no number: the page refuses to send it as a correction outside the bounds.
std::optional<float> parseZeroCorrection(const QString& text, QChar separator);

// The bounds check before sending, made on the bound texts as shown (both ends allowed). The
// comparison is in single precision, the precision of the correction, so that a correction typed
// exactly as a bound text is accepted. Bounds that are not numbers accept nothing.
bool zeroWithinBounds(float correction, const QString& minText, const QString& maxText, QChar separator);

}  // namespace korv::headrail
