#include "core/link/LinkTrace.h"

namespace korv {

Q_LOGGING_CATEGORY(lcLink, "korv.link", QtWarningMsg)

}  // namespace korv
