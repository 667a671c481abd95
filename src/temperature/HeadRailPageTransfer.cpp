// The register steps of the head/rail page: reading the configuration into the form and sending
// the form's configuration back.
#include "temperature/HeadRailPage.h"

#include "common/NumberFormat.h"
#include "core/HeadRailConfigWord.h"
#include "core/HeadRailRange.h"
#include "core/HeadRailSensors.h"
#include "core/HeadRailTransfer.h"
#include "core/HeadRailZero.h"
#include "core/Identification.h"
#include "core/SendReport.h"
#include "core/SerialLink.h"
#include "temperature/RadioGroup.h"
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
    w_.Config_Transmissor->appendPlainText(outputTypeLine(word, true, host_.messages()));
    if (!withSelections)
        return;
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
    const auto range = headrail::decodeRange(
        headrail::groupOf(model()), firmware(), SensorMin, SensorMax, registers.offsetA, registers.gainB);
    if (range) {
        w_.EdtLimitMaxSensor->setText(headrail::rangeLimitText(range->upper));
        w_.EdtLimitMinSensor->setText(headrail::rangeLimitText(range->lower));
    }
}

void HeadRailPage::showZero(qint16 count)
{
    ZeroCount = count;
    UpdateZeroLimits();
    w_.EdtCorrigeZero->setText(ZeroText);
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

headrail::Settings HeadRailPage::settingsToSend()
{
    headrail::Settings settings;
    settings.sensorCode = selectedCode().value_or(0);
    settings.failureToMax = w_.Forca_SaidaMax->isChecked();
    settings.filter50Hz = w_.Freq_50->isChecked();
    const QChar separator = decimalSeparator();
    const auto lower = parseNumber(w_.EdtLimitMinSensor->text(), separator);
    const auto upper = parseNumber(w_.EdtLimitMaxSensor->text(), separator);
    if (lower && upper)
        settings.range = headrail::encodeRange(headrail::groupOf(model()), firmware(), SensorMin, SensorMax,
            static_cast<float>(*lower), static_cast<float>(*upper));
    if (const auto correction = headrail::parseZeroCorrection(w_.EdtCorrigeZero->text(), separator))
        settings.zeroCount = headrail::encodeZero(headrail::groupOf(model()), firmware(), *correction, Span);
    return settings;
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
