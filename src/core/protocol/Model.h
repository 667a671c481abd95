#pragma once

#include <QString>

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

Model modelFromCode(int modelCode);

// The name identification gives the model ("OrvHead", "Orv-Hu", ..., "Desconhecido"); the
// calibration backup writes it.
QString modelString(Model model);

// The model's tab caption ("KOrvHead", "OrvHygrom", ...). The unknown model has none of its own:
// the information memos then name whatever page is active.
QString displayCaption(Model model);

// Plain head and rail transmitters.
constexpr bool isNonIsolatedHeadRail(Model model)
{
    return model == Model::OrvHead || model == Model::OrvDin;
}

// Galvanically isolated head and rail transmitters: their own sensor table and count scales.
constexpr bool isIsolatedHeadRail(Model model)
{
    return model == Model::OrvGalHead || model == Model::OrvGalDin;
}

// The four models whose configuration the head/rail page holds.
constexpr bool isHeadRail(Model model)
{
    return isNonIsolatedHeadRail(model) || isIsolatedHeadRail(model);
}

// Orv-Hu or Orv-H: the humidity page's models.
constexpr bool isHumidity(Model model)
{
    return model == Model::OrvHu || model == Model::OrvH;
}

// Only Orv-Hu measures temperature beside humidity.
constexpr bool hasHumidityTemperature(Model model)
{
    return model == Model::OrvHu;
}

constexpr bool isAmbient(Model model)
{
    return model == Model::OrvAmbient;
}

}  // namespace korv
