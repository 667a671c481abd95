#include "cli/Cli.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvsetup-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    korv::cli::stopOnSignals();
    return korv::cli::run(QCoreApplication::arguments(), {}, out, err);
}
