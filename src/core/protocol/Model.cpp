#include "core/protocol/Model.h"

#include <QStringView>

#include <array>

namespace korv {

namespace {

struct ModelNames {
    QStringView string;
    QStringView caption;
};

// In the order of the enumeration.
constexpr std::array<ModelNames, 8> Names = { {
    { u"OrvHead", u"KOrvHead" },
    { u"OrvDin", u"KOrvDin" },
    { u"OrvGalHead", u"KOrvGalHead" },
    { u"OrvGalDin", u"KOrvGalDin" },
    { u"Orv-Hu", u"OrvHygrom" },
    { u"Orv-H", u"OrvHygrom" },
    { u"OrvAmbient", u"OrvAmbient" },
    { u"Desconhecido", u"" },
} };
static_assert(Names.size() == static_cast<size_t>(Model::Unknown) + 1);

const ModelNames& namesOf(Model model)
{
    return Names[static_cast<size_t>(model)];
}

}  // namespace

Model modelFromCode(int modelCode)
{
    if (modelCode < 0 || modelCode >= static_cast<int>(Model::Unknown))
        return Model::Unknown;
    return static_cast<Model>(modelCode);
}

QString modelString(Model model)
{
    return namesOf(model).string.toString();
}

QString displayCaption(Model model)
{
    return namesOf(model).caption.toString();
}

}  // namespace korv
