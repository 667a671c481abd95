#pragma once

#include "core/families/headrail/HeadRailConfiguration.h"
#include "core/families/headrail/HeadRailTransfer.h"
#include "core/families/humamb/HumAmbConfiguration.h"
#include "core/families/humamb/HumAmbTransfer.h"
#include "core/protocol/Model.h"
#include "core/protocol/TransmitterSession.h"

#include <QString>

#include <optional>
#include <variant>

// The families as the program drives them: one row per family, as the model table has one row per
// model. A front end that does not show a family's own page (the command line) reads, sends and
// describes a transmitter through its family's row instead of telling the models apart.
namespace korv {

class MessageTable;

// What a read of a transmitter of any family found; only the identified family's part is filled,
// step by step.
struct UnitReading {
    headrail::Reading headRail;
    humamb::Reading humAmb;
    // Register 1, whichever family read it.
    std::optional<quint16> configWord() const;
};

// What a send writes, in its family's terms.
using FamilySettings = std::variant<headrail::Settings, humamb::HumiditySettings, humamb::AmbientSettings>;

// What a read found, as the family's page shows it: a front end renders it by visiting, so that a
// new family is a compile error at every place that must show it rather than a silent default.
using FamilyView = std::variant<headrail::ReadView, humamb::HumidityView, humamb::AmbientView>;

// One callable a family, for std::visit.
template <typename... Visitors> struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Spelled out for compilers without deduction for aggregates.
template <typename... Visitors> Overloaded(Visitors...) -> Overloaded<Visitors...>;

struct FamilyDriver {
    Family family;
    QStringView fileKey;  // the family's name in a configuration file ("head-rail")
    // Register 1 alone, as the family's start-up search and send re-read it.
    Status (*readConfigWord)(TransmitterSession& session, UnitReading& reading);
    // The whole read, as the window's read command makes it.
    TransferSteps (*readSteps)(TransmitterSession& session, UnitReading& reading);
    // The send of `settings`; settings of another family give one step that sends nothing (NotSent).
    TransferSteps (*sendSteps)(TransmitterSession& session, const FamilySettings& settings);
    // The output-type line of the information memo, in the family's reading of register 1.
    QString (*outputTypeLine)(quint16 configWord, const MessageTable& messages);
    // Output type 2 of register 1 is 0 - 5 V; the other families have no such output.
    bool zeroToFiveVolt;
    // The read as the family's page shows it, numbers written with `separator`.
    FamilyView (*view)(const IdentificationRecord& unit, bool fahrenheit, const UnitReading& reading,
        const MessageTable& messages, QChar separator);
};

const FamilyDriver& driverFor(Family family);
// The family a configuration file names; none for a name no family has.
std::optional<Family> familyWithFileKey(QStringView key);

// A model of no known family is read as a head/rail transmitter, as the window's first page
// shows it.
const FamilyDriver& driverFor(Model model);

}  // namespace korv
