#pragma once

#include "common/Messages.h"
#include "core/protocol/Model.h"

#include <QString>
#include <QStringList>

namespace korv {

// The items the head/rail sensor list offers after a screen set-up for the given model, built from
// the list it had before. The humidity and ambient models leave the list alone.
QStringList sensorListFor(
    Model model, int firmware, bool noThermocoupleB, const QStringList& currentItems, const MessageTable& messages);

// Sending needs an identified transmitter.
bool sendEnabledFor(Model model);

}  // namespace korv
