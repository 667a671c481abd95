#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <ctime>
#include <unistd.h>

// What this test process holds and spends, read from the system: for tests of a device that
// vanishes under an open port.
namespace korv::test {

inline qint64 processCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Whether this process holds a descriptor of the terminal (also once it has been deleted).
inline bool holdsDescriptorOf(const QString& terminal)
{
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
        const QString target = QFile::symLinkTarget(fds.filePath(fd));
        if (target == terminal || target == terminal + QStringLiteral(" (deleted)"))
            return true;
    }
    return false;
}

// The lock file the serial port holds for `portPath` on this machine, or empty when none is
// found. It names the device itself, links followed, as the system names it under /dev
// ("LCK..pts_3" for /dev/pts/3, whatever link the port was opened by).
inline QString lockFileFor(const QString& portPath)
{
    QString device = QFileInfo(portPath).canonicalFilePath();
    if (device.isEmpty())
        return {};
    if (device.startsWith(QLatin1String("/dev/")))
        device = device.mid(5);
    const QString name = QStringLiteral("LCK..") + device.replace(u'/', u'_');
    for (const char* folder : { "/var/lock", "/run/lock", "/tmp", "/var/tmp" }) {
        const QString path = QDir(QLatin1String(folder)).filePath(name);
        if (QFile::exists(path))
            return path;
    }
    return {};
}

// Whether this process holds that lock file: its first line is the holder's process id. Another
// test that got the same terminal number once this one let go may hold a file of the same name.
inline bool holdsLock(const QString& lockPath)
{
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.readLine().trimmed().toLongLong() == static_cast<qint64>(::getpid());
}

}  // namespace korv::test
