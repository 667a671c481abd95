#pragma once

#include "link/RegisterAccess.h"

namespace korv {

class FormServices;

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

// How a command makes first contact: how often it tries the serial number and how long it waits
// after a failed attempt (after the last one as well, where the command says so).
struct ContactPolicy {
    int attempts = 0;
    int pauseMs = 0;
    bool pauseAfterLastAttempt = true;
};
inline constexpr ContactPolicy ReadCommandContact { 8, 1000, true };
inline constexpr ContactPolicy HeadRailSendContact { 8, 1000, true };
inline constexpr ContactPolicy HumAmbSendContact { 3, 100, true };
inline constexpr ContactPolicy StartupSearchContact { 3, 100, false };

enum class ContactOutcome { Made, PortUnavailable, NoAnswer };

// Every attempt opens the link first (nothing happens when it is open; a port lost during a
// failed exchange is opened anew), then reads the serial number. A port that will not open ends
// the contact at once, unless it was lost under an exchange: that attempt counts as unanswered.
ContactOutcome contactTransmitter(FormServices& form, const ContactPolicy& policy);

}  // namespace korv
