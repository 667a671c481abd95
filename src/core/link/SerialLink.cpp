#include "core/link/SerialLink.h"

#include "common/Timing.h"
#include "core/link/Status.h"
#include "core/link/port/UartDrain.h"
#include <QLoggingCategory>

#include <QByteArray>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

namespace korv {

// Frame trace of the serial link, silent unless enabled, e.g.
// QT_LOGGING_RULES="korv.link.debug=true" shows every frame in hex.
Q_LOGGING_CATEGORY(lcLink, "korv.link", QtWarningMsg)

namespace {

void sleepMs(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// Room for the frame's bytes at the line speed, with a generous margin for USB adapters.
int sendTimeoutMs(quint32 baud)
{
    return 100 + static_cast<int>(4 * SerialLink::FrameSize * 11 * 1000 / baud);
}

}  // namespace

SerialLink::SerialLink(const QString& portName, quint32 baud, qint16 extraReadTimeout)
    : RxBuffer(RxBufferSize, 0)
    , PortNumber(portName)
    , RequestedBaud(baud)
    , ExtraReadTimeout(extraReadTimeout)
    , hangUpWatch_([this] {
        setError(QStringLiteral("The serial device disappeared while the port was idle."));
        loseDevice();
    })
{
}

SerialLink::~SerialLink()
{
    if (IsOpen)
        Close();
    if (thread_) {
        // The port goes home to be destroyed on the thread that made it.
        QThread* home = QThread::currentThread();
        thread_->call(
            [this, home] {
                hangUpWatch_.stop();
                port_.moveToThread(home);
            },
            LinkThread::Wait::Blocked);
    }
}

void SerialLink::runOn(LinkThread* thread)
{
    thread_ = thread;
    if (thread_)
        port_.moveToThread(thread_->thread());
}

void SerialLink::runBlocking(const std::function<void()>& work, LinkThread::Wait wait)
{
    if (thread_)
        thread_->call(work, wait);
    else
        work();
}

bool SerialLink::Open()
{
    bool opened = false;
    runBlocking([this, &opened] { opened = openHere(); }, LinkThread::Wait::Blocked);
    return opened;
}

bool SerialLink::openHere()
{
    if (IsOpen)
        return true;
    const QString device = deviceNameFor(PortNumber);
    if (device.isEmpty()) {
        // Port 0 or a negative number: there is no such device to ask the system about.
        IsOpen = false;
        setError(QStringLiteral("\"%1\" names no serial port.").arg(PortNumber));
        return false;
    }
#ifdef Q_OS_UNIX
    // The port's lock file is named after the name the port is opened by: two programs reaching one
    // device by two names (a symbolic link and the terminal it points to) would each get a lock of
    // their own and both send. Opened by the device's own name, every program locks the same file.
    const QString target = QFileInfo(device).canonicalFilePath();
    port_.setPortName(target.isEmpty() ? device : target);
#else
    port_.setPortName(device);
#endif
    if (!port_.open(QIODevice::ReadWrite)) {
        IsOpen = false;
        setError(port_.errorString());
        port_.clearError();
        if (listener_)
            tell({ .kind = LinkEvent::Kind::OpenFailed, .text = ErrorText });
        return false;
    }
    chosenBaud_ = chooseBaud(RequestedBaud);
    const bool configured = port_.setBaudRate(static_cast<qint32>(chosenBaud_)) && port_.setDataBits(QSerialPort::Data8)
        && port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop)
        && port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        // A half-configured port is of no use and would stay locked against other programs.
        setError(port_.errorString());
        port_.close();
        port_.clearError();
        if (listener_)
            tell({ .kind = LinkEvent::Kind::OpenFailed, .text = ErrorText });
        return false;
    }
    // DTR powers the interface and stays raised while open; RTS is switched per frame. Devices
    // without modem lines (pseudo-terminals) refuse both, which does not matter to the exchange.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(false);
    port_.clear(QSerialPort::AllDirections);
    port_.clearError();
    timeouts_ = readTimeoutsFor(chosenBaud_, ExtraReadTimeout);
    IsOpen = true;
    deviceLost_ = false;
    hangUpWatch_.watch(port_.handle());
    qCDebug(lcLink) << "opened" << port_.portName() << chosenBaud_ << "baud";
    if (listener_)
        tell({ .kind = LinkEvent::Kind::Opened, .baud = chosenBaud_ });
    return true;
}

