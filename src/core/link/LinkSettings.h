#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace korv {

// Line speed actually used for a requested speed: one of the speeds serial ports commonly offer,
// otherwise 9600.
quint32 chooseBaud(quint32 requested);

// Read time-outs of the link, in milliseconds. A read of n bytes may take
// totalConstant + totalMultiplier * n before it gives up; `interval` is the allowed silence between
// two bytes of one read.
struct ReadTimeouts {
    int interval = 0;
    int totalMultiplier = 0;
    int totalConstant = 0;
    friend bool operator==(const ReadTimeouts&, const ReadTimeouts&) = default;
};
ReadTimeouts readTimeoutsFor(quint32 baud, qint16 extraReadTimeout);

// Pause between the end of transmission and dropping RTS, so that the last stop bit has left the
// line driver before the transceiver turns round.
int rtsDropPauseMs(quint32 baud);

// Port names: the settings keep "COM"n (the historical form) or, away from Windows, a device path.
std::optional<int> comPortNumber(const QString& portName);  // n of "COM"n (any case), n > 0, as listed

// The number a "Port" setting names. Its first three characters are skipped whatever they are, as
// the settings were always read; the rest is a whole decimal number with an optional sign, the
// form the conversion of the settings' era accepted, so "COM+5" is port 5 and "COM-5" is -5.
// Nothing when the rest is no such number ("COM", "COMx", "COM5a"); a number too long for an int
// is still a number and comes back as the int bound of its sign, which names no port.
std::optional<int> settingPortNumber(const QString& setting);
// Whether the setting names a port at all: a number after its first three characters or, away
// from Windows, a device path. The number may still name no device (0, negative, too large).
bool isUsablePortName(const QString& portName);
// The name QSerialPort opens: "\\.\COMn" on Windows (so that ports 10 and above work); elsewhere
// port n is /dev/ttyS(n-1) and a device path stays as it is. Empty for a number below 1, which
// names no device.
QString deviceNameFor(const QString& portName);

}  // namespace korv
