#pragma once

#include "core/link/Frame.h"
#include "core/link/LinkEvent.h"
#include "core/link/LinkSettings.h"
#include "core/link/LinkThread.h"
#include "core/link/Status.h"
#include "core/link/port/HangUpWatch.h"

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QThread>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace korv {

// The one RS-232 link of the program: a half-duplex exchange of a short frame and what comes back.
// RTS is raised for the frame and dropped once the UART has sent it; the configuration interface
// echoes the frame on the line, so every exchange receives the echo followed by the answer. The
// link only moves bytes: whether they answer the frame is the register protocol's judgement.
// All calls block the calling thread for the whole exchange.
class SerialLink {
public:
    static constexpr int RxBufferSize = 65539;
    static constexpr int FrameSize = 5;

    SerialLink(const QString& portName, quint32 baud, qint16 extraReadTimeout);
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    bool Open();
    bool OpenPort(const QString& portName);
    void Close();
    // Sends `frame`, waits `answerWaitMs`, then collects up to `expected` bytes until the line
    // stays silent. NotSent when the frame could not be written, NoAnswer when nothing came back
    // (or the device failed under the read), Ok with the bytes in received() otherwise.
    Status transfer(const frame::Bytes& frame, int answerWaitMs, int expected);
    // From now on every call above runs on `thread` while the calling thread waits in its event
    // loop. Only while the port is closed, from the thread that made the link.
    void runOn(LinkThread* thread);
    const quint8* received() const { return RxBuffer.data(); }

    // The fast exchange: reading starts as soon as the frame has left and ends as soon as the
    // expected bytes are in, with the answer wait plus the read time-out as the deadline; a short
    // guard then passes before the next frame. Off by default: every exchange then waits its
    // whole answer wait before it reads.
    void setFastExchange(bool fast) { fast_ = fast; }
    bool fastExchange() const { return fast_; }
    static constexpr int FastGuardMs = 3;
    // At most this many late bytes are dropped before one exchange's echo.
    static constexpr int MaxLateBytes = 8 * FrameSize;
    int receivedCount() const { return static_cast<int>(RxCount); }

    bool isOpen() const { return IsOpen; }
    // The port vanished under an exchange and was closed for it, and neither a new open nor the
    // program's own Close has happened since. The transmitter is unreachable, not unconfigured.
    bool deviceLost() const { return deviceLost_; }
    quint32 baud() const { return chosenBaud_; }
    ReadTimeouts timeouts() const { return timeouts_; }
    // Hears of every open, close, frame and answer from now on; an empty listener stops it.
    void setListener(LinkListener listener) { listener_ = std::move(listener); }

    // Fields, kept under their historical names.
    std::array<quint8, FrameSize> TxFrame {};
    std::vector<quint8> RxBuffer;
    qint32 TxCount = 0;
    quint32 RxCount = 0;
    QString ErrorText;  // the system's message for the last failure; never shown on screen
    bool IsOpen = false;
    QString PortNumber;  // the port name ("COM2", "/dev/ttyUSB0")
    quint32 RequestedBaud = 9600;
    qint16 ExtraReadTimeout = 0;

private:
    bool SendFrame();
    void receive(int expected, int n);
    void receiveUntil(int expected, std::chrono::steady_clock::time_point deadline);
    // Bytes before the echo of the frame just sent belong to an exchange that gave up (a late
    // answer arriving after the purge): they are dropped, and reading goes on under the same rule
    // (`readMore`) so that this frame's own echo and answer are still read. Nothing changes when
    // the echo comes first. Returns how many bytes were dropped.
    int alignOnEcho(const std::function<void()>& readMore);
    bool readWaiting(int expected, int waitMs);
    void setError(const QString& text);
    void loseDevice();
    void tell(LinkEvent event) const;

    QSerialPort port_;
    HangUpWatch hangUpWatch_;
    quint32 chosenBaud_ = 9600;
    ReadTimeouts timeouts_ {};
    bool readFailed_ = false;
    bool fast_ = false;
    std::chrono::steady_clock::time_point lastExchangeEnd_ {};
    bool deviceLost_ = false;
    LinkListener listener_;
    LinkThread* thread_ = nullptr;

    // The work of the calls above, on whichever thread runs the link.
    void runBlocking(const std::function<void()>& work, LinkThread::Wait wait);
    bool openHere();
    void closeHere();
    Status transferHere(const frame::Bytes& frame, int answerWaitMs, int expected);
};

}  // namespace korv
