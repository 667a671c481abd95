#pragma once

#include "core/TransmitterSession.h"

#include <QStringList>

#include <vector>

namespace korv {

// What to tell the user when a send stopped after the transmitter had taken some of its
// registers: it now holds a configuration nobody typed. The lines name the registers written
// (each once, in the order written) and the way out. Empty when nothing was written.
QStringList partialSendNotice(const std::vector<WrittenRegister>& written);

}  // namespace korv
