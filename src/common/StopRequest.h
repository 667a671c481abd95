#pragma once

namespace korv {

// A request, from outside the running command, that it stop at the next frame boundary: the frame
// in flight finishes, no new one is sent and every pause ends early. A signal handler sets it
// while the command blocks the thread that would otherwise hear of the signal, so all three calls
// are async-signal-safe (a lock-free atomic, nothing else). Once set it stays set for the rest of
// the process, which is ending; tests clear it.
class StopRequest {
public:
    static void request() noexcept;
    static void clear() noexcept;
    static bool requested() noexcept;
};

}  // namespace korv
