#pragma once

#include "common/Messages.h"
#include "common/NumberFormat.h"
#include "core/families/headrail/HeadRailConfigWord.h"
#include "core/families/headrail/HeadRailRange.h"
#include "core/families/headrail/HeadRailSensors.h"
#include "core/families/headrail/HeadRailTransfer.h"
#include "core/families/headrail/HeadRailZero.h"
#include "core/protocol/TransmitterSession.h"

#include <QChar>
#include <QString>

#include <optional>

// The head/rail configuration between what the page shows and what a send writes: the checks made
// before a send with the message each refusal gives, the values a send writes for a form, and what
// a read of the registers shows. The page and the command line both go through these, so that the
// two can never judge or show a configuration differently.
namespace korv::headrail {

// The page's controls as plain values: the edits as typed, or as a read or a file filled them.
struct FormValues {
    std::optional<int> sensorCode;  // the code of the selected list item; none without a selection
    bool failureToMax = false;
    bool filter50Hz = false;
    QString lowerText;
    QString upperText;
    QString zeroText;  // empty means no correction
};

enum class FormField { Sensor, LowerLimit, UpperLimit, ZeroCorrection };

// A send refused before anything is written: the message-table entry to show and the control the
// user is sent to.
struct Refusal {
    int message = Msg::LimitsIncorrect;
    FormField field = FormField::Sensor;
    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// Without a selected sensor there is no code to write and no range to check against.
std::optional<Refusal> checkSensorSelected(const std::optional<int>& sensorCode);

struct WholeLimits {
    int lower = 0;
    int upper = 0;
};

// The checks made before a send, in their order: a selected sensor; limit edits holding whole
// numbers; a range the sensor and the firmware accept; a zero correction (an empty edit meaning 0)
// within the bounds shown for that range. Each part is filled once the check has got that far.
struct SendCheck {
    std::optional<Refusal> refusal;
    std::optional<SensorLimits> sensor;  // the selected sensor in the unit shown
    std::optional<WholeLimits> limits;  // the limit edits truncated toward zero
    std::optional<ZeroTexts> zero;  // the bounds the correction was held against (none for Group Other)
    Settings settings;  // what a send writes; complete only when nothing was refused
};
SendCheck checkForSend(
    const IdentificationRecord& unit, bool fahrenheit, const FormValues& form, QChar separator = decimalSeparator());

// The values a send writes for the form: the typed limits encoded on the sensor range shown, the
// correction as a count on `zeroSpan` (the span the zero bounds were computed on).
Settings settingsFor(const IdentificationRecord& unit, const SensorLimits& sensor, const FormValues& form, int zeroSpan,
    QChar separator = decimalSeparator());

using korv::LimitTexts;

// A decoded range as the limit edits show it, upper clamped to the sensor maximum. No value when
// the registers describe no range (a gain of 0) or the model has no count scale.
std::optional<LimitTexts> rangeTexts(
    Group group, int firmware, const SensorLimits& sensor, const RangeRegisters& range);

// What the page shows once a read has brought these registers in: the sensor the word selects
// with its range in the unit shown, the limit edits (the sensor range, then the decoded range)
// and the zero correction with its bounds.
struct ReadView {
    ConfigFields fields;
    // The list item the code selects. Without one (a code the model's list does not offer) the
    // page keeps whatever it showed before; no sensor, limits or zero texts follow from the read.
    std::optional<int> position;
    std::optional<SensorLimits> sensor;
    QString lowerText;
    QString upperText;
    std::optional<ZeroTexts> zero;
    QString unit;  // the unit labels
};
ReadView viewOfReading(
    const IdentificationRecord& unit, bool fahrenheit, const Reading& reading, QChar separator = decimalSeparator());

// The registers a send of `settings` leaves, as a read would find them: register 1 keeps the bits
// of `lastWord` (the word read last) that every send keeps.
Reading readingOfSettings(quint16 lastWord, const Settings& settings);

// The view as the page's controls would hold it, so that it can be saved or checked as the form.
FormValues formValuesOf(const ReadView& view);

}  // namespace korv::headrail
