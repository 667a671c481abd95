#pragma once

#include "core/families/humamb/HumAmbConfigWord.h"
#include "core/protocol/Model.h"

#include <QByteArray>
#include <QChar>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <variant>

// A transmitter's configuration kept in a file: one small JSON format per family, with the values
// the window shows (sensor, range, zero correction, the two option groups, the unit they are in).
// The file says which format it is in, so that a later program can tell an older file from a
// newer one it does not know.
namespace korv::config {

inline constexpr int FormatVersion = 1;
// Numbers in the file are written with a point, whatever the user's decimal separator.
inline constexpr QChar FileSeparator = u'.';
// A configuration is a few hundred bytes; anything much larger is not one.
inline constexpr qint64 MaximumFileSize = 64 * 1024;

// One input of the humidity or the ambient transmitter.
struct InputValues {
    int lower = 0;
    int upper = 0;
    double zeroCorrection = 0;
    bool failureToMax = false;
    friend bool operator==(const InputValues&, const InputValues&) = default;
};

struct HeadRailValues {
    int sensorCode = 0;
    int lower = 0;
    int upper = 0;
    double zeroCorrection = 0;
    bool failureToMax = false;
    bool filter50Hz = false;
    friend bool operator==(const HeadRailValues&, const HeadRailValues&) = default;
};

struct HumidityValues {
    humamb::HumidityKind kind = humamb::HumidityKind::Relative;
    InputValues humidity;
    // Orv-H has no temperature input but still carries its failure state in register 1; of its
    // temperature values only failureToMax belongs to the file, the others stay 0.
    InputValues temperature;
    friend bool operator==(const HumidityValues&, const HumidityValues&) = default;
};

struct AmbientValues {
    InputValues temperature;
    friend bool operator==(const AmbientValues&, const AmbientValues&) = default;
};

// A configuration's values, in its family's shape.
using ConfigurationValues = std::variant<HeadRailValues, HumidityValues, AmbientValues>;

struct Configuration {
    Model model = Model::Unknown;
    bool fahrenheit = false;
    ConfigurationValues values;
    friend bool operator==(const Configuration&, const Configuration&) = default;
};

// The file's sensor names, stable whatever the language file calls the sensors: "0-50mV", "K",
// "J", ..., "Pt100", "0-10V", "0-20mA", "4-20mA".
QString sensorName(int code);
std::optional<int> sensorCodeNamed(const QString& name);

// Either a configuration or the reason, in words a technician can act on, why the bytes are none.
struct Parsed {
    std::optional<Configuration> configuration;
    QString error;
};
Parsed parseConfiguration(const QByteArray& bytes);
// Reads and parses the file; a missing, unreadable or oversized file gives its reason as well.
Parsed readConfigurationFile(const QString& path);

QJsonObject configurationObject(const Configuration& configuration);
QByteArray serializeConfiguration(const Configuration& configuration);
// Written through a temporary file that replaces `path` only once complete, so that a failed
// write never leaves a half file where the user's was. Empty on success, else the reason.
QString writeConfigurationFile(const QString& path, const Configuration& configuration);

}  // namespace korv::config
