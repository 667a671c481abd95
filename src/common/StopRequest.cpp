#include "common/StopRequest.h"

#include <atomic>

namespace korv {

namespace {
// A flag that could take a lock would not be safe to set from a signal handler.
static_assert(std::atomic<bool>::is_always_lock_free);
std::atomic<bool> g_stop { false };
}  // namespace

void StopRequest::request() noexcept
{
    g_stop.store(true);
}

void StopRequest::clear() noexcept
{
    g_stop.store(false);
}

bool StopRequest::requested() noexcept
{
    return g_stop.load();
}

}  // namespace korv
