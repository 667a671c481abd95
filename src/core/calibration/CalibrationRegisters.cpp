#include "core/calibration/CalibrationRegisters.h"

namespace korv {

namespace {

constexpr int LastSensorCode = 12;
constexpr int LastPlainSensorCode = 9;  // Pt100: the plain models have no electrical inputs beyond mV

bool isThermocouple(int code)
{
    return code >= 1 && code <= 8;
}

bool hasInput(CalibrationGroup group, int sensorCode)
{
    if (sensorCode < 0 || sensorCode > LastSensorCode)
        return false;
    return group != CalibrationGroup::PlainTemperature || sensorCode <= LastPlainSensorCode;
}

const QString degreesCelsius = QStringLiteral("°C");
const QString degreesFahrenheit = QStringLiteral("°F");

CalibrationLimits temperatureLimits(int offsetLow, int offsetHigh, int gainLow, int gainHigh, const QString& unit)
{
    return { QStringLiteral("Offset limits"), QStringLiteral("Gain limits"), limitsText(offsetLow, offsetHigh),
        limitsText(gainLow, gainHigh), true, unit };
}

}  // namespace

bool operator==(const CalibrationRegisterPair& a, const CalibrationRegisterPair& b)
{
    return a.offset == b.offset && a.gain == b.gain;
}

CalibrationGroup calibrationGroupOf(Model model)
{
    return modelInfo(model).calibration;
}

std::optional<CalibrationRegisterPair> calibrationRegisters(CalibrationGroup group, int sensorCode)
{
    switch (group) {
    case CalibrationGroup::Humidity:
        return CalibrationRegisterPair { 16, 17 };
    case CalibrationGroup::Ambient:
        return CalibrationRegisterPair { 17, 18 };
    case CalibrationGroup::PlainTemperature:
    case CalibrationGroup::IsolatedTemperature:
        break;
    }
    // The register map serves every code up to 12 for both temperature groups; only the limits table
    // lacks rows for the plain models' electrical inputs.
    if (sensorCode < 0 || sensorCode > LastSensorCode)
        return std::nullopt;
    if (sensorCode == 0)
        return CalibrationRegisterPair { 4, 5 };
    if (isThermocouple(sensorCode))
        return CalibrationRegisterPair { 8, 9 };
    if (sensorCode == 9)
        return CalibrationRegisterPair { 6, 7 };
    if (sensorCode == 10)
        return CalibrationRegisterPair { 17, 18 };
    return CalibrationRegisterPair { 19, 20 };  // 0-20 mA and 4-20 mA share one calibration
}

QList<qint16> inputRegisters(CalibrationGroup group)
{
    switch (group) {
    case CalibrationGroup::Humidity:
        return { 58, 60 };
    case CalibrationGroup::Ambient:
        return { 60 };
    case CalibrationGroup::PlainTemperature:
        return { 55 };
    case CalibrationGroup::IsolatedTemperature:
        break;
    }
    return { 103 };
}

std::optional<CalibrationLimits> calibrationLimits(CalibrationGroup group, int sensorCode, bool celsius)
{
    const QString& temperatureUnit = celsius ? degreesCelsius : degreesFahrenheit;
    switch (group) {
    case CalibrationGroup::Humidity:
        return CalibrationLimits { QStringLiteral("RH offset limits"), QStringLiteral("T offset limits"),
            limitsText(-1000, 1000), limitsText(-1000, 1000), true, QString() };
    case CalibrationGroup::Ambient:
        // The ambient transmitter keeps its readings in °C whatever the main window shows.
        return CalibrationLimits { QStringLiteral("Offset limits"), QStringLiteral("Gain limits"),
            limitsText(-1000, 1000), QStringLiteral("Unavailable"), false, degreesCelsius };
    case CalibrationGroup::PlainTemperature:
        if (!hasInput(group, sensorCode))
            return std::nullopt;
        if (sensorCode == 0)
            return temperatureLimits(-3000, -500, 11000, 15000, QStringLiteral("mV"));
        if (isThermocouple(sensorCode))
            return temperatureLimits(-3000, -500, 11000, 15000, temperatureUnit);
        return temperatureLimits(-3000, -100, 10000, 20000, temperatureUnit);
    case CalibrationGroup::IsolatedTemperature:
        break;
    }
    if (!hasInput(group, sensorCode))
        return std::nullopt;
    if (sensorCode == 0)
        return temperatureLimits(-12000, -5000, 12000, 16000, QStringLiteral("mV"));
    if (isThermocouple(sensorCode))
        return temperatureLimits(-8000, -500, 10000, 15000, temperatureUnit);
    if (sensorCode == 9)
        return temperatureLimits(0, 1000, 12000, 20000, temperatureUnit);
    if (sensorCode == 10)
        return temperatureLimits(-16000, 1000, 9000, 11000, QStringLiteral("V"));
    return temperatureLimits(-1000, 3000, 9000, 11000, QStringLiteral("mA"));
}

QString limitsText(int low, int high)
{
    return QString::number(low) + QStringLiteral(" to ") + QString::number(high);
}

}  // namespace korv
