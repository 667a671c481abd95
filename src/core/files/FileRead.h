#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korv {

// Which file a path led to and in which state: two equal identities mean the same file, not
// written to in between (as far as the file system's clock can tell).
struct FileIdentity {
    qint64 device = 0;
    qint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// What reading a file gave: its bytes, or why there are none.
struct FileBytes {
    QByteArray bytes;
    // Empty when the bytes were read. Otherwise a short Portuguese reason without the path (callers
    // put the path in front): the file is missing, is a folder, a FIFO, a device, is too large, or
    // the system's own reason.
    QString error;
    bool missing = false;  // nothing at all is at the path: callers with a default take it
    // The identity of the file the bytes came from, taken on the open descriptor.
    FileIdentity identity;

    bool ok() const { return error.isEmpty(); }
};

// Reads a regular file whole, at most `maxBytes` of it. Anything else at the path (a folder, a
// FIFO, a device, a socket; a link to one of these) is refused by what it is, before a byte is
// read and without being opened: opening a FIFO waits for a writer, opening a serial port moves
// its modem lines, and a device such as /dev/zero never ends. The file is then opened without
// blocking and judged again on the open descriptor, so that something swapped in between the
// check and the open is refused all the same.
FileBytes readRegularFile(const QString& path, qint64 maxBytes);

// What is at `path`, when it is not a regular file: "uma pasta", "um FIFO", ...; empty for a
// regular file or when nothing is there. Links are followed.
QString nonRegularKind(const QString& path);

// The identity of whatever is at `path` now (links followed), or nothing when there is nothing.
std::optional<FileIdentity> fileIdentity(const QString& path);

}  // namespace korv
