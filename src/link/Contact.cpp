#include "link/Contact.h"

#include "common/Timing.h"
#include "link/FormServices.h"
#include "link/SerialLink.h"

namespace korv {

ContactOutcome contactTransmitter(FormServices& form, const ContactPolicy& policy)
{
    for (int attempt = 1; attempt <= policy.attempts; ++attempt) {
        if (!form.link().Open())
            return ContactOutcome::PortUnavailable;
        if (form.ReadSerialNumber() == Status::Ok)
            return ContactOutcome::Made;
        if (attempt < policy.attempts || policy.pauseAfterLastAttempt)
            BusyWait(policy.pauseMs);
    }
    return ContactOutcome::NoAnswer;
}

}  // namespace korv
