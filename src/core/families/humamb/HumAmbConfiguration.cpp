#include "core/families/humamb/HumAmbConfiguration.h"

namespace korv::humamb {

namespace {

constexpr int NoKindMenuFirmware = 100;

std::optional<Refusal> refuse(int message, FormField field)
{
    return Refusal { message, field };
}

// An input read or opened: its sensor, its labels, and the limit edits the zero-limit update
// then takes the range state and the zero texts from.
InputView inputView(const InputLimits& sensor, const InputTexts& texts, const std::optional<LimitTexts>& shown,
    std::optional<qint16> zeroRegister, ZeroScale scale, QChar separator)
{
    InputView view;
    view.sensor = sensor;
    view.texts = texts;
    if (shown) {
        view.lowerText = shown->lower;
        view.upperText = shown->upper;
    }
    if (zeroRegister)
        view.zero = zeroLimitsFromEdits(scale, view.lowerText, view.upperText, *zeroRegister, separator);
    return view;
}

std::optional<LimitTexts> decodedOrNone(
    const std::optional<RangeRegisters>& pair, const InputLimits& sensor, bool clampUpper, bool ambientScale)
{
    if (!pair)
        return std::nullopt;
    const auto decoded = ambientScale ? decodeAmbientRange(sensor, pair->offset, pair->gain)
                                      : decodeHumTempRange(sensor, pair->offset, pair->gain);
    return decodedLimitTexts(decoded, sensor, clampUpper);
}

}  // namespace

bool hasKindMenu(int firmware)
{
    return firmware > NoKindMenuFirmware;
}

std::optional<Refusal> checkInputRange(
    const LimitPair& state, const InputLimits& sensor, const InputForm& form, QChar separator)
{
    // The range check works on the state, but the registers are encoded from the edits: both
    // must hold numbers before anything is written.
    if (!parseNumber(form.lowerText, separator))
        return refuse(Msg::LimitsIncorrect, FormField::LowerLimit);
    if (!parseNumber(form.upperText, separator))
        return refuse(Msg::LimitsIncorrect, FormField::UpperLimit);
    switch (checkSendRange(state, sensor)) {
    case RangeFocus::Lower:
        return refuse(Msg::LimitsIncorrect, FormField::LowerLimit);
    case RangeFocus::Upper:
        return refuse(Msg::LimitsIncorrect, FormField::UpperLimit);
    case RangeFocus::None:
        break;
    }
    return std::nullopt;
}

std::optional<Refusal> checkZeroIsNumber(const InputForm& form, QChar separator)
{
    if (!parseZeroCorrection(form.zeroText, separator))
        return refuse(Msg::ZeroOutOfBounds, FormField::ZeroCorrection);
    return std::nullopt;
}

std::optional<Refusal> checkZeroWithinLimits(ZeroScale scale, const InputForm& form, QChar separator)
{
    const auto correction = parseZeroCorrection(form.zeroText, separator);
    const auto limits = zeroLimitsFromEdits(scale, form.lowerText, form.upperText, 0, separator);
    if (!correction || !limits || !zeroWithinLimits(*correction, *limits, separator))
        return refuse(Msg::ZeroOutOfBounds, FormField::ZeroCorrection);
    return std::nullopt;
}

std::optional<Refusal> checkInputForSend(
    const LimitPair& state, const InputLimits& sensor, ZeroScale scale, const InputForm& form, QChar separator)
{
    if (auto refusal = checkInputRange(state, sensor, form, separator))
        return refusal;
    if (auto refusal = checkZeroIsNumber(form, separator))
        return refusal;
    return checkZeroWithinLimits(scale, form, separator);
}

std::optional<LimitPair> rangeStateOf(const InputForm& form, QChar separator)
{
    const auto limits = zeroLimitsFromEdits(HumidityZeroScale, form.lowerText, form.upperText, 0, separator);
    if (!limits)
        return std::nullopt;
    return limits->range;
}

namespace {

// The two scales differ only in how a range is encoded.
using RangeEncoder = RangeRegisters (*)(const InputLimits&, float, float);

InputSettings inputSettings(
    RangeEncoder encode, const InputLimits& sensor, ZeroScale scale, const InputForm& form, int span, QChar separator)
{
    InputSettings settings;
    const auto lower = parseLimitValue(form.lowerText, separator);
    const auto upper = parseLimitValue(form.upperText, separator);
    if (lower && upper)
        settings.range = encode(sensor, *lower, *upper);
    if (const auto correction = parseZeroCorrection(form.zeroText, separator))
        settings.zeroCount = encodeZero(scale, *correction, span);
    return settings;
}

}  // namespace

InputSettings humTempInputSettings(
    const InputLimits& sensor, ZeroScale scale, const InputForm& form, int span, QChar separator)
{
    return inputSettings(encodeHumTempRange, sensor, scale, form, span, separator);
}

InputSettings ambientInputSettings(const InputLimits& sensor, const InputForm& form, int span, QChar separator)
{
    return inputSettings(encodeAmbientRange, sensor, AmbientZeroScale, form, span, separator);
}

std::optional<LimitTexts> decodedLimitTexts(
    const std::optional<DecodedRange>& range, const InputLimits& sensor, bool clampUpper)
{
    if (!range)
        return std::nullopt;
    const DecodedRange shown = clampUpper ? clampUpperToSensor(*range, sensor) : *range;
    return LimitTexts { limitEditText(shown.lower), limitEditText(shown.upper) };
}

HumiditySendCheck checkHumiditySend(Model model, bool fahrenheit, const HumidityForm& form, QChar separator)
{
    HumiditySendCheck check;
    check.settings.humidityFailMax = form.humidityFailMax;
    check.settings.temperatureFailMax = form.temperatureFailMax;
    check.settings.kind = form.kind;
    // Each input is judged on the range state its edits leave, and encoded on that state's span.
    const auto checkInput = [&](Input input, const InputForm& inputForm, const InputLimits& sensor, ZeroScale scale,
                                InputSettings& settings) {
        const LimitPair state = rangeStateOf(inputForm, separator).value_or(LimitPair {});
        if (const auto refusal = checkInputForSend(state, sensor, scale, inputForm, separator)) {
            check.refusal = InputRefusal { input, *refusal };
            return false;
        }
        settings = humTempInputSettings(sensor, scale, inputForm, state.span, separator);
        return true;
    };
    if (isHumidity(model)
        && !checkInput(Input::Humidity, form.humidity, humidityLimits(form.kind, fahrenheit), HumidityZeroScale,
            check.settings.humidity))
        return check;
    if (hasHumidityTemperature(model))
        checkInput(Input::Temperature, form.temperature, humTempLimits(fahrenheit), HumTempZeroScale,
            check.settings.temperature);
    return check;
}

AmbientSendCheck checkAmbientSend(bool fahrenheit, const AmbientForm& form, QChar separator)
{
    AmbientSendCheck check;
    check.settings.failMax = form.failMax;
    const InputLimits sensor = ambientLimits(fahrenheit);
    const LimitPair state = rangeStateOf(form.temperature, separator).value_or(LimitPair {});
    if ((check.refusal = checkInputForSend(state, sensor, AmbientZeroScale, form.temperature, separator)))
        return check;
    check.settings.temperature = ambientInputSettings(sensor, form.temperature, state.span, separator);
    return check;
}

HumidityView humidityViewOfReading(const IdentificationRecord& unit, bool fahrenheit, const Reading& reading,
    const MessageTable& messages, QChar separator)
{
    HumidityView view;
    const Model model = unit.TransmitterModel;
    const QString rangeWord = messages[Msg::RangeWord];
    ConfigFlags flags;
    if (reading.configWord) {
        flags = decodeConfigWord(*reading.configWord);
        view.outputType = flags.outputType;
    }
    // A word whose kind bits select nothing leaves the menu as a fresh window has it: nothing checked.
    view.kind
        = effectiveHumidityKind(hasKindMenu(unit.FirmwareVersion), flags.kind && *flags.kind == HumidityKind::DewPoint);

    // The kind display resets the humidity edits to the kind's whole range before the decoded
    // range replaces them; the temperature edits have no such reset.
    const HumidityKindView kind = humidityKindView(view.kind, fahrenheit, rangeWord);
    const LimitTexts fullHumidity { QString::number(kind.range.lower), QString::number(kind.range.upper) };
    const auto humidityShown = decodedOrNone(reading.humidityRange, kind.limits, false, false);
    view.humidity = inputView(kind.limits, kind.texts, humidityShown.value_or(fullHumidity), reading.humidityZero,
        HumidityZeroScale, separator);
    view.humidity.failMax = flags.humidityFailMax;

    if (hasHumidityTemperature(model)) {
        const InputLimits sensor = humTempLimits(fahrenheit);
        view.temperature = inputView(sensor, humTempTexts(fahrenheit, rangeWord),
            decodedOrNone(reading.temperatureRange, sensor, true, false), reading.temperatureZero, HumTempZeroScale,
            separator);
        view.temperature->failMax = flags.temperatureFailMax;
    }

    if (isHumidity(model) && reading.liveHumidity && reading.liveTemperature) {
        const HumidityReading raw
            = convertHumidityReading(*reading.liveTemperature, *reading.liveHumidity, view.kind, fahrenheit);
        const QString humidityZero = view.humidity.zero ? view.humidity.zero->zeroText : QString();
        const QString temperatureZero
            = view.temperature && view.temperature->zero ? view.temperature->zero->zeroText : QString();
        view.live = correctedReading(raw, humidityZero, temperatureZero, separator);
        view.liveLines << humidityLiveLine(
            messages[Msg::LiveHumidityPrefix], *view.live, view.humidity.texts.unit, separator);
        if (view.temperature)
            view.liveLines << temperatureLiveLine(
                messages[Msg::LiveTemperaturePrefix], view.live->temperature, view.temperature->texts.unit, separator);
    }
    return view;
}

AmbientView ambientViewOfReading(bool fahrenheit, const Reading& reading, const MessageTable& messages, QChar separator)
{
    AmbientView view;
    ConfigFlags flags;
    if (reading.configWord) {
        flags = decodeConfigWord(*reading.configWord);
        view.outputType = flags.outputType;
    }
    const InputLimits sensor = ambientLimits(fahrenheit);
    view.temperature = inputView(sensor, ambientTexts(fahrenheit, messages[Msg::RangeWord]),
        decodedOrNone(reading.temperatureRange, sensor, true, true), reading.temperatureZero, AmbientZeroScale,
        separator);
    view.temperature.failMax = flags.temperatureFailMax;
    if (reading.liveTemperature) {
        view.live = ambientLiveValue(*reading.liveTemperature, fahrenheit);
        view.liveLine
            = ambientLiveLine(messages[Msg::LiveTemperaturePrefix], *view.live, view.temperature.texts.unit, separator);
    }
    return view;
}

Reading readingOfSettings(Model model, qint16 lastWord, const HumiditySettings& settings)
{
    Reading reading;
    reading.configWord
        = humidityConfigWord(lastWord, settings.humidityFailMax, settings.temperatureFailMax, settings.kind);
    if (isHumidity(model)) {
        reading.humidityRange = settings.humidity.range;
        reading.humidityZero = settings.humidity.zeroCount;
    }
    if (hasHumidityTemperature(model)) {
        reading.temperatureRange = settings.temperature.range;
        reading.temperatureZero = settings.temperature.zeroCount;
    }
    return reading;
}

Reading readingOfSettings(qint16 lastWord, const AmbientSettings& settings)
{
    Reading reading;
    reading.configWord = ambientConfigWord(lastWord, settings.failMax);
    reading.temperatureRange = settings.temperature.range;
    reading.temperatureZero = settings.temperature.zeroCount;
    return reading;
}

InputForm inputFormOf(const InputView& view)
{
    return { view.lowerText, view.upperText, view.zero ? view.zero->zeroText : QString() };
}

HumidityForm humidityFormOf(const HumidityView& view)
{
    HumidityForm form;
    form.kind = view.kind;
    form.humidityFailMax = view.humidity.failMax;
    form.humidity = inputFormOf(view.humidity);
    if (view.temperature) {
        form.temperatureFailMax = view.temperature->failMax;
        form.temperature = inputFormOf(*view.temperature);
    }
    return form;
}

AmbientForm ambientFormOf(const AmbientView& view)
{
    return { view.temperature.failMax, inputFormOf(view.temperature) };
}

}  // namespace korv::humamb
