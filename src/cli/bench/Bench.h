#pragma once

#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/record/HistoryCommands.h"
#include "core/files/Settings.h"
#include "core/protocol/TransmitterSession.h"

#include <QTextStream>

namespace korv::cli {

// The production run: `options.file` written to one transmitter after another on one port, each
// waited for, identified, backed up when asked, written, verified, recorded and waited out. Ends
// after the unit in progress at the first SIGINT or SIGTERM; ExitOk when every unit passed.
int runBench(const Options& options, TransmitterSession& session, const CliTexts& texts, const RecordPlace& record,
    const AppSettings& settings, QTextStream& out, QTextStream& err);

}  // namespace korv::cli
