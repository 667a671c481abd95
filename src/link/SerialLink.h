#pragma once

#include "link/HangUpWatch.h"
#include "link/LinkSettings.h"
#include "link/RegisterAccess.h"

#include <QSerialPort>
#include <QString>

#include <array>
#include <vector>

namespace korv {

// The one RS-232 link of the program: a half-duplex exchange of a short frame and its answer.
// RTS is raised for the frame and dropped once the UART has sent it; the configuration interface
// echoes the frame on the line, so every exchange receives the echo followed by the answer.
// All calls block the calling thread for the whole exchange.
class SerialLink {
public:
    static constexpr int RxBufferSize = 65539;
    static constexpr int FrameSize = 5;
    static constexpr int ReadAnswerWaitMs = 200;
    static constexpr int WriteAnswerWaitMs = 50;

    SerialLink(const QString& portName, quint32 baud, qint16 extraReadTimeout);
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    bool Open();
    bool OpenPort(const QString& portName);
    void Close();
    // The read exchange (200 ms answer wait; the echo must repeat command and address) and the
    // write exchange (50 ms; the answer must repeat the whole frame). Both return a Status value.
    Status Exchange(const quint8* frame, int n, bool checkEcho);
    Status ExchangeWrite(const quint8* frame, int n, bool checkEcho);
    // Copies what the last exchange received (at most rxCapacity bytes) and sent.
    void CopyBuffers(quint8* rxOut, int rxCapacity, quint8* txOut, qint32& rxLen, qint32& txLen) const;

    bool isOpen() const { return IsOpen; }
    // The port vanished under an exchange and was closed for it, and neither a new open nor the
    // program's own Close has happened since. The transmitter is unreachable, not unconfigured.
    bool deviceLost() const { return deviceLost_; }
    quint32 baud() const { return chosenBaud_; }
    ReadTimeouts timeouts() const { return timeouts_; }

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
    Status exchange(const quint8* frame, int n, bool checkEcho, int answerWaitMs, int bytesToCompare);
    bool SendFrame();
    void receive(int expected, int n);
    void setError(const QString& text);
    void loseDevice();

    QSerialPort port_;
    HangUpWatch hangUpWatch_;
    quint32 chosenBaud_ = 9600;
    ReadTimeouts timeouts_ {};
    bool readFailed_ = false;
    bool deviceLost_ = false;
};

}  // namespace korv
