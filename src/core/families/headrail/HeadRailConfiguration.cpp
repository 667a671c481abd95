#include "core/families/headrail/HeadRailConfiguration.h"

namespace korv::headrail {

std::optional<Refusal> checkSensorSelected(const std::optional<int>& sensorCode)
{
    if (!sensorCode)
        return Refusal { Msg::LimitsIncorrect, FormField::Sensor };
    return std::nullopt;
}

SendCheck checkForSend(const IdentificationRecord& unit, bool fahrenheit, const FormValues& form, QChar separator)
{
    SendCheck check;
    if ((check.refusal = checkSensorSelected(form.sensorCode)))
        return check;
    const Model model = unit.TransmitterModel;
    const int firmware = unit.FirmwareVersion;
    check.sensor = sensorRangeInUnit(model, firmware, *form.sensorCode, fahrenheit);
    if (!check.sensor) {
        check.refusal = Refusal { Msg::LimitsIncorrect, FormField::Sensor };
        return check;
    }

    const auto lower = parseTruncated(form.lowerText, separator);
    if (!lower) {
        check.refusal = Refusal { Msg::LimitsIncorrect, FormField::LowerLimit };
        return check;
    }
    const auto upper = parseTruncated(form.upperText, separator);
    if (!upper) {
        check.refusal = Refusal { Msg::LimitsIncorrect, FormField::UpperLimit };
        return check;
    }
    check.limits = WholeLimits { *lower, *upper };
    switch (checkRange(model, firmware, *lower, *upper, *check.sensor)) {
    case RangeFocus::Lower:
        check.refusal = Refusal { Msg::LimitsIncorrect, FormField::LowerLimit };
        return check;
    case RangeFocus::Upper:
        check.refusal = Refusal { Msg::LimitsIncorrect, FormField::UpperLimit };
        return check;
    case RangeFocus::None:
        break;
    }

    const Group group = groupOf(model);
    check.zero = zeroTexts(group, firmware, *lower, *upper, 0, separator);
    // A model without a zero scale has no bounds to hold a correction against; it cannot be sent
    // to, and its correction is not judged.
    const int span = check.zero ? check.zero->span : *upper - *lower;
    if (check.zero) {
        // A lone "-" or separator is no correction at all; it is refused like one outside the bounds.
        const auto correction = parseZeroCorrection(form.zeroText, separator);
        if (!correction || !zeroWithinBounds(*correction, check.zero->minText, check.zero->maxText, separator)) {
            check.refusal = Refusal { Msg::ZeroOutOfBounds, FormField::ZeroCorrection };
            return check;
        }
    }
    check.settings = settingsFor(unit, *check.sensor, form, span, separator);
    // Limits the checks above accept can still give a register pair outside 16 bits (early
    // firmware, a narrow span): they are limits this transmitter cannot take, refused before
    // anything is written rather than failing half-way as if the line were at fault.
    if (group != Group::Other && !check.settings.range)
        check.refusal = Refusal { Msg::LimitsIncorrect, FormField::LowerLimit };
    return check;
}

Settings settingsFor(
    const IdentificationRecord& unit, const SensorLimits& sensor, const FormValues& form, int zeroSpan, QChar separator)
{
    const Group group = groupOf(unit.TransmitterModel);
    const int firmware = unit.FirmwareVersion;
    Settings settings;
    settings.sensorCode = form.sensorCode.value_or(0);
    settings.failureToMax = form.failureToMax;
    settings.filter50Hz = form.filter50Hz;
    const auto lower = parseNumber(form.lowerText, separator);
    const auto upper = parseNumber(form.upperText, separator);
    if (lower && upper)
        settings.range = encodeRange(
            group, firmware, sensor.min, sensor.max, static_cast<float>(*lower), static_cast<float>(*upper));
    if (const auto correction = parseZeroCorrection(form.zeroText, separator))
        settings.zeroCount = encodeZero(group, firmware, *correction, zeroSpan);
    return settings;
}

std::optional<LimitTexts> rangeTexts(Group group, int firmware, const SensorLimits& sensor, const RangeRegisters& range)
{
    const auto decoded = decodeRange(group, firmware, sensor.min, sensor.max, range.offset, range.gain);
    if (!decoded)
        return std::nullopt;
    return LimitTexts { rangeLimitText(decoded->lower), rangeLimitText(decoded->upper) };
}

ReadView viewOfReading(const IdentificationRecord& unit, bool fahrenheit, const Reading& reading, QChar separator)
{
    ReadView view;
    if (!reading.configWord)
        return view;
    const Model model = unit.TransmitterModel;
    const int firmware = unit.FirmwareVersion;
    view.fields = splitConfigWord(*reading.configWord);
    view.position = positionForCode(model, firmware, unit.NoThermocoupleB, view.fields.code);
    if (!view.position)
        return view;
    view.sensor = sensorRangeInUnit(model, firmware, view.fields.code, fahrenheit);
    if (!view.sensor)
        return view;
    view.unit = unitTextForPosition(*view.position, fahrenheit);

    // Selecting the sensor resets the range to the whole sensor; the decoded range replaces it.
    view.lowerText = QString::number(view.sensor->min);
    view.upperText = QString::number(view.sensor->max);
    const Group group = groupOf(model);
    if (reading.range) {
        if (const auto texts = rangeTexts(group, firmware, *view.sensor, *reading.range)) {
            view.lowerText = texts->lower;
            view.upperText = texts->upper;
        }
    }
    if (reading.zeroCount) {
        const auto lower = parseTruncated(view.lowerText, separator);
        const auto upper = parseTruncated(view.upperText, separator);
        if (lower && upper)
            view.zero = zeroTexts(group, firmware, *lower, *upper, *reading.zeroCount, separator);
    }
    return view;
}

Reading readingOfSettings(quint16 lastWord, const Settings& settings)
{
    Reading reading;
    reading.configWord = composeConfigWord(lastWord, settings.sensorCode, settings.failureToMax, settings.filter50Hz);
    reading.range = settings.range;
    reading.zeroCount = settings.zeroCount;
    return reading;
}

FormValues formValuesOf(const ReadView& view)
{
    FormValues form;
    if (view.position)
        form.sensorCode = view.fields.code;
    form.failureToMax = view.fields.failureToMax;
    form.filter50Hz = view.fields.filter50Hz;
    form.lowerText = view.lowerText;
    form.upperText = view.upperText;
    if (view.zero)
        form.zeroText = view.zero->zeroText;
    return form;
}

}  // namespace korv::headrail
