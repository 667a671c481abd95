#include "humidity_ambient/HumAmbPages.h"

#include "core/families/humamb/HumAmbConfigWord.h"
#include "core/families/humamb/HumAmbLimits.h"
#include "core/families/humamb/HumAmbLive.h"
#include "core/families/humamb/HumAmbRanges.h"
#include "core/families/humamb/HumAmbScales.h"
#include "humidity_ambient/HumAmbPageSupport.h"
#include "widgets/FreshEntry.h"
#include "widgets/TypedInput.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace korv {

using namespace humamb;

HumidityPage::HumidityPage(PageHost& host, HumAmbState& state, const HumidityWidgets& widgets, QObject* parent)
    : QObject(parent)
    , host_(host)
    , s_(state)
    , w_(widgets)
{
    for (QLineEdit* edit :
        { w_.EdtLimInfRH, w_.EdtLimSupRH, w_.EdtLimInfTemp, w_.EdtLimSupTemp, w_.EdtCorrZeroRH, w_.EdtCorrZeroTemp }) {
        edit->installEventFilter(this);
        refuseUntypedText(edit);
    }
}

void HumidityPage::setMeasureMenu(QAction* relativeHumidity, QAction* dewPoint)
{
    relativeItem_ = relativeHumidity;
    dewPointItem_ = dewPoint;
}

HumidityKind HumidityPage::kind() const
{
    return effectiveHumidityKind(relativeItem_ != nullptr, dewPointItem_ && dewPointItem_->isChecked());
}

void HumidityPage::setRelativeHumidityChecked(bool relative)
{
    if (!relativeItem_ || !dewPointItem_)
        return;
    relativeItem_->setChecked(relative);
    dewPointItem_->setChecked(!relative);
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
    return host_.session().identification().TransmitterModel;
}

void HumidityPage::showInitialState()
{
    ShowHumidityTempUnit();
    SetHumTempLimits();
    w_.MinRHRadioButton->setChecked(true);
    w_.MinTempRadioButton->setChecked(true);
    UpdateHumidityZeroLimits();
    w_.EdtCorrZeroRH->setText(s_.HumidityRange.zeroText);
    UpdateTemperatureZeroLimits();
    w_.EdtCorrZeroTemp->setText(s_.TemperatureRange.zeroText);
}

void HumidityPage::identified()
{
    if (isHumidity(model()))
        SetHumidityLimits();
    if (hasHumidityTemperature(model()))
        SetHumTempLimits();
}

PartObserver HumidityPage::showing(const std::shared_ptr<Reading>& reading, bool withSelections)
{
    return [this, reading, withSelections](Part part) { showPart(*reading, part, withSelections); };
}

void HumidityPage::readConfiguration()
{
    const MessageTable& messages = host_.messages();
    TransferProgress progress(host_, w_.EnviaBarRHT, w_.EdtStatRHT);
    progress.start();
    if (runSteps(host_.session(), progress, readSteps(), messages[Msg::ReadingConfiguration])) {
        progress.failRead(messages[Msg::CommunicationError]);
        return;
    }
    progress.succeed(messages[Msg::ReadOk]);
}

TransferSteps HumidityPage::readSteps()
{
    auto reading = std::make_shared<Reading>();
    return humidityReadSteps(host_.session(), *reading, showing(reading, true));
}

TransferSteps HumidityPage::startupReadSteps()
{
    TransmitterSession& session = host_.session();
    auto reading = std::make_shared<Reading>();
    const PartObserver observer = showing(reading, true);
    TransferSteps steps = humidityReadSteps(session, *reading, observer);
    steps.front() = [&session, reading, observer] { return readConfigWordTwice(session, *reading, observer); };
    return steps;
}

void HumidityPage::showPart(const Reading& reading, Part part, bool withSelections, bool memoLine)
{
    switch (part) {
    case Part::ConfigWord: {
        const qint16 word = *reading.configWord;
        if (memoLine)
            w_.Config_OrvHu->appendPlainText(outputTypeLine(word, host_.messages()));
        // A send re-reads the word only for its output type; the user's choices stay on the form.
        if (!withSelections)
            return;
        const ConfigFlags flags = decodeConfigWord(word);
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
            setRelativeHumidityChecked(*flags.kind == HumidityKind::Relative);
        ShowHumidityKind();
        SetHumidityLimits();
        return;
    }
    case Part::HumidityRange: {
        const RangeRegisters pair = *reading.humidityRange;
        showDecodedRange(
            decodeHumTempRange(sensorLimits(s_.HumidityRange), pair.offset, pair.gain), humidityInput(), false);
        return;
    }
    case Part::TemperatureRange: {
        const RangeRegisters pair = *reading.temperatureRange;
        showDecodedRange(
            decodeHumTempRange(sensorLimits(s_.TemperatureRange), pair.offset, pair.gain), temperatureInput(), true);
        return;
    }
    case Part::HumidityZero:
        s_.HumidityRange.zeroRegister = *reading.humidityZero;
        UpdateHumidityZeroLimits();
        w_.EdtCorrZeroRH->setText(s_.HumidityRange.zeroText);
        return;
    case Part::TemperatureZero:
        s_.TemperatureRange.zeroRegister = *reading.temperatureZero;
        UpdateTemperatureZeroLimits();
        w_.EdtCorrZeroTemp->setText(s_.TemperatureRange.zeroText);
        return;
    case Part::Live:
        showLive(*reading.liveHumidity, *reading.liveTemperature);
        return;
    }
}

