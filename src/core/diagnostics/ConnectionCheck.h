#pragma once

#include "core/link/LinkEvent.h"
#include "core/protocol/TransmitterSession.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace korv {

class LinkThread;

// One step of the connection check, with the sentence a technician reads: what was found and,
// when it failed, what to do about it.
struct CheckStep {
    enum class Id { PortExists, MayOpen, NotHeld, Opens, Echo, Answer, Identified };
    enum class Outcome {
        NotRun,  // an earlier step failed
        Passed,
        Failed,
        Skipped,  // this system offers no way to tell
    };
    // What a step found, for callers that act on it rather than read it.
    enum class Finding {
        None,
        Missing,
        Unreachable,
        NotADevice,
        JoinGroup,
        LogInAgain,
        OwnerOnly,
        OwnerLocked,
        Denied,
        HeldByOther,
        OpenFailed,
        NoEcho,
        BadEcho,
        PortLost,
        EchoOnly,
        Refused,
        WrongAnswer,
        NotIdentified,
        UnknownModel,
    };

    Id id = Id::PortExists;
    Outcome outcome = Outcome::NotRun;
    Finding finding = Finding::None;
    QString sentence;
};

// "A porta existe", "Um transmissor responde", ...
QString checkStepTitle(CheckStep::Id id);

struct ConnectionReport {
    QString port;  // as the settings name it
    QString device;  // what the system opens
    std::vector<CheckStep> steps;  // every step, in order
    std::optional<IdentificationRecord> transmitter;  // once identification succeeded

    bool passed() const;
    const CheckStep& step(CheckStep::Id id) const;
    // The first step that failed, or nothing.
    const CheckStep* failure() const;
};

// Why a transmitter does or does not answer on a port, found in the order a technician would look:
// the port exists, the user may open it, no other program holds it, it opens at the line's
// settings, the interface echoes a frame, a transmitter answers register 2, identification
// succeeds. It stops at the first step that fails, as each needs the ones before. It only looks:
// it never changes a permission or stops another program.
//
// The check opens the port itself; the caller lets go of it first.
class ConnectionCheck {
public:
    static constexpr qint16 ProbeRegister = 2;  // the serial number's high part: every model answers it

    explicit ConnectionCheck(QString portName);

    // The ports the system lists, named as a port setting names them; shown when the port is missing.
    void setPresentPorts(QStringList ports) { presentPorts_ = std::move(ports); }
    // Hears of the check's own frames, as the program's link would tell them.
    void setLinkListener(LinkListener listener) { listener_ = std::move(listener); }
    // The thread the check's link runs its blocking calls on (see LinkThread); none: this one.
    void setLinkThread(LinkThread* thread) { linkThread_ = thread; }

    // Runs the steps; `progress` hears of each as it ends, so a window can show it at once.
    ConnectionReport run(const std::function<void(const CheckStep&)>& progress = {});

private:
    QString portName_;
    QStringList presentPorts_;
    LinkListener listener_;
    LinkThread* linkThread_ = nullptr;
};

}  // namespace korv
