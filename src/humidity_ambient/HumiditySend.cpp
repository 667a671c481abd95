#include "humidity_ambient/HumAmbPages.h"

#include "humidity_ambient/HumAmbConfigWord.h"
#include "humidity_ambient/HumAmbPageSupport.h"
#include "humidity_ambient/HumAmbRanges.h"
#include "humidity_ambient/HumAmbScales.h"
#include "link/FormServices.h"
#include "link/SerialLink.h"

#include <QLineEdit>
#include <QRadioButton>

namespace korv {

using namespace humamb;

void HumidityPage::SendHumidityConfig()
{
    const MessageTable& messages = form_.messages();
    const QString sending = messages[Msg::SendingConfiguration];
    const QString writeError = messages[Msg::WriteError];
    TransferProgress progress(form_, w_.EnviaBarRHT, w_.EdtStatRHT);
    progress.start();
    if (!contactForSend(form_, progress))
        return;
    if (retryStep(StepAttempts, [this] { return form_.IdentifyTransmitter(); }) != Status::Ok) {
        progress.failSend(writeError);
        return;
    }
    progress.advance(sending);

    // Identification may have found another model: its checks are skipped and the range write
    // below then refuses to write anything.
    const auto advance = [&progress, &sending] { progress.advance(sending); };
    if (isHumidity(model())
        && !checkInputForSend(form_, humidityInput(), advance, [this] { UpdateHumidityZeroLimits(); })) {
        progress.hide();
        return;
    }
    if (hasHumidityTemperature(model())
        && !checkInputForSend(form_, temperatureInput(), advance, [this] { UpdateTemperatureZeroLimits(); })) {
        progress.hide();
        return;
    }

    // Register 1 is re-read for its output type, which the written word keeps.
    form_.shared().SendInProgress = true;
    if (retryStep(StepAttempts, [this] { return form_.ReadConfigWord(); }) != Status::Ok) {
        progress.failSend(writeError);
        return;
    }
    progress.advance(sending);
    if (!form_.sendEnabled()) {
        form_.link().Close();
        progress.failSend(writeError);
        return;
    }

    if (!runTransferSteps(progress,
            {
                [this] { return WriteHumidityRanges(); },
                [this] { return WriteHumidityFlags(); },
                [this] { return WriteHumidityZeros(); },
            },
            sending)) {
        progress.failSend(writeError);
        return;
    }
    progress.succeed(messages[Msg::SendOk]);
}

Status HumidityPage::writeRange(const InputControls& input, qint16 offsetRegister, qint16 gainRegister)
{
    // The send has refused edits without numbers before it got here.
    const auto typed = typedLimits(input.lowerEdit, input.upperEdit);
    if (!typed)
        return Status::NotSent;
    const RangeRegisters pair = encodeHumTempRange(sensorLimits(*input.state), typed->lower, typed->upper);
    RegisterAccess& registers = form_.registers();
    // Only a frame that could not be sent stops the pair; after any other failure the gain is
    // written all the same and the step's status, that of the gain, makes the sequence retry.
    const Status status = registers.WriteParameter(offsetRegister, pair.offset);
    if (status == Status::NotSent)
        return status;
    return registers.WriteParameter(gainRegister, pair.gain);
}

Status HumidityPage::WriteHumidityRanges()
{
    Status status = Status::NotSent;
    if (isHumidity(model())) {
        status = writeRange(humidityInput(), Register::HumidityRangeOffset, Register::HumidityRangeGain);
        if (status == Status::NotSent)
            return status;
    }
    if (!hasHumidityTemperature(model()))
        return status;
    return writeRange(temperatureInput(), Register::TemperatureRangeOffset, Register::TemperatureRangeGain);
}

Status HumidityPage::WriteHumidityFlags()
{
    // Orv-H has no temperature input but carries bit 12 from the temperature buttons all the same.
    const qint16 word = humidityConfigWord(
        form_.shared().ConfigWord, w_.MaxRHRadioButton->isChecked(), w_.MaxTempRadioButton->isChecked(), kind());
    form_.shared().ConfigWord = word;
    return form_.registers().WriteParameter(Register::ConfigWord, word);
}

Status HumidityPage::WriteHumidityZeros()
{
    RegisterAccess& registers = form_.registers();
    const auto writeZero = [&registers](const InputControls& input, qint16 address) -> Status {
        const auto correction = parseZeroCorrection(input.zeroEdit->text());
        const auto count = correction ? encodeZero(input.scale, *correction, input.state->span) : std::nullopt;
        if (!count)
            return Status::NotSent;
        input.state->zeroRegister = *count;
        return registers.WriteParameter(address, *count);
    };
    Status status = Status::NotSent;
    if (isHumidity(model())) {
        // A register-14 write that does not take is a communication failure like any other: the
        // sequence retries it and reports "Erro de escrita!" once, not a limit error per attempt.
        status = writeZero(humidityInput(), Register::HumidityZero);
        if (status != Status::Ok)
            return status;
    }
    if (hasHumidityTemperature(model()))
        return writeZero(temperatureInput(), Register::TemperatureZero);
    return status;
}

}  // namespace korv
