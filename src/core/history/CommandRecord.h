#pragma once

#include "core/history/HistoryEvent.h"
#include "core/protocol/TransmitterSession.h"

#include <QHash>

#include <optional>

namespace korv {
class MessageTable;
}

namespace korv::history {

class LastReads;

// A transmitter's registers as a record keeps them: the raw values, and the configuration file
// they make on that model (worked out by the family's own read, so that no front end decodes them).
Snapshot snapshotOf(const IdentificationRecord& unit, const QMap<qint16, qint16>& registers,
    const QSet<qint16>& uncertain, const MessageTable& messages);

// One command's event, gathered from the session it runs on: begin() before its first frame,
// finish() after its last, with the outcome the front end gave the user.
class CommandRecord {
public:
    CommandRecord(TransmitterSession& session, const QString& frontEnd, const QString& command, const QString& port);

    // Where the window keeps its earlier reads: what the unit held before this command when the
    // command itself reads less before writing.
    void setLastReads(const LastReads* reads) { lastReads_ = reads; }
    void setCalibration(CalibrationChange change) { event_.calibration = std::move(change); }
    // The box or message the command ended with; the last one said counts.
    void setResult(Outcome outcome, const QString& text, int exitCode = 0);
    QString resultText() const { return event_.resultText; }
    // A command with nothing to say about a transmitter (stopped before any frame left, a file
    // refused before contact) still leaves its event; the caller decides.
    Event finish(const MessageTable& messages);

private:
    TransmitterSession& session_;
    Event event_;
    const LastReads* lastReads_ = nullptr;
};

// What a window remembers between its commands: the last read of each transmitter, until a send
// to it. A send's as found then names what the technician saw before changing anything.
class LastReads {
public:
    // Takes what the event says: a command that read leaves its as left; one that wrote forgets the unit.
    void note(const Event& event);
    std::optional<Snapshot> of(const QString& serialNumber) const;

private:
    QHash<QString, Snapshot> reads_;
};

}  // namespace korv::history
