#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace korv {

// The optional file that replaces the captions of the main window and most of the message table;
// each line's position decides what it replaces.
inline constexpr int LanguageLineCount = 72;
inline const QString LanguageFileName = QStringLiteral("LANGUAGE.TRL");

struct LanguageLines {
    bool loaded = false;
    // At most LanguageLineCount texts, without their line endings.
    QStringList lines;

    // The text of a line, or nothing when no file was loaded or the file ends before that line.
    std::optional<QString> line(int number) const;
};

// On Windows, the system's ANSI code page. Elsewhere UTF-8 when the bytes are valid UTF-8 (a leading
// byte-order mark is dropped), otherwise the Windows Western code page, in which such files were
// traditionally written.
QString decodeLanguageText(QByteArrayView bytes);

// Lines end with CR LF, CR or LF; a last line without an ending still counts, and the last ending
// does not open an empty line of its own.
QStringList splitLanguageLines(const QString& text);

// Looks for the file in the given folder, or in the current working directory when none is given,
// and only when that folder has none in the fallback folder (where a desktop installation expects
// per-user files). A missing or unreadable file leaves the result unloaded; lines past the layout
// are ignored.
LanguageLines loadLanguageFile(const QString& directory = {}, const QString& fallbackDirectory = {});

}  // namespace korv
