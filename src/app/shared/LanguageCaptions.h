#pragma once

#include "common/Messages.h"
#include "i18n/LanguageFile.h"

#include <QString>

class QObject;

namespace korv {

// Re-captions the main window's own controls found by object name, never those of other windows
// that are its children, and stores the message texts in the table. Nothing happens when no file
// was loaded; objects the window does not have are skipped. A line the file does not reach leaves
// whatever text is there, which after loadLanguage is the built-in one. A null window takes the
// messages only.
void applyLanguage(QObject* mainWindow, const LanguageLines& language, MessageTable& messages);

// The captions the language file gave go back to those the window was built with, in the language
// now in use: the first caption a file replaces on a control is remembered for this.
void restoreBuiltInCaptions(QObject* mainWindow);

// loadLanguage followed by applyLanguage; the lines are returned for the About box. A file that
// cannot be used is named on standard error when it is first met.
LanguageLines loadAndApplyLanguage(
    QObject* mainWindow, MessageTable& messages, const QString& directory = {}, const QString& fallbackDirectory = {});

}  // namespace korv
