#include "humidity_ambient/HumAmbPages.h"

#include "humidity_ambient/HumAmbConfigWord.h"
#include "humidity_ambient/HumAmbLimits.h"
#include "humidity_ambient/HumAmbLive.h"
#include "humidity_ambient/HumAmbPageSupport.h"
#include "humidity_ambient/HumAmbRanges.h"
#include "humidity_ambient/HumAmbScales.h"
#include "link/FormServices.h"
#include "widgets/TypedInput.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace korv {

using namespace humamb;

HumidityPage::HumidityPage(FormServices& form, HumAmbState& state, const HumidityWidgets& widgets, QObject* parent)
    : QObject(parent)
    , form_(form)
    , s_(state)
    , w_(widgets)
{
    for (QLineEdit* edit :
        { w_.EdtLimInfRH, w_.EdtLimSupRH, w_.EdtLimInfTemp, w_.EdtLimSupTemp, w_.EdtCorrZeroRH, w_.EdtCorrZeroTemp }) {
        edit->installEventFilter(this);
        refuseUntypedText(edit);
    }
}

HumidityKind HumidityPage::kind() const
{
    return effectiveHumidityKind(form_.humidityMenuExists(), form_.dewPointChecked());
}

InputControls HumidityPage::humidityInput() const
{
    return { w_.EdtLimInfRH, w_.EdtLimSupRH, w_.EdtCorrZeroRH, w_.ValorMinZeroRHLb, w_.ValorMaxZeroRHLb,
        &s_.HumidityRange, HumidityZeroScale };
}

InputControls HumidityPage::temperatureInput() const
{
    return { w_.EdtLimInfTemp, w_.EdtLimSupTemp, w_.EdtCorrZeroTemp, w_.ValorMinZeroTempLb, w_.ValorMaxZeroTempLb,
        &s_.TemperatureRange, HumTempZeroScale };
}

Model HumidityPage::model() const
{
    return form_.identification().TransmitterModel;
}

void HumidityPage::ReadHumidityConfig()
{
    const MessageTable& messages = form_.messages();
    TransferProgress progress(form_, w_.EnviaBarRHT, w_.EdtStatRHT);
    progress.start();
    form_.shared().SendInProgress = false;
    if (!runTransferSteps(progress,
            {
                [this] { return ReadHumidityFlags(); },
                [this] { return ReadHumidityRanges(); },
                [this] { return ReadHumidityZeros(); },
                [this] { return ReadHumidityLive(); },
            },
            messages[Msg::ReadingConfiguration])) {
        progress.failRead(messages[Msg::CommunicationError]);
        return;
    }
    progress.succeed(messages[Msg::ReadOk]);
}

Status HumidityPage::ReadHumidityFlags()
{
    qint16 word = 0;
    const Status status = form_.registers().ReadParameter(Register::ConfigWord, word);
    if (status != Status::Ok)
        return status;
    SharedTransmitterState& shared = form_.shared();
    shared.ConfigWord = word;
    w_.Config_OrvHu->appendPlainText(outputTypeLine(word, form_.messages()));
    const ConfigFlags flags = decodeConfigWord(word);
    // A send re-reads the word only for its output type; the user's choices stay on the form.
    if (shared.SendInProgress)
        return Status::Ok;
    if (isHumidity(model())) {
        if (flags.humidityFailMax)
            checkOneOf(w_.MaxRHRadioButton, w_.MinRHRadioButton);
        else
            checkOneOf(w_.MinRHRadioButton, w_.MaxRHRadioButton);
    }
    if (hasHumidityTemperature(model())) {
        if (flags.temperatureFailMax)
            checkOneOf(w_.MaxTempRadioButton, w_.MinTempRadioButton);
        else
            checkOneOf(w_.MinTempRadioButton, w_.MaxTempRadioButton);
    }
    if (flags.kind)
        form_.setRelativeHumidityChecked(*flags.kind == HumidityKind::Relative);
    ShowHumidityKind();
    SetHumidityLimits();
    return Status::Ok;
}

Status HumidityPage::ReadHumidityRanges()
{
    RegisterAccess& registers = form_.registers();
    Status status = Status::NotSent;
    qint16 offset = 0;
    qint16 gain = 0;
    if (isHumidity(model())) {
        if ((status = registers.ReadParameter(Register::HumidityRangeOffset, offset)) != Status::Ok)
            return status;
        if ((status = registers.ReadParameter(Register::HumidityRangeGain, gain)) != Status::Ok)
            return status;
        // A gain of 0 describes no range; the edits keep what they show.
        if (const auto range = decodeHumTempRange(sensorLimits(s_.HumidityRange), offset, gain)) {
            w_.EdtLimSupRH->setText(limitEditText(range->upper));
            w_.EdtLimInfRH->setText(limitEditText(range->lower));
        }
    }
    if (!hasHumidityTemperature(model()))
        return status;
    if ((status = registers.ReadParameter(Register::TemperatureRangeOffset, offset)) != Status::Ok)
        return status;
    if ((status = registers.ReadParameter(Register::TemperatureRangeGain, gain)) != Status::Ok)
        return status;
    const InputLimits sensor = sensorLimits(s_.TemperatureRange);
    if (const auto range = decodeHumTempRange(sensor, offset, gain)) {
        const DecodedRange shown = clampUpperToSensor(*range, sensor);
        w_.EdtLimSupTemp->setText(limitEditText(shown.upper));
        w_.EdtLimInfTemp->setText(limitEditText(shown.lower));
    }
    return Status::Ok;
}

