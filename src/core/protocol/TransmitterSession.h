#pragma once

#include "core/link/LinkEvent.h"
#include "core/protocol/Identification.h"
#include "core/protocol/Model.h"
#include "core/protocol/RegisterAccess.h"
#include "core/protocol/RegisterProtocol.h"
#include "core/protocol/StepRetry.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace korv {

class SerialLink;
class LinkThread;

// What identification leaves behind for every later decision: which transmitter is connected.
struct IdentificationRecord {
    Model TransmitterModel = Model::Unknown;
    qint16 FirmwareVersion = 0;
    QString SerialNumberText;
    bool NoThermocoupleB = false;
    // Registers 2 and 3 as read: they tell units apart where the serial number text cannot (a
    // register above 32767 shows as zeros, and the two parts' digits run together).
    std::optional<SerialRegisters> serialRegisters;

    QString ModelString() const { return modelString(TransmitterModel); }
};

// Whether registers 2 and 3 read now (and their text) are the unit identified: by the raw registers
// when both are known, otherwise by the serial number text.
bool sameUnit(const IdentificationRecord& unit, const std::optional<SerialRegisters>& found, const QString& foundText);

// How a command makes first contact: how often it tries the serial number and how long it waits
// after a failed attempt (after the last one as well, where the command says so).
struct ContactPolicy {
    int attempts = 0;
    int pauseMs = 0;
    bool pauseAfterLastAttempt = true;
};
inline constexpr ContactPolicy ReadCommandContact { 8, 1000, true };
inline constexpr ContactPolicy HeadRailSendContact { 8, 1000, true };
inline constexpr ContactPolicy HumAmbSendContact { 3, 100, true };
inline constexpr ContactPolicy StartupSearchContact { 3, 100, false };

enum class ContactOutcome { Made, PortUnavailable, NoAnswer };

// A write frame that left the port. `confirmed`: the transmitter acknowledged it and its read-back
// arrived (holding what was written unless `kept` is false). Unconfirmed, the register may have
// changed all the same: the transmitter stores a value when the frame reaches it.
struct WrittenRegister {
    qint16 address = 0;
    qint16 value = 0;
    bool kept = true;
    bool confirmed = true;
    friend bool operator==(const WrittenRegister&, const WrittenRegister&) = default;
};

// The parameter registers a command saw and set, for its record: what it found before changing
// anything, and what it left.
struct RegisterTrace {
    // The first value read of each register before any write frame to it left.
    QMap<qint16, qint16> found;
    // The last value known of each register: read, written and confirmed, or read back.
    QMap<qint16, qint16> last;
    // Registers whose last write frame left but was never confirmed: what they hold is unknown.
    QSet<qint16> uncertain;
};

// The register operations of a session, noting every write frame that left, so that a command
// that stops half-way can say what it has changed and what it may have changed.
class WriteLog final : public RegisterAccess {
public:
    explicit WriteLog(RegisterAccess* inner)
        : inner_(inner)
    {
    }
    void setInner(RegisterAccess* inner) { inner_ = inner; }
    Status ReadParameter(qint16 address, qint16& value) override;
    Status ReadMemory(qint16 address, qint16& value) override { return inner_->ReadMemory(address, value); }
    Status WriteParameter(qint16 address, qint16 value) override;
    void markNotKept(qint16 address, qint16 readBack);

