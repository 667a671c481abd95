#include "cli/Cli.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvsetup-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    korv::cli::stopOnSignals();
#ifdef Q_OS_UNIX
    // A file-size limit makes a write fail, which every write here checks and says, instead of
    // killing the program after its command succeeded.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    korv::cli::Environment environment;
    environment.plantSender = QCoreApplication::applicationFilePath();
    return korv::cli::run(QCoreApplication::arguments(), environment, out, err);
}
