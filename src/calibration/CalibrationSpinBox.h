#pragma once

#include <QAbstractSpinBox>
#include <QString>
#include <QValidator>

class QFocusEvent;

namespace korv {

// An integer field with up/down buttons whose value is whatever its text says when it is read:
// a text that is not a whole number reads as the minimum (and the text becomes the minimum), a
// number outside the range as the nearer bound. Leaving the field applies the same rule to the
// text, so a typed 25000 turns into the maximum as soon as the focus moves on.
class CalibrationSpinBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    CalibrationSpinBox(int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    // Reads the text, correcting it first when it is no whole number or out of range.
    int value();
    void setValue(int value);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int corrected(const QString& text) const;

    int minimum_;
    int maximum_;
};

}  // namespace korv
