#include "humidity_ambient/HumAmbPages.h"

#include "humidity_ambient/HumAmbConfigWord.h"
#include "humidity_ambient/HumAmbLimits.h"
#include "humidity_ambient/HumAmbLive.h"
#include "humidity_ambient/HumAmbPageSupport.h"
#include "humidity_ambient/HumAmbRanges.h"
#include "humidity_ambient/HumAmbScales.h"
#include "link/FormServices.h"
#include "link/SerialLink.h"
#include "widgets/TypedInput.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace korv {

using namespace humamb;

AmbientPage::AmbientPage(FormServices& form, HumAmbState& state, const AmbientWidgets& widgets, QObject* parent)
    : QObject(parent)
    , form_(form)
    , s_(state)
    , w_(widgets)
{
    for (QLineEdit* edit : { w_.EdtTempLowLimit, w_.EdtTempHighLimit, w_.EdtTempZeroCorrection }) {
        edit->installEventFilter(this);
        refuseUntypedText(edit);
    }
}

InputControls AmbientPage::ambientInput() const
{
    return { w_.EdtTempLowLimit, w_.EdtTempHighLimit, w_.EdtTempZeroCorrection, w_.TempUserOffsetInfValLb,
        w_.TempUserOffsetSupValLb, &s_.TemperatureRange, AmbientZeroScale };
}

Model AmbientPage::model() const
{
    return form_.identification().TransmitterModel;
}

void AmbientPage::ReadAmbientConfig()
{
    const MessageTable& messages = form_.messages();
    TransferProgress progress(form_, w_.EnviaBarT, w_.EdtStatT);
    progress.start();
    form_.shared().SendInProgress = false;
    if (!runTransferSteps(progress,
            {
                [this] { return ReadAmbientFlags(); },
                [this] { return ReadAmbientRange(); },
                [this] { return ReadAmbientZero(); },
                [this] { return ReadAmbientLive(); },
            },
            messages[Msg::ReadingConfiguration])) {
        progress.failRead(messages[Msg::CommunicationError]);
        return;
    }
    SetAmbientLimits();
    progress.succeed(messages[Msg::ReadOk]);
}

Status AmbientPage::ReadAmbientFlags()
{
    qint16 word = 0;
    const Status status = form_.registers().ReadParameter(Register::ConfigWord, word);
    if (status != Status::Ok)
        return status;
    SharedTransmitterState& shared = form_.shared();
    shared.ConfigWord = word;
    w_.Config_TxT->appendPlainText(QString());
    w_.Config_TxT->appendPlainText(outputTypeLine(word, form_.messages()));
    if (shared.SendInProgress)
        return Status::Ok;
    if (decodeConfigWord(word).temperatureFailMax)
        checkOneOf(w_.MaxFailOptionRadioButton, w_.MinFailOptionRadioButton);
    else
        checkOneOf(w_.MinFailOptionRadioButton, w_.MaxFailOptionRadioButton);
    return Status::Ok;
}

Status AmbientPage::ReadAmbientRange()
{
    if (!isAmbient(model()))
        return Status::NotSent;
    RegisterAccess& registers = form_.registers();
    qint16 offset = 0;
    qint16 gain = 0;
    Status status = registers.ReadParameter(Register::TemperatureRangeOffset, offset);
    if (status != Status::Ok)
        return status;
    if ((status = registers.ReadParameter(Register::TemperatureRangeGain, gain)) != Status::Ok)
        return status;
    // A gain of 0 describes no range; the edits keep what they show.
    const InputLimits sensor = sensorLimits(s_.TemperatureRange);
    if (const auto range = decodeAmbientRange(sensor, offset, gain)) {
        const DecodedRange shown = clampUpperToSensor(*range, sensor);
        w_.EdtTempHighLimit->setText(limitEditText(shown.upper));
        w_.EdtTempLowLimit->setText(limitEditText(shown.lower));
    }
    return Status::Ok;
}

