#pragma once

#include "common/Messages.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace korv {

// Model strings as identification sets them; every model-dependent choice compares them exactly.
namespace Model {
inline const QString OrvHead = QStringLiteral("OrvHead");
inline const QString OrvDin = QStringLiteral("OrvDin");
inline const QString OrvGalHead = QStringLiteral("OrvGalHead");
inline const QString OrvGalDin = QStringLiteral("OrvGalDin");
inline const QString OrvHu = QStringLiteral("Orv-Hu");
inline const QString OrvH = QStringLiteral("Orv-H");
inline const QString OrvAmbient = QStringLiteral("OrvAmbient");
inline const QString Unknown = QStringLiteral("Desconhecido");
}  // namespace Model

bool isHeadRailModel(const QString& model);
bool isHumidityModel(const QString& model);  // Orv-Hu or Orv-H

// Register 0: firmware in bits 0..9, model code in bits 10..13.
struct IdentityWord {
    int firmware = 0;
    int modelCode = 0;
};
IdentityWord splitIdentityWord(qint16 word);

// The model string of a model code; codes without a model read as Model::Unknown.
QString modelStringForCode(int modelCode);
bool isKnownModelCode(int modelCode);

// Plain head and rail transmitters of some firmware lack the B thermocouple; nullopt for models
// the flag does not concern.
std::optional<bool> noThermocoupleBFor(const QString& model, int firmware);

// Whether the firmware accepts configuration from this program; models without a rule are
// always compatible.
bool firmwareCompatible(const QString& model, int firmware);
bool hasFirmwareRule(const QString& model);

// 130 -> "1.30": the point follows the first digit.
QString firmwareText(int firmware);

// Registers 2 and 3 as the serial number shown to the technician: the high part padded to five
// digits and the low part to three, joined, read as a number and shown with at least eight digits.
// The joined digits can exceed any machine integer, so the number is kept as text throughout.
QString serialNumberText(qint16 high, qint16 low);

// The output-type line of the information memos (bits 8..11 of register 1).
QString outputTypeLine(quint16 configWord, bool headRailModel, const MessageTable& messages);

}  // namespace korv
