#include "calibration/CalibrationSpinBox.h"

#include <QLineEdit>

#include <algorithm>
#include <optional>

namespace korv {

namespace {

// A whole number as typed: optional blanks, an optional sign and decimal digits. Values beyond
// the int range saturate, so they are clamped like any other out-of-range number.
std::optional<qint64> wholeNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == u'-' || trimmed[i] == u'+')) {
        negative = trimmed[i] == u'-';
        ++i;
    }
    if (i == trimmed.size())
        return std::nullopt;
    qint64 magnitude = 0;
    for (; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = std::min<qint64>(magnitude * 10 + (c.unicode() - u'0'), qint64 { 1 } << 40);
    }
    return negative ? -magnitude : magnitude;
}

// What may stand in the field while the user is still typing.
bool isPartialNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String("-") || trimmed == QLatin1String("+"))
        return true;
    return wholeNumber(trimmed).has_value();
}

}  // namespace

CalibrationSpinBox::CalibrationSpinBox(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent)
    , minimum_(minimum)
    , maximum_(maximum)
{
    setAccelerated(false);
    setWrapping(false);
    setValue(std::clamp(0, minimum_, maximum_));
}

int CalibrationSpinBox::corrected(const QString& text) const
{
    const auto number = wholeNumber(text);
    if (!number)
        return minimum_;
    return static_cast<int>(std::clamp<qint64>(*number, minimum_, maximum_));
}

int CalibrationSpinBox::value()
{
    const int result = corrected(text());
    const QString normal = QString::number(result);
    if (lineEdit()->text() != normal)
        lineEdit()->setText(normal);
    return result;
}

void CalibrationSpinBox::setValue(int value)
{
    lineEdit()->setText(QString::number(std::clamp(value, minimum_, maximum_)));
}

void CalibrationSpinBox::stepBy(int steps)
{
    const qint64 next = static_cast<qint64>(value()) + steps;
    setValue(static_cast<int>(std::clamp<qint64>(next, minimum_, maximum_)));
    selectAll();
}

QValidator::State CalibrationSpinBox::validate(QString& input, int& /*pos*/) const
{
    if (!isPartialNumber(input))
        return QValidator::Invalid;
    const auto number = wholeNumber(input);
    if (number && *number >= minimum_ && *number <= maximum_)
        return QValidator::Acceptable;
    return QValidator::Intermediate;
}

void CalibrationSpinBox::fixup(QString& input) const
{
    input = QString::number(corrected(input));
}

QAbstractSpinBox::StepEnabled CalibrationSpinBox::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    const int current = corrected(text());
    StepEnabled enabled = StepNone;
    if (current < maximum_)
        enabled |= StepUpEnabled;
    if (current > minimum_)
        enabled |= StepDownEnabled;
    return enabled;
}

void CalibrationSpinBox::focusOutEvent(QFocusEvent* event)
{
    value();
    QAbstractSpinBox::focusOutEvent(event);
}

}  // namespace korv
