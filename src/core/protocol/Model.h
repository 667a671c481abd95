#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>

namespace korv {

// The transmitter models identification tells apart. The known models are numbered as the model
// code in bits 10..13 of register 0 numbers them.
enum class Model {
    OrvHead,
    OrvDin,
    OrvGalHead,
    OrvGalDin,
    OrvHu,
    OrvH,  // the humidity-only variant of Orv-Hu
    OrvAmbient,
    Unknown,  // before any identification, and for the codes 7 to 15
};

// The families of transmitters: each has its own registers, rules and page.
enum class Family { HeadRail, Humidity, Ambient };

// The firmware versions this program configures, both ends included.
struct FirmwareRange {
    int lowest = 0;
    int highest = 0;
};

// Plain head and rail transmitters of some firmware lack the B thermocouple; the two rules run in
// opposite directions, so that at exactly 1.29 both models offer it.
enum class ThermocoupleBRule { NotConcerned, MissingBelow129, MissingAbove129 };

// The main window's tabs, in their order: each head/rail model has its own (the head/rail controls
// live on the first and follow the user to the others), the two humidity models share one.
struct Sheet {
    QStringView name;  // its object name
    QStringView designCaption;  // its caption until the window names it after its model
};
inline constexpr std::array<Sheet, 6> Sheets = { {
    { u"OrvHeadSheet", u"OrvHead" },
    { u"OrvGalHeadSheet", u"OrvGalHead" },
    { u"OrvDinSheet", u"OrvDin" },
    { u"OrvGalDinSheet", u"OrvGalDin" },
    { u"OrvHuSheet", u" OrvHygrom" },
    { u"TxTSheet", u"OrvAmbient" },
} };

// The calibration window treats the models in four groups. Every model that is neither the humidity
// model with a temperature input, the ambient nor a plain temperature model is read like an
// isolated one.
enum class CalibrationGroup {
    Humidity,
    Ambient,
    PlainTemperature,
    IsolatedTemperature,
};

// Which calibration registers a model's backup holds.
enum class BackupVariant {
    ThreeInputs,  // head/rail models without the electrical inputs: 0-50mV, TC, Pt100
    FiveInputs,  // head/rail models with them: also 0-10V and 0-20mA
    Ambient,
    Humidity,  // offsets only
};

// How the head/rail page's sensor list is built for a model.
enum class SensorListKind {
    None,  // the list is left as it is: the model has no head/rail page
    Plain,  // the standard ten, B by the firmware's thermocouple-B rule
    IsolatedHead,  // the standard ten
    IsolatedRail,  // the standard ten and the three electrical inputs
    CodeOrder,  // before identification: every item named after its position
};

// What every decision about a model needs to know of it; a new model of a known family is one row.
struct ModelInfo {
    QStringView name;  // as identification gives it and the calibration backup writes it
    QStringView caption;  // its tab caption; empty for the unknown model, which has none of its own
    std::optional<Family> family;
    bool isolated = false;  // head/rail: galvanically isolated, with its own sensor table and scales
    bool electricalInputs = false;  // head/rail: the 0-10 V and current inputs as well
    bool temperatureInput = false;  // humidity: temperature measured beside humidity
    std::optional<FirmwareRange> configurable;  // no value: every firmware
    ThermocoupleBRule thermocoupleB = ThermocoupleBRule::NotConcerned;
    std::optional<std::size_t> sheet;  // its tab in Sheets; none for the unknown model
    CalibrationGroup calibration = CalibrationGroup::IsolatedTemperature;
    std::optional<BackupVariant> backup;  // none: the calibration window does not serve it
    SensorListKind sensorList = SensorListKind::None;
    // The one firmware whose list offers only six sensors (no R, N, E and B).
    std::optional<int> shortSensorListFirmware;
};

constexpr ModelInfo headRailModel(QStringView name, QStringView caption, std::size_t sheet, bool isolated,
    bool electricalInputs, FirmwareRange configurable,
    ThermocoupleBRule thermocoupleB = ThermocoupleBRule::NotConcerned,
    std::optional<int> shortSensorListFirmware = std::nullopt)
{
    ModelInfo info;
    info.sheet = sheet;
    info.name = name;
    info.caption = caption;
    info.family = Family::HeadRail;
    info.isolated = isolated;
    info.electricalInputs = electricalInputs;
    info.configurable = configurable;
    info.thermocoupleB = thermocoupleB;
    info.calibration = isolated ? CalibrationGroup::IsolatedTemperature : CalibrationGroup::PlainTemperature;
    info.backup = electricalInputs ? BackupVariant::FiveInputs : BackupVariant::ThreeInputs;
    info.sensorList = !isolated ? SensorListKind::Plain
        : electricalInputs      ? SensorListKind::IsolatedRail
                                : SensorListKind::IsolatedHead;
    info.shortSensorListFirmware = shortSensorListFirmware;
    return info;
}

constexpr ModelInfo otherModel(QStringView name, QStringView caption, std::optional<Family> family,
    std::optional<std::size_t> sheet, CalibrationGroup calibration, std::optional<BackupVariant> backup,
    bool temperatureInput = false)
{
    ModelInfo info;
    info.sheet = sheet;
    info.name = name;
    info.caption = caption;
    info.family = family;
    info.temperatureInput = temperatureInput;
    info.calibration = calibration;
    info.backup = backup;
    return info;
}

// Before identification: every sensor code listed in order, read like an isolated model.
constexpr ModelInfo unknownModel()
{
    ModelInfo info = otherModel(
        u"Desconhecido", u"", std::nullopt, std::nullopt, CalibrationGroup::IsolatedTemperature, std::nullopt);
    info.sensorList = SensorListKind::CodeOrder;
    return info;
}

// In the order of the enumeration.
inline constexpr std::array<ModelInfo, 8> Models = {
    headRailModel(u"OrvHead", u"KOrvHead", 0, false, false, { 0, 139 }, ThermocoupleBRule::MissingBelow129),
    headRailModel(u"OrvDin", u"KOrvDin", 2, false, false, { 0, 139 }, ThermocoupleBRule::MissingAbove129),
    headRailModel(u"OrvGalHead", u"KOrvGalHead", 1, true, false, { 101, 118 }, ThermocoupleBRule::NotConcerned, 100),
    headRailModel(u"OrvGalDin", u"KOrvGalDin", 3, true, true, { 100, 119 }),
    otherModel(u"Orv-Hu", u"OrvHygrom", Family::Humidity, 4, CalibrationGroup::Humidity, BackupVariant::Humidity, true),
    // Orv-H measures no temperature: no calibration to copy.
    otherModel(u"Orv-H", u"OrvHygrom", Family::Humidity, 4, CalibrationGroup::IsolatedTemperature, std::nullopt),
    otherModel(u"OrvAmbient", u"OrvAmbient", Family::Ambient, 5, CalibrationGroup::Ambient, BackupVariant::Ambient),
    unknownModel(),
};
static_assert(Models.size() == static_cast<std::size_t>(Model::Unknown) + 1);

constexpr const ModelInfo& modelInfo(Model model)
{
    return Models[static_cast<std::size_t>(model)];
}

Model modelFromCode(int modelCode);

// Every model of the table, the unknown one last.
constexpr std::array<Model, Models.size()> allModels()
{
    std::array<Model, Models.size()> models {};
    for (std::size_t i = 0; i < models.size(); ++i)
        models[i] = static_cast<Model>(i);
    return models;
}

// The first model of the family in the table: its tab holds the family's page.
constexpr Model firstModelOf(Family family)
{
    for (Model model : allModels()) {
        if (modelInfo(model).family == family)
            return model;
    }
    return Model::Unknown;
}

// The name identification gives the model ("OrvHead", "Orv-Hu", ..., "Desconhecido"); the
// calibration backup writes it.
QString modelString(Model model);

// The model's tab caption ("KOrvHead", "OrvHygrom", ...). The unknown model has none of its own:
// the information memos then name whatever page is active.
QString displayCaption(Model model);

// The known model of that name, as identification gives it.
std::optional<Model> modelNamed(QStringView name);

constexpr std::optional<Family> familyOf(Model model)
{
    return modelInfo(model).family;
}

// The four models whose configuration the head/rail page holds.
constexpr bool isHeadRail(Model model)
{
    return familyOf(model) == Family::HeadRail;
}

// Plain head and rail transmitters.
constexpr bool isNonIsolatedHeadRail(Model model)
{
    return isHeadRail(model) && !modelInfo(model).isolated;
}

// Galvanically isolated head and rail transmitters: their own sensor table and count scales.
constexpr bool isIsolatedHeadRail(Model model)
{
    return isHeadRail(model) && modelInfo(model).isolated;
}

// Orv-Hu or Orv-H: the humidity page's models.
constexpr bool isHumidity(Model model)
{
    return familyOf(model) == Family::Humidity;
}

// Only Orv-Hu measures temperature beside humidity.
constexpr bool hasHumidityTemperature(Model model)
{
    return isHumidity(model) && modelInfo(model).temperatureInput;
}

constexpr bool isAmbient(Model model)
{
    return familyOf(model) == Family::Ambient;
}

}  // namespace korv
