#pragma once

#include "core/configuration/ConfigurationFile.h"
#include "core/families/Families.h"
#include "core/families/headrail/HeadRailConfiguration.h"
#include "core/families/humamb/HumAmbConfiguration.h"
#include "core/protocol/TransmitterSession.h"

#include <QChar>
#include <QString>

#include <optional>
#include <variant>

// A configuration file against the transmitter it is meant for: whether it can be applied there
// at all, then the same checks, in the same order and with the same messages, as a send from the
// window makes, and the registers a send of it writes.
namespace korv::config {

// The file's values as the page's controls would hold them (numbers written with the file's point).
headrail::FormValues headRailForm(const HeadRailValues& values);
humamb::InputForm inputForm(const InputValues& values);
humamb::HumidityForm humidityForm(const HumidityValues& values);
humamb::AmbientForm ambientForm(const AmbientValues& values);

// The controls' values as a file holds them. No value when an edit holds no number; an empty zero
// edit is no correction.
std::optional<HeadRailValues> headRailValues(const headrail::FormValues& form, QChar separator);
std::optional<InputValues> inputValues(const humamb::InputForm& form, bool failureToMax, QChar separator);
std::optional<HumidityValues> humidityValues(Model model, const humamb::HumidityForm& form, QChar separator);
std::optional<AmbientValues> ambientValues(const humamb::AmbientForm& form, QChar separator);

// A refused value: the message-table entry a send from the window shows for it, and the file's key.
struct Refusal {
    int message = 0;
    QString key;
    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// The refused value as the file holds it ("upper = 1500"), for the message that names it.
QString refusedValue(const Configuration& configuration, const Refusal& refusal);

struct UnitCheck {
    // Why the file cannot be applied to this transmitter at all (another model, a sensor its list
    // does not offer, a measure its firmware lacks); empty when it can.
    QString mismatch;
    std::optional<Refusal> refusal;  // a value the send checks refuse
    FamilySettings settings;  // what a send of the file writes; complete only when nothing was refused

    bool accepted() const { return mismatch.isEmpty() && !refusal; }
};
UnitCheck checkAgainstUnit(const Configuration& configuration, const IdentificationRecord& unit);

}  // namespace korv::config
