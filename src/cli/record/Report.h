#pragma once

#include "cli/CliTexts.h"
#include "core/families/headrail/HeadRailConfiguration.h"
#include "core/families/humamb/HumAmbConfiguration.h"
#include "core/protocol/TransmitterSession.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// What the commands print: the identification lines of the information memo, and a family's
// configuration as the window shows it, as text or as JSON.
//
// The JSON is for scripts: its values never depend on the language file, the decimal separator or
// the unit the window saved last. Codes, numbers, "C"/"F", the configuration file's sensor names
// and the program's model names; the texts a person reads sit under "display", which scripts
// ignore. docs/schemas/ describes every document.
namespace korv::cli {

// Serial number, firmware, model and, once register 1 is known, the output type: the lines of the
// window's information memo. An incompatible firmware adds the window's warning.
QStringList identificationLines(
    const IdentificationRecord& unit, const std::optional<quint16>& configWord, const CliTexts& texts);
// The same facts as stable values; the output type ("4-20mA", ...) once register 1 is known.
QJsonObject transmitterJson(const IdentificationRecord& unit, const std::optional<quint16>& configWord);

QStringList headRailLines(const headrail::ReadView& view, const CliTexts& texts);
QStringList humidityLines(const humamb::HumidityView& view, const CliTexts& texts);
QStringList ambientLines(const humamb::AmbientView& view, const CliTexts& texts);

// The configuration file of what is shown (null when the form would hold no configuration) and,
// under "shown", the values the window shows beside it.
QJsonObject headRailJson(
    const IdentificationRecord& unit, bool fahrenheit, const headrail::ReadView& view, QChar separator);
QJsonObject humidityJson(
    const IdentificationRecord& unit, bool fahrenheit, const humamb::HumidityView& view, QChar separator);
QJsonObject ambientJson(
    const IdentificationRecord& unit, bool fahrenheit, const humamb::AmbientView& view, QChar separator);

// "C" or "F": a temperature unit as configuration files and the JSON name it.
QString temperatureUnitKey(bool fahrenheit);

// The texts of a document for people: the lines the command prints without --json.
QJsonObject displayJson(const QStringList& lines);
// {"error": {"code": exit code, "message": what the command said on its error output}}: what a
// --json command prints when it fails with nothing else to report.
QJsonObject errorJson(int exitCode, const QString& message);
QByteArray jsonText(const QJsonObject& document);

// "0 a 1370 °C": a range in the words of the window's range labels.
QString rangeText(const QString& lower, const QString& upper, const QString& unit, const CliTexts& texts);

}  // namespace korv::cli
