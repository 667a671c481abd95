#pragma once

#include "core/link/Status.h"

namespace korv {

// Every step of a command is tried up to three times in a row.
inline constexpr int StepAttempts = 3;

// Runs a step until it returns Status::Ok, at most `attempts` times, without pause; the last
// status counts.
template <typename Step> Status retryStep(int attempts, Step&& step)
{
    Status status = Status::NoAnswer;
    for (int i = 0; i < attempts && status != Status::Ok; ++i)
        status = step();
    return status;
}

// The same for steps that share one allowance of `attempts` failures, counted in `failures`
// across them.
template <typename Step> Status retryStep(int attempts, int& failures, Step&& step)
{
    Status status = Status::NoAnswer;
    while (failures < attempts && (status = step()) != Status::Ok)
        ++failures;
    return status;
}

}  // namespace korv
