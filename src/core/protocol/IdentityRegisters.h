#pragma once

#include <QtGlobal>

namespace korv {

// The registers every model has at the same place: who the transmitter is, and its configuration
// word (whose bits each family reads in its own way).
namespace IdentityRegister {
enum : qint16 {
    Identification = 0,  // firmware version and model code
    ConfigWord = 1,
    SerialHigh = 2,
    SerialLow = 3,
};
}

}  // namespace korv
