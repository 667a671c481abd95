#pragma once

#include "common/Messages.h"
#include "i18n/LanguageFile.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

namespace korv {

// What one line of the language file replaces: the captions of the named objects, or one entry of
// the message table, or nothing at all.
struct LanguageLineTarget {
    QStringList objectNames;
    int message = -1;
};

const std::array<LanguageLineTarget, LanguageLineCount>& languageLineTargets();

// Lines that only the About box reads, when it is created.
inline constexpr int AboutCaptionLine = 54;
inline constexpr int AboutProductLine = 55;
inline constexpr int AboutVersionWordLine = 56;

// Re-captions the main window's own controls found by object name (menus first, as they come first
// in the file), never those of other windows that are its children, and stores the message texts in the table. Nothing
// happens when no file was loaded; objects the window does not have are skipped. A line the file does not reach leaves
// whatever text is there, which after loadLanguage is the built-in one.
void applyLanguage(QObject* mainWindow, const LanguageLines& language, MessageTable& messages);

// The first step of every screen set-up: the message table goes back to the built-in texts before
// the file is read again, so that edits to the file on disk take effect at the next identification.
LanguageLines loadLanguage(
    MessageTable& messages, const QString& directory = {}, const QString& fallbackDirectory = {});

// loadLanguage followed by applyLanguage; the lines are returned for the About box.
LanguageLines loadAndApplyLanguage(
    QObject* mainWindow, MessageTable& messages, const QString& directory = {}, const QString& fallbackDirectory = {});

}  // namespace korv
