#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace korv::cli {

// Where the program finds its surroundings; the program uses the defaults, tests point them elsewhere.
struct Environment {
    QString settingsPath;  // empty: the window's settings file in the user's configuration folder
    QString languageDirectory;  // empty: the working directory
    QString historyPath;  // empty: the user's record (history::defaultDatabasePath)
    QString reportProgram;  // empty: korvsetup-report beside the program or among the package's
    // The program that sends the record's queue to the plant's server in the background (this
    // one, korvsetup-cli); empty: none is started and the events wait in the queue.
    QString plantSender;
};

// The whole program: `arguments` as received (its own name first), results on `out`, failures
// on `err`; returns the exit code.
int run(const QStringList& arguments, const Environment& environment, QTextStream& out, QTextStream& err);

// SIGINT and SIGTERM stop the running command at its next frame boundary (StopRequest): it fails
// as on a dead line, says what it had written, and the program ends with its exit code. A second
// signal ends the program at once. Does nothing on platforms without POSIX signals.
void stopOnSignals();
// For a bench run: the first SIGINT or SIGTERM asks it to finish after the unit in progress
// (finishRequested), the second stops that unit at its next frame, a third ends the program.
void finishAfterUnitOnSignals();
bool finishRequested();

}  // namespace korv::cli
