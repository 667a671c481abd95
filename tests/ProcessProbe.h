#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <ctime>

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

// The lock file the serial port takes for `portPath` on this machine, or empty when none is found.
inline QString lockFileFor(const QString& portPath)
{
    const QString name = QStringLiteral("LCK..") + QString(portPath).replace(u'/', u'_');
    for (const char* folder : { "/run/lock", "/var/lock", "/tmp" }) {
        const QString path = QDir(QLatin1String(folder)).filePath(name);
        if (QFile::exists(path))
            return path;
    }
    return {};
}

}  // namespace korv::test