bool SerialLink::OpenPort(const QString& portName)
{
    PortNumber = portName;
    return Open();
}

void SerialLink::Close()
{
    runBlocking([this] { closeHere(); }, LinkThread::Wait::Blocked);
}

void SerialLink::closeHere()
{
    deviceLost_ = false;
    if (!IsOpen)
        return;
    hangUpWatch_.stop();
    port_.setRequestToSend(false);
    port_.clear(QSerialPort::AllDirections);
    port_.close();
    port_.clearError();
    IsOpen = false;
    qCDebug(lcLink) << "closed" << port_.portName();
    if (listener_)
        tell({ .kind = LinkEvent::Kind::Closed });
}

Status SerialLink::transfer(const frame::Bytes& frame, int answerWaitMs, int expected)
{
    Status status = Status::NotSent;
    runBlocking([&] { status = transferHere(frame, answerWaitMs, expected); }, LinkThread::Wait::Responsive);
    return status;
}

Status SerialLink::transferHere(const frame::Bytes& frame, int answerWaitMs, int expected)
{
    RxCount = 0;
    TxCount = 0;
    if (!IsOpen) {
        setError(QStringLiteral("The serial port is not open."));
        return Status::NotSent;
    }
    hangUpWatch_.watch(port_.handle());
    if (fast_) {
        // The transmitter turns its line around between an answer and the next frame.
        const auto ready = lastExchangeEnd_ + std::chrono::milliseconds(FastGuardMs);
        std::this_thread::sleep_until(ready);
    }
    // Whatever is still on the line belongs to an exchange that gave up; it must not be read as
    // this one's answer.
    port_.clear(QSerialPort::AllDirections);
    TxFrame = frame;
    TxCount = FrameSize;
    qCDebug(lcLink).noquote() << "tx"
                              << QByteArray(reinterpret_cast<const char*>(TxFrame.data()), FrameSize).toHex(' ');
    if (listener_)
        tell({ .kind = LinkEvent::Kind::Sent, .sent = TxFrame });
    if (!SendFrame()) {
        if (listener_)
            tell({ .kind = LinkEvent::Kind::SendFailed, .sent = TxFrame, .text = ErrorText });
        // A device that vanished while its frame was draining may well have received it: that is
        // a dead line, as when it vanishes under the answer, not a frame that never left.
        return deviceLost_ ? Status::NoAnswer : Status::NotSent;
    }

    expected = std::clamp(expected, 0, RxBufferSize);
    int stale = 0;
    if (fast_) {
        const int silence = Timing::scaledTimeout(timeouts_.totalConstant + timeouts_.totalMultiplier * FrameSize);
        const auto deadline
            = std::chrono::steady_clock::now() + std::chrono::milliseconds(Timing::scaled(answerWaitMs) + silence);
        receiveUntil(expected, deadline);
        stale = alignOnEcho([&] { return receiveUntil(expected, deadline); });
        lastExchangeEnd_ = std::chrono::steady_clock::now();
    } else {
        sleepMs(Timing::scaled(answerWaitMs));
        receive(expected, FrameSize);
        stale = alignOnEcho([&] { return receive(expected, FrameSize); });
    }
    qCDebug(lcLink).noquote()
        << "rx"
        << QByteArray(reinterpret_cast<const char*>(RxBuffer.data()), static_cast<qsizetype>(RxCount)).toHex(' ')
        << (stale > 0 ? QStringLiteral("(%1 late bytes dropped)").arg(stale) : QString());
    if (listener_) {
        tell({ .kind = LinkEvent::Kind::Received,
            .sent = TxFrame,
            .received = QByteArray(reinterpret_cast<const char*>(RxBuffer.data()), static_cast<qsizetype>(RxCount)),
            .staleBytes = stale });
    }
    if (readFailed_ || RxCount == 0) {
        if (!readFailed_)
            setError(qt_error_string(ETIMEDOUT));
        return Status::NoAnswer;
    }
    return Status::Ok;
}

