#pragma once

#include "cli/CliTexts.h"
#include "core/families/headrail/HeadRailConfiguration.h"
#include "core/families/humamb/HumAmbConfiguration.h"
#include "core/protocol/TransmitterSession.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// What the commands print: the identification lines of the information memo, and a family's
// configuration as the window shows it, as text or as JSON.
namespace korv::cli {

// Serial number, firmware, model and, once register 1 is known, the output type: the lines of the
// window's information memo. An incompatible firmware adds the window's warning.
QStringList identificationLines(
    const IdentificationRecord& unit, const std::optional<quint16>& configWord, const CliTexts& texts);
QJsonObject identificationJson(
    const IdentificationRecord& unit, const std::optional<quint16>& configWord, const CliTexts& texts);

QStringList headRailLines(const headrail::ReadView& view, const CliTexts& texts);
QStringList humidityLines(const humamb::HumidityView& view, const CliTexts& texts);
QStringList ambientLines(const humamb::AmbientView& view, const CliTexts& texts);

// The configuration file of what is shown (none when the form would hold no configuration) and
// the values shown beside it.
QJsonObject headRailJson(const IdentificationRecord& unit, bool fahrenheit, const headrail::ReadView& view,
    const CliTexts& texts, QChar separator);
QJsonObject humidityJson(
    const IdentificationRecord& unit, bool fahrenheit, const humamb::HumidityView& view, QChar separator);
QJsonObject ambientJson(
    const IdentificationRecord& unit, bool fahrenheit, const humamb::AmbientView& view, QChar separator);

// "0 a 1370 °C": a range in the words of the window's range labels.
QString rangeText(const QString& lower, const QString& upper, const QString& unit, const CliTexts& texts);

}  // namespace korv::cli