Status HumidityPage::ReadHumidityZeros()
{
    RegisterAccess& registers = form_.registers();
    Status status = Status::NotSent;
    qint16 zero = 0;
    if (isHumidity(model())) {
        if ((status = registers.ReadParameter(Register::HumidityZero, zero)) != Status::Ok)
            return status;
        s_.HumidityRange.zeroRegister = zero;
        UpdateHumidityZeroLimits();
        w_.EdtCorrZeroRH->setText(s_.HumidityRange.zeroText);
    }
    if (hasHumidityTemperature(model())) {
        if ((status = registers.ReadParameter(Register::TemperatureZero, zero)) != Status::Ok)
            return status;
        s_.TemperatureRange.zeroRegister = zero;
        UpdateTemperatureZeroLimits();
        w_.EdtCorrZeroTemp->setText(s_.TemperatureRange.zeroText);
    }
    return status;
}

Status HumidityPage::ReadHumidityLive()
{
    if (!isHumidity(model()))
        return Status::NotSent;
    RegisterAccess& registers = form_.registers();
    qint16 rawHumidity = 0;
    qint16 rawTemperature = 0;
    Status status = registers.ReadMemory(Register::LiveHumidity, rawHumidity);
    if (status != Status::Ok)
        return status;
    if ((status = registers.ReadMemory(Register::LiveTemperature, rawTemperature)) != Status::Ok)
        return status;
    s_.rawHumidity = rawHumidity;
    s_.rawTemperature = rawTemperature;
    if ((status = ReadHumidityZeros()) != Status::Ok)
        return status;

    const HumidityLiveValues values = ConvertHumidityReading(rawTemperature, rawHumidity);
    const HumidityReading reading = correctedReading({ values.temperature, values.humidity, values.humidityDefined },
        s_.HumidityRange.zeroText, s_.TemperatureRange.zeroText);
    s_.humidity = reading.humidity;
    s_.temperature = reading.temperature;
    s_.humidityText = humidityValueText(reading);
    s_.temperatureText = formatFixed4(reading.temperature, 2);

    const MessageTable& messages = form_.messages();
    w_.ShowPVsMemo->setPlainText(humidityLiveLine(messages[Msg::LiveHumidityPrefix], reading, w_.rhLabels[0]->text()));
    if (hasHumidityTemperature(model()))
        w_.ShowPVsMemo->appendPlainText(
            temperatureLiveLine(messages[Msg::LiveTemperaturePrefix], reading.temperature, w_.tempLabels[0]->text()));
    return Status::Ok;
}

HumidityLiveValues HumidityPage::ConvertHumidityReading(qint16 rawTemperature, qint16 rawHumidity) const
{
    const HumidityReading r = convertHumidityReading(rawTemperature, rawHumidity, kind(), form_.fahrenheitChecked());
    return { r.temperature, r.humidity, r.humidityDefined };
}

void HumidityPage::UpdateHumidityZeroLimits()
{
    s_.HumidityRange.zeroText = updateZeroLimits(humidityInput());
}

void HumidityPage::UpdateTemperatureZeroLimits()
{
    s_.TemperatureRange.zeroText = updateZeroLimits(temperatureInput());
}

void HumidityPage::ShowHumidityKind()
{
    const HumidityKindView view = humidityKindView(kind(), form_.fahrenheitChecked(), form_.messages()[Msg::RangeWord]);
    const std::array<QString, 7> texts { view.texts.unit, view.texts.unit, view.texts.range, view.texts.minSpan,
        view.texts.unit, view.texts.unit, view.texts.unit };
    for (std::size_t i = 0; i < texts.size(); ++i)
        w_.rhLabels[i]->setText(texts[i]);
    // A kind change always starts from the whole range of the new kind.
    w_.EdtLimInfRH->setText(QString::number(view.range.lower));
    w_.EdtLimSupRH->setText(QString::number(view.range.upper));
    setLimitPair(s_.HumidityRange, view.range);
}

