#pragma once

#include <QMap>
#include <QString>
#include <QtGlobal>

namespace korv::emu {

// Model codes as bits 10 to 13 of the identity word carry them.
enum class Model { OrvHead = 0, OrvDin = 1, OrvGalHead = 2, OrvGalDin = 3, OrvHu = 4, OrvH = 5, OrvAmbient = 6 };

// What makes one transmitter different from another of the same kind; every other register is
// derived from these by RegisterBank::seed.
struct Seed {
    int modelCode = 0;  // bits 10..13 of register 0 (0..15; 7..15 are unknown models)
    int firmware = 130;  // bits 0..9 of register 0
    qint16 serialHigh = 123;  // register 2
    qint16 serialLow = 45;  // register 3
    int outputType = 0;  // bits 8..11 of register 1
};

// What the simulated sensors see. Each input takes the quantity it measures: the thermocouple,
// Pt100, humidity-probe and ambient inputs the temperature, the electrical inputs their signal.
struct Measurand {
    double temperature = 25.0;  // °C
    double humidity = 50.0;  // %RH
    double millivolts = 25.0;  // on the 0 - 50 mV input
    double volts = 5.0;  // on the 0 - 10 V input
    double milliamps = 12.0;  // on the 0 - 20 mA and 4 - 20 mA inputs
};

// Register addresses the emulated transmitters give a meaning to. The calibration registers
// (4..9 and 16..20) mean different things per model and are listed with their seeds in the .cpp.
namespace Reg {
enum : int {
    Identity = 0,  // firmware in bits 0..9, model code in bits 10..13
    ConfigWord = 1,  // sensor code 0..5, failure/filter bits, output type 8..11, humidity kind 13..15
    SerialHigh = 2,
    SerialLow = 3,
    HumidityRangeOffset = 6,  // humidity models
    HumidityRangeGain = 7,
    TemperatureRangeOffset = 8,  // humidity and ambient models
    TemperatureRangeGain = 9,
    RangeOffset = 10,  // head/rail measuring range A
    RangeGain = 11,  // head/rail measuring range B
    HumidityZero = 14,
    Zero = 15,  // zero correction of the temperature input
    RawNonIsolated = 55,  // live, 0..16368 over the sensor range
    RawHumidity = 58,  // live, 1000 = 0 %RH .. 11000 = 100 %RH
    RawTemperature = 60,  // live; humidity models 1000 = -40 °C .. 11000 = 120 °C, ambient 0 = -50 .. 16000 = 120
    RawIsolated = 103,  // live, 1000..21000 over the sensor range
};
}

// "OrvHead", ..., "Orv-Hu", "Orv-H", "OrvAmbient", and "Desconhecido" for any other code.
QString modelName(int modelCode);
// The model code for a name as modelName spells it (case ignored) or for a number 0..15; -1 for
// anything else.
int modelCodeFromName(const QString& text);

// The register store of one transmitter and the live values it measures.
//
// Live registers follow the calibration of the input they come from, so that a technician's
// offset or gain change shows in the next reading, as on the real instrument:
//     raw = nominal + (offset - seededOffset) + nominal * (gain - seededGain) / seededGain
// rounded to the nearest count and clamped to 16 bits. `nominal` is the measurand on the input's
// count scale (not limited to the scale, so an out-of-range measurand gives an out-of-range count);
// `seededOffset/Gain` are the values seed() gives the calibration registers for the model code now
// in register 0. The humidity transmitter has two offsets and no gain (16 moves register 58, 17
// moves register 60). A head/rail transmitter measures on the input its register 1 selects; a
// sensor code with no input on that model reads -1, outside every valid count range.
class RegisterBank {
public:
    // Forgets everything and takes the registers of a factory-fresh transmitter: sensor K measuring
    // 0 to 1000 °C on the head/rail models, full sensor ranges on the others, no zero correction.
    void seed(const Seed& seed);

    int modelCode() const;
    int firmware() const;

    qint16 parameter(int address) const;  // unknown addresses read as 0
    void setParameter(int address, qint16 value);
    const QMap<int, qint16>& parameters() const { return m_parameters; }

    // What an 'R' read of `address` answers: a pinned value, a live register, or 0.
    qint16 memory(int address, const Measurand& measurand) const;
    // Pins a memory address to a fixed answer (for raw values no measurand produces exactly);
    // seed() unpins everything.
    void pinMemory(int address, qint16 value);
    void unpinMemory(int address);

    // The register store as text, one "address value" line per register, decimal.
    QString toText() const;
    // Replaces the store by the text's registers; on any bad line the store is kept and `error`
    // names the line.
    bool fromText(const QString& text, QString* error = nullptr);

private:
    QMap<int, qint16> m_parameters;
    QMap<int, qint16> m_pinned;
};

// The value seed() gives calibration register `address` on model `modelCode`, or 0 when that
// model has no such calibration register.
qint16 seededCalibration(int modelCode, int address);

// Registers A (10) and B (11) of a head/rail transmitter measuring `lower` to `upper` on a sensor
// of range `sensorMin` to `sensorMax`, computed the way the configuration tool encodes them.
struct RangeRegisters {
    qint16 offset = 0;
    qint16 gain = 0;
};
RangeRegisters encodeHeadRange(
    bool isolated, int firmware, double sensorMin, double sensorMax, double lower, double upper);

}  // namespace korv::emu
