// Runs the connection check on one port and prints what each step found, one step a line:
// "<step> <outcome> <finding> <sentence>". The connection check tests start it under another
// account, to see a port refused as an unprivileged user sees it.
#include "core/diagnostics/ConnectionCheck.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: connection_check_probe PORT\n");
        return 2;
    }
    std::printf("uid %u\n", static_cast<unsigned>(::getuid()));
    korv::ConnectionCheck check(QString::fromLocal8Bit(argv[1]));
    const korv::ConnectionReport report = check.run();
    for (const korv::CheckStep& step : report.steps) {
        std::printf("%d %d %d %s\n", static_cast<int>(step.id), static_cast<int>(step.outcome),
            static_cast<int>(step.finding), qUtf8Printable(step.sentence));
    }
    return 0;
}
