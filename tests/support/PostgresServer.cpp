#include "support/PostgresServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QVersionNumber>

#include <algorithm>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace korv::test {

namespace {

// Only names the socket file: the server listens on no TCP port.
constexpr int Port = 5432;
const QString User = QStringLiteral("korv");

bool hasServerPrograms(const QDir& folder)
{
    return QFileInfo(folder.filePath(QStringLiteral("initdb"))).isExecutable()
        && QFileInfo(folder.filePath(QStringLiteral("pg_ctl"))).isExecutable()
        && QFileInfo(folder.filePath(QStringLiteral("postgres"))).isExecutable();
}

QString shellQuoted(const QString& text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

}  // namespace

QString PostgresServer::binaries()
{
    // Debian keeps each major version's server programs out of the PATH.
    QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(), [](const QString& a, const QString& b) {
        return QVersionNumber::fromString(a) > QVersionNumber::fromString(b);
    });
    for (const QString& version : versions) {
        const QDir folder(QStringLiteral("/usr/lib/postgresql/%1/bin").arg(version));
        if (hasServerPrograms(folder))
            return folder.path();
    }
    const QString initdb = QStandardPaths::findExecutable(QStringLiteral("initdb"));
    if (!initdb.isEmpty() && hasServerPrograms(QFileInfo(initdb).dir()))
        return QFileInfo(initdb).path();
    return {};
}

PostgresServer::PostgresServer()
    : dir_(QDir::temp().filePath(QStringLiteral("korv-pg-XXXXXX")))
    , binaries_(binaries())
{
    if (::geteuid() != 0)
        return;
    // The server refuses to run as root.
    const passwd* account = ::getpwnam("postgres");
    if (!account)
        account = ::getpwnam("nobody");
    if (account) {
        uid_ = account->pw_uid;
        gid_ = account->pw_gid;
    }
    if (!uid_ || ::chown(QFile::encodeName(dir_.path()).constData(), uid_, gid_) != 0)
        problem_ = QStringLiteral("no unprivileged account owns %1").arg(dir_.path());
}

PostgresServer::~PostgresServer()
{
    if (running_)
        run(QStringLiteral("pg_ctl"),
            { QStringLiteral("-w"), QStringLiteral("-D"), dir_.filePath(QStringLiteral("data")), QStringLiteral("-m"),
                QStringLiteral("immediate"), QStringLiteral("stop") });
}

bool PostgresServer::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(dir_.path());
    if (uid_) {
        process.setChildProcessModifier([uid = uid_, gid = gid_] {
            const gid_t groups[] = { gid };
            if (::setgroups(1, groups) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(126);
        });
    }
    process.start(QDir(binaries_).filePath(program), arguments);
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    QFile log(dir_.filePath(QStringLiteral("log")));
    const QByteArray logText = log.open(QIODevice::ReadOnly) ? log.readAll().right(2000) : QByteArray();
    problem_ = QStringLiteral("%1 %2 failed: %3\n%4\n%5")
                   .arg(program, arguments.join(u' '), process.errorString(),
                       QString::fromLocal8Bit(process.readAll().right(2000)), QString::fromLocal8Bit(logText));
    return false;
}

bool PostgresServer::start()
{
    if (binaries_.isEmpty()) {
        problem_ = QStringLiteral("no PostgreSQL server programs (initdb, pg_ctl, postgres) on this machine");
        return false;
    }
    if (!dir_.isValid() || (::geteuid() == 0 && !uid_))
        return false;
    if (running_)
        return true;
    const QString data = dir_.filePath(QStringLiteral("data"));
    if (!initialized_) {
        initialized_ = run(QStringLiteral("initdb"),
            { QStringLiteral("-D"), data, QStringLiteral("-U"), User, QStringLiteral("-A"), QStringLiteral("trust"),
                QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--no-locale"), QStringLiteral("-N"),
                QStringLiteral("--no-instructions") });
        if (!initialized_)
            return false;
    }
    const QString options = QStringLiteral("-c listen_addresses='' -k %1 -p %2 -c fsync=off -c full_page_writes=off")
                                .arg(shellQuoted(dir_.path()))
                                .arg(Port);
    running_ = run(QStringLiteral("pg_ctl"),
        { QStringLiteral("-w"), QStringLiteral("-D"), data, QStringLiteral("-l"), dir_.filePath(QStringLiteral("log")),
            QStringLiteral("-o"), options, QStringLiteral("start") });
    return running_;
}

bool PostgresServer::stop()
{
    if (!running_)
        return true;
    running_ = !run(QStringLiteral("pg_ctl"),
        { QStringLiteral("-w"), QStringLiteral("-D"), dir_.filePath(QStringLiteral("data")), QStringLiteral("-m"),
            QStringLiteral("fast"), QStringLiteral("stop") });
    return !running_;
}

QString PostgresServer::connectionString() const
{
    return QStringLiteral("host=%1 port=%2 dbname=postgres user=%3").arg(dir_.path()).arg(Port).arg(User);
}

}  // namespace korv::test
