#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

namespace korv::test {

// A PostgreSQL server of the test's own: a cluster made with initdb in a temporary folder, reached
// only through a Unix socket in that folder (no TCP port, so a system cluster or another test's
// server is never in the way), without fsync, with trust for the one user it creates. As root,
// the server's programs run as the unprivileged "postgres" account, which owns the folder.
class PostgresServer {
public:
    PostgresServer();
    ~PostgresServer();  // stops the server
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // Where initdb, pg_ctl and postgres are; empty when this machine has none (a test then skips).
    static QString binaries();

    // Makes the cluster on the first start; false with problem() saying why.
    bool start();
    bool stop();
    bool isRunning() const { return running_; }
    QString problem() const { return problem_; }

    // A libpq connection string for the server's database, without a password.
    QString connectionString() const;

private:
    bool run(const QString& program, const QStringList& arguments);

    QTemporaryDir dir_;
    QString binaries_;
    QString problem_;
    bool initialized_ = false;
    bool running_ = false;
    uid_t uid_ = 0;  // the account the programs run as, when it is not this process's
    gid_t gid_ = 0;
};

}  // namespace korv::test
