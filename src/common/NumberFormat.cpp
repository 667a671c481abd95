#include "common/NumberFormat.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace korv {

namespace {

constexpr int SignificantDigits = 18;

// Decimal digits of |value| with the position of the decimal point, rounded half away from zero
// at `decimals` places after the point and at `maxSignificant` significant digits (0: no limit).
struct DecimalDigits {
    std::string digits;  // no leading zeros; empty for zero
    int pointPosition = 0;  // digits before the decimal point (may be <= 0)
};

DecimalDigits roundedDigits(long double value, int decimals, int maxSignificant)
{
    DecimalDigits result;
    if (!std::isfinite(value) || value == 0.0L)
        return result;
    // The value is first taken to 18 significant decimal digits, as the runtime the transmitters'
    // setup was written against did, and the half-way decision is then made on that decimal
    // number. A decimal half that binary cannot hold (1.05, 13.95, 4.995) therefore rounds away
    // from zero instead of falling whichever way its binary error points.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", SignificantDigits - 1, std::fabs(value));
    const std::string text(buffer);
    const auto ePos = text.find('e');
    std::string mantissa = text.substr(0, ePos);
    mantissa.erase(1, 1);  // drop the '.'
    const int exponent = std::stoi(text.substr(ePos + 1));
    int keep = exponent + 1 + decimals;  // digits that survive the decimal cut
    if (maxSignificant > 0 && keep > maxSignificant)
        keep = maxSignificant;
    result.pointPosition = exponent + 1;
    if (keep < 0)
        return {};
    std::string kept = mantissa.substr(0, static_cast<size_t>(keep));
    const bool roundUp = static_cast<size_t>(keep) < mantissa.size() && mantissa[static_cast<size_t>(keep)] >= '5';
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') {
            kept[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++kept[static_cast<size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
            ++result.pointPosition;
        }
    }
    const auto firstNonZero = kept.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return {};
    result.digits = kept;
    return result;
}

QString render(long double value, int decimals, int maxSignificant, QChar separator)
{
    if (decimals < 0)
        decimals = 0;
    const DecimalDigits d = roundedDigits(value, decimals, maxSignificant);
    QString integerPart;
    QString fraction;
    if (d.digits.empty()) {
        integerPart = QStringLiteral("0");
    } else {
        const int point = d.pointPosition;
        for (int i = 0; i < point; ++i)
            integerPart += i < static_cast<int>(d.digits.size()) ? QChar::fromLatin1(d.digits[static_cast<size_t>(i)])
                                                                 : QChar(u'0');
        if (integerPart.isEmpty())
            integerPart = QStringLiteral("0");
        for (int i = point; i < point + decimals; ++i)
            fraction += (i >= 0 && i < static_cast<int>(d.digits.size()))
                ? QChar::fromLatin1(d.digits[static_cast<size_t>(i)])
                : QChar(u'0');
    }
    while (fraction.size() < decimals)
        fraction += u'0';
    QString out;
    if (!d.digits.empty() && value < 0)
        out += u'-';
    out += integerPart;
    if (decimals > 0) {
        out += separator;
        out += fraction;
    }
    return out;
}

}  // namespace

QChar decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

QString formatFixed4(long double value, int decimals, QChar separator)
{
    return render(value, decimals, 4, separator);
}

QString formatFixed4(long double value, int decimals)
{
    return formatFixed4(value, decimals, decimalSeparator());
}

QString formatDecimals(long double value, int decimals, QChar separator)
{
    return render(value, decimals, 0, separator);
}

QString formatDecimals(long double value, int decimals)
{
    return formatDecimals(value, decimals, decimalSeparator());
}

std::optional<long double> parseNumber(const QString& text, QChar separator)
{
    const QString t = text.trimmed();
    std::string canonical;
    bool digitSeen = false;
    bool separatorSeen = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (i == 0 && c == u'-') {
            canonical += '-';
        } else if (i == 0 && c == u'+') {
            // from_chars takes no plus sign; the number is the same without it
        } else if (c >= u'0' && c <= u'9') {
            canonical += static_cast<char>(c.unicode());
            digitSeen = true;
        } else if (c == separator && !separatorSeen) {
            canonical += '.';
            separatorSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    // Extended precision, locale-free: the user's text is the decimal the rules work on, so a
    // typed 0,015 must not arrive as the double just below it.
    long double value = 0;
    const char* end = canonical.data() + canonical.size();
    const auto [stop, error] = std::from_chars(canonical.data(), end, value);
    if (error != std::errc {} || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long double> parseNumber(const QString& text)
{
    return parseNumber(text, decimalSeparator());
}

std::optional<int> parseTruncated(const QString& text, QChar separator)
{
    const auto value = parseNumber(text, separator);
    if (!value)
        return std::nullopt;
    const long double truncated = std::trunc(*value);
    if (truncated < std::numeric_limits<int>::min() || truncated > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(truncated);
}

std::optional<int> parseTruncated(const QString& text)
{
    return parseTruncated(text, decimalSeparator());
}

}  // namespace korv
