// The register steps of the head/rail page: reading the configuration into the form and sending
// the form's configuration back.
#include "headrail/HeadRailPage.h"

#include "common/NumberFormat.h"
#include "core/families/headrail/HeadRailConfigWord.h"
#include "core/families/headrail/HeadRailRange.h"
#include "core/families/headrail/HeadRailSensors.h"
#include "core/families/headrail/HeadRailTransfer.h"
#include "core/families/headrail/HeadRailZero.h"
#include "core/link/SerialLink.h"
#include "core/protocol/Identification.h"
#include "core/protocol/SendReport.h"
#include "headrail/RadioGroup.h"
#include "widgets/PageHost.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <memory>

namespace korv {

using headrail::Group;

namespace {

constexpr int ReadOkSeconds = 2;
constexpr int SendOkSeconds = 5;

}  // namespace

// ---- Reading -------------------------------------------------------------------------------

void HeadRailPage::showConfigWord(quint16 word, bool withSelections)
{
    TransmitterSensorCode = headrail::splitConfigWord(word).code;
    w_.Config_Transmissor->appendPlainText(outputTypeLine(word, true, host_.messages()));
    if (withSelections)
        showSelections(word);
}

void HeadRailPage::showSelections(quint16 word)
{
    const auto fields = headrail::splitConfigWord(word);
    w_.Forca_SaidaMax->setChecked(fields.failureToMax);
    w_.Forca_SaidaMin->setChecked(!fields.failureToMax);
    w_.Freq_50->setChecked(fields.filter50Hz);
    w_.Freq_60->setChecked(!fields.filter50Hz);

    // Clearing first makes the list report the selection even when the sensor is unchanged, so
    // that the page is refreshed on every read.
    w_.SensorRadioGroup->setItemIndex(-1);
    const auto position = headrail::positionForCode(model(), firmware(), noThermocoupleB(), fields.code);
    if (position)
        w_.SensorRadioGroup->setItemIndex(*position);
}

void HeadRailPage::showRange(const headrail::RangeRegisters& registers)
{
    // A gain of 0 or a model without a count scale describes no range: the edits keep theirs.
    if (const auto texts
        = headrail::rangeTexts(headrail::groupOf(model()), firmware(), { SensorMin, SensorMax, MinSpan }, registers)) {
        w_.EdtLimitMaxSensor->setText(texts->upper);
        w_.EdtLimitMinSensor->setText(texts->lower);
    }
}

void HeadRailPage::showZero(qint16 count)
{
    ZeroCount = count;
    UpdateZeroLimits();
    w_.EdtCorrigeZero->setText(ZeroText);
}

void HeadRailPage::showSettings(const headrail::Settings& settings)
{
    // The transmitter's own bits of register 1 stay those it was read with.
    const headrail::Reading reading
        = headrail::readingOfSettings(static_cast<quint16>(host_.session().ConfigWord), settings);
    showSelections(*reading.configWord);
    if (reading.range)
        showRange(*reading.range);
    if (reading.zeroCount)
        showZero(*reading.zeroCount);
}

TransferSteps HeadRailPage::readSteps()
{
    // The steps outlive this call: the search runs them after it has collected them.
    auto reading = std::make_shared<headrail::Reading>();
    const TransferSteps steps = headrail::readSteps(host_.session(), *reading);
    return {
        thenOnSuccess(
            steps[headrail::ReadConfigWordStep], [this, reading] { showConfigWord(*reading->configWord, true); }),
        thenOnSuccess(steps[headrail::ReadRangeStep], [this, reading] { showRange(*reading->range); }),
        thenOnSuccess(steps[headrail::ReadZeroStep], [this, reading] { showZero(*reading->zeroCount); }),
    };
}

TransferSteps HeadRailPage::startupReadSteps()
{
    return readSteps();
}

void HeadRailPage::readConfiguration()
{
    const MessageTable& messages = host_.messages();
    if (host_.session().run(readSteps())) {
        host_.setBusyCursor(false);
        host_.ShowWarning(messages[Msg::CommunicationError]);
        return;
    }
    w_.EdtStatus->setText(messages[Msg::ReadOk]);
    if (alsoReadOk_)
        alsoReadOk_->setText(messages[Msg::ReadOk]);
    host_.StartStatusTimer(ReadOkSeconds);
}

// ---- Sending -------------------------------------------------------------------------------

void HeadRailPage::refuse(int message, QWidget* focus)
{
    host_.ShowWarning(host_.messages()[message]);
    focus->setFocus();
}

// The form's checks before anything is written; false after the refusal has been shown.
bool HeadRailPage::checkBeforeSending()
{
    if (const auto refusal = headrail::checkSensorSelected(selectedCode())) {
        refuse(refusal->message, w_.SensorRadioGroup);
        return false;
    }
    ApplySensorSelection();

    // Judged on the edits as the sensor's range has left them (in °F it rewrites them).
    const headrail::SendCheck check
        = headrail::checkForSend(host_.session().identification(), fahrenheit(), formValues(), decimalSeparator());
    if (check.limits) {
        LowerLimit = check.limits->lower;
        UpperLimit = check.limits->upper;
        Span = UpperLimit - LowerLimit;
    }
    if (check.refusal && check.refusal->field != headrail::FormField::ZeroCorrection) {
        refuse(check.refusal->message, fieldWidget(check.refusal->field));
        return false;
    }
    if (w_.EdtCorrigeZero->text().isEmpty())
        w_.EdtCorrigeZero->setText(QStringLiteral("0"));
    UpdateZeroLimits();
    if (check.refusal) {
        refuse(check.refusal->message, w_.EdtCorrigeZero);
        return false;
    }
    return true;
}

headrail::FormValues HeadRailPage::formValues() const
{
    headrail::FormValues form;
    form.sensorCode = selectedCode();
    form.failureToMax = w_.Forca_SaidaMax->isChecked();
    form.filter50Hz = w_.Freq_50->isChecked();
    form.lowerText = w_.EdtLimitMinSensor->text();
    form.upperText = w_.EdtLimitMaxSensor->text();
    form.zeroText = w_.EdtCorrigeZero->text();
    return form;
}

QWidget* HeadRailPage::fieldWidget(headrail::FormField field) const
{
    switch (field) {
    case headrail::FormField::Sensor:
        return w_.SensorRadioGroup;
    case headrail::FormField::LowerLimit:
        return w_.EdtLimitMinSensor;
    case headrail::FormField::UpperLimit:
        return w_.EdtLimitMaxSensor;
    case headrail::FormField::ZeroCorrection:
        break;
    }
    return w_.EdtCorrigeZero;
}

std::optional<headrail::FormValues> HeadRailPage::formToSave()
{
    const headrail::FormValues form = formValues();
    const headrail::SendCheck check
        = headrail::checkForSend(host_.session().identification(), fahrenheit(), form, decimalSeparator());
    if (check.refusal) {
        refuse(check.refusal->message, fieldWidget(check.refusal->field));
        return std::nullopt;
    }
    return form;
}

std::optional<config::ConfigurationValues> HeadRailPage::configurationToSave(Model, QChar separator)
{
    const auto form = formToSave();
    const auto values = form ? config::headRailValues(*form, separator) : std::nullopt;
    return values ? std::optional<config::ConfigurationValues>(*values) : std::nullopt;
}

void HeadRailPage::showConfiguration(const FamilySettings& settings)
{
    if (const auto* own = std::get_if<headrail::Settings>(&settings))
        showSettings(*own);
}

headrail::Settings HeadRailPage::settingsToSend()
{
    return headrail::settingsFor(
        host_.session().identification(), { SensorMin, SensorMax, MinSpan }, formValues(), Span, decimalSeparator());
}

void HeadRailPage::sendConfiguration()
{
    const MessageTable& messages = host_.messages();
    TransmitterSession& session = host_.session();
    switch (host_.contactTransmitter(HeadRailSendContact)) {
    case ContactOutcome::PortUnavailable:
        return;
    case ContactOutcome::NoAnswer:
        session.link().Close();
        host_.ShowWarning(messages[Msg::CommunicationError]);
        return;
    case ContactOutcome::Made:
        break;
    }
    if (retryStep(StepAttempts, [this] { return host_.IdentifyTransmitter(); }) != Status::Ok) {
        host_.ShowWarning(messages[Msg::CommunicationError]);
        return;
    }
    if (!checkBeforeSending())
        return;

    // Re-reading register 1 keeps the transmitter's own bits; the form's selections stay as typed.
    headrail::Reading reread;
    const TransferStep rereadStep
        = thenOnSuccess([&session, &reread] { return headrail::readConfigWord(session, reread); },
            [this, &reread] { showConfigWord(*reread.configWord, false); });
    if (retryStep(StepAttempts, rereadStep) != Status::Ok) {
        host_.ShowWarning(messages[Msg::CommunicationError]);
        return;
    }
    if (!host_.sendEnabled()) {
        session.link().Close();
        return;
    }
    const headrail::Settings settings = settingsToSend();
    session.clearWrites();
    const auto failed = session.run(headrail::sendSteps(session, settings));
    // The count is the page's from the moment its write was tried.
    if ((!failed || *failed == headrail::WriteZeroStep) && settings.zeroCount)
        ZeroCount = *settings.zeroCount;
    if (failed) {
        for (const QString& line : partialSendNotice(session.writes()))
            w_.Config_Transmissor->appendPlainText(line);
        host_.ShowWarning(messages[*failed == headrail::WriteZeroStep ? Msg::WriteError : Msg::CommunicationError]);
        return;
    }
    w_.EdtStatus->setText(messages[Msg::SendOk]);
    host_.StartStatusTimer(SendOkSeconds);
}

}  // namespace korv
