#include "common/Timing.h"

#include "common/StopRequest.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace korv {

namespace {
std::atomic<int> g_scalePercent { 100 };
// Set and used by one thread only (the window's); other threads only compare the thread.
PauseHandler g_pauseHandler;
std::atomic<std::thread::id> g_pauseThread {};
}  // namespace

void setPauseHandler(PauseHandler handler)
{
    g_pauseThread = std::thread::id {};
    g_pauseHandler = std::move(handler);
    if (g_pauseHandler)
        g_pauseThread = std::this_thread::get_id();
}

int Timing::scaled(int milliseconds)
{
    if (milliseconds <= 0)
        return 0;
    const long long value = static_cast<long long>(milliseconds) * g_scalePercent.load() / 100;
    return value < 1 ? 1 : static_cast<int>(value);
}

int Timing::scaledTimeout(int milliseconds)
{
    constexpr int Floor = 25;
    return std::max(scaled(milliseconds), std::min(milliseconds, Floor));
}

void Timing::setScalePercent(int percent)
{
    g_scalePercent.store(percent < 1 ? 1 : percent);
}

void BusyWait(int milliseconds)
{
    const auto wait = std::chrono::milliseconds(Timing::scaled(milliseconds));
    const auto deadline = std::chrono::steady_clock::now() + wait;
    if (std::this_thread::get_id() == g_pauseThread.load() && g_pauseHandler) {
        g_pauseHandler(deadline);
        return;
    }
    // "More than" the requested time: sleep until the deadline has passed, resuming after any
    // early wake-up. The sleep is taken in short slices so that a stop request ends it promptly:
    // the one-second pauses between contact attempts would otherwise hold a quit.
    constexpr auto Slice = std::chrono::milliseconds(20);
    while (std::chrono::steady_clock::now() <= deadline && !StopRequest::requested())
        std::this_thread::sleep_until(
            std::min(deadline + std::chrono::microseconds(100), std::chrono::steady_clock::now() + Slice));
}

}  // namespace korv
