#pragma once

#include "cli/CliTexts.h"
#include "core/configuration/ConfigurationCheck.h"
#include "core/families/Families.h"
#include "core/history/CommandRecord.h"
#include "core/protocol/TransmitterSession.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <vector>

namespace korv::cli {

// Why the port did not open, with the programs that hold it when there are any.
QString portUnavailableText(TransmitterSession& session, const QString& portName, const CliTexts& texts);

// The commands of the program against the transmitter behind one session: what the window would
// show goes to `out`, every failure to `err`, and each command returns its exit code. With `json`,
// `out` gets one JSON document instead of the lines, whatever the outcome: the command's result,
// or {"error": ...} when it failed with nothing else to report (docs/schemas/).
class Commands {
public:
    Commands(TransmitterSession& session, QString portName, const CliTexts& texts, QTextStream& out, QTextStream& err);

    int identify(bool json = false);
    int read(bool fahrenheit, bool json);
    int write(const QString& path, bool json = false);
    int verify(const QString& path, bool json = false);
    int backup(const QString& directory);
    // The connection check, one line per step (or JSON); ExitOk when every step passed.
    int check(bool json);

    // Where the running command leaves what its record needs: the message it ends with and, for a
    // backup, the backup's text. None: nothing is recorded.
    void setRecord(history::CommandRecord* record) { record_ = record; }
    // The command tried to reach the transmitter (opened the port): it has an event to leave.
    bool contacted() const { return contacted_; }
    // The caller has just read the serial number: the commands that follow identify the unit
    // without contacting it again, and each after the first neither.
    void contactMade() { contacted_ = contactMade_ = true; }

    // Registers 2 and 3 read again: an exit code, with both serial numbers and what each unit got,
    // when another unit answers now (or none does).
    std::optional<int> confirmUnit();

private:
    // Contact and identification, as every command starts; an exit code when they fail.
    std::optional<int> connect();
    QString portUnavailableText() { return korv::cli::portUnavailableText(session_, portName_, texts_); }
    QString unitChangedText() const;
    // Register 1 alone, in the family's way; an exit code when it cannot be read.
    std::optional<int> readConfigWord(UnitReading& reading);
    // The family's whole read, as the window's read command makes it.
    std::optional<int> readUnit(UnitReading& reading);
    // The file and its checks against the transmitter: an exit code when it cannot be sent to it.
    std::optional<int> checkFile(
        const QString& path, bool forWriting, config::Configuration& configuration, config::UnitCheck& check);
    // What verify finds: the lines it prints, and each register a write of the file would change.
    struct Comparison {
        QStringList lines;
        QJsonArray registers;
    };
    Comparison differences(
        const config::Configuration& configuration, const FamilySettings& settings, const UnitReading& reading) const;

    void print(const QStringList& lines);
    // A command starts: its output is JSON or lines, and nothing of an earlier command is reported.
    void begin(bool json);
    // Lines of the command's result: printed at once, or kept for the JSON document's "display".
    void say(const QStringList& lines);
    // The JSON document, its "display" holding what was said, with `error` when there is one.
    void printDocument(const QJsonObject& error = {});
    int fail(int exitCode, const QString& text);
    // The command's last line on success, also its record's result.
    int succeed(const QString& text, int exitCode = 0);

    TransmitterSession& session_;
    QString portName_;
    const CliTexts& texts_;
    QTextStream& out_;
    QTextStream& err_;
    history::CommandRecord* record_ = nullptr;
    bool contacted_ = false;
    bool json_ = false;
    // The running command's JSON document, filled as it goes; empty until it has a result to report.
    QJsonObject document_;
    QStringList said_;
    bool contactMade_ = false;
    bool identified_ = false;
};

}  // namespace korv::cli
