#pragma once

#include "core/families/humamb/HumAmbConfigWord.h"
#include "core/families/humamb/HumAmbRanges.h"
#include "core/families/humamb/HumAmbScales.h"
#include "core/protocol/TransmitterSession.h"

#include <QtGlobal>

#include <functional>
#include <optional>

// The register steps of reading and sending the humidity and the ambient transmitters, over plain
// values. Which inputs a step touches follows the identified model: the humidity input for Orv-Hu
// and Orv-H, the temperature input for Orv-Hu, the ambient input (on the temperature registers)
// for OrvAmbient.
namespace korv::humamb {

// What a read found. A part stays empty until read; the observer hears of each part as soon as
// it has arrived, so that a step failing half-way leaves its first part shown.
struct Reading {
    std::optional<qint16> configWord;  // register 1
    std::optional<RangeRegisters> humidityRange;  // registers 6 and 7
    std::optional<RangeRegisters> temperatureRange;  // registers 8 and 9
    std::optional<qint16> humidityZero;  // register 14
    std::optional<qint16> temperatureZero;  // register 15
    std::optional<qint16> liveHumidity;  // memory 58
    std::optional<qint16> liveTemperature;  // memory 60
};
enum class Part { ConfigWord, HumidityRange, TemperatureRange, HumidityZero, TemperatureZero, Live };
using PartObserver = std::function<void(Part)>;

// The humidity transmitter's read: register 1, the ranges, the zero corrections, then one live
// reading followed by the zero corrections again (the live values are shown with them).
TransferSteps humidityReadSteps(TransmitterSession& session, Reading& reading, PartObserver observer);
// The ambient transmitter's read: register 1, the range, the zero correction, the live value.
TransferSteps ambientReadSteps(TransmitterSession& session, Reading& reading, PartObserver observer);

// Register 1 alone (also into the session's word) as the first step of each read and the
// re-read of each send.
Status readConfigWord(TransmitterSession& session, Reading& reading, const PartObserver& observer);

// One input of a send: its range pair and zero count as the form gives them; without a value the
// step that writes it fails with NotSent.
struct InputSettings {
    std::optional<RangeRegisters> range;
    std::optional<qint16> zeroCount;
};

struct HumiditySettings {
    bool humidityFailMax = false;
    bool temperatureFailMax = false;  // Orv-H carries it too, although it has no temperature input
    HumidityKind kind = HumidityKind::Relative;
    InputSettings humidity;
    InputSettings temperature;
};

struct AmbientSettings {
    bool failMax = false;
    InputSettings temperature;
};

// The sends: the ranges, register 1 (the word read last with the settings' flags), the zero
// corrections. The humidity transmitter's range pairs stop only on a frame that never left; the
// ambient's pair stops on any failed offset.
inline constexpr std::size_t WriteRangesStep = 0;
inline constexpr std::size_t WriteFlagsStep = 1;
inline constexpr std::size_t WriteZerosStep = 2;
TransferSteps humiditySendSteps(TransmitterSession& session, const HumiditySettings& settings);
TransferSteps ambientSendSteps(TransmitterSession& session, const AmbientSettings& settings);

}  // namespace korv::humamb

namespace korv::humamb {

// Register 1 read once more before readConfigWord: the start-up search and the humidity send's
// re-read have always sent both frames.
Status readConfigWordTwice(TransmitterSession& session, Reading& reading, const PartObserver& observer);

}  // namespace korv::humamb
