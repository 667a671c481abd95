#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace korv::cli {

// What the program's exit status says, for every command alike.
enum ExitCode : int {
    ExitOk = 0,
    ExitDiffers = 1,  // the transmitter does not match: verify's differences, a write not kept
    ExitCommunication = 2,  // the transmitter could not be reached, identified, read or written
    ExitNotWritten = 2,  // as for the transmitter, what was asked was not done: a file could not be written
    ExitBadInput = 3,  // bad arguments, a bad file, or a file or command this transmitter cannot take
};

enum class Command { Identify, Read, Write, Verify, Backup, Bench, Check, History, Report, Help, Version };

// The commands that talk to a transmitter, each of which leaves an event in the record.
bool talksToTransmitter(Command command);
// The command's name on the command line ("write").
QString commandName(Command command);

struct Options {
    Command command = Command::Help;
    QString port;  // as the settings file names ports; empty: the saved port
    std::optional<bool> fahrenheit;  // read --unit; none: the saved unit
    bool json = false;  // --json of every command that prints a result
    QString backupDirectory;  // bench --backup-dir; empty: no backup
    QString log;  // bench --log
    bool csv = false;  // history --csv
    QString serialNumber;  // history --serial, report's argument
    QDate since;  // history --since
    QString event;  // report --event
    QString pdf;  // report --pdf
    QString file;  // write, verify and bench
    QString directory;  // backup --dir; empty: the working directory
};

struct ParsedOptions {
    std::optional<Options> options;
    QString error;  // why the arguments were refused
};

// `arguments` as the program received them, its own name first.
ParsedOptions parseOptions(const QStringList& arguments);

QString usageText(const QString& programName);

}  // namespace korv::cli