Status AmbientPage::ReadAmbientZero()
{
    if (!isAmbient(model()))
        return Status::NotSent;
    qint16 zero = 0;
    const Status status = form_.registers().ReadParameter(Register::TemperatureZero, zero);
    if (status == Status::Ok) {
        s_.TemperatureRange.zeroRegister = zero;
        w_.EdtTempZeroCorrection->setText(UpdateAmbientZeroLimits());
    }
    return status;
}

Status AmbientPage::ReadAmbientLive()
{
    if (!isAmbient(model()))
        return Status::NotSent;
    qint16 raw = 0;
    const Status status = form_.registers().ReadMemory(Register::LiveTemperature, raw);
    if (status != Status::Ok)
        return status;
    // Unlike the humidity transmitter's, this live value carries no zero correction.
    const float temperature = ambientLiveValue(raw, form_.fahrenheitChecked());
    s_.rawTemperature = raw;
    s_.temperature = temperature;
    s_.temperatureText = formatFixed4(temperature, 2);
    w_.ShowTempPVMemo->clear();
    w_.ShowTempPVMemo->setPlainText(
        ambientLiveLine(form_.messages()[Msg::LiveTemperaturePrefix], temperature, w_.unitLabels[6]->text()));
    return Status::Ok;
}

void AmbientPage::SendAmbientConfig()
{
    const MessageTable& messages = form_.messages();
    const QString sending = messages[Msg::SendingConfiguration];
    const QString writeError = messages[Msg::WriteError];
    TransferProgress progress(form_, w_.EnviaBarT, w_.EdtStatT);
    progress.start();
    if (!contactForSend(form_, progress))
        return;

    form_.shared().SendInProgress = true;
    Status status = Status::NoAnswer;
    for (int attempt = 0; attempt < StepAttempts; ++attempt) {
        if ((status = form_.IdentifyTransmitter()) != Status::Ok)
            continue;
        progress.advance(sending);
        if ((status = ReadAmbientFlags()) == Status::Ok) {
            progress.advance(sending);
            break;
        }
    }
    // A transmitter that now identifies as another model must not receive this tab's registers.
    if (!isAmbient(model()) || status != Status::Ok) {
        progress.failSend(writeError);
        return;
    }
    const auto advance = [&progress, &sending] { progress.advance(sending); };
    if (!checkInputForSend(form_, ambientInput(), advance, [this] { UpdateAmbientZeroLimits(); })) {
        progress.hide();
        return;
    }
    if (!form_.sendEnabled()) {
        form_.link().Close();
        progress.failSend(writeError);
        return;
    }

    if (!runTransferSteps(progress,
            {
                [this] { return WriteAmbientRange(); },
                [this] { return WriteAmbientFlags(); },
                [this] { return WriteAmbientZero(); },
            },
            sending)) {
        progress.failSend(writeError);
        return;
    }
    progress.succeed(messages[Msg::SendOk]);
}

Status AmbientPage::WriteAmbientRange()
{
    if (!isAmbient(model()))
        return Status::NotSent;
    const auto typed = typedLimits(w_.EdtTempLowLimit, w_.EdtTempHighLimit);
    if (!typed)
        return Status::NotSent;
    const RangeRegisters pair = encodeAmbientRange(sensorLimits(s_.TemperatureRange), typed->lower, typed->upper);
    RegisterAccess& registers = form_.registers();
    // Unlike the humidity transmitter's pair, any failed offset write stops the pair.
    const Status status = registers.WriteParameter(Register::TemperatureRangeOffset, pair.offset);
    if (status != Status::Ok)
        return status;
    return registers.WriteParameter(Register::TemperatureRangeGain, pair.gain);
}

Status AmbientPage::WriteAmbientFlags()
{
    const qint16 word = ambientConfigWord(form_.shared().ConfigWord, w_.MaxFailOptionRadioButton->isChecked());
    form_.shared().ConfigWord = word;
    return form_.registers().WriteParameter(Register::ConfigWord, word);
}

