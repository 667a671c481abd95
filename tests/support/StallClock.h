#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace korv::test {

// How long a command took and the largest gap between two ticks of a 20 ms timer on the calling
// thread meanwhile: how long that thread stopped answering.
struct Stall {
    qint64 elapsedMs = 0;
    qint64 largestGapMs = 0;
};

template <typename Command> Stall measureStall(Command&& command)
{
    QElapsedTimer clock;
    qint64 last = 0;
    Stall stall;
    QTimer tick;
    tick.setInterval(20);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        stall.largestGapMs = std::max(stall.largestGapMs, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    tick.start();
    command();
    stall.elapsedMs = clock.elapsed();
    stall.largestGapMs = std::max(stall.largestGapMs, stall.elapsedMs - last);
    return stall;
}

}  // namespace korv::test
