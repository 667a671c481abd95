// The register steps of the head/rail page: reading the configuration into the form and sending
// the form's configuration back.
#include "temperature/HeadRailPage.h"

#include "link/Contact.h"

#include "common/NumberFormat.h"
#include "common/Timing.h"
#include "link/FormServices.h"
#include "link/Identification.h"
#include "link/SerialLink.h"
#include "temperature/HeadRailConfigWord.h"
#include "temperature/HeadRailRange.h"
#include "temperature/HeadRailSensors.h"
#include "temperature/HeadRailZero.h"
#include "temperature/RadioGroup.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace korv {

using headrail::Group;

namespace {

constexpr int SendOkSeconds = 5;

}  // namespace

// ---- Reading -------------------------------------------------------------------------------

Status HeadRailPage::ReadConfigWord()
{
    qint16 word = 0;
    const Status status = form_.registers().ReadParameter(headrail::Register::ConfigWord, word);
    if (status != Status::Ok)
        return status;
    SharedTransmitterState& shared = form_.shared();
    shared.ConfigWord = word;
    const auto fields = headrail::splitConfigWord(static_cast<quint16>(word));
    shared.TransmitterSensorCode = fields.code;
    w_.Config_Transmissor->appendPlainText(outputTypeLine(static_cast<quint16>(word), true, form_.messages()));
    if (shared.SendInProgress)
        return Status::Ok;

    w_.Forca_SaidaMax->setChecked(fields.failureToMax);
    w_.Forca_SaidaMin->setChecked(!fields.failureToMax);
    w_.Freq_50->setChecked(fields.filter50Hz);
    w_.Freq_60->setChecked(!fields.filter50Hz);

    // Clearing first makes the list report the selection even when the sensor is unchanged, so
    // that the page is refreshed on every read.
    w_.SensorRadioGroup->setItemIndex(-1);
    const auto position
        = headrail::positionForCode(model(), firmware(), form_.identification().NoThermocoupleB, fields.code);
    if (position)
        w_.SensorRadioGroup->setItemIndex(*position);
    return Status::Ok;
}

Status HeadRailPage::ReadRange()
{
    RegisterAccess& registers = form_.registers();
    qint16 offsetA = 0;
    qint16 gainB = 0;
    Status status = registers.ReadParameter(headrail::Register::RangeOffset, offsetA);
    if (status != Status::Ok)
        return status;
    status = registers.ReadParameter(headrail::Register::RangeGain, gainB);
    if (status != Status::Ok)
        return status;
    // A gain of 0 or a model without a count scale describes no range: the edits keep theirs.
    const auto range
        = headrail::decodeRange(headrail::groupOf(model()), firmware(), SensorMin, SensorMax, offsetA, gainB);
    if (range) {
        w_.EdtLimitMaxSensor->setText(headrail::rangeLimitText(range->upper));
        w_.EdtLimitMinSensor->setText(headrail::rangeLimitText(range->lower));
    }
    return Status::Ok;
}

Status HeadRailPage::ReadZero()
{
    qint16 count = 0;
    const Status status = form_.registers().ReadParameter(headrail::Register::ZeroCorrection, count);
    if (status != Status::Ok)
        return status;
    ZeroCount = count;
    UpdateZeroLimits();
    w_.EdtCorrigeZero->setText(ZeroText);
    return Status::Ok;
}

// ---- Sending -------------------------------------------------------------------------------

void HeadRailPage::refuse(int message, QWidget* focus)
{
    form_.ShowWarning(form_.messages()[message]);
    focus->setFocus();
}

// The form's checks before anything is written; false after the refusal has been shown.
bool HeadRailPage::checkBeforeSending()
{
    // With no sensor selected there is no code to write and no sensor range to check against.
    if (!selectedCode()) {
        refuse(Msg::LimitsIncorrect, w_.SensorRadioGroup);
        return false;
    }
    ApplySensorSelection();

    for (QLineEdit* edit : { w_.EdtLimitMinSensor, w_.EdtLimitMaxSensor }) {
        if (!parseTruncated(edit->text())) {
            refuse(Msg::LimitsIncorrect, edit);
            return false;
        }
    }
    LowerLimit = *parseTruncated(w_.EdtLimitMinSensor->text());
    UpperLimit = *parseTruncated(w_.EdtLimitMaxSensor->text());
    Span = UpperLimit - LowerLimit;
    switch (headrail::checkRange(model(), firmware(), LowerLimit, UpperLimit, { SensorMin, SensorMax, MinSpan })) {
    case headrail::RangeFocus::Lower:
        refuse(Msg::LimitsIncorrect, w_.EdtLimitMinSensor);
        return false;
    case headrail::RangeFocus::Upper:
        refuse(Msg::LimitsIncorrect, w_.EdtLimitMaxSensor);
        return false;
    case headrail::RangeFocus::None:
        break;
    }

    if (w_.EdtCorrigeZero->text().isEmpty())
        w_.EdtCorrigeZero->setText(QStringLiteral("0"));
    const QChar separator = decimalSeparator();
    const auto correction = headrail::parseZeroCorrection(w_.EdtCorrigeZero->text(), separator);
    UpdateZeroLimits();
    if (headrail::groupOf(model()) == Group::Other)
        return true;
    // A lone "-" or separator is no correction at all; it is refused like one outside the bounds.
    if (!correction || !headrail::zeroWithinBounds(*correction, ZeroMinText, ZeroMaxText, separator)) {
        refuse(Msg::ZeroOutOfBounds, w_.EdtCorrigeZero);
        return false;
    }
    return true;
}

