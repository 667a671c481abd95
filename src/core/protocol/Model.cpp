#include "core/protocol/Model.h"

namespace korv {

Model modelFromCode(int modelCode)
{
    if (modelCode < 0 || modelCode >= static_cast<int>(Model::Unknown))
        return Model::Unknown;
    return static_cast<Model>(modelCode);
}

QString modelString(Model model)
{
    return modelInfo(model).name.toString();
}

QString displayCaption(Model model)
{
    return modelInfo(model).caption.toString();
}

std::optional<Model> modelNamed(QStringView name)
{
    for (int code = 0; code < static_cast<int>(Model::Unknown); ++code) {
        if (Models[static_cast<std::size_t>(code)].name == name)
            return static_cast<Model>(code);
    }
    return std::nullopt;
}

}  // namespace korv
