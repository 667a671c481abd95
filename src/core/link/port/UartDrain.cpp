#include "core/link/port/UartDrain.h"

#include <chrono>
#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace korv {

bool waitUntilSent(qintptr handle, int timeoutMs)
{
#ifdef Q_OS_WIN
    // The driver's FlushFileBuffers returns once its transmit queue is empty; the write time-outs
    // of the port bound it.
    Q_UNUSED(timeoutMs);
    return FlushFileBuffers(reinterpret_cast<HANDLE>(handle)) != 0;
#else
    const int fd = static_cast<int>(handle);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    // tcdrain alone has no time limit; poll the output queue against a deadline first, so a stuck
    // transmitter (flow control, a dead adapter) fails the send instead of hanging the program.
    for (;;) {
        int pending = 0;
        if (::ioctl(fd, TIOCOUTQ, &pending) != 0)
            break;  // not supported by this device: fall through to tcdrain
        if (pending == 0)
            break;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    while (::tcdrain(fd) != 0) {
        if (errno != EINTR)
            return errno == ENOTTY || errno == EINVAL;  // not a terminal: nothing to wait for
    }
    return true;
#endif
}

}  // namespace korv