void HeadRailPage::SendConfiguration()
{
    const MessageTable& messages = form_.messages();
    SerialLink& link = form_.link();
    const ContactOutcome contact = contactTransmitter(form_, HeadRailSendContact);
    if (contact == ContactOutcome::PortUnavailable)
        return;
    if (contact == ContactOutcome::NoAnswer) {
        link.Close();
        form_.ShowWarning(messages[Msg::CommunicationError]);
        return;
    }
    if (retryStep(StepAttempts, [this] { return form_.IdentifyTransmitter(); }) != Status::Ok) {
        form_.ShowWarning(messages[Msg::CommunicationError]);
        return;
    }
    if (!checkBeforeSending())
        return;

    // Re-reading register 1 keeps the transmitter's own bits; the form's selections stay as typed.
    form_.shared().SendInProgress = true;
    if (retryStep(StepAttempts, [this] { return form_.ReadConfigWord(); }) != Status::Ok) {
        form_.ShowWarning(messages[Msg::CommunicationError]);
        return;
    }
    if (!form_.sendEnabled()) {
        link.Close();
        return;
    }
    if (retryStep(StepAttempts, [this] { return WriteRange(); }) != Status::Ok
        || retryStep(StepAttempts, [this] { return WriteConfigWord(); }) != Status::Ok) {
        form_.ShowWarning(messages[Msg::CommunicationError]);
        return;
    }
    if (retryStep(StepAttempts, [this] { return WriteZero(); }) != Status::Ok) {
        form_.ShowWarning(messages[Msg::WriteError]);
        return;
    }
    w_.EdtStatus->setText(messages[Msg::SendOk]);
    form_.StartStatusTimer(SendOkSeconds);
}

Status HeadRailPage::WriteRange()
{
    const QChar separator = decimalSeparator();
    const auto lower = parseNumber(w_.EdtLimitMinSensor->text(), separator);
    const auto upper = parseNumber(w_.EdtLimitMaxSensor->text(), separator);
    if (!lower || !upper)
        return Status::NotSent;
    const auto registers = headrail::encodeRange(headrail::groupOf(model()), firmware(), SensorMin, SensorMax,
        static_cast<float>(*lower), static_cast<float>(*upper));
    // No count scale, or a range no register pair can hold: nothing is written.
    if (!registers)
        return Status::NotSent;
    RegisterAccess& access = form_.registers();
    // Only a frame that never left stops the pair; after a lost or refused answer the gain is
    // still written and its status decides.
    const Status status = access.WriteParameter(headrail::Register::RangeOffset, registers->offsetA);
    if (status == Status::NotSent)
        return status;
    return access.WriteParameter(headrail::Register::RangeGain, registers->gainB);
}

Status HeadRailPage::WriteConfigWord()
{
    const auto code = selectedCode();
    if (!code)
        return Status::NotSent;
    SharedTransmitterState& shared = form_.shared();
    const quint16 word = headrail::composeConfigWord(
        static_cast<quint16>(shared.ConfigWord), *code, w_.Forca_SaidaMax->isChecked(), w_.Freq_50->isChecked());
    shared.ConfigWord = static_cast<qint16>(word);
    return form_.registers().WriteParameter(headrail::Register::ConfigWord, shared.ConfigWord);
}

Status HeadRailPage::WriteZero()
{
    const auto correction = headrail::parseZeroCorrection(w_.EdtCorrigeZero->text(), decimalSeparator());
    if (!correction)
        return Status::NotSent;
    const auto count = headrail::encodeZero(headrail::groupOf(model()), firmware(), *correction, Span);
    if (!count)
        return Status::NotSent;
    ZeroCount = *count;
    return form_.registers().WriteParameter(headrail::Register::ZeroCorrection, ZeroCount);
}

}  // namespace korv
