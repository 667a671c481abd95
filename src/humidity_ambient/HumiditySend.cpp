#include "humidity_ambient/HumAmbPages.h"

#include "core/families/humamb/HumAmbConfigWord.h"
#include "core/families/humamb/HumAmbRanges.h"
#include "core/families/humamb/HumAmbScales.h"
#include "core/families/humamb/HumAmbTransfer.h"
#include "core/link/SerialLink.h"
#include "core/protocol/SendReport.h"
#include "humidity_ambient/HumAmbPageSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace korv {

using namespace humamb;

namespace {

// One input's range pair and zero count as the edits give them; the send has refused edits
// without numbers before it gets here.
InputSettings inputSettings(const InputControls& input)
{
    return humTempInputSettings(sensorLimits(*input.state), input.scale, inputForm(input), input.state->span);
}

}  // namespace

HumiditySettings HumidityPage::settingsToSend() const
{
    HumiditySettings settings;
    settings.humidityFailMax = w_.MaxRHRadioButton->isChecked();
    settings.temperatureFailMax = w_.MaxTempRadioButton->isChecked();
    settings.kind = kind();
    settings.humidity = inputSettings(humidityInput());
    settings.temperature = inputSettings(temperatureInput());
    return settings;
}

std::optional<config::ConfigurationValues> HumidityPage::configurationToSave(Model model, QChar separator)
{
    const auto form = formToSave();
    const auto values = form ? config::humidityValues(model, *form, separator) : std::nullopt;
    return values ? std::optional<config::ConfigurationValues>(*values) : std::nullopt;
}

void HumidityPage::showConfiguration(const FamilySettings& settings)
{
    if (const auto* own = std::get_if<HumiditySettings>(&settings))
        showSettings(*own);
}

std::optional<HumidityForm> HumidityPage::formToSave()
{
    HumidityForm form;
    form.kind = kind();
    form.humidityFailMax = w_.MaxRHRadioButton->isChecked();
    form.temperatureFailMax = w_.MaxTempRadioButton->isChecked();
    form.humidity = inputForm(humidityInput());
    form.temperature = inputForm(temperatureInput());
    // The checks a send makes, on the range state as a send finds it.
    const auto check = [this](const InputControls& input) {
        const auto refusal
            = checkInputForSend(limitPair(*input.state), sensorLimits(*input.state), input.scale, inputForm(input));
        if (refusal) {
            host_.ShowWarning(host_.messages()[refusal->message]);
            fieldEdit(input, refusal->field)->setFocus();
        }
        return !refusal;
    };
    if (isHumidity(model()) && !check(humidityInput()))
        return std::nullopt;
    if (hasHumidityTemperature(model()) && !check(temperatureInput()))
        return std::nullopt;
    return form;
}

void HumidityPage::showSettings(const HumiditySettings& settings)
{
    const Reading reading = readingOfSettings(model(), host_.session().ConfigWord, settings);
    // In the order of a read, each part shown as the read shows it.
    for (const auto& [part, present] :
        { std::pair { Part::ConfigWord, true }, std::pair { Part::HumidityRange, reading.humidityRange.has_value() },
            std::pair { Part::TemperatureRange, reading.temperatureRange.has_value() },
            std::pair { Part::HumidityZero, reading.humidityZero.has_value() },
            std::pair { Part::TemperatureZero, reading.temperatureZero.has_value() } }) {
        if (present)
            showPart(reading, part, true, false);
    }
}

void HumidityPage::sendConfiguration()
{
    const MessageTable& messages = host_.messages();
    TransmitterSession& session = host_.session();
    const QString sending = messages[Msg::SendingConfiguration];
    const QString writeError = messages[Msg::WriteError];
    TransferProgress progress(host_, w_.EnviaBarRHT, w_.EdtStatRHT);
    progress.start();
    if (!contactForSend(host_, progress))
        return;
    if (retryStep(StepAttempts, [this] { return host_.IdentifyTransmitter(); }) != Status::Ok) {
        progress.failSend(writeError);
        return;
    }
    progress.advance(sending);

    // Identification may have found another model: its checks are skipped and the range write
    // below then refuses to write anything.
    const auto advance = [&progress, &sending] { progress.advance(sending); };
    if (isHumidity(model())
        && !checkInputForSend(host_, humidityInput(), advance, [this] { UpdateHumidityZeroLimits(); })) {
        progress.hide();
        return;
    }
    if (hasHumidityTemperature(model())
        && !checkInputForSend(host_, temperatureInput(), advance, [this] { UpdateTemperatureZeroLimits(); })) {
        progress.hide();
        return;
    }

    // Register 1 is re-read for its output type, which the written word keeps.
    auto reread = std::make_shared<Reading>();
    const PartObserver memoLine = showing(reread, false);
    if (retryStep(StepAttempts, [&] { return readConfigWordTwice(session, *reread, memoLine); }) != Status::Ok) {
        progress.failSend(writeError);
        return;
    }
    progress.advance(sending);
    if (!host_.sendEnabled()) {
        session.link().Close();
        progress.failSend(writeError);
        return;
    }

    const HumiditySettings settings = settingsToSend();
    session.clearWrites();
    const auto failed = runSteps(session, progress, humiditySendSteps(session, settings), sending);
    // A zero count belongs to the page from the moment its write was tried.
    if (!failed || *failed == WriteZerosStep) {
        if (isHumidity(model()) && settings.humidity.zeroCount)
            s_.HumidityRange.zeroRegister = *settings.humidity.zeroCount;
        if (hasHumidityTemperature(model()) && settings.temperature.zeroCount)
            s_.TemperatureRange.zeroRegister = *settings.temperature.zeroCount;
    }
    if (failed) {
        for (const QString& line : partialSendNotice(session.writes()))
            w_.Config_OrvHu->appendPlainText(line);
        progress.failSend(writeError);
        return;
    }
    progress.succeed(messages[Msg::SendOk]);
}

}  // namespace korv
