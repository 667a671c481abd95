#include "cli/Bench.h"

namespace korv::cli {

int runBench(const Options&, TransmitterSession&, const CliTexts&, const QString&, const AppSettings&, QTextStream&,
    QTextStream& err)
{
    err << "bench\n";
    return ExitBadInput;
}

}  // namespace korv::cli
