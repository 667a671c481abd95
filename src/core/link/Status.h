#pragma once

namespace korv {

// Status of an exchange with the transmitter, with the numbers it has always had. Callers act on
// Ok only.
enum class Status : int {
    Ok = 1,
    NotSent = 0,  // the frame could not be written to the port
    NoAnswer = -2,  // nothing came back, or what came back does not answer the frame sent
    Refused = -5,  // the transmitter answered "?"
};

}  // namespace korv