void HumidityPage::ShowHumidityTempUnit()
{
    const bool toFahrenheit = !form_.celsiusChecked();
    // Edits without numbers are left as typed; only the labels follow the unit then.
    if (const auto typed = parseLimitEdits(w_.EdtLimInfTemp->text(), w_.EdtLimSupTemp->text())) {
        const LimitPair converted = convertLimits(*typed, toFahrenheit);
        setLimitPair(s_.TemperatureRange, converted);
        w_.EdtLimInfTemp->setText(QString::number(converted.lower));
        w_.EdtLimSupTemp->setText(QString::number(converted.upper));
    }
    const InputTexts t = humTempTexts(toFahrenheit, form_.messages()[Msg::RangeWord]);
    const std::array<QString, 7> texts { t.unit, t.unit, t.range, t.minSpan, t.unit, t.unit, t.unit };
    for (std::size_t i = 0; i < texts.size(); ++i)
        w_.tempLabels[i]->setText(texts[i]);
}

void HumidityPage::HumidityClick(bool relativeHumidity)
{
    form_.setRelativeHumidityChecked(relativeHumidity);
    ShowHumidityKind();
    SetHumidityLimits();
    // The zero edit keeps its text: the new kind reaches the transmitter with the next send.
    UpdateHumidityZeroLimits();
}

void HumidityPage::SetHumTempLimits()
{
    setSensorLimits(s_.TemperatureRange, humTempLimits(!form_.celsiusChecked()));
}

void HumidityPage::SetHumidityLimits()
{
    setSensorLimits(s_.HumidityRange, humidityLimits(kind(), form_.fahrenheitChecked()));
}

void HumidityPage::AtualizaZeroRH()
{
    if (leaveLimitEdit(humidityInput()) == LeaveEditAction::RefreshZero) {
        UpdateHumidityZeroLimits();
        w_.EdtCorrZeroRH->setText(s_.HumidityRange.zeroText);
    }
}

void HumidityPage::AtualizaZeroTemp()
{
    if (leaveLimitEdit(temperatureInput()) == LeaveEditAction::RefreshZero) {
        UpdateTemperatureZeroLimits();
        w_.EdtCorrZeroTemp->setText(s_.TemperatureRange.zeroText);
    }
}

void HumidityPage::unitChanged()
{
    // Only the full humidity + temperature model shows a temperature input.
    if (!hasHumidityTemperature(model()) || w_.EdtLimInfTemp->text().isEmpty())
        return;
    ShowHumidityTempUnit();
    if (kind() == HumidityKind::DewPoint) {
        ShowHumidityKind();
        UpdateHumidityZeroLimits();
    }
    UpdateTemperatureZeroLimits();
    w_.EdtCorrZeroTemp->setText(s_.TemperatureRange.zeroText);
}

bool HumidityPage::EdtLimInfRHKeyPress(QLineEdit* edit, QKeyEvent* event)
{
    return filterLimitKeyPress(edit, event);
}

bool HumidityPage::EdtLimInfTempKeyPress(QLineEdit* edit, QKeyEvent* event)
{
    return filterLimitKeyPress(edit, event);
}

bool HumidityPage::EdtCorrZeroRHKeyPress(QKeyEvent* event)
{
    return filterZeroKeyPress(w_.EdtCorrZeroRH, event, s_.humidityZeroKeys);
}

bool HumidityPage::EdtCorrZeroTempKeyPress(QKeyEvent* event)
{
    return filterZeroKeyPress(w_.EdtCorrZeroTemp, event, s_.temperatureZeroKeys);
}

void HumidityPage::EdtCorrZeroRHEnter()
{
    // A correction is always typed anew.
    w_.EdtCorrZeroRH->clear();
    s_.humidityZeroKeys = {};
}

void HumidityPage::EdtCorrZeroTempEnter()
{
    w_.EdtCorrZeroTemp->clear();
    s_.temperatureZeroKeys = {};
}

bool HumidityPage::eventFilter(QObject* watched, QEvent* event)
{
    const bool humidityLimit = watched == w_.EdtLimInfRH || watched == w_.EdtLimSupRH;
    const bool temperatureLimit = watched == w_.EdtLimInfTemp || watched == w_.EdtLimSupTemp;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (humidityLimit)
            return EdtLimInfRHKeyPress(static_cast<QLineEdit*>(watched), key);
        if (temperatureLimit)
            return EdtLimInfTempKeyPress(static_cast<QLineEdit*>(watched), key);
        if (watched == w_.EdtCorrZeroRH)
            return EdtCorrZeroRHKeyPress(key);
        if (watched == w_.EdtCorrZeroTemp)
            return EdtCorrZeroTempKeyPress(key);
        break;
    }
    case QEvent::FocusIn:
        if (!isUserFocusMove(event))
            break;
        if (watched == w_.EdtCorrZeroRH)
            EdtCorrZeroRHEnter();
        else if (watched == w_.EdtCorrZeroTemp)
            EdtCorrZeroTempEnter();
        break;
    case QEvent::FocusOut:
        if (!isUserFocusMove(event))
            break;
        if (humidityLimit)
            AtualizaZeroRH();
        else if (temperatureLimit)
            AtualizaZeroTemp();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korv
