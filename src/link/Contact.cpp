#include "link/Contact.h"

#include "common/Timing.h"
#include "link/FormServices.h"
#include "link/SerialLink.h"

namespace korv {

ContactOutcome contactTransmitter(FormServices& form, const ContactPolicy& policy)
{
    SerialLink& link = form.link();
    for (int attempt = 1; attempt <= policy.attempts; ++attempt) {
        if (link.Open()) {
            if (form.ReadSerialNumber() == Status::Ok)
                return ContactOutcome::Made;
        } else if (!link.deviceLost()) {
            return ContactOutcome::PortUnavailable;
        }
        // A port that vanished under an exchange and is not back yet is a dead line, not a port
        // that cannot be set up: the attempt fails as its frame would, and the command keeps its
        // pauses and retries (the adapter may be plugged back in) and ends on its own
        // no-answer path.
        if (attempt < policy.attempts || policy.pauseAfterLastAttempt)
            BusyWait(policy.pauseMs);
    }
    return ContactOutcome::NoAnswer;
}

}  // namespace korv