bool SerialLink::SendFrame()
{
    port_.setRequestToSend(true);
    port_.clearError();
    if (port_.write(reinterpret_cast<const char*>(TxFrame.data()), FrameSize) != FrameSize) {
        setError(port_.errorString());
        port_.clearError();
        return false;
    }
    const int timeout = sendTimeoutMs(chosenBaud_);
    while (port_.bytesToWrite() > 0) {
        if (!port_.waitForBytesWritten(timeout)) {
            setError(port_.errorString());
            if (port_.error() == QSerialPort::ResourceError)
                loseDevice();
            port_.clearError();
            return false;
        }
    }
    errno = 0;
    if (!waitUntilSent(port_.handle(), timeout)) {
        const int error = errno;
        setError(QStringLiteral("The serial port did not finish sending within %1 ms.").arg(timeout));
        if (error == EIO || error == ENXIO || error == ENODEV)
            loseDevice();
        return false;
    }
    sleepMs(rtsDropPauseMs(chosenBaud_));
    port_.setRequestToSend(false);
    port_.clearError();
    return true;
}

void SerialLink::receive(int expected, int n)
{
    readFailed_ = false;
    // A read gives up when the line stays silent for the total read time-out of n bytes.
    const int silence = Timing::scaledTimeout(timeouts_.totalConstant + timeouts_.totalMultiplier * n);
    while (RxCount < static_cast<quint32>(expected)) {
        if (!readWaiting(expected, silence))
            return;
    }
}

void SerialLink::receiveUntil(int expected, std::chrono::steady_clock::time_point deadline)
{
    readFailed_ = false;
    while (RxCount < static_cast<quint32>(expected)) {
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !readWaiting(expected, static_cast<int>(left.count())))
            return;
    }
}

int SerialLink::alignOnEcho(const std::function<void()>& readMore)
{
    int dropped = 0;
    for (;;) {
        const auto begin = RxBuffer.begin();
        const auto end = begin + RxCount;
        auto echo = std::search(begin, end, TxFrame.begin(), TxFrame.end());
        if (echo == end) {
            // No whole echo yet: only a tail that could still grow into one is worth keeping.
            echo = end - std::min<std::ptrdiff_t>(RxCount, FrameSize - 1);
            while (echo != end && !std::equal(echo, end, TxFrame.begin()))
                ++echo;
        }
        const int before = static_cast<int>(echo - begin);
        if (before == 0)
            return dropped;
        std::copy(echo, end, begin);
        RxCount -= static_cast<quint32>(before);
        dropped += before;
        // Late bytes are bounded by what a few abandoned exchanges can leave; a line that keeps
        // talking past that is not answering this frame.
        if (dropped > MaxLateBytes || readFailed_)
            return dropped;
        const quint32 had = RxCount;
        readMore();
        if (RxCount == had)
            return dropped;
    }
}

// Waits up to waitMs for bytes when none are waiting, then reads what there is (at most up to
// `expected` in all). False when nothing came or the device failed.
bool SerialLink::readWaiting(int expected, int waitMs)
{
    if (port_.bytesAvailable() == 0 && !port_.waitForReadyRead(waitMs)) {
        const auto error = port_.error();
        port_.clearError();
        if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
            return false;
        // EOF, EIO or a vanished device: the port is gone; the next command opens it anew.
        readFailed_ = true;
        setError(port_.errorString().isEmpty() ? qt_error_string(EIO) : port_.errorString());
        loseDevice();
        return false;
    }
    const qint64 room
        = std::min<qint64>(expected - static_cast<qint64>(RxCount), RxBufferSize - static_cast<qint64>(RxCount));
    const qint64 got = port_.read(reinterpret_cast<char*>(RxBuffer.data()) + RxCount, room);
    if (got < 0) {
        readFailed_ = true;
        setError(port_.errorString());
        loseDevice();
        return false;
    }
    RxCount += static_cast<quint32>(got);
    return true;
}

void SerialLink::setError(const QString& text)
{
    ErrorText = text;
    qCDebug(lcLink) << "error:" << text;
}

void SerialLink::loseDevice()
{
    hangUpWatch_.stop();
    qCDebug(lcLink) << "device lost" << port_.portName();
    if (listener_)
        tell({ .kind = LinkEvent::Kind::Lost });
    port_.close();
    port_.clearError();
    IsOpen = false;
    deviceLost_ = true;
}

void SerialLink::tell(LinkEvent event) const
{
    if (event.port.isEmpty())
        event.port = PortNumber;
    listener_(event);
}

}  // namespace korv
