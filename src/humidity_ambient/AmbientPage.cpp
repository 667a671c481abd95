#include "humidity_ambient/HumAmbPages.h"

#include "core/families/humamb/HumAmbConfigWord.h"
#include "core/families/humamb/HumAmbLimits.h"
#include "core/families/humamb/HumAmbLive.h"
#include "core/families/humamb/HumAmbRanges.h"
#include "core/families/humamb/HumAmbScales.h"
#include "core/families/humamb/HumAmbTransfer.h"
#include "core/link/SerialLink.h"
#include "core/protocol/SendReport.h"
#include "humidity_ambient/HumAmbPageSupport.h"
#include "widgets/FreshEntry.h"
#include "widgets/TypedInput.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace korv {

using namespace humamb;

AmbientPage::AmbientPage(PageHost& host, HumAmbState& state, const AmbientWidgets& widgets, QObject* parent)
    : QObject(parent)
    , host_(host)
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
    return host_.session().identification().TransmitterModel;
}

void AmbientPage::showInitialState()
{
    ShowAmbientUnit();
    w_.MinFailOptionRadioButton->setChecked(true);
    w_.EdtTempZeroCorrection->setText(UpdateAmbientZeroLimits());
}

PartObserver AmbientPage::showing(const std::shared_ptr<Reading>& reading, bool withSelections)
{
    return [this, reading, withSelections](Part part) { showPart(*reading, part, withSelections); };
}

void AmbientPage::readConfiguration()
{
    const MessageTable& messages = host_.messages();
    TransferProgress progress(host_, w_.EnviaBarT, w_.EdtStatT);
    progress.start();
    if (runSteps(host_.session(), progress, readSteps(), messages[Msg::ReadingConfiguration])) {
        progress.failRead(messages[Msg::CommunicationError]);
        return;
    }
    SetAmbientLimits();
    progress.succeed(messages[Msg::ReadOk]);
}

TransferSteps AmbientPage::readSteps()
{
    auto reading = std::make_shared<Reading>();
    return ambientReadSteps(host_.session(), *reading, showing(reading, true));
}

TransferSteps AmbientPage::startupReadSteps()
{
    TransmitterSession& session = host_.session();
    auto reading = std::make_shared<Reading>();
    const PartObserver observer = showing(reading, true);
    TransferSteps steps = ambientReadSteps(session, *reading, observer);
    steps.front() = [&session, reading, observer] { return readConfigWordTwice(session, *reading, observer); };
    // The zero correction is shown again once the live value is in, on the limits as they stand.
    steps.back()
        = thenOnSuccess(steps.back(), [this] { w_.EdtTempZeroCorrection->setText(UpdateAmbientZeroLimits()); });
    return steps;
}

void AmbientPage::showPart(const Reading& reading, Part part, bool withSelections, bool memoLine)
{
    switch (part) {
    case Part::ConfigWord: {
        const qint16 word = *reading.configWord;
        if (memoLine) {
            w_.Config_TxT->appendPlainText(QString());
            w_.Config_TxT->appendPlainText(outputTypeLine(word, host_.messages()));
        }
        if (!withSelections)
            return;
        if (decodeConfigWord(word).temperatureFailMax)
            checkOneOf(w_.MaxFailOptionRadioButton, w_.MinFailOptionRadioButton);
        else
            checkOneOf(w_.MinFailOptionRadioButton, w_.MaxFailOptionRadioButton);
        return;
    }
    case Part::TemperatureRange: {
        const RangeRegisters pair = *reading.temperatureRange;
        showDecodedRange(
            decodeAmbientRange(sensorLimits(s_.TemperatureRange), pair.offset, pair.gain), ambientInput(), true);
        return;
    }
    case Part::TemperatureZero:
        s_.TemperatureRange.zeroRegister = *reading.temperatureZero;
        w_.EdtTempZeroCorrection->setText(UpdateAmbientZeroLimits());
        return;
    case Part::Live: {
        // Unlike the humidity transmitter's, this live value carries no zero correction.
        const qint16 raw = *reading.liveTemperature;
        const float temperature = ambientLiveValue(raw, host_.fahrenheit());
        s_.rawTemperature = raw;
        s_.temperature = temperature;
        s_.temperatureText = formatFixed4(temperature, 2);
        w_.ShowTempPVMemo->clear();
        w_.ShowTempPVMemo->setPlainText(
            ambientLiveLine(host_.messages()[Msg::LiveTemperaturePrefix], temperature, w_.unitLabels()[6]->text()));
        return;
    }
    case Part::HumidityRange:
    case Part::HumidityZero:
        return;
    }
}

AmbientSettings AmbientPage::settingsToSend() const
{
    AmbientSettings settings;
    settings.failMax = w_.MaxFailOptionRadioButton->isChecked();
    settings.temperature
        = ambientInputSettings(sensorLimits(s_.TemperatureRange), inputForm(ambientInput()), s_.TemperatureRange.span);
    return settings;
}

