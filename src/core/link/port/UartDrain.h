#pragma once

#include <QtGlobal>

namespace korv {

// Waits until the bytes handed to the port have physically left the UART, for at most
// `timeoutMs`. QSerialPort only hands bytes to the driver; a half-duplex line must not turn round
// before the last bit is out. Returns false when the transmitter did not empty in time.
bool waitUntilSent(qintptr handle, int timeoutMs);

}  // namespace korv
