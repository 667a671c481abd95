#pragma once

#include <QLoggingCategory>

namespace korv {

// Frame trace of the serial link, silent unless enabled, e.g.
// QT_LOGGING_RULES="korv.link.debug=true" shows every frame in hex.
Q_DECLARE_LOGGING_CATEGORY(lcLink)

}  // namespace korv