std::optional<config::ConfigurationValues> AmbientPage::configurationToSave(Model, QChar separator)
{
    const auto form = formToSave();
    const auto values = form ? config::ambientValues(*form, separator) : std::nullopt;
    return values ? std::optional<config::ConfigurationValues>(*values) : std::nullopt;
}

void AmbientPage::showConfiguration(const FamilySettings& settings)
{
    if (const auto* own = std::get_if<AmbientSettings>(&settings))
        showSettings(*own);
}

std::optional<AmbientForm> AmbientPage::formToSave()
{
    const InputControls input = ambientInput();
    const AmbientForm form { w_.MaxFailOptionRadioButton->isChecked(), inputForm(input) };
    if (const auto refusal = checkInputForSend(
            limitPair(s_.TemperatureRange), sensorLimits(s_.TemperatureRange), AmbientZeroScale, form.temperature)) {
        host_.ShowWarning(host_.messages()[refusal->message]);
        fieldEdit(input, refusal->field)->setFocus();
        return std::nullopt;
    }
    return form;
}

void AmbientPage::showSettings(const AmbientSettings& settings)
{
    const Reading reading = readingOfSettings(host_.session().ConfigWord, settings);
    showPart(reading, Part::ConfigWord, true, false);
    if (reading.temperatureRange)
        showPart(reading, Part::TemperatureRange, true, false);
    if (reading.temperatureZero)
        showPart(reading, Part::TemperatureZero, true, false);
}

void AmbientPage::sendConfiguration()
{
    const MessageTable& messages = host_.messages();
    TransmitterSession& session = host_.session();
    const QString sending = messages[Msg::SendingConfiguration];
    const QString writeError = messages[Msg::WriteError];
    TransferProgress progress(host_, w_.EnviaBarT, w_.EdtStatT);
    progress.start();
    if (!contactForSend(host_, progress))
        return;

    // Identification and the re-read of register 1 are retried together.
    auto reread = std::make_shared<Reading>();
    const PartObserver memoLine = showing(reread, false);
    Status status = Status::NoAnswer;
    for (int attempt = 0; attempt < StepAttempts; ++attempt) {
        if ((status = host_.IdentifyTransmitter()) != Status::Ok)
            continue;
        progress.advance(sending);
        if ((status = readConfigWord(session, *reread, memoLine)) == Status::Ok) {
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
    if (!checkInputForSend(host_, ambientInput(), advance, [this] { UpdateAmbientZeroLimits(); })) {
        progress.hide();
        return;
    }
    if (!host_.sendEnabled()) {
        session.link().Close();
        progress.failSend(writeError);
        return;
    }

    const AmbientSettings settings = settingsToSend();
    session.clearWrites();
    const auto failed = runSteps(session, progress, ambientSendSteps(session, settings), sending);
    // The zero count belongs to the page from the moment its write was tried.
    if ((!failed || *failed == WriteZerosStep) && settings.temperature.zeroCount)
        s_.TemperatureRange.zeroRegister = *settings.temperature.zeroCount;
    if (failed) {
        for (const QString& line : partialSendNotice(session.writes()))
            w_.Config_TxT->appendPlainText(line);
        progress.failSend(writeError);
        return;
    }
    progress.succeed(messages[Msg::SendOk]);
}

QString AmbientPage::UpdateAmbientZeroLimits()
{
    // The text goes to the caller only; the state's zero text is the edit's, copied by the send.
    return updateZeroLimits(ambientInput());
}

void AmbientPage::ShowAmbientUnit()
{
    const bool toFahrenheit = host_.fahrenheit();
    if (const auto typed = parseLimitEdits(w_.EdtTempLowLimit->text(), w_.EdtTempHighLimit->text())) {
        const LimitPair converted = convertLimits(*typed, toFahrenheit);
        setLimitPair(s_.TemperatureRange, converted);
        w_.EdtTempLowLimit->setText(QString::number(converted.lower));
        w_.EdtTempHighLimit->setText(QString::number(converted.upper));
    }
    const InputTexts t = ambientTexts(toFahrenheit, host_.messages()[Msg::RangeWord]);
    const std::array<QString, 7> texts { t.unit, t.unit, t.range, t.minSpan, t.unit, t.unit, t.unit };
    for (std::size_t i = 0; i < texts.size(); ++i)
        w_.unitLabels()[i]->setText(texts[i]);
}

void AmbientPage::SetAmbientLimits()
{
    setSensorLimits(s_.TemperatureRange, ambientLimits(host_.fahrenheit()));
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
    startFreshEntry(w_.EdtTempZeroCorrection);
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
        else if (zeroEdit && isUserFocusMove(event))
            endFreshEntry(w_.EdtTempZeroCorrection);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korv
