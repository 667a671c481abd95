#pragma once

#include "emulator/RegisterBank.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace korv::emu {

// Misbehaviour on command. A fault acts on the frames it is set for and each frame it acts on uses
// up one of its frames; DropWrite acts on 'Q' frames only, so reads in between do not use it up.
// Only Silence, Refuse, DropWrite, CloseMidExchange and EchoOnly keep a write from being stored: the other
// faults spoil the answer on its way back, after the transmitter has done its work.
enum class Fault {
    None,
    Silence,  // no echo, no answer
    Refuse,  // echo, then an answer starting with '?' (rest of the frame repeated)
    WrongEcho,  // echo, then an answer whose address byte differs from the request
    LateAnswer,  // echo and correct answer, but only after lateAnswerDelayMs (default 600 ms)
    Garbage,  // echo, then 5 bytes that are not an answer (0xAA 0x55 0xAA 0x55 0xAA)
    DropWrite,  // a 'Q' write is echoed and answered correctly but the value is NOT stored
    CloseMidExchange,  // the frame is received, then the pty master is closed: the port vanishes
    EchoOnly,  // the interface echoes the frame but no transmitter answers (one unpowered or unplugged)
};

// "none", "silence", "refuse", "wrong-echo", "late-answer", "garbage", "drop-write",
// "close-mid-exchange", "echo-only".
QString faultName(Fault fault);
std::optional<Fault> faultFromName(const QString& name);

// Which kind of frame a fault acts on: reads and writes, or write frames only.
enum class FaultFrames { Any, Writes };

// Which frames a fault acts on: the next `framesLeft` frames (-1: all) addressed to `address`.
struct FaultPlan {
    static constexpr int AnyAddress = -1;

    Fault fault = Fault::None;
    int framesLeft = -1;
    int address = AnyAddress;
    FaultFrames kind = FaultFrames::Any;

    // The fault acting on `frame`; uses up one of the plan's frames when there is one.
    Fault take(const QByteArray& frame);
};

// What goes back for one frame.
struct Reply {
    QByteArray echo;  // empty: nothing at all goes back
    QByteArray answer;
    int delayMs = 0;  // between echo and answer
    bool closePort = false;
    bool stored = false;  // a write changed the register store
};

// The transmitter's reaction to one well-formed frame while `acting` is in force: reads answer
// from the bank (live registers from the measurand), writes change it.
Reply respond(
    const QByteArray& frame, Fault acting, RegisterBank& bank, const Measurand& measurand, int lateAnswerDelayMs);

}  // namespace korv::emu
