#include "emulator/RegisterBank.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

namespace korv::emu {

namespace {

enum class Family { Plain, Isolated, Humidity, Ambient, Unknown };

Family familyOf(int modelCode)
{
    switch (static_cast<Model>(modelCode)) {
    case Model::OrvHead:
    case Model::OrvDin:
        return Family::Plain;
    case Model::OrvGalHead:
    case Model::OrvGalDin:
        return Family::Isolated;
    case Model::OrvHu:
    case Model::OrvH:
        return Family::Humidity;
    case Model::OrvAmbient:
        return Family::Ambient;
    }
    return Family::Unknown;
}

struct SensorRange {
    double min;
    double max;
};

// Sensor ranges by sensor code: °C for the temperature sensors, the signal's unit for the
// electrical inputs, which only the isolated rail model has.
struct SensorRanges {
    SensorRange plain;
    SensorRange isolated;
};
constexpr SensorRanges sensorRanges[] = {
    { { 0, 50 }, { 0, 50 } },  // 0 - 50 mV
    { { 0, 1370 }, { -150, 1370 } },  // K
    { { 0, 760 }, { -100, 760 } },  // J
    { { 0, 1760 }, { -50, 1760 } },  // R
    { { 0, 1760 }, { -50, 1760 } },  // S
    { { 0, 400 }, { -160, 400 } },  // T
    { { 0, 1300 }, { -270, 1300 } },  // N
    { { 0, 720 }, { -90, 720 } },  // E
    { { 500, 1820 }, { 500, 1820 } },  // B
    { { -200, 650 }, { -200, 600 } },  // Pt100
    { { 0, 0 }, { 0, 10 } },  // 0 - 10 V
    { { 0, 0 }, { 0, 20 } },  // 0 - 20 mA
    { { 0, 0 }, { 4, 20 } },  // 4 - 20 mA
};
constexpr int thermocoupleK = 1;
constexpr int pt100 = 9;

// Factory calibration, inside the limits the calibration window shows for each input.
struct CalibrationSeed {
    int address;
    qint16 value;
};
constexpr CalibrationSeed plainCalibration[] = {
    { 4, -1500 }, { 5, 13000 },  // 0 - 50 mV
    { 6, -1000 }, { 7, 15000 },  // Pt100
    { 8, -1800 }, { 9, 12500 },  // thermocouples
};
constexpr CalibrationSeed isolatedCalibration[] = {
    { 4, -8500 }, { 5, 14000 },  // 0 - 50 mV
    { 6, 500 }, { 7, 16000 },  // Pt100
    { 8, -4000 }, { 9, 12500 },  // thermocouples
};
constexpr CalibrationSeed isolatedRailCalibration[] = {
    { 17, -7500 }, { 18, 10000 },  // 0 - 10 V
    { 19, 1000 }, { 20, 10000 },  // 0 - 20 mA and 4 - 20 mA
};
constexpr CalibrationSeed humidityCalibration[] = { { 16, 25 }, { 17, -12 } };  // two offsets, no gain
constexpr CalibrationSeed ambientCalibration[] = { { 17, -40 }, { 18, 10000 } };

std::vector<CalibrationSeed> calibrationSeeds(int modelCode)
{
    std::vector<CalibrationSeed> seeds;
    auto add = [&seeds](std::span<const CalibrationSeed> part) { seeds.insert(seeds.end(), part.begin(), part.end()); };
    switch (familyOf(modelCode)) {
    case Family::Plain:
        add(plainCalibration);
        break;
    case Family::Isolated:
        add(isolatedCalibration);
        if (static_cast<Model>(modelCode) == Model::OrvGalDin)
            add(isolatedRailCalibration);
        break;
    case Family::Humidity:
        add(humidityCalibration);
        break;
    case Family::Ambient:
        add(ambientCalibration);
        break;
    case Family::Unknown:
        break;
    }
    return seeds;
}

struct CalibrationPair {
    int offset;
    int gain;
};

// The calibration registers a head/rail sensor code measures through; nothing for a code the
// model has no input for.
std::optional<CalibrationPair> headInputCalibration(int modelCode, int sensorCode)
{
    if (sensorCode == 0)
        return CalibrationPair { 4, 5 };
    if (sensorCode >= 1 && sensorCode <= 8)
        return CalibrationPair { 8, 9 };
    if (sensorCode == pt100)
        return CalibrationPair { 6, 7 };
    if (static_cast<Model>(modelCode) != Model::OrvGalDin)
        return std::nullopt;
    if (sensorCode == 10)
        return CalibrationPair { 17, 18 };
    if (sensorCode == 11 || sensorCode == 12)
        return CalibrationPair { 19, 20 };
    return std::nullopt;
}

SensorRange headSensorRange(bool isolated, int firmware, int sensorCode)
{
    if (isolated)
        return sensorRanges[sensorCode].isolated;
    SensorRange range = sensorRanges[sensorCode].plain;
    // Early non-isolated firmware linearises Pt100 only up to 530 °C.
    if (sensorCode == pt100 && firmware >= 1 && firmware <= 109)
        range.max = 530;
    return range;
}

double inputSignal(int sensorCode, const Measurand& measurand)
{
    if (sensorCode == 0)
        return measurand.millivolts;
    if (sensorCode == 10)
        return measurand.volts;
    if (sensorCode == 11 || sensorCode == 12)
        return measurand.milliamps;
    return measurand.temperature;
}

qint16 toRegister(double value)
{
    const double clamped = std::clamp(std::round(value), -32768.0, 32767.0);
    return static_cast<qint16>(clamped);
}

qint16 wrap16(long double value)
{
    return static_cast<qint16>(static_cast<long long>(value));
}

}  // namespace

QString modelName(int modelCode)
{
    switch (modelCode) {
    case 0:
        return QStringLiteral("OrvHead");
    case 1:
        return QStringLiteral("OrvDin");
    case 2:
        return QStringLiteral("OrvGalHead");
    case 3:
        return QStringLiteral("OrvGalDin");
    case 4:
        return QStringLiteral("Orv-Hu");
    case 5:
        return QStringLiteral("Orv-H");
    case 6:
        return QStringLiteral("OrvAmbient");
    default:
        return QStringLiteral("Desconhecido");
    }
}

int modelCodeFromName(const QString& text)
{
    const QString name = text.trimmed();
    for (int code = 0; code <= static_cast<int>(Model::OrvAmbient); ++code) {
        if (name.compare(modelName(code), Qt::CaseInsensitive) == 0)
            return code;
    }
    bool isNumber = false;
    const int code = name.toInt(&isNumber);
    return isNumber && code >= 0 && code <= 15 ? code : -1;
}

qint16 seededCalibration(int modelCode, int address)
{
    for (const CalibrationSeed& entry : calibrationSeeds(modelCode)) {
        if (entry.address == address)
            return entry.value;
    }
    return 0;
}

RangeRegisters encodeHeadRange(
    bool isolated, int firmware, double sensorMin, double sensorMax, double lower, double upper)
{
    const long double width = static_cast<long double>(sensorMax) - sensorMin;
    auto count = [&](double value) {
        const long double scaled = (static_cast<long double>(value) - sensorMin) * (isolated ? 20000 : 16368) / width;
        return static_cast<long double>(static_cast<float>(isolated ? scaled + 1000 : scaled));
    };
    const long double lc = count(lower);
    const long double uc = count(upper);
    RangeRegisters result;
    if (isolated) {
        result.offset = wrap16(std::trunc((1000 * uc - 21000 * lc) * 0.00005L));
        result.gain = wrap16(std::trunc((result.offset + uc) * 10000 * (1.0L / 21000)));
    } else if (firmware >= 110) {
        result.offset = wrap16(std::trunc((2000 * uc - 12000 * lc) * 0.0001L));
        result.gain = wrap16(std::trunc((result.offset + uc) * 10000 * (1.0L / 12000)));
    } else {
        result.offset = wrap16(std::trunc((2000 * uc - 7000 * lc) * 0.0002L));
        result.gain = wrap16(std::trunc(70000000.0L / (result.offset + uc)));
    }
    return result;
}

void RegisterBank::seed(const Seed& seed)
{
    m_parameters.clear();
    m_pinned.clear();
    const int code = seed.modelCode & 0xF;
    const int firmware = seed.firmware & 0x3FF;
    const int outputBits = (seed.outputType & 0xF) << 8;
    setParameter(Reg::Identity, static_cast<qint16>((code << 10) | firmware));
    setParameter(Reg::SerialHigh, seed.serialHigh);
    setParameter(Reg::SerialLow, seed.serialLow);

    const Family family = familyOf(code);
    switch (family) {
    case Family::Plain:
    case Family::Isolated: {
        const bool isolated = family == Family::Isolated;
        setParameter(Reg::ConfigWord, static_cast<qint16>(outputBits | thermocoupleK));
        const SensorRange k = headSensorRange(isolated, firmware, thermocoupleK);
        const RangeRegisters range = encodeHeadRange(isolated, firmware, k.min, k.max, 0, 1000);
        setParameter(Reg::RangeOffset, range.offset);
        setParameter(Reg::RangeGain, range.gain);
        setParameter(Reg::Zero, 0);
        break;
    }
    case Family::Humidity:
        // Full ranges: 0 to 100 %RH and -40 to 120 °C.
        setParameter(Reg::ConfigWord, static_cast<qint16>(outputBits));
        setParameter(Reg::HumidityRangeOffset, 0);
        setParameter(Reg::HumidityRangeGain, 10000);
        setParameter(Reg::TemperatureRangeOffset, 0);
        setParameter(Reg::TemperatureRangeGain, 10000);
        setParameter(Reg::HumidityZero, 0);
        setParameter(Reg::Zero, 0);
        break;
    case Family::Ambient:
        // Full range: -50 to 120 °C.
        setParameter(Reg::ConfigWord, static_cast<qint16>(outputBits));
        setParameter(Reg::TemperatureRangeOffset, 0);
        setParameter(Reg::TemperatureRangeGain, 10000);
        setParameter(Reg::Zero, 0);
        break;
    case Family::Unknown:
        setParameter(Reg::ConfigWord, static_cast<qint16>(outputBits));
        break;
    }
    for (const CalibrationSeed& entry : calibrationSeeds(code))
        setParameter(entry.address, entry.value);
}

int RegisterBank::modelCode() const
{
    return (parameter(Reg::Identity) >> 10) & 0xF;
}

int RegisterBank::firmware() const
{
    return parameter(Reg::Identity) & 0x3FF;
}

qint16 RegisterBank::parameter(int address) const
{
    return m_parameters.value(address & 0xFFFF, 0);
}

void RegisterBank::setParameter(int address, qint16 value)
{
    m_parameters.insert(address & 0xFFFF, value);
}

void RegisterBank::pinMemory(int address, qint16 value)
{
    m_pinned.insert(address & 0xFFFF, value);
}

void RegisterBank::unpinMemory(int address)
{
    m_pinned.remove(address & 0xFFFF);
}

qint16 RegisterBank::memory(int address, const Measurand& measurand) const
{
    address &= 0xFFFF;
    if (const auto pinned = m_pinned.constFind(address); pinned != m_pinned.constEnd())
        return *pinned;

    const int code = modelCode();
    auto calibrated = [&](double nominal, int offsetRegister, int gainRegister) {
        double raw = nominal + parameter(offsetRegister) - seededCalibration(code, offsetRegister);
        if (gainRegister >= 0) {
            const double seededGain = seededCalibration(code, gainRegister);
            raw += nominal * (parameter(gainRegister) - seededGain) / seededGain;
        }
        return toRegister(raw);
    };

    const Family family = familyOf(code);
    switch (family) {
    case Family::Plain:
    case Family::Isolated: {
        const bool isolated = family == Family::Isolated;
        if (address != (isolated ? Reg::RawIsolated : Reg::RawNonIsolated))
            return 0;
        const int sensorCode = parameter(Reg::ConfigWord) & 0x3F;
        const auto pair = headInputCalibration(code, sensorCode);
        if (!pair)
            return -1;
        const SensorRange range = headSensorRange(isolated, firmware(), sensorCode);
        const double fraction = (inputSignal(sensorCode, measurand) - range.min) / (range.max - range.min);
        const double nominal = isolated ? 1000 + fraction * 20000 : fraction * 16368;
        return calibrated(nominal, pair->offset, pair->gain);
    }
    case Family::Humidity:
        if (address == Reg::RawHumidity)
            return calibrated(1000 + measurand.humidity * 100, 16, -1);
        if (address == Reg::RawTemperature)
            return calibrated(1000 + (measurand.temperature + 40) * 10000 / 160, 17, -1);
        return 0;
    case Family::Ambient:
        if (address == Reg::RawTemperature)
            return calibrated((measurand.temperature + 50) * 16000 / 170, 17, 18);
        return 0;
    case Family::Unknown:
        break;
    }
    return 0;
}

QString RegisterBank::toText() const
{
    QString text = QStringLiteral("# orv-emulator registers: address and signed value, decimal\n");
    for (auto it = m_parameters.constBegin(); it != m_parameters.constEnd(); ++it)
        text += QString::number(it.key()) + u' ' + QString::number(it.value()) + u'\n';
    return text;
}

bool RegisterBank::fromText(const QString& text, QString* error)
{
    QMap<int, qint16> loaded;
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.simplified().split(u' ');
        bool addressOk = false;
        bool valueOk = false;
        const int address = fields.value(0).toInt(&addressOk);
        const int value = fields.value(1).toInt(&valueOk);
        // Values may be written signed or as the unsigned 16-bit pattern.
        if (fields.size() != 2 || !addressOk || !valueOk || address < 0 || address > 0xFFFF || value < -32768
            || value > 0xFFFF) {
            if (error)
                *error = QStringLiteral("line %1: expected \"address value\", got \"%2\"").arg(index + 1).arg(line);
            return false;
        }
        loaded.insert(address, static_cast<qint16>(static_cast<quint16>(value)));
    }
    m_parameters = loaded;
    return true;
}

}  // namespace korv::emu
