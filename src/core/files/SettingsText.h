#pragma once

#include "core/files/Settings.h"

#include <QByteArray>

#include <optional>

namespace korv {

// The text of OrvSetup.ini, read and updated as the Windows profile functions it stands for do:
// line by line, sections and keys whatever their letter case, a value being the rest of its line
// with the blanks around it and one pair of enclosing quotes taken off. Where two spellings of the
// section or of a key are present, the exact one counts, else the first in the file.
//
// Nothing is ever text this reader can work through when it holds a NUL or another control byte
// no text editor writes, or starts with a UTF-16 or UTF-32 byte-order mark: both functions give
// no value for such bytes.

// The settings the text holds, the defaults standing in for what is missing; [Registro] Servidor
// as well, which is only ever read.
std::optional<AppSettings> settingsFromText(const QByteArray& text);

// The text with the values of Port, Temperatura, Rapida and Idioma in [Parametros] set to `settings`,
// and every other byte as it was: other sections and keys, comments, lines that mean nothing to
// the reader, line endings, the encoding of each line. A value already right keeps its line
// untouched; a missing key is added after the section's last key, a missing section at the end,
// in the file's own line ending. Rapida is written only while on; when it goes off, the lines of
// the section that would turn it on are removed.
std::optional<QByteArray> updatedSettingsText(const QByteArray& text, const AppSettings& settings);

}  // namespace korv
