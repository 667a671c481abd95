#pragma once

#include "core/protocol/RegisterAccess.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QStringList>

#include <functional>

namespace korv::test {

// An in-memory transmitter behind the register layer. An address it lacks is refused, or reads as 0
// when `refuseUnknown` is off. Reads and writes can be made to fail: by the number of the read, by
// address (the statuses the next operations on it return), or all of them. A register in `notKept`
// answers a write but keeps its old value, which `reportNotKept` announces as the real register
// layer's read-back does.
class MemoryRegisters final : public RegisterAccess {
public:
    struct Write {
        int address = 0;
        int value = 0;
        Status status = Status::NotSent;
    };

    Status ReadParameter(qint16 address, qint16& value) override;
    Status ReadMemory(qint16 address, qint16& value) override;
    Status WriteParameter(qint16 address, qint16 value) override;

    // Address=value of the answered writes, in order ("10=2389").
    QStringList written() const;
    QList<int> writtenRegisters() const;
    int readsOf(int address) const;
    // Every address that a read or a write attempt reached, reads first.
    QList<int> touched() const;

    QMap<int, qint16> parameters;
    QMap<int, qint16> memory;
    bool refuseUnknown = true;
    QMap<int, QList<Status>> scriptedReads;
    QMap<int, QList<Status>> scriptedWrites;
    QSet<int> failingReads;  // numbers (from 0, counted in `reads`) of reads that get no answer
    bool failEveryRead = false;
    int failingWrites = 0;  // the next writes, whatever their address, that get no answer
    QSet<int> notKept;
    std::function<void()> reportNotKept;
    std::function<void()> beforeWrite;

    QStringList reads;  // with the protocol's command letters: "P4", "R55"
    QList<Write> attempts;  // every write, answered or not
    QList<QPair<int, int>> writes;  // the answered ones

private:
    Status read(char command, const QMap<int, qint16>& store, qint16 address, qint16& value);
};

}  // namespace korv::test
