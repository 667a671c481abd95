#pragma once

#include <chrono>
#include <functional>

namespace korv {

// Every pause of the program (busy waits between retries, the answer waits and read time-outs of
// the serial link) is taken through here, so that tests can run the same sequences faster.
class Timing {
public:
    // Milliseconds scaled by the current percentage (100 in the program); never below 1 for a
    // positive request, so a scaled pause still yields to the line.
    static int scaled(int milliseconds);
    // A time-out after which a silent line counts as silent, scaled like every wait but never below
    // 25 ms (or the unscaled time-out, if shorter): a shortened run on a busy machine must not take
    // a thread scheduled late for a transmitter that did not answer. The program's own time-outs
    // are all longer than that floor.
    static int scaledTimeout(int milliseconds);
    static void setScalePercent(int percent);
};

// Blocks the calling thread for more than `milliseconds` (scaled) without processing window
// events. It sleeps rather than spinning, so a waiting program leaves the processor free. A stop
// request (StopRequest) ends it early. On the thread that set a pause handler, the handler waits
// instead.
void BusyWait(int milliseconds);

// How the calling thread waits in BusyWait from now on: a window's thread keeps its event loop
// turning until `deadline` has passed (or a stop ends the pause). An empty handler restores the
// plain sleep.
using PauseHandler = std::function<void(std::chrono::steady_clock::time_point deadline)>;
void setPauseHandler(PauseHandler handler);

}  // namespace korv
