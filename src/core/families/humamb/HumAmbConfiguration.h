#pragma once

#include "common/Messages.h"
#include "common/NumberFormat.h"
#include "core/families/humamb/HumAmbConfigWord.h"
#include "core/families/humamb/HumAmbLimits.h"
#include "core/families/humamb/HumAmbLive.h"
#include "core/families/humamb/HumAmbRanges.h"
#include "core/families/humamb/HumAmbScales.h"
#include "core/families/humamb/HumAmbTransfer.h"
#include "core/protocol/TransmitterSession.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

// The humidity and ambient configuration between what the two pages show and what a send writes:
// the checks made before a send with the message each refusal gives, the values a send writes for
// a form, and what a read of the registers shows. The pages and the command line both go through
// these.
namespace korv::humamb {

// Only firmware above 1.00 offers the humidity measure menu; without it the humidity input
// measures relative humidity.
bool hasKindMenu(int firmware);

// One input's edits as typed, or as a read or a file filled them.
struct InputForm {
    QString lowerText;
    QString upperText;
    QString zeroText;  // empty means no correction
};

enum class FormField { LowerLimit, UpperLimit, ZeroCorrection };

// A send refused before anything is written: the message-table entry and the edit to focus.
struct Refusal {
    int message = Msg::LimitsIncorrect;
    FormField field = FormField::LowerLimit;
    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// The range half of an input's check: both limit edits hold numbers (the registers are encoded
// from them), and the range state passes the send check.
std::optional<Refusal> checkInputRange(
    const LimitPair& state, const InputLimits& sensor, const InputForm& form, QChar separator = decimalSeparator());
// The zero half, in two steps: the correction is a number (an empty edit meaning 0), then it lies
// within the limits the zero-limit update gives for the limit edits.
std::optional<Refusal> checkZeroIsNumber(const InputForm& form, QChar separator = decimalSeparator());
std::optional<Refusal> checkZeroWithinLimits(
    ZeroScale scale, const InputForm& form, QChar separator = decimalSeparator());
// All of them, in their order.
std::optional<Refusal> checkInputForSend(const LimitPair& state, const InputLimits& sensor, ZeroScale scale,
    const InputForm& form, QChar separator = decimalSeparator());

// The range state a read or an opened file leaves behind: the limit edits as the zero-limit
// update takes them. No value when an edit holds no number.
std::optional<LimitPair> rangeStateOf(const InputForm& form, QChar separator = decimalSeparator());

// What a send writes for one input: the typed limits on the input's count scale, the correction as
// a count on `span` (the span the zero-limit update left).
InputSettings humTempInputSettings(
    const InputLimits& sensor, ZeroScale scale, const InputForm& form, int span, QChar separator = decimalSeparator());
InputSettings ambientInputSettings(
    const InputLimits& sensor, const InputForm& form, int span, QChar separator = decimalSeparator());

using korv::LimitTexts;

// A decoded range as the limit edits show it; the temperature inputs hold the upper limit at the
// sensor maximum. No value for no range (a gain of 0).
std::optional<LimitTexts> decodedLimitTexts(
    const std::optional<DecodedRange>& range, const InputLimits& sensor, bool clampUpper);

// The whole humidity transmitter's form and the checks of its send: the humidity input, then for
// Orv-Hu the temperature input, each on the range state a read or a file leaves.
struct HumidityForm {
    HumidityKind kind = HumidityKind::Relative;
    bool humidityFailMax = false;
    bool temperatureFailMax = false;
    InputForm humidity;
    InputForm temperature;
};
enum class Input { Humidity, Temperature };
struct InputRefusal {
    Input input = Input::Humidity;
    Refusal refusal;
};
struct HumiditySendCheck {
    std::optional<InputRefusal> refusal;
    HumiditySettings settings;  // complete only when nothing was refused
};
HumiditySendCheck checkHumiditySend(
    Model model, bool fahrenheit, const HumidityForm& form, QChar separator = decimalSeparator());

struct AmbientForm {
    bool failMax = false;
    InputForm temperature;
};
struct AmbientSendCheck {
    std::optional<Refusal> refusal;
    AmbientSettings settings;
};
AmbientSendCheck checkAmbientSend(bool fahrenheit, const AmbientForm& form, QChar separator = decimalSeparator());

// One input as a read shows it: its sensor range and labels, the limit edits (empty when the
// registers held no range the page could have shown) and the zero correction with its limits.
struct InputView {
    InputLimits sensor;
    InputTexts texts;
    QString lowerText;
    QString upperText;
    std::optional<ZeroLimits> zero;
    bool failMax = false;
};

struct HumidityView {
    int outputType = 0;
    HumidityKind kind = HumidityKind::Relative;
    InputView humidity;
    std::optional<InputView> temperature;  // Orv-Hu only
    std::optional<HumidityReading> live;  // with the zero corrections added, as the memo shows it
    QStringList liveLines;
};
HumidityView humidityViewOfReading(const IdentificationRecord& unit, bool fahrenheit, const Reading& reading,
    const MessageTable& messages, QChar separator = decimalSeparator());

struct AmbientView {
    int outputType = 0;
    InputView temperature;
    std::optional<float> live;
    QString liveLine;
};
AmbientView ambientViewOfReading(
    bool fahrenheit, const Reading& reading, const MessageTable& messages, QChar separator = decimalSeparator());

// The registers a send of the settings leaves on `model`, as a read would find them: register 1
// keeps the output type of `lastWord` (the word read last); the inputs the model lacks stay empty.
Reading readingOfSettings(Model model, qint16 lastWord, const HumiditySettings& settings);
Reading readingOfSettings(qint16 lastWord, const AmbientSettings& settings);

// The views as the pages' controls would hold them. A read of Orv-H leaves the temperature failure
// buttons alone, so its temperature failure state is the one a window starts with: minimum.
InputForm inputFormOf(const InputView& view);
HumidityForm humidityFormOf(const HumidityView& view);
AmbientForm ambientFormOf(const AmbientView& view);

}  // namespace korv::humamb
