#include "core/families/Families.h"

#include "core/protocol/Identification.h"

#include <array>

namespace korv {

std::optional<quint16> UnitReading::configWord() const
{
    if (headRail.configWord)
        return headRail.configWord;
    if (humAmb.configWord)
        return static_cast<quint16>(*humAmb.configWord);
    return std::nullopt;
}

namespace {

TransferSteps sendsNothing()
{
    return { [] { return Status::NotSent; } };
}

// The send of one family's settings type.
template <typename Settings, TransferSteps (*send)(TransmitterSession&, const Settings&)>
TransferSteps sendOf(TransmitterSession& session, const FamilySettings& settings)
{
    const auto* own = std::get_if<Settings>(&settings);
    return own ? send(session, *own) : sendsNothing();
}

QString humAmbOutputTypeLine(quint16 configWord, const MessageTable& messages)
{
    return humamb::outputTypeLine(static_cast<qint16>(configWord), messages);
}

const std::array<FamilyDriver, 3> Drivers = { {
    {
        Family::HeadRail,
        u"head-rail",
        [](TransmitterSession& session, UnitReading& reading) {
            return headrail::readConfigWord(session, reading.headRail);
        },
        [](TransmitterSession& session, UnitReading& reading) {
            return headrail::readSteps(session, reading.headRail);
        },
        sendOf<headrail::Settings, headrail::sendSteps>,
        [](quint16 configWord, const MessageTable& messages) { return outputTypeLine(configWord, true, messages); },
        true,
        [](const IdentificationRecord& unit, bool fahrenheit, const UnitReading& reading, const MessageTable&,
            QChar separator) -> FamilyView {
            return headrail::viewOfReading(unit, fahrenheit, reading.headRail, separator);
        },
    },
    {
        Family::Humidity,
        u"humidity",
        // The humidity transmitter's register 1 has always been read twice.
        [](TransmitterSession& session, UnitReading& reading) {
            return humamb::readConfigWordTwice(session, reading.humAmb, {});
        },
        [](TransmitterSession& session, UnitReading& reading) {
            return humamb::humidityReadSteps(session, reading.humAmb, {});
        },
        sendOf<humamb::HumiditySettings, humamb::humiditySendSteps>,
        humAmbOutputTypeLine,
        false,
        [](const IdentificationRecord& unit, bool fahrenheit, const UnitReading& reading, const MessageTable& messages,
            QChar separator) -> FamilyView {
            return humamb::humidityViewOfReading(unit, fahrenheit, reading.humAmb, messages, separator);
        },
    },
    {
        Family::Ambient,
        u"ambient",
        [](TransmitterSession& session, UnitReading& reading) {
            return humamb::readConfigWord(session, reading.humAmb, {});
        },
        [](TransmitterSession& session, UnitReading& reading) {
            return humamb::ambientReadSteps(session, reading.humAmb, {});
        },
        sendOf<humamb::AmbientSettings, humamb::ambientSendSteps>,
        humAmbOutputTypeLine,
        false,
        [](const IdentificationRecord&, bool fahrenheit, const UnitReading& reading, const MessageTable& messages,
            QChar separator) -> FamilyView {
            return humamb::ambientViewOfReading(fahrenheit, reading.humAmb, messages, separator);
        },
    },
} };

}  // namespace

const FamilyDriver& driverFor(Family family)
{
    return Drivers.at(static_cast<std::size_t>(family));
}

std::optional<Family> familyWithFileKey(QStringView key)
{
    for (const FamilyDriver& driver : Drivers) {
        if (driver.fileKey == key)
            return driver.family;
    }
    return std::nullopt;
}

const FamilyDriver& driverFor(Model model)
{
    return driverFor(familyOf(model).value_or(Family::HeadRail));
}

}  // namespace korv
