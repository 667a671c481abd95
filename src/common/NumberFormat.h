#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace korv {

// The user's decimal separator, taken from the default QLocale (the regional settings unless a
// caller has set another default).
QChar decimalSeparator();

// Fixed-point text of value rounded to at most four significant digits and to `decimals`
// decimals, whichever cuts first, then padded with zeros to exactly `decimals` decimals:
// 2.5390625 with 2 decimals is "2,54", 123.456 with 2 decimals is "123,50", 25.6 with none is
// "26". Halves round away from zero on the value's decimal expansion, as technicians expect from
// a calculator; a result that rounds to zero carries no minus sign.
QString formatFixed4(long double value, int decimals, QChar separator);
QString formatFixed4(long double value, int decimals);

// Fixed-point text with exactly `decimals` decimals and no limit on significant digits
// (the "0.0" picture of the calibration window), rounding as above.
QString formatDecimals(long double value, int decimals, QChar separator);
QString formatDecimals(long double value, int decimals);

// A number as the user types it: optional blanks around it, an optional sign, digits with at most
// one decimal separator (the given one only), at least one digit. Anything else is no number.
// The value is in extended precision, the precision of every computation made from it.
std::optional<long double> parseNumber(const QString& text, QChar separator);
std::optional<long double> parseNumber(const QString& text);

// parseNumber truncated toward zero; no value for a text that is not a number or does not fit.
std::optional<int> parseTruncated(const QString& text, QChar separator);
std::optional<int> parseTruncated(const QString& text);

}  // namespace korv
