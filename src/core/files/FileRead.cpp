#include "core/files/FileRead.h"

#include "core/CoreText.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korv {

namespace {

QString missingText()
{
    return CoreText::tr("o arquivo não existe");
}

QString tooLarge(qint64 maxBytes)
{
    return CoreText::tr("o arquivo é grande demais (mais de %1 bytes)").arg(maxBytes);
}

QString notARegularFile(const QString& kind)
{
    return CoreText::tr("é %1, não um arquivo comum").arg(kind);
}

#ifdef Q_OS_UNIX
QString kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return CoreText::tr("uma pasta");
    if (S_ISFIFO(mode))
        return CoreText::tr("um FIFO");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return CoreText::tr("um dispositivo");
    if (S_ISSOCK(mode))
        return CoreText::tr("um socket");
    return CoreText::tr("um arquivo especial");
}

QString systemReason(int error)
{
    return CoreText::tr("não foi possível ler o arquivo: %1").arg(QString::fromLocal8Bit(std::strerror(error)));
}

FileIdentity identityOf(const struct stat& info)
{
    return { static_cast<qint64>(info.st_dev), static_cast<qint64>(info.st_ino), static_cast<qint64>(info.st_size),
        qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
        qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec };
}

// Reads to the end, at most maxBytes + 1 bytes so that a file grown past the bound since its
// size was taken is still noticed. The size taken beforehand only sizes the first buffer.
FileBytes readDescriptor(int fd, qint64 expectedSize, qint64 maxBytes)
{
    FileBytes result;
    result.bytes.resize(static_cast<qsizetype>(std::min(expectedSize, maxBytes) + 1));
    qsizetype filled = 0;
    for (;;) {
        if (filled == result.bytes.size()) {
            if (filled > maxBytes)
                break;
            result.bytes.resize(static_cast<qsizetype>(std::min<qint64>(qint64(filled) * 2 + 64, maxBytes + 1)));
        }
        const ssize_t got = ::read(fd, result.bytes.data() + filled, static_cast<size_t>(result.bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.error = systemReason(errno);
            break;
        }
        if (got == 0)
            break;
        filled += got;
    }
    result.bytes.resize(filled);
    if (result.ok() && filled > maxBytes)
        result.error = tooLarge(maxBytes);
    return result;
}
#endif

}  // namespace

QString nonRegularKind(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return kindOfMode(info.st_mode);
#else
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    return info.isDir() ? CoreText::tr("uma pasta") : CoreText::tr("um arquivo especial");
#endif
}

std::optional<FileIdentity> fileIdentity(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return identityOf(info);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return FileIdentity { 0, 0, info.size(), info.lastModified().toMSecsSinceEpoch() * 1000000,
        info.metadataChangeTime().toMSecsSinceEpoch() * 1000000 };
#endif
}

FileBytes readRegularFile(const QString& path, qint64 maxBytes)
{
    FileBytes result;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat info { };
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        result.missing = error == ENOENT;
        result.error = result.missing ? missingText() : systemReason(error);
        return result;
    }
    if (const QString kind = kindOfMode(info.st_mode); !kind.isEmpty()) {
        result.error = notARegularFile(kind);
        return result;
    }
    if (info.st_size > maxBytes) {
        result.error = tooLarge(maxBytes);
        return result;
    }

    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        result.missing = error == ENOENT;
        result.error = result.missing ? missingText() : systemReason(error);
        return result;
    }
    if (::fstat(fd, &info) != 0) {
        result.error = systemReason(errno);
    } else if (const QString kind = kindOfMode(info.st_mode); !kind.isEmpty()) {
        result.error = notARegularFile(kind);
    } else if (info.st_size > maxBytes) {
        result.error = tooLarge(maxBytes);
    } else {
        result = readDescriptor(fd, info.st_size, maxBytes);
        result.identity = identityOf(info);
    }
    ::close(fd);
#else
    const QFileInfo info(path);
    if (!info.exists()) {
        result.missing = true;
        result.error = missingText();
        return result;
    }
    if (!info.isFile()) {
        result.error = notARegularFile(info.isDir() ? CoreText::tr("uma pasta") : CoreText::tr("um arquivo especial"));
        return result;
    }
    if (info.size() > maxBytes) {
        result.error = tooLarge(maxBytes);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = CoreText::tr("não foi possível ler o arquivo: %1").arg(file.errorString());
        return result;
    }
    result.bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        result.error = CoreText::tr("não foi possível ler o arquivo: %1").arg(file.errorString());
    else if (result.bytes.size() > maxBytes)
        result.error = tooLarge(maxBytes);
    else if (const auto identity = fileIdentity(path))
        result.identity = *identity;
#endif
    if (!result.ok())
        result.bytes.clear();
    return result;
}

}  // namespace korv
