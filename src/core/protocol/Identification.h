#pragma once

#include "common/Messages.h"
#include "core/protocol/Model.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace korv {

// Register 0: firmware in bits 0..9, model code in bits 10..13.
struct IdentityWord {
    int firmware = 0;
    int modelCode = 0;
};
IdentityWord splitIdentityWord(qint16 word);

// Plain head and rail transmitters of some firmware lack the B thermocouple; nullopt for models
// the flag does not concern.
std::optional<bool> noThermocoupleBFor(Model model, int firmware);

// Whether the firmware accepts configuration from this program; models without a rule are
// always compatible.
bool firmwareCompatible(Model model, int firmware);
bool hasFirmwareRule(Model model);

// 130 -> "1.30": the point follows the first digit.
QString firmwareText(int firmware);

// Registers 2 and 3 as the serial number shown to the technician: the high part padded to five
// digits and the low part to three, joined, read as a number and shown with at least eight digits.
// The joined digits can exceed any machine integer, so the number is kept as text throughout.
QString serialNumberText(qint16 high, qint16 low);

// Registers 2 and 3 as read, raw.
struct SerialRegisters {
    qint16 high = 0;
    qint16 low = 0;
    friend bool operator==(const SerialRegisters&, const SerialRegisters&) = default;
};

// The unit's serial number as the record keeps it: the text shown where that text names one pair
// of registers (2 from 0, 3 from 0 to 999), otherwise the text followed by both registers, so that
// two units the text shows alike are never recorded as one.
QString serialIdentityText(const SerialRegisters& registers);

// The output-type line of the information memos (bits 8..11 of register 1).
QString outputTypeLine(quint16 configWord, bool headRailModel, const MessageTable& messages);

}  // namespace korv
