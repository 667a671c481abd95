#include "core/files/FileSave.h"

#include "core/CoreText.h"
#include "core/files/FileRead.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QDir>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#include <QTemporaryFile>
#endif

namespace korv {

namespace {

SaveResult failed(const QString& reason)
{
    return { SaveResult::Failed, reason };
}

QString notARegularFile(const QString& kind)
{
    return CoreText::tr("é %1, não um arquivo comum").arg(kind);
}

#ifdef Q_OS_UNIX

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// The file a chain of symbolic links ends at, even when that file does not exist yet.
QString followLinks(const QString& path)
{
    QString current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info { };
        if (::lstat(encoded(current).constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(encoded(current).constData(), target.data(), target.size());
        if (length <= 0 || length >= target.size())
            return current;
        target.truncate(length);
        current = QFileInfo(current).dir().filePath(QFile::decodeName(target));
    }
    return current;
}

// A new file beside `path`, created by this call alone and with the mode a plain create gives
// (0666 less the umask), so that a file that ends up under the real name is not private to its
// owner as a temporary file's would be. -1 with errno set when none can be made.
int createPartFile(const QString& path, QString& partPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        partPath = path
            + QStringLiteral(".%1").arg(QRandomGenerator::global()->generate() % 0x1000000, 6, 36, QLatin1Char('0'));
        const int fd = ::open(encoded(partPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Writes every byte, however the system splits the work; false with errno set on the first
// failure (a full disk, a file-size limit, an I/O error).
bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// The bytes are on the disk, not only in the system's cache: a file that took the name and then
// lost its contents to a crash would be worse than the old file. File systems that have no such
// thing as a sync say so with EINVAL, which is not a failure of the save.
bool syncToDisk(int fd)
{
    while (::fsync(fd) != 0) {
        if (errno == EINTR)
            continue;
        return errno == EINVAL || errno == ENOTSUP;
    }
    return true;
}

// The rename itself is on the disk too; when the folder cannot be synced the new file is there
// all the same, so nothing is reported.
void syncFolderOf(const QString& path)
{
    const int fd = ::open(encoded(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

// Gives the finished file the name unless something already has it: no window between a check and
// the rename, so that a file another program makes at the same moment is never replaced.
SaveResult nameWithoutReplacing(const QString& partPath, const QString& path)
{
    const QByteArray from = encoded(partPath);
    const QByteArray to = encoded(path);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return { SaveResult::Saved, {} };
    if (errno == EEXIST)
        return { SaveResult::AlreadyExists, {} };
    if (errno != EINVAL && errno != ENOSYS)
        return failed(systemReason(errno));
#endif
    // Without that rename, a second name for the file: link() also refuses an existing name.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return { SaveResult::Saved, {} };
    }
    if (errno == EEXIST)
        return { SaveResult::AlreadyExists, {} };
    return failed(systemReason(errno));
}

SaveResult save(const QString& path, const SaveProducer& produce, SaveMode mode)
{
    struct stat existing { };
    const bool exists = ::lstat(encoded(path).constData(), &existing) == 0;
    if (exists && mode == SaveMode::CreateNew)
        return { SaveResult::AlreadyExists, {} };
    if (exists && !S_ISREG(existing.st_mode))
        return failed(notARegularFile(nonRegularKind(path)));

    QString partPath;
    const int fd = createPartFile(path, partPath);
    if (fd < 0)
        return failed(systemReason(errno));
    QString givenUp;
    bool written = !exists || ::fchmod(fd, existing.st_mode & 07777) == 0;
    int error = errno;
    if (written) {
        givenUp = produce([&](const QByteArray& piece) {
            if (written && !writeAll(fd, piece)) {
                written = false;
                error = errno;
            }
            return written;
        });
    }
    if (written && givenUp.isEmpty() && !syncToDisk(fd)) {
        written = false;
        error = errno;
    }
    written = written && givenUp.isEmpty();
    // A file system that reports a failed write only when the file is closed (NFS) does so here.
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(encoded(partPath).constData());
        return failed(givenUp.isEmpty() ? systemReason(error) : givenUp);
    }

    SaveResult result;
    if (mode == SaveMode::CreateNew) {
        result = nameWithoutReplacing(partPath, path);
    } else if (::rename(encoded(partPath).constData(), encoded(path).constData()) == 0) {
        result = { SaveResult::Saved, {} };
    } else {
        result = failed(systemReason(errno));
    }
    if (result.saved())
        syncFolderOf(path);
    else
        ::unlink(encoded(partPath).constData());
    return result;
}

#else

QString followLinks(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() && !info.symLinkTarget().isEmpty() ? info.symLinkTarget() : path;
}

// Elsewhere Qt's own files do the work; each is opened without a buffer, so that a full disk
// fails the write itself rather than a flush whose result would be lost.
SaveResult save(const QString& path, const SaveProducer& produce, SaveMode mode)
{
    const QFileInfo info(path);
    if (mode == SaveMode::CreateNew && (info.exists() || info.isSymLink()))
        return { SaveResult::AlreadyExists, {} };
    if (info.exists() && !info.isFile())
        return failed(notARegularFile(nonRegularKind(path)));
    if (mode == SaveMode::Replace) {
        QSaveFile file(path);
        file.setDirectWriteFallback(false);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return failed(file.errorString());
        const QString givenUp = produce([&](const QByteArray& piece) { return file.write(piece) == piece.size(); });
        if (!givenUp.isEmpty() || file.error() != QFileDevice::NoError) {
            const QString reason = givenUp.isEmpty() ? file.errorString() : givenUp;
            file.cancelWriting();
            return failed(reason);
        }
        if (!file.commit())
            return failed(file.errorString());
        return { SaveResult::Saved, {} };
    }
    QTemporaryFile part(path + QStringLiteral(".XXXXXX"));
    if (!part.open())
        return failed(part.errorString());
    const QString givenUp = produce([&](const QByteArray& piece) { return part.write(piece) == piece.size(); });
    if (!givenUp.isEmpty())
        return failed(givenUp);
    if (part.error() != QFileDevice::NoError || !part.flush())
        return failed(part.errorString());
    part.close();
    if (part.error() != QFileDevice::NoError)
        return failed(part.errorString());
    part.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
        | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther);
    if (!part.rename(path))
        return QFileInfo::exists(path) ? SaveResult { SaveResult::AlreadyExists, {} } : failed(part.errorString());
    part.setAutoRemove(false);
    return { SaveResult::Saved, {} };
}

#endif

}  // namespace

SaveResult saveFile(const QString& path, const SaveProducer& produce, SaveMode mode)
{
    return save(mode == SaveMode::Replace ? followLinks(path) : path, produce, mode);
}

SaveResult saveFile(const QString& path, const QByteArray& bytes, SaveMode mode)
{
    return saveFile(
        path,
        [&bytes](const SaveWriter& write) {
            write(bytes);
            return QString();
        },
        mode);
}

}  // namespace korv
