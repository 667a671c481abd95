#pragma once

#include "common/Messages.h"
#include "i18n/LanguageFile.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

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

// Stores the file's message texts in the table. Nothing happens when no file was loaded; a line
// the file does not reach leaves the built-in text.
void applyLanguageMessages(const LanguageLines& language, MessageTable& messages);

// Hands every caption line the file reaches to `caption`, with the names of the controls it
// re-captions, in file order (menus first, as they come first in the file).
void forEachLanguageCaption(const LanguageLines& language,
    const std::function<void(const QStringList& objectNames, const QString& text)>& caption);

// The first step of every screen set-up: the message table goes back to the built-in texts before
// the file is read again, so that edits to the file on disk take effect at the next identification.
LanguageLines loadLanguage(
    MessageTable& messages, const QString& directory = {}, const QString& fallbackDirectory = {});

}  // namespace korv
