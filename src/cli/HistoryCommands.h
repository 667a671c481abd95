#pragma once

#include "cli/CliOptions.h"
#include "core/files/Settings.h"
#include "core/history/HistoryEvent.h"

#include <QStringList>
#include <QTextStream>

namespace korv::cli {

// history and report: the record of events kept at `path`, shown or turned into a PDF by
// `reportProgram` (empty: korvsetup-report where the package puts it).
int historyCommand(
    const Options& options, const QString& path, const QString& reportProgram, QTextStream& out, QTextStream& err);

// Keeps a command's event at `path` (and queues it for the plant's server when the settings name
// one, then sends what waits). The lines say what went wrong, or what the record had to do; empty
// when all went well.
QStringList keepEvent(const history::Event& event, const QString& path, const AppSettings& settings);

}  // namespace korv::cli
