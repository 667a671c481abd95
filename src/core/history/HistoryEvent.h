#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

#include <optional>

// The record of one command that talked to a transmitter: who ran it where and when, what it
// found on the unit, what it left there and which registers it wrote. Kept per unit so that a
// technician can show, years later, what a transmitter was when it came and when it went.
namespace korv::history {

// A transmitter's parameter registers at one moment, and the same values as a configuration file
// holds them (empty when they do not make a configuration the program can describe).
struct Snapshot {
    QMap<int, int> registers;
    // Registers a write frame reached without a confirmation: they may hold the value sent or the
    // one before it.
    QList<int> uncertain;
    QJsonObject configuration;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

// What a command was told by the transmitter and did to it.
struct Identity {
    QString serialNumber;
    QString model;  // as the program names models ("OrvGalDin"); empty when never identified
    int firmware = 0;  // the firmware word; 0 when never identified
    QString outputType;  // the output-type line of the information box
    friend bool operator==(const Identity&, const Identity&) = default;
};

enum class Outcome { Done, Failed, Stopped };

// The registers a command wrote: confirmed (acknowledged and read back), read back with another
// value than sent, and sent without a confirmation.
struct Writes {
    QList<int> confirmed;
    QList<int> notKept;
    QList<int> unconfirmed;
    bool isEmpty() const { return confirmed.isEmpty() && notKept.isEmpty() && unconfirmed.isEmpty(); }
    friend bool operator==(const Writes&, const Writes&) = default;
};

// A calibration apply: offset and gain before and after, and the backup that holds the first.
struct CalibrationChange {
    QMap<QString, int> before;
    QMap<QString, int> after;
    QString backupText;
    friend bool operator==(const CalibrationChange&, const CalibrationChange&) = default;
};

struct Event {
    QString id;  // unique across benches: the same event sent twice is stored once
    QDateTime time;  // UTC
    int utcOffsetSeconds = 0;  // the bench's offset from UTC when the command ran
    QString bench;  // host name
    QString user;  // login
    QString programVersion;
    QString frontEnd;  // "janela" or "linha de comando"
    QString port;
    QString command;
    Outcome outcome = Outcome::Done;
    int exitCode = 0;  // the command line's exit code; 0 in the window
    QString resultText;  // the box or the message the command ended with; empty when done quietly
    Identity unit;
    std::optional<Snapshot> asFound;  // none: not read
    std::optional<Snapshot> asLeft;  // none: not read and nothing written
    Writes written;
    std::optional<CalibrationChange> calibration;
    friend bool operator==(const Event&, const Event&) = default;
};

inline const QString WindowFrontEnd = QStringLiteral("janela");
inline const QString CommandLineFrontEnd = QStringLiteral("linha de comando");

QString outcomeName(Outcome outcome);  // "done", "failed", "stopped"
std::optional<Outcome> outcomeNamed(const QString& name);

// The event as one JSON object, with stable keys: how the command line prints it and how the
// databases keep its structured parts.
QJsonObject toJson(const Event& event);
Event eventFromJson(const QJsonObject& object);

QJsonObject snapshotJson(const std::optional<Snapshot>& snapshot);  // null object members for none
std::optional<Snapshot> snapshotFromJson(const QJsonValue& value);
QJsonObject writesJson(const Writes& writes);
Writes writesFromJson(const QJsonValue& value);
QJsonObject calibrationJson(const std::optional<CalibrationChange>& change);
std::optional<CalibrationChange> calibrationFromJson(const QJsonValue& value);

// The registers whose values differ between as found and as left, or that one of them lacks.
QList<int> changedRegisters(const Snapshot& found, const Snapshot& left);

// A new id, time and the bench, user and program that run the command.
Event newEvent(const QString& frontEnd, const QString& command, const QString& port);

}  // namespace korv::history
