#include "humidity_ambient/HumAmbPageSupport.h"

#include "common/Timing.h"
#include "core/link/SerialLink.h"
#include "humidity_ambient/HumAmbPages.h"
#include "widgets/PageHost.h"
#include "widgets/TypedInput.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

#include <cstdlib>

namespace korv::humamb {

namespace {
constexpr int ProgressMaximum = 10;
constexpr int LastStepPauseMs = 10;

}  // namespace

InputLimits sensorLimits(const InputRangeState& state)
{
    return { state.sensorMin, state.sensorMax, state.minSpan };
}

void setSensorLimits(InputRangeState& state, const InputLimits& limits)
{
    state.sensorMin = limits.sensorMin;
    state.sensorMax = limits.sensorMax;
    state.minSpan = limits.minSpan;
}

LimitPair limitPair(const InputRangeState& state)
{
    return { state.lower, state.upper, state.span };
}

void setLimitPair(InputRangeState& state, const LimitPair& range)
{
    state.lower = range.lower;
    state.upper = range.upper;
    state.span = range.span;
}

QString updateZeroLimits(const InputControls& input)
{
    InputRangeState& state = *input.state;
    const auto limits
        = zeroLimitsFromEdits(input.scale, input.lowerEdit->text(), input.upperEdit->text(), state.zeroRegister);
    if (!limits) {
        state.zeroMinText.clear();
        state.zeroMaxText.clear();
        input.zeroMinLabel->clear();
        input.zeroMaxLabel->clear();
        return zeroCorrectionText(input.scale, std::abs(state.span), state.zeroRegister);
    }
    setLimitPair(state, limits->range);
    state.zeroMinText = limits->minText;
    state.zeroMaxText = limits->maxText;
    input.zeroMinLabel->setText(limits->minText);
    input.zeroMaxLabel->setText(limits->maxText);
    return limits->zeroText;
}

LeaveEditAction leaveLimitEdit(const InputControls& input)
{
    InputRangeState& state = *input.state;
    const LeaveEditOutcome outcome = humamb::leaveLimitEdit(
        limitPair(state), input.lowerEdit->text(), input.upperEdit->text(), sensorLimits(state));
    setLimitPair(state, outcome.range);
    if (outcome.action == LeaveEditAction::BlankZeroLimits) {
        // No message here: the send check names the faulty limit.
        input.zeroMinLabel->clear();
        input.zeroMaxLabel->clear();
    }
    return outcome.action;
}

InputForm inputForm(const InputControls& input)
{
    return { input.lowerEdit->text(), input.upperEdit->text(), input.zeroEdit->text() };
}

QLineEdit* fieldEdit(const InputControls& input, FormField field)
{
    switch (field) {
    case FormField::LowerLimit:
        return input.lowerEdit;
    case FormField::UpperLimit:
        return input.upperEdit;
    case FormField::ZeroCorrection:
        break;
    }
    return input.zeroEdit;
}

bool checkInputForSend(PageHost& host, const InputControls& input, const std::function<void()>& advance,
    const std::function<void()>& updateInputZeroLimits)
{
    InputRangeState& state = *input.state;
    const auto refuse = [&host, &input](const Refusal& refusal) {
        host.ShowWarning(host.messages()[refusal.message]);
        fieldEdit(input, refusal.field)->setFocus();
        return false;
    };
    if (const auto refusal = checkInputRange(limitPair(state), sensorLimits(state), inputForm(input)))
        return refuse(*refusal);
    advance();

    if (input.zeroEdit->text().isEmpty())
        input.zeroEdit->setText(QStringLiteral("0"));
    state.zeroText = input.zeroEdit->text();
    if (const auto refusal = checkZeroIsNumber(inputForm(input)))
        return refuse(*refusal);
    updateInputZeroLimits();
    if (const auto refusal = checkZeroWithinLimits(input.scale, inputForm(input)))
        return refuse(*refusal);
    return true;
}

void showDecodedRange(const std::optional<DecodedRange>& range, const InputControls& input, bool clampUpper)
{
    if (const auto texts = decodedLimitTexts(range, sensorLimits(*input.state), clampUpper)) {
        input.upperEdit->setText(texts->upper);
        input.lowerEdit->setText(texts->lower);
    }
}

void checkOneOf(QRadioButton* on, QRadioButton* off)
{
    on->setChecked(true);
    off->setChecked(false);
}

bool isUserFocusMove(const QEvent* event)
{
    return korv::isUserFocusMove(static_cast<const QFocusEvent*>(event)->reason());
}

bool filterLimitKeyPress(QLineEdit* edit, QKeyEvent* event)
{
    return typeFiltered(edit, event, [](QChar key) { return filterLimitKey(key, true); });
}

bool filterZeroKeyPress(QLineEdit* edit, QKeyEvent* event, ZeroKeyState& keys)
{
    return typeFiltered(
        edit, event, [&keys](QChar key) { return filterZeroCorrectionKey(keys, key, decimalSeparator()); });
}

TransferProgress::TransferProgress(PageHost& host, QProgressBar* bar, QLineEdit* status)
    : host_(host)
    , bar_(bar)
    , status_(status)
{
}

void TransferProgress::start()
{
    bar_->setRange(0, ProgressMaximum);
    bar_->setValue(0);
    bar_->show();
}

void TransferProgress::advance(const QString& caption)
{
    bar_->setValue(bar_->value() + 1);
    status_->setText(caption);
    host_.repaintNow();
}

void TransferProgress::complete(const QString& caption)
{
    bar_->setValue(bar_->maximum());
    status_->setText(caption);
    BusyWait(LastStepPauseMs);
    host_.repaintNow();
}

void TransferProgress::hide()
{
    bar_->hide();
}

void TransferProgress::failRead(const QString& message)
{
    bar_->setValue(bar_->maximum());
    status_->clear();
    host_.ShowWarning(message);
    bar_->hide();
}

void TransferProgress::failSend(const QString& message)
{
    bar_->setValue(bar_->maximum());
    status_->clear();
    bar_->hide();
    host_.ShowWarning(message);
}

void TransferProgress::succeed(const QString& text)
{
    bar_->hide();
    status_->setText(text);
    host_.StartStatusTimer(StatusSeconds);
}

bool contactForSend(PageHost& host, TransferProgress& progress)
{
    const MessageTable& messages = host.messages();
    switch (host.contactTransmitter(HumAmbSendContact)) {
    case ContactOutcome::Made:
        progress.advance(messages[Msg::SendingConfiguration]);
        return true;
    case ContactOutcome::PortUnavailable:
        progress.failSend(messages[Msg::PortSetupError]);
        return false;
    case ContactOutcome::NoAnswer:
        break;
    }
    host.session().link().Close();
    progress.failSend(messages[Msg::WriteError]);
    return false;
}

std::optional<std::size_t> runSteps(
    TransmitterSession& session, TransferProgress& progress, const TransferSteps& steps, const QString& caption)
{
    return session.run(steps, [&](std::size_t index) {
        if (index + 1 < steps.size())
            progress.advance(caption);
        else
            progress.complete(caption);
    });
}

}  // namespace korv::humamb