void HumidityPage::showLive(qint16 rawHumidity, qint16 rawTemperature)
{
    s_.rawHumidity = rawHumidity;
    s_.rawTemperature = rawTemperature;
    const HumidityLiveValues values = ConvertHumidityReading(rawTemperature, rawHumidity);
    const HumidityReading reading = correctedReading({ values.temperature, values.humidity, values.humidityDefined },
        s_.HumidityRange.zeroText, s_.TemperatureRange.zeroText);
    s_.humidity = reading.humidity;
    s_.temperature = reading.temperature;
    s_.humidityText = humidityValueText(reading);
    s_.temperatureText = formatFixed4(reading.temperature, 2);

    const MessageTable& messages = host_.messages();
    w_.ShowPVsMemo->setPlainText(
        humidityLiveLine(messages[Msg::LiveHumidityPrefix], reading, w_.rhLabels()[0]->text()));
    if (hasHumidityTemperature(model()))
        w_.ShowPVsMemo->appendPlainText(
            temperatureLiveLine(messages[Msg::LiveTemperaturePrefix], reading.temperature, w_.tempLabels()[0]->text()));
}

HumidityLiveValues HumidityPage::ConvertHumidityReading(qint16 rawTemperature, qint16 rawHumidity) const
{
    const HumidityReading r = convertHumidityReading(rawTemperature, rawHumidity, kind(), fahrenheit());
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
    const HumidityKindView view = humidityKindView(kind(), fahrenheit(), host_.messages()[Msg::RangeWord]);
    const std::array<QString, 7> texts { view.texts.unit, view.texts.unit, view.texts.range, view.texts.minSpan,
        view.texts.unit, view.texts.unit, view.texts.unit };
    for (std::size_t i = 0; i < texts.size(); ++i)
        w_.rhLabels()[i]->setText(texts[i]);
    // A kind change always starts from the whole range of the new kind.
    w_.EdtLimInfRH->setText(QString::number(view.range.lower));
    w_.EdtLimSupRH->setText(QString::number(view.range.upper));
    setLimitPair(s_.HumidityRange, view.range);
}

void HumidityPage::ShowHumidityTempUnit()
{
    const bool toFahrenheit = fahrenheit();
    // Edits without numbers are left as typed; only the labels follow the unit then.
    if (const auto typed = parseLimitEdits(w_.EdtLimInfTemp->text(), w_.EdtLimSupTemp->text())) {
        const LimitPair converted = convertLimits(*typed, toFahrenheit);
        setLimitPair(s_.TemperatureRange, converted);
        w_.EdtLimInfTemp->setText(QString::number(converted.lower));
        w_.EdtLimSupTemp->setText(QString::number(converted.upper));
    }
    const InputTexts t = humTempTexts(toFahrenheit, host_.messages()[Msg::RangeWord]);
    const std::array<QString, 7> texts { t.unit, t.unit, t.range, t.minSpan, t.unit, t.unit, t.unit };
    for (std::size_t i = 0; i < texts.size(); ++i)
        w_.tempLabels()[i]->setText(texts[i]);
}

void HumidityPage::HumidityClick(bool relativeHumidity)
{
    setRelativeHumidityChecked(relativeHumidity);
    ShowHumidityKind();
    SetHumidityLimits();
    // The zero edit keeps its text: the new kind reaches the transmitter with the next send.
    UpdateHumidityZeroLimits();
}

void HumidityPage::SetHumTempLimits()
{
    setSensorLimits(s_.TemperatureRange, humTempLimits(fahrenheit()));
}

void HumidityPage::SetHumidityLimits()
{
    setSensorLimits(s_.HumidityRange, humidityLimits(kind(), fahrenheit()));
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
    startFreshEntry(w_.EdtCorrZeroRH);
    s_.humidityZeroKeys = {};
}

void HumidityPage::EdtCorrZeroTempEnter()
{
    startFreshEntry(w_.EdtCorrZeroTemp);
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
        else if (watched == w_.EdtCorrZeroRH || watched == w_.EdtCorrZeroTemp)
            endFreshEntry(static_cast<QLineEdit*>(watched));
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korv
