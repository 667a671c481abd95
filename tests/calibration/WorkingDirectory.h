#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace korv::test {

// Makes a fresh temporary folder the working directory for the lifetime of the object.
class WorkingDirectory {
public:
    WorkingDirectory()
        : previous_(QDir::currentPath())
    {
        QDir::setCurrent(dir_.path());
    }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }

    static QByteArray contents(const QString& fileName)
    {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static bool writeFile(const QString& fileName, const QByteArray& bytes)
    {
        QFile file(fileName);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // Points the working directory at a folder in which no file can be created, even by root.
    static bool enterUnwritableDirectory(const QString& candidate)
    {
        QFile::setPermissions(candidate, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QDir::setCurrent(candidate);
        QFile probe(QStringLiteral("probe.tmp"));
        if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        probe.close();
        probe.remove();
        // Permissions do not bind the superuser; the process file system takes no new files.
        return QDir::setCurrent(QStringLiteral("/proc/self"));
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

}  // namespace korv::test
