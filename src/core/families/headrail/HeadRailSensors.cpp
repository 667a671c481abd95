#include "core/families/headrail/HeadRailSensors.h"

#include "common/Messages.h"

#include <array>

namespace korv::headrail {

namespace {

constexpr int CodeCount = 13;

// Range in °C (mV, V, mA for the electrical inputs) and minimum span. A minimum span of 0 stands
// for "10 % of the range"; `present` is false where the table has no row.
struct SensorRow {
    bool present;
    int min;
    int max;
    int minSpan;
};

constexpr int TenPercent = 0;

constexpr std::array<SensorRow, CodeCount> NonIsolatedTable = { {
    { true, 0, 50, TenPercent },  // 0 - 50 mV
    { true, 0, 1370, 100 },  // K
    { true, 0, 760, 100 },  // J
    { true, 0, 1760, 400 },  // R
    { true, 0, 1760, 400 },  // S
    { true, 0, 400, 100 },  // T
    { true, 0, 1300, 100 },  // N
    { true, 0, 720, 100 },  // E
    { true, 500, 1820, 400 },  // B
    { true, -200, 650, 40 },  // Pt100
    { false, 0, 0, 0 },
    { false, 0, 0, 0 },
    { false, 0, 0, 0 },
} };

constexpr std::array<SensorRow, CodeCount> IsolatedTable = { {
    { true, 0, 50, TenPercent }, { true, -150, 1370, 100 }, { true, -100, 760, 100 }, { true, -50, 1760, 400 },
    { true, -50, 1760, 400 }, { true, -160, 400, 100 }, { true, -270, 1300, 100 }, { true, -90, 720, 100 },
    { true, 500, 1820, 400 }, { true, -200, 600, 40 }, { true, 0, 10, 1 },  // 0 - 10 V
    { true, 0, 20, 2 },  // 0 - 20 mA
    { true, 4, 20, 2 },  // 4 - 20 mA
} };

// Old non-isolated firmware could not measure Pt100 above 530 °C.
constexpr int OldFirmwarePt100Max = 530;

int tenPercentOf(int min, int max)
{
    return (max - min) * 10 / 100;
}

bool isNonIsolatedTableModel(Model model)
{
    return isNonIsolatedHeadRail(model) || !familyOf(model);
}

bool isOldNonIsolatedFirmware(int firmware)
{
    return firmware >= 1 && firmware <= 109;
}

// The first isolated head firmware has a six-item list without R, N, E and B.
bool isShortGalHeadList(Model model, int firmware)
{
    return modelInfo(model).shortSensorListFirmware == firmware;
}

// The last sensor code of an isolated model's list: the electrical inputs come after Pt100.
int lastCodeOf(Model model)
{
    return modelInfo(model).electricalInputs ? SensorCode::MilliAmp4To20 : SensorCode::Pt100;
}

QList<int> codesUpTo(int last)
{
    QList<int> codes;
    for (int code = 0; code <= last; ++code)
        codes.append(code);
    return codes;
}

}  // namespace

Group groupOf(Model model)
{
    if (isNonIsolatedHeadRail(model))
        return Group::NonIsolated;
    if (isIsolatedHeadRail(model))
        return Group::Isolated;
    return Group::Other;
}

std::optional<SensorLimits> loadSensorRange(Model model, int firmware, int code)
{
    if (code < 0 || code >= CodeCount)
        return std::nullopt;

    if (isNonIsolatedTableModel(model)) {
        const SensorRow& row = NonIsolatedTable[static_cast<size_t>(code)];
        if (!row.present)
            return std::nullopt;
        SensorLimits limits { row.min, row.max, row.minSpan };
        if (isOldNonIsolatedFirmware(firmware)) {
            if (code == SensorCode::Pt100)
                limits.max = OldFirmwarePt100Max;
            limits.minSpan = tenPercentOf(limits.min, limits.max);
        } else if (row.minSpan == TenPercent) {
            limits.minSpan = tenPercentOf(limits.min, limits.max);
        }
        return limits;
    }

    // The isolated table, as far as the model's inputs go: a model of the table's rows gets its
    // range without being named here.
    if (!isIsolatedHeadRail(model) || code > lastCodeOf(model))
        return std::nullopt;
    const SensorRow& row = IsolatedTable[static_cast<size_t>(code)];
    const int minSpan = row.minSpan == TenPercent ? tenPercentOf(row.min, row.max) : row.minSpan;
    return SensorLimits { row.min, row.max, minSpan };
}

SensorLimits toFahrenheit(SensorLimits celsius)
{
    // Integer division truncates toward zero, which is the rounding the transmitter's users know.
    return { celsius.min * 18 / 10 + 32, celsius.max * 18 / 10 + 32, celsius.minSpan * 18 / 10 };
}

bool isTemperatureCode(int code)
{
    return code >= SensorCode::ThermocoupleK && code <= SensorCode::Pt100;
}

std::optional<SensorLimits> sensorRangeInUnit(Model model, int firmware, int code, bool fahrenheit)
{
    auto limits = loadSensorRange(model, firmware, code);
    if (limits && fahrenheit && isTemperatureCode(code))
        *limits = toFahrenheit(*limits);
    return limits;
}

QList<int> sensorListCodes(Model model, int firmware, bool noThermocoupleB)
{
    if (isNonIsolatedHeadRail(model)) {
        if (noThermocoupleB)
            return { 0, 1, 2, 3, 4, 5, 6, 7, SensorCode::Pt100 };
        return codesUpTo(SensorCode::Pt100);
    }
    if (isShortGalHeadList(model, firmware))
        return { 0, 1, 2, 4, 5, SensorCode::Pt100 };
    return codesUpTo(lastCodeOf(model));
}

std::optional<int> codeForPosition(Model model, int firmware, bool noThermocoupleB, int position)
{
    const QList<int> codes = sensorListCodes(model, firmware, noThermocoupleB);
    if (position < 0 || position >= codes.size())
        return std::nullopt;
    return codes[position];
}

std::optional<int> positionForCode(Model model, int firmware, bool noThermocoupleB, int code)
{
    // A transmitter set to thermocouple B on a list without B has no item to show; selecting the
    // Pt100 item in its place would display a wrong sensor and send code 9 back.
    const QList<int> codes = sensorListCodes(model, firmware, noThermocoupleB);
    const qsizetype position = codes.indexOf(code);
    if (position < 0)
        return std::nullopt;
    return static_cast<int>(position);
}

int sensorMessage(int code)
{
    return Msg::FirstSensorName + code;
}

QString unitTextForPosition(int position, bool fahrenheit)
{
    if (position == SensorCode::MilliVolt50)
        return QStringLiteral("mV");
    if (isTemperatureCode(position))
        return fahrenheit ? QStringLiteral("°F") : QStringLiteral("°C");
    if (position == SensorCode::Volt10)
        return QStringLiteral("V");
    if (position == SensorCode::MilliAmp0To20 || position == SensorCode::MilliAmp4To20)
        return QStringLiteral("mA");
    return {};
}

LimitKeys limitKeysFor(Model model, int position, bool noThermocoupleB)
{
    switch (groupOf(model)) {
    case Group::NonIsolated: {
        // Pt100 is the only sensor of these models that measures below zero.
        const int pt100Position = noThermocoupleB ? 8 : 9;
        return position == pt100Position ? LimitKeys::DigitsAndMinus : LimitKeys::Digits;
    }
    case Group::Isolated:
        return position != 0 ? LimitKeys::DigitsAndMinus : LimitKeys::Digits;
    case Group::Other:
        break;
    }
    return LimitKeys::Any;
}

}  // namespace korv::headrail
