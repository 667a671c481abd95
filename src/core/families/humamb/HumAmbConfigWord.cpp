#include "core/families/humamb/HumAmbConfigWord.h"

#include "core/protocol/Identification.h"

namespace korv::humamb {

namespace {

constexpr quint16 HumidityFailMaxBit = 0x0040;
constexpr quint16 OutputTypeMask = 0x0F00;
constexpr quint16 TemperatureFailMaxBit = 0x1000;
constexpr quint16 KindMask = 0xE000;
constexpr quint16 DewPointKind = 0x2000;

quint16 bits(qint16 word)
{
    return static_cast<quint16>(word);
}

qint16 toWord(quint16 value)
{
    return static_cast<qint16>(value);
}

}  // namespace

HumidityKind effectiveHumidityKind(bool kindMenuExists, bool dewPointChecked)
{
    return kindMenuExists && dewPointChecked ? HumidityKind::DewPoint : HumidityKind::Relative;
}

std::optional<HumidityKind> kindFromConfigWord(qint16 word)
{
    switch (bits(word) & KindMask) {
    case 0:
        return HumidityKind::Relative;
    case DewPointKind:
        return HumidityKind::DewPoint;
    default:
        return std::nullopt;
    }
}

ConfigFlags decodeConfigWord(qint16 word)
{
    const quint16 b = bits(word);
    ConfigFlags flags;
    flags.outputType = (b & OutputTypeMask) >> 8;
    flags.humidityFailMax = (b & HumidityFailMaxBit) != 0;
    flags.temperatureFailMax = (b & TemperatureFailMaxBit) != 0;
    flags.kind = kindFromConfigWord(word);
    return flags;
}

QString outputTypeLine(qint16 word, const MessageTable& messages)
{
    return korv::outputTypeLine(static_cast<quint16>(word), false, messages);
}

qint16 humidityConfigWord(qint16 lastWord, bool humidityFailMax, bool temperatureFailMax, HumidityKind kind)
{
    quint16 word = bits(lastWord) & OutputTypeMask;
    if (humidityFailMax)
        word |= HumidityFailMaxBit;
    if (temperatureFailMax)
        word |= TemperatureFailMaxBit;
    if (kind == HumidityKind::DewPoint)
        word |= DewPointKind;
    return toWord(word);
}

qint16 ambientConfigWord(qint16 lastWord, bool failMax)
{
    quint16 word = bits(lastWord) & OutputTypeMask;
    if (failMax)
        word |= TemperatureFailMaxBit;
    return toWord(word);
}

}  // namespace korv::humamb
