#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace korv {

// Notices, while no exchange runs, that the device under an open port has gone: a USB adapter
// pulled out, a pseudo-terminal closed. The system hangs such a terminal up, and a hung-up
// terminal is readable for ever with nothing to read, so an idle serial port would be woken
// again and again at full speed. The watch tells its owner at the first sign, so that the port is
// closed (which also releases its lock) and the next command finds the device missing.
//
// Only POSIX terminals hang up this way; elsewhere the watch does nothing.
class HangUpWatch {
public:
    explicit HangUpWatch(std::function<void()> onHangUp);
    ~HangUpWatch();
    HangUpWatch(const HangUpWatch&) = delete;
    HangUpWatch& operator=(const HangUpWatch&) = delete;

    void watch(qintptr handle);  // an open port; again after each exchange
    void stop();  // before the port is closed; safe from within onHangUp

private:
    std::function<void()> onHangUp_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Whether the terminal behind `handle` is hung up (or no longer a valid descriptor), without
// waiting.
bool isHungUp(qintptr handle);

}  // namespace korv
