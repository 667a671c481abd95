#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace korv {

// How a save treats a file already at the path.
enum class SaveMode {
    Replace,  // the new contents replace it in one step
    CreateNew,  // it is never replaced: the save reports AlreadyExists instead
};

struct SaveResult {
    enum Outcome { Saved, AlreadyExists, Failed };
    Outcome outcome = Failed;
    QString reason;  // the system's explanation when the outcome is Failed

    bool saved() const { return outcome == Saved; }
};

// The one way this program writes a file. The bytes go to a new file in the same folder; every
// write, the sync and the close are checked, and only then does that file take the path's name.
// On any failure it is removed and whatever was at the path stays exactly as it was.
// Replace follows a symbolic link at the path (its target gets the new contents, the link stays a
// link), keeps the permissions of the file it replaces and refuses to put a file where a folder,
// a FIFO or a device is. CreateNew takes anything at the path, a link included, for an existing
// file, also one another program creates at the same moment.
// A new file gets the permissions of any file the program creates (0666 less the umask).
SaveResult saveFile(const QString& path, const QByteArray& bytes, SaveMode mode = SaveMode::Replace);

// Hands each piece of the contents on; false once a write failed, after which the producer stops.
using SaveWriter = std::function<bool(const QByteArray& piece)>;
// Writes the contents piece by piece through the writer; returns why it gave up (a cancel, a read
// that failed), or nothing once every piece is written.
using SaveProducer = std::function<QString(const SaveWriter& write)>;

// The same save for contents too large to hold at once: the producer writes them piece by piece
// into the new file, and a producer that gives up leaves whatever was at the path as it was.
SaveResult saveFile(const QString& path, const SaveProducer& produce, SaveMode mode = SaveMode::Replace);

}  // namespace korv
