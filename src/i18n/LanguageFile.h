#pragma once

#include "core/files/FileRead.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace korv {

// The optional file that replaces the captions of the main window and most of the message table;
// each line's position decides what it replaces.
inline constexpr int LanguageLineCount = 72;
inline const QString LanguageFileName = QStringLiteral("LANGUAGE.TRL");

// A few kilobytes in practice; anything near this is no language file, and is not read whole.
inline constexpr qint64 LanguageFileMaximumSize = 1024 * 1024;

struct LanguageLines {
    bool loaded = false;
    // At most LanguageLineCount texts, without their line endings.
    QStringList lines;
    // When a file was found but not used: its path and what is wrong with it, for the user.
    QString problem;
    // The file is the one the previous load of that path read, and has not changed since: its
    // lines (or its problem) are the earlier ones, not read again.
    bool unchanged = false;

    // The text of a line, or nothing when no file was loaded or the file ends before that line.
    std::optional<QString> line(int number) const;
};

// On Windows, the system's ANSI code page. Elsewhere UTF-8 when the bytes are valid UTF-8 (a leading
// byte-order mark is dropped), otherwise the Windows Western code page, in which such files were
// traditionally written.
QString decodeLanguageText(QByteArrayView bytes);

// Lines end with CR LF, CR or LF; a last line without an ending still counts, and the last ending
// does not open an empty line of its own. With maxLines, the lines after those are not made.
QStringList splitLanguageLines(const QString& text, qsizetype maxLines = -1);

// Reads the language file at `path`, remembering the last file read: the window sets its screen
// up again at every identification, and a file that has not changed since is not read again.
// Whether it changed is judged by its identity (file, size, modification and change times); a file
// changed so recently that the file system's clock may not yet tell two writes apart is read again
// until it has settled for `settleMs`.
class LanguageFileMemo {
public:
    static constexpr qint64 DefaultSettleMs = 2000;  // the coarsest clock in use: FAT's two seconds
    explicit LanguageFileMemo(qint64 settleMs = DefaultSettleMs)
        : settleMs_(settleMs)
    {
    }
    LanguageLines read(const QString& path);

private:
    qint64 settleMs_;
    QString path_;
    std::optional<FileIdentity> identity_;  // none: nothing remembered, or not yet settled
    LanguageLines lines_;
};

// Looks for the file in the given folder, or in the current working directory when none is given,
// and only when that folder has none in the fallback folder (where a desktop installation expects
// per-user files). A missing or unreadable file leaves the result unloaded, as does anything but a
// regular file of at most LanguageFileMaximumSize bytes (those are named in `problem`); lines past
// the layout are ignored. One memo serves the whole program.
LanguageLines loadLanguageFile(const QString& directory = {}, const QString& fallbackDirectory = {});

}  // namespace korv
