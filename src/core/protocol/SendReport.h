#pragma once

#include "core/protocol/TransmitterSession.h"

#include <QStringList>

#include <vector>

namespace korv {

// What to tell the user when a send stopped after some of its write frames had left: the
// transmitter may now hold a configuration nobody typed. The lines name the registers written and
// confirmed, those sent but not confirmed (which may have changed all the same), each once, and the
// way out. Empty when no write frame left.
QStringList partialSendNotice(const std::vector<WrittenRegister>& written);

// "10, 11", or "nenhum" for none.
QString registerList(const std::vector<qint16>& addresses);

}  // namespace korv
