#pragma once

#include <QString>

namespace korv {

// The warning box of the main window: empties the status lines and shows a modal box captioned
// with the working table's caption text. Lower layers report through it; only the window that
// owns the status lines implements it.
class WarningSink {
public:
    virtual ~WarningSink() = default;
    virtual void ShowWarning(const QString& text) = 0;
};

}  // namespace korv
