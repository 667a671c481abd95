#pragma once

#include "emulator/FrameResponder.h"
#include "emulator/RegisterBank.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>

namespace korv::emu {

// A transmitter behind the configuration interface, served on a pseudo-terminal by a thread of its
// own. For every complete frame it writes back the line's echo (the same five bytes) and then the
// transmitter's five-byte answer: 'P' and 'R' answer letter, address and value, 'Q' stores the
// value and repeats the frame. Register and fault calls are safe from any thread while it serves;
// start, stop, restart and setLinkPath belong to the owning thread.
class TransmitterEmulator {
public:
    static constexpr int AnyAddress = FaultPlan::AnyAddress;
    // Called on the serving thread after each frame with what went back (may be empty).
    using TraceFunction = std::function<void(const QByteArray& received, const QByteArray& sent)>;

    explicit TransmitterEmulator(Seed seed = {});
    ~TransmitterEmulator();  // stops serving
    TransmitterEmulator(const TransmitterEmulator&) = delete;
    TransmitterEmulator& operator=(const TransmitterEmulator&) = delete;

    // Opens a raw pseudo-terminal and serves it; true at once when already serving.
    bool start(QString* error = nullptr);
    // Stops serving, closes the terminal and removes the link (the link path is kept for start).
    void stop();
    bool isServing() const;
    // After CloseMidExchange (or at any time): a new terminal, the link path re-pointed. Registers,
    // faults and the frame log carry over.
    bool restart(QString* error = nullptr);

    QString devicePath() const;  // the link path when one is set, else the terminal's own path
    QString terminalPath() const;  // the terminal's own path, e.g. /dev/pts/7
    // A symbolic link to the terminal, re-pointed on restart and removed on stop; an empty path
    // removes the current link. Refuses to replace a file that is not a symbolic link.
    bool setLinkPath(const QString& path, QString* error = nullptr);

    void reseed(const Seed& seed);  // another transmitter: every register seeded afresh, pins dropped
    qint16 parameter(int address) const;  // the 'P'/'Q' register store
    void setParameter(int address, qint16 value);
    qint16 memory(int address) const;  // what an 'R' read of `address` answers now
    void pinMemory(int address, qint16 value);  // 'R' of address answers value until unpinned
    void unpinMemory(int address);
    void setMeasurand(const Measurand& measurand);
    Measurand measurand() const;

    // The fault acts on the next `frames` frames (-1: until setFault(Fault::None)) addressed to
    // `address` (AnyAddress: every frame) of the kind given; other frames are served normally.
    void setFault(Fault fault, int frames = -1, int address = AnyAddress, FaultFrames kind = FaultFrames::Any);
    Fault fault() const;  // None again once the fault's frames are used up
    void setLateAnswerDelayMs(int ms);
    // How long the transmitter takes to answer after the interface has echoed the frame (0, the
    // default: at once); a late answer waits the longer of the two.
    void setAnswerDelayMs(int ms);

    int framesReceived() const;  // count of complete 5-byte frames received
    QList<QByteArray> receivedFrames() const;  // every frame received, in order
    void clearLog();
    void setTrace(TraceFunction trace);

    bool saveState(const QString& path, QString* error = nullptr) const;  // registers to a text file
    bool loadState(const QString& path, QString* error = nullptr);
    // Every write the transmitter keeps is saved to this file at once (empty: none).
    void setStatePath(const QString& path);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace korv::emu