    const std::vector<WrittenRegister>& writes() const { return writes_; }
    void clear()
    {
        writes_.clear();
        checkpointWrites_ = 0;
    }
    const RegisterTrace& trace() const { return trace_; }
    void clearTrace()
    {
        trace_ = {};
        checkpoint();
    }
    // The unit was seen to be the one identified: what was read and written so far is its own.
    void checkpoint()
    {
        checkpointWrites_ = writes_.size();
        checkpointTrace_ = trace_;
    }
    // Another unit answered: nothing read since the last checkpoint is known to come from the unit
    // identified, and every write frame since may have reached either unit, so none of them counts
    // as confirmed and their registers are unknown.
    void rollBackToCheckpoint();
    std::size_t checkpointWrites() const { return checkpointWrites_; }
    // Called before each write frame; false withholds the frame (it never leaves).
    void setBeforeWrite(std::function<bool()> beforeWrite) { beforeWrite_ = std::move(beforeWrite); }
    // Hears of each write as it is confirmed, before the next frame is sent; empty: no one.
    using ConfirmedListener = std::function<void(const WrittenRegister&)>;
    void setConfirmedListener(ConfirmedListener listener) { confirmed_ = std::move(listener); }

private:
    RegisterAccess* inner_;
    std::vector<WrittenRegister> writes_;
    RegisterTrace trace_;
    std::optional<qint16> readBack_;  // what the write in progress read back, when it did not keep
    ConfirmedListener confirmed_;
    std::size_t checkpointWrites_ = 0;
    RegisterTrace checkpointTrace_;
    std::function<bool()> beforeWrite_;
};

// A command's write frames by outcome: the registers confirmed, and those sent but never
// confirmed (each once, in the order first sent).
struct WriteOutcome {
    std::vector<qint16> confirmed;
    std::vector<qint16> unconfirmed;
    bool empty() const { return confirmed.empty() && unconfirmed.empty(); }
};
WriteOutcome writeOutcome(const std::vector<WrittenRegister>& writes);

// One step of a read or send: a few register operations that succeed or fail together and are
// retried together.
using TransferStep = std::function<Status()>;
using TransferSteps = std::vector<TransferStep>;

// The connection to one transmitter, without any window: the serial link, the register protocol,
// the identification record, and the attempt rule every command runs its steps under. Front ends
// (the window, a command line) build their commands from these pieces and the family's step
// lists.
class TransmitterSession {
public:
    static constexpr quint32 Baud = 9600;
    static constexpr qint16 ExtraReadTimeoutMs = 100;

    explicit TransmitterSession(QString portName = {});
    ~TransmitterSession();
    TransmitterSession(const TransmitterSession&) = delete;
    TransmitterSession& operator=(const TransmitterSession&) = delete;

    // The link on the port last named; created closed on first use.
    SerialLink& link();
    // Closes the link and drops it; a later use creates a new, closed one.
    void dropLink();
    // Closes the link for good, as at exit: from now on nothing is sent and no contact is made.
    void shutDown();
    bool isShutDown() const { return shutDown_; }
    // How many frames and contact attempts were held back because the session was shut down or a
    // stop was requested (StopRequest, cancel): a command during which this grew was cut short.
    int withheldFrames() const { return withheldFrames_; }
    // The user stopped the running command: no frame leaves after the one in flight and no
    // further contact attempt is made, until clearCancel. Safe from any thread.
    void cancel() { cancelled_ = true; }
    void clearCancel() { cancelled_ = false; }
    bool cancelled() const { return cancelled_; }
    // Hears of each step of run() as it starts (0-based, of how many), and of the run's end as
    // step == steps.
    void setStepListener(std::function<void(std::size_t step, std::size_t steps)> listener)
    {
        stepListener_ = std::move(listener);
    }
    // Hears of each contact attempt as it starts (1-based, of how many).
    void setAttemptListener(std::function<void(int attempt, int attempts)> listener)
    {
        attemptListener_ = std::move(listener);
    }
    void setPortName(const QString& portName);
    const QString& portName() const { return portName_; }
    // The link's fast exchange (see SerialLink), kept for every link the session creates.
    void setFastExchange(bool fast);
    bool fastExchange() const { return fast_; }
    // Hears of everything the link does, also on a link the session creates later; empty: no one.
    void setLinkListener(LinkListener listener);
    // Every link the session creates from now on runs its blocking calls on `thread` (see
    // LinkThread); none: on the calling thread.
    void setLinkThread(LinkThread* thread) { linkThread_ = thread; }

