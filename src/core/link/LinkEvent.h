#pragma once

#include "core/link/Frame.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace korv {

// What the serial link did, told as it happens to whoever listens: the frame monitor sees exactly
// the bytes of the wire without reading the debug log's text. A link without a listener builds
// none of these.
struct LinkEvent {
    enum class Kind {
        Opened,  // `port`, `baud`
        OpenFailed,  // `port`, `text`: the system's reason
        Closed,  // `port`
        Sent,  // `sent`: the frame is on its way
        SendFailed,  // `sent`, `text`
        Received,  // `sent` and everything that came back for it (echo, then answer; may be empty)
        Lost,  // `port`: the device vanished under the open port
    };

    Kind kind = Kind::Sent;
    QString port {};
    frame::Bytes sent {};
    QByteArray received {};
    QString text {};
    quint32 baud = 0;
    int staleBytes = 0;  // Received: late bytes of an earlier exchange, dropped before the echo
};

// Called on the thread of the exchange, inside it: a listener only takes note and never uses the
// link itself.
using LinkListener = std::function<void(const LinkEvent&)>;

}  // namespace korv
