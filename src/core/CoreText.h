#pragma once

#include <QCoreApplication>

namespace korv {

// The one translation context of every text the core shows beyond the language file (file and
// record problems, the connection check, the frame monitor's descriptions), so that the core's
// texts are declared once and translated in one place.
struct CoreText {
    Q_DECLARE_TR_FUNCTIONS(korv::Core)
};

}  // namespace korv
