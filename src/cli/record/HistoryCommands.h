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

// Where a command's events go.
struct RecordPlace {
    QString path;  // the bench's record
    // The program started, detached, to send what waits to the plant's server, so that no command
    // ever waits for the server; empty: none is started and the events wait for the next sender.
    QString plantSender;
    QString settingsPath;  // where the sender finds the server's connection string
};

// Keeps a command's event in the record (and queues it for the plant's server whenever the settings
// name one, also one refused for now, to go once the setting is right), then starts the sender. The
// lines say what went wrong, or what the record had to do; empty when all went well.
QStringList keepEvent(const history::Event& event, const RecordPlace& place, const AppSettings& settings);

// The sender's own run (korvsetup-cli --send-waiting-events RECORD SETTINGS): says nothing, returns
// 0 when nothing is left waiting.
inline const QString SendWaitingEventsOption = QStringLiteral("--send-waiting-events");
int sendWaitingEventsCommand(const QStringList& arguments);

}  // namespace korv::cli
