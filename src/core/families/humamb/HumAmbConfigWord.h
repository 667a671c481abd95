#pragma once

#include "common/Messages.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace korv::humamb {

// Registers of the humidity (Orv-Hu, Orv-H) and ambient (OrvAmbient) transmitters.
namespace Register {
enum : qint16 {
    ConfigWord = 1,
    HumidityRangeOffset = 6,
    HumidityRangeGain = 7,
    TemperatureRangeOffset = 8,  // Orv-Hu temperature input, or the OrvAmbient input on its own scale
    TemperatureRangeGain = 9,
    HumidityZero = 14,
    TemperatureZero = 15,
    LiveHumidity = 58,  // ReadMemory
    LiveTemperature = 60,  // ReadMemory
};
}

enum class HumidityKind { Relative, DewPoint };

// The kind every humidity path works with. Transmitters with firmware 100 or older have no kind
// menu, and a fresh menu has neither item checked; both measure relative humidity, so only a
// checked dew-point item selects the dew point. Deciding it in one place keeps the limits, the
// labels, the live conversion and the written configuration word in agreement.
HumidityKind effectiveHumidityKind(bool kindMenuExists, bool dewPointChecked);

// Bits 13..15: 0 is relative humidity, 0x2000 dew point; any other value selects nothing and the
// menu keeps its current choice.
std::optional<HumidityKind> kindFromConfigWord(qint16 word);

// What a read configuration word selects on the form.
struct ConfigFlags {
    int outputType = 0;  // bits 8..11
    bool humidityFailMax = false;  // bit 6: humidity output driven to maximum on sensor failure
    bool temperatureFailMax = false;  // bit 12: the same for the temperature input
    std::optional<HumidityKind> kind;
};
ConfigFlags decodeConfigWord(qint16 word);

// The identification memo's output-type line. Unlike the head/rail models these transmitters
// know no 0 - 5 V output, so code 2 is unknown as well.
QString outputTypeLine(qint16 word, const MessageTable& messages);

// Words to write: the output type of the word read last survives, every other bit comes from the
// form. Orv-H also carries bit 12 from the temperature failure buttons, although it has no
// temperature input.
qint16 humidityConfigWord(qint16 lastWord, bool humidityFailMax, bool temperatureFailMax, HumidityKind kind);
qint16 ambientConfigWord(qint16 lastWord, bool failMax);

}  // namespace korv::humamb