    RegisterAccess& registers() { return log_; }
    // Tests put an in-memory transmitter behind the register operations; the link stays as it is.
    void useRegisters(RegisterAccess& registers) { log_.setInner(&registers); }
    // The write frames sent since the log was last cleared, in order.
    const std::vector<WrittenRegister>& writes() const { return log_.writes(); }
    void clearWrites() { log_.clear(); }
    // Every parameter register read and written since the trace was last cleared.
    const RegisterTrace& trace() const { return log_.trace(); }
    void clearTrace() { log_.clearTrace(); }
    void setConfirmedListener(WriteLog::ConfirmedListener listener) { log_.setConfirmedListener(std::move(listener)); }
    // Where a write that did not take is reported (address, value written, value read back).
    void setNotKeptHandler(RegisterProtocol::NotKeptHandler handler);

    const IdentificationRecord& identification() const { return ident_; }
    IdentificationRecord& identification() { return ident_; }

    // Register 1 as read or written last: every send keeps its output-type bits.
    qint16 ConfigWord = 0;

    // Every attempt opens the link first (nothing happens when it is open; a port lost during a
    // failed exchange is opened anew), then reads the serial number. A port that will not open
    // ends the contact at once, unless it was lost under an exchange: that attempt counts as
    // unanswered.
    ContactOutcome contact(const ContactPolicy& policy);
    // Registers 2 and 3 into the record's serial number text.
    Status readSerialNumber();

    // Reads registers 2 and 3 again and compares them with the unit identified. The same unit:
    // what the command did so far is its own (a checkpoint). Another one: the command must stop;
    // from now on no frame leaves until the next contact, and the write log keeps as confirmed only
    // what was confirmed before the last check that found the unit identified.
    struct UnitCheck {
        Status status = Status::NotSent;
        bool changed = false;
        QString foundText;  // the other unit's serial number text
    };
    UnitCheck checkUnit();
    // While armed, the first write frame of the command is preceded by checkUnit(), and withheld
    // when another unit answers or the check itself fails. Contact disarms it.
    void guardWrites() { guardArmed_ = true; }
    // The serial number text of the unit found in place of the one identified, since the last contact.
    const std::optional<QString>& otherUnit() const { return otherUnit_; }
    // The registers written since the last checkpoint whose unit is unknown, once another unit was found.
    const std::vector<qint16>& writesOfUnknownUnit() const { return unknownUnitWrites_; }
    // Register 0 into the record's model, firmware and thermocouple-B flag.
    Status identify();

    // Runs the steps in order, each under the attempt rule; `done` hears of each step that
    // succeeded, by its index. Returns the index of the step that still failed, or nothing.
    std::optional<std::size_t> run(const TransferSteps& steps, const std::function<void(std::size_t)>& done = {}) const;

private:
    QString portName_;
    std::unique_ptr<SerialLink> link_;
    LinkThread* linkThread_ = nullptr;
    RegisterProtocol protocol_;
    WriteLog log_ { &protocol_ };
    bool shutDown_ = false;
    std::atomic<bool> cancelled_ = false;
    std::function<void(int, int)> attemptListener_;
    std::function<void(std::size_t, std::size_t)> stepListener_;
    int withheldFrames_ = 0;
    bool fast_ = false;
    RegisterProtocol::NotKeptHandler notKept_;
    IdentificationRecord ident_;
    bool guardArmed_ = false;
    std::optional<QString> otherUnit_;
    std::vector<qint16> unknownUnitWrites_;
    LinkListener linkListener_;
};

}  // namespace korv

namespace korv {

// `step`, followed by `after` each time it succeeds: how a front end shows a step's result as soon
// as the step is done.
inline TransferStep thenOnSuccess(TransferStep step, std::function<void()> after)
{
    return [step = std::move(step), after = std::move(after)] {
        const Status status = step();
        if (status == Status::Ok)
            after();
        return status;
    };
}

}  // namespace korv
