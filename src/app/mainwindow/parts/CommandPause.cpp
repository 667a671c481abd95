#include "app/mainwindow/parts/CommandPause.h"

#include "common/StopRequest.h"
#include "core/protocol/TransmitterSession.h"

#include <QCoreApplication>

#include <algorithm>

namespace korv {

CommandPause::CommandPause(const TransmitterSession& session)
    : session_(session)
{
}

void CommandPause::until(std::chrono::steady_clock::time_point deadline)
{
    // A command's pauses (between contact attempts, after a progress step) keep the window
    // answering, as its exchanges do: the command holds the window, so nothing this loop delivers
    // can start anything inside it (see Activity).
    ++depth_;
    // "More than" the pause, as a sleep would give it, in slices short enough for a stop request.
    constexpr auto Slice = std::chrono::milliseconds(20);
    // Events are processed rather than a local loop run: an application that has been asked to
    // exit ends every loop at once, and the pause must still last.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    for (auto now = std::chrono::steady_clock::now();
         now <= deadline && !StopRequest::requested() && !session_.cancelled();
         now = std::chrono::steady_clock::now()) {
        const auto slice = std::min<std::chrono::steady_clock::duration>(deadline - now, Slice);
        timer_.start(std::chrono::duration_cast<std::chrono::milliseconds>(slice) + std::chrono::milliseconds(1));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeSocketNotifiers);
    }
    timer_.stop();
    --depth_;
}

}  // namespace korv