Status AmbientPage::WriteAmbientZero()
{
    if (!isAmbient(model()))
        return Status::NotSent;
    const auto correction = parseZeroCorrection(w_.EdtTempZeroCorrection->text());
    const auto count = correction ? encodeZero(AmbientZeroScale, *correction, s_.TemperatureRange.span) : std::nullopt;
    if (!count)
        return Status::NotSent;
    s_.TemperatureRange.zeroRegister = *count;
    return form_.registers().WriteParameter(Register::TemperatureZero, *count);
}

QString AmbientPage::UpdateAmbientZeroLimits()
{
    // The text goes to the caller only; the state's zero text is the edit's, copied by the send.
    return updateZeroLimits(ambientInput());
}

void AmbientPage::ShowAmbientUnit()
{
    const bool toFahrenheit = !form_.celsiusChecked();
    if (const auto typed = parseLimitEdits(w_.EdtTempLowLimit->text(), w_.EdtTempHighLimit->text())) {
        const LimitPair converted = convertLimits(*typed, toFahrenheit);
        setLimitPair(s_.TemperatureRange, converted);
        w_.EdtTempLowLimit->setText(QString::number(converted.lower));
        w_.EdtTempHighLimit->setText(QString::number(converted.upper));
    }
    const InputTexts t = ambientTexts(toFahrenheit, form_.messages()[Msg::RangeWord]);
    const std::array<QString, 7> texts { t.unit, t.unit, t.range, t.minSpan, t.unit, t.unit, t.unit };
    for (std::size_t i = 0; i < texts.size(); ++i)
        w_.unitLabels[i]->setText(texts[i]);
}

void AmbientPage::SetAmbientLimits()
{
    setSensorLimits(s_.TemperatureRange, ambientLimits(!form_.celsiusChecked()));
}

void AmbientPage::EdtTempLowLimitExit()
{
    if (leaveLimitEdit(ambientInput()) == LeaveEditAction::RefreshZero)
        w_.EdtTempZeroCorrection->setText(UpdateAmbientZeroLimits());
}

void AmbientPage::unitChanged()
{
    if (!isAmbient(model()) || w_.EdtTempLowLimit->text().isEmpty())
        return;
    ShowAmbientUnit();
    w_.EdtTempZeroCorrection->setText(UpdateAmbientZeroLimits());
}

bool AmbientPage::EdtTempLowLimitKeyPress(QLineEdit* edit, QKeyEvent* event)
{
    return filterLimitKeyPress(edit, event);
}

bool AmbientPage::EdtTempZeroCorrectionKeyPress(QKeyEvent* event)
{
    // The key state is shared with the humidity transmitter's temperature zero edit.
    return filterZeroKeyPress(w_.EdtTempZeroCorrection, event, s_.temperatureZeroKeys);
}

void AmbientPage::EdtTempZeroCorrectionEnter()
{
    w_.EdtTempZeroCorrection->clear();
    s_.temperatureZeroKeys = {};
}

bool AmbientPage::eventFilter(QObject* watched, QEvent* event)
{
    const bool limitEdit = watched == w_.EdtTempLowLimit || watched == w_.EdtTempHighLimit;
    const bool zeroEdit = watched == w_.EdtTempZeroCorrection;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (limitEdit)
            return EdtTempLowLimitKeyPress(static_cast<QLineEdit*>(watched), static_cast<QKeyEvent*>(event));
        if (zeroEdit)
            return EdtTempZeroCorrectionKeyPress(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::FocusIn:
        if (zeroEdit && isUserFocusMove(event))
            EdtTempZeroCorrectionEnter();
        break;
    case QEvent::FocusOut:
        if (limitEdit && isUserFocusMove(event))
            EdtTempLowLimitExit();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korv
