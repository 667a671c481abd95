#pragma once

#include <QString>

namespace korv {

// The help file lives in the folder the program started in.
QString helpFilePath(const QString& startDirectory);

// Opens the help file with the viewer the platform associates with it; false when there is no help
// file or no viewer. The path goes to the viewer as one argument, whatever blanks it holds.
bool openHelpFile(const QString& startDirectory);

}  // namespace korv
