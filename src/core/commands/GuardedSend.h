#pragma once

#include "core/families/Families.h"
#include "core/protocol/TransmitterSession.h"

#include <QList>

#include <functional>
#include <optional>
#include <vector>

// The send of a whole configuration as the command line and the bench make it: the unit is asked
// for its serial number before the first write frame and once more after the last, so that a unit
// swapped on the bench is never reported as written. The front ends only say what it found.
namespace korv {

// What became of one register the send reached.
struct SentRegister {
    enum class Fate { Confirmed, NotKept, Unconfirmed };
    WrittenRegister write;
    Fate fate = Fate::Confirmed;
    qint16 readBack = 0;  // NotKept: what the register held when read back
};

struct GuardedSendResult {
    enum class End {
        Written,  // every register confirmed, the same unit in place
        NotKept,  // every register sent, some hold another value
        Stopped,  // a step failed: the unconfirmed registers and `stoppedAt` say where
        OtherUnit,  // another unit answered: what was sent since the last look is unconfirmed
        NotChecked,  // every register sent, but the unit did not answer the last look
    };
    End end = End::Written;
    // Each register once, in the order its fate became known; after OtherUnit the registers that
    // may have reached the other unit are Unconfirmed.
    QList<SentRegister> registers;
    std::optional<qint16> stoppedAt;  // Stopped: the first planned register not confirmed
    WriteOutcome writes;  // Stopped: the session's write log, confirmed and unconfirmed
};

// The registers a send of `settings` would write to the identified unit, in order, worked out
// without a frame; none when the values do not fit its registers.
std::optional<std::vector<WrittenRegister>> plannedWrites(
    const TransmitterSession& session, const FamilySettings& settings);

// Sends `settings`, planned as `planned`; `told` hears each register as soon as its fate is known.
GuardedSendResult sendGuarded(TransmitterSession& session, const FamilySettings& settings,
    const std::vector<WrittenRegister>& planned, const std::function<void(const SentRegister&)>& told);

}  // namespace korv
