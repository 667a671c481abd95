#include "headrail/HeadRailPage.h"

#include "common/NumberFormat.h"
#include "core/families/headrail/HeadRailSensors.h"
#include "core/families/headrail/HeadRailZero.h"
#include "headrail/RadioGroup.h"
#include "widgets/FreshEntry.h"
#include "widgets/TypedInput.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <utility>

namespace korv {

using headrail::Group;

namespace {

// A limit edit that does not hold a whole number keeps the value it had.
int limitIn(const QLineEdit* edit, int previous)
{
    return parseTruncated(edit->text()).value_or(previous);
}

}  // namespace

HeadRailPage::HeadRailPage(PageHost& host, const HeadRailWidgets& widgets, QObject* parent)
    : QObject(parent)
    , host_(host)
    , w_(widgets)
{
    // The list reports the program's selections as well as the user's; one handler keeps the
    // sensor's range, limits and bounds in step with either.
    connect(w_.SensorRadioGroup, &RadioGroup::clicked, this, [this] { SensorRadioGroupClick(); });
    for (QLineEdit* edit : { w_.EdtLimitMinSensor, w_.EdtLimitMaxSensor, w_.EdtCorrigeZero })
        edit->installEventFilter(this);
    // Models outside the family type their limits freely; only text the rules check is guarded.
    refuseUntypedText(w_.EdtCorrigeZero);
    for (QLineEdit* edit : { w_.EdtLimitMinSensor, w_.EdtLimitMaxSensor })
        refuseUntypedText(edit, [this] { return limitKeysApply(); });
}

Model HeadRailPage::model() const
{
    return host_.session().identification().TransmitterModel;
}

int HeadRailPage::firmware() const
{
    return host_.session().identification().FirmwareVersion;
}

bool HeadRailPage::noThermocoupleB() const
{
    return host_.session().identification().NoThermocoupleB;
}

bool HeadRailPage::fahrenheit() const
{
    return host_.fahrenheit();
}

int HeadRailPage::selectedPosition() const
{
    return w_.SensorRadioGroup->itemIndex();
}

std::optional<int> HeadRailPage::selectedCode() const
{
    return headrail::codeForPosition(model(), firmware(), noThermocoupleB(), selectedPosition());
}

void HeadRailPage::showSensorLimits()
{
    w_.Faixa_Minima->setText(QString::number(SensorMin));
    w_.Faixa_Maxima->setText(QString::number(SensorMax));
    w_.Span_Minimo->setText(QString::number(MinSpan));
}

void HeadRailPage::setUnitLabels(const QString& unit)
{
    for (QLabel* label : w_.unitLabels())
        label->setText(unit);
}

// ---- Editing -------------------------------------------------------------------------------

void HeadRailPage::SensorRadioGroupClick()
{
    // The list also reports the step to "nothing selected" that precedes every programmatic
    // selection, and a read code the list does not offer ends there: the previous sensor's range,
    // limits and bounds stay as they are.
    if (!selectedCode())
        return;
    ApplySensorSelection();
    w_.EdtLimitMinSensor->setText(QString::number(SensorMin));
    w_.EdtLimitMaxSensor->setText(QString::number(SensorMax));
    UpdateZeroLimits();
    w_.EdtCorrigeZero->setText(ZeroText);
}

void HeadRailPage::ApplySensorSelection()
{
    const auto code = selectedCode();
    if (!code)
        return;
    SensorCode = *code;
    LoadSensorRange();
    ShowSensorRange();
}

void HeadRailPage::LoadSensorRange()
{
    const auto limits = headrail::loadSensorRange(model(), firmware(), SensorCode);
    if (!limits)
        return;
    SensorMin = limits->min;
    SensorMax = limits->max;
    MinSpan = limits->minSpan;
}

void HeadRailPage::ShowSensorRange()
{
    // In °F the temperature sensors are shown by ShowSensorUnits after their conversion; the
    // electrical inputs have no °F form and are shown here, or the previous sensor's °F range
    // would stay on screen.
    if (!fahrenheit() || !headrail::isTemperatureCode(selectedPosition()))
        showSensorLimits();
    ShowSensorUnits();
}

void HeadRailPage::ShowSensorUnits()
{
    const int position = selectedPosition();
    const QString unit = headrail::unitTextForPosition(position, fahrenheit());
    if (unit.isEmpty())
        return;
    if (fahrenheit() && headrail::isTemperatureCode(position)) {
        // Converts the °C values held now; the caller guarantees they have just been loaded.
        const auto converted = headrail::toFahrenheit({ SensorMin, SensorMax, MinSpan });
        SensorMin = converted.min;
        SensorMax = converted.max;
        MinSpan = converted.minSpan;
        showSensorLimits();
        LowerLimit = limitIn(w_.EdtLimitMinSensor, LowerLimit);
        UpperLimit = limitIn(w_.EdtLimitMaxSensor, UpperLimit);
        Span = UpperLimit - LowerLimit;
        w_.EdtLimitMinSensor->setText(QString::number(LowerLimit));
        w_.EdtLimitMaxSensor->setText(QString::number(UpperLimit));
    }
    setUnitLabels(unit);
}

void HeadRailPage::showInitialState()
{
    w_.Freq_60->setChecked(true);
    w_.Forca_SaidaMin->setChecked(true);
    ShowDefaultSensor();
    UpdateZeroLimits();
    w_.EdtCorrigeZero->setText(ZeroText);
}

void HeadRailPage::ShowDefaultSensor()
{
    SensorMin = 0;
    SensorMax = 50;
    w_.Faixa_Minima->setText(QStringLiteral("0"));
    w_.Faixa_Maxima->setText(QStringLiteral("50"));
    w_.EdtLimitMinSensor->setText(QStringLiteral("0"));
    w_.EdtLimitMaxSensor->setText(QStringLiteral("50"));
    SensorCode = headrail::SensorCode::MilliVolt50;
    LoadSensorRange();
    w_.Span_Minimo->setText(QString::number(MinSpan));
    setUnitLabels(QStringLiteral("mV"));
}

void HeadRailPage::UpdateZeroLimits()
{
    LowerLimit = limitIn(w_.EdtLimitMinSensor, LowerLimit);
    UpperLimit = limitIn(w_.EdtLimitMaxSensor, UpperLimit);
    Span = UpperLimit - LowerLimit;
    const Group group = headrail::groupOf(model());
    if (const auto texts
        = headrail::zeroTexts(group, firmware(), LowerLimit, UpperLimit, ZeroCount, decimalSeparator())) {
        Span = texts->span;
        ZeroMinText = texts->minText;
        ZeroMaxText = texts->maxText;
        ZeroText = texts->zeroText;
    }
    w_.LblZeroMin->setText(ZeroMinText);
    w_.LblZeroMax->setText(ZeroMaxText);
}

// A limit edit left empty, holding only "-" or anything else that is no number gets the sensor's
// own limit back.
bool HeadRailPage::restoreEmptyLimit(QLineEdit* edit, const QLineEdit* sensorLimit)
{
    if (parseTruncated(edit->text()))
        return false;
    host_.ShowWarning(host_.messages()[Msg::RangeNotTyped]);
    edit->setText(sensorLimit->text());
    edit->setFocus();
    return true;
}

void HeadRailPage::AtualizaZero()
{
    if (leavingLimitEdit_)
        return;
    const QScopedValueRollback guard(leavingLimitEdit_, true);

    if (restoreEmptyLimit(w_.EdtLimitMinSensor, w_.Faixa_Minima)
        || restoreEmptyLimit(w_.EdtLimitMaxSensor, w_.Faixa_Maxima))
        return;

    const int previousLower = LowerLimit;
    const int previousUpper = UpperLimit;
    LowerLimit = limitIn(w_.EdtLimitMinSensor, LowerLimit);
    UpperLimit = limitIn(w_.EdtLimitMaxSensor, UpperLimit);
    Span = UpperLimit - LowerLimit;
    if (Span < 0) {
        std::swap(LowerLimit, UpperLimit);
        Span = -Span;
    }
    if (LowerLimit >= SensorMin && UpperLimit <= SensorMax && Span >= MinSpan) {
        if (LowerLimit == previousLower && UpperLimit == previousUpper)
            return;
        UpdateZeroLimits();
        w_.EdtCorrigeZero->setText(ZeroText);
        return;
    }
    // Outside the sensor: no bounds to offer; sending will refuse the range.
    w_.LblZeroMin->setText(QString());
    w_.LblZeroMax->setText(QString());
}

void HeadRailPage::EdtCorrigeZeroEnter()
{
    startFreshEntry(w_.EdtCorrigeZero);
    zeroKeys = {};
}

bool HeadRailPage::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const bool limitEdit = edit && (edit == w_.EdtLimitMinSensor || edit == w_.EdtLimitMaxSensor);
    const bool zeroEdit = edit && edit == w_.EdtCorrigeZero;
    if (!limitEdit && !zeroEdit)
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(edit, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const bool entering = event->type() == QEvent::FocusIn;
        if (!isUserFocusMove(static_cast<QFocusEvent*>(event)->reason()))
            break;
        // The zero edit has no exit handler; left untyped, it shows its correction again before
        // anything the focus move starts (a click on Enviar) reads it.
        if (zeroEdit && !entering)
            endFreshEntry(edit);
        if (entering != zeroEdit)
            break;
        // The edit settles its own focus state first, so that a handler moving the focus back
        // into it leaves it with a visible cursor.
        static_cast<QObject*>(edit)->event(event);
        if (entering)
            EdtCorrigeZeroEnter();
        else
            AtualizaZero();
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool HeadRailPage::keyPress(QLineEdit* edit, QKeyEvent* event)
{
    if (edit == w_.EdtCorrigeZero) {
        return typeFiltered(
            edit, event, [this](QChar key) { return filterZeroCorrectionKey(zeroKeys, key, decimalSeparator()); });
    }
    const auto keys = headrail::limitKeysFor(model(), selectedPosition(), noThermocoupleB());
    if (keys == headrail::LimitKeys::Any)
        return false;
    const bool minusAllowed = keys == headrail::LimitKeys::DigitsAndMinus;
    return typeFiltered(edit, event, [minusAllowed](QChar key) { return filterLimitKey(key, minusAllowed); });
}

bool HeadRailPage::limitKeysApply() const
{
    return headrail::limitKeysFor(model(), selectedPosition(), noThermocoupleB()) != headrail::LimitKeys::Any;
}

// ---- Temperature unit ----------------------------------------------------------------------

void HeadRailPage::unitChanged()
{
    if (fahrenheit())
        unitChangedToFahrenheit();
    else
        unitChangedToCelsius();
}

void HeadRailPage::unitChangedToCelsius()
{
    if (selectedPosition() <= 0 || w_.Faixa_Minima->text().isEmpty())
        return;
    ApplySensorSelection();
}

void HeadRailPage::unitChangedToFahrenheit()
{
    if (selectedPosition() <= 0 || w_.Faixa_Minima->text().isEmpty())
        return;
    ShowSensorUnits();
    UpdateZeroLimits();
    w_.EdtCorrigeZero->setText(ZeroText);
}

}  // namespace korv
