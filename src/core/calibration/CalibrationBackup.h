#pragma once

#include "core/protocol/Model.h"
#include "core/protocol/RegisterAccess.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace korv {

// No value for a model the calibration window does not serve (Orv-H, an unidentified one, ...).
std::optional<BackupVariant> backupVariantFor(Model model);

// The two lines every backup starts with.
QStringList backupHeaderLines();

// Reads every register of the variant, offset before gain, and only when all reads succeeded
// appends the model string, serial number and section lines to `lines`. Returns the first
// failing status (with `lines` untouched) or Status::Ok.
Status AddBackupLines(
    BackupVariant variant, RegisterAccess& registers, Model model, const QString& serialNumberText, QStringList& lines);

// AddBackupLines tried up to `attempts` times until it succeeds; returns the last status.
Status addBackupLinesWithRetries(BackupVariant variant, RegisterAccess& registers, Model model,
    const QString& serialNumberText, QStringList& lines, int attempts = 3);

// The serial number names the file, which lives in the current working directory.
QString backupFileName(const QString& serialNumberText);

// One byte per character, every line ended by CR LF, no byte-order mark.
QByteArray backupFileContents(const QStringList& lines);

struct BackupSaveResult {
    enum Outcome { Saved, AlreadyExists, NotCreated };
    Outcome outcome = NotCreated;
    QString reason;  // the system's explanation when the file could not be created or written
};

// Creates the file exclusively, so that the first backup of a serial number is never replaced,
// not even by a second program saving at the same moment. A file that could not be written
// completely is removed again rather than left to block every later backup.
BackupSaveResult saveBackupFile(const QString& fileName, const QStringList& lines);

// What is at a backup file's path, judged for one transmitter. A file counts as its backup only
// when it is one: a regular file (a link only when it leads to one), no larger than a backup can
// be, holding the lines of a backup of this serial number and of this model's calibration
// registers, in the backup's own format.
struct BackupOnDisk {
    enum Verdict { Missing, ThisTransmitter, NotABackup };
    Verdict verdict = Missing;
    QByteArray bytes;  // the backup's text, when it is this transmitter's
    // What is there instead, in a short Portuguese phrase without the path ("é uma pasta, ...",
    // "está vazio", "não é uma cópia de calibração deste transmissor").
    QString reason;
    bool unreadable = false;  // not read at all: no regular file, or too large
};
BackupOnDisk judgeBackupFile(const QString& path, Model model, const QString& serialNumberText);

// A backup file is a few hundred bytes; anything far larger is not one.
inline constexpr qint64 MaximumBackupBytes = 64 * 1024;

}  // namespace korv
