#pragma once

#include <QList>
#include <QString>

namespace korv {

// One serial port as the system lists it.
struct PortDescription {
    QString portName;  // "COM3", "ttyUSB0"
    QString systemLocation;  // "\\.\COM3", "/dev/ttyUSB0"
    QString description;  // "USB-Serial Controller"
};

// One item of the port menu: its caption and the name the settings file keeps for it.
struct PortMenuEntry {
    QString caption;
    QString portSetting;
};

QList<PortDescription> presentPorts();

// A USB serial adapter, as the system names its ports: ttyUSB and ttyACM on Linux, usbserial and
// usbmodem on macOS, a description that says USB on Windows.
bool isUsbAdapter(const PortDescription& port);
// What a first run (no settings file yet) starts with: the one USB adapter when there is exactly
// one, else nothing and the default port stands.
QString firstRunPort(const QList<PortDescription>& ports);

// Items in the order the system lists the ports, captioned with the friendly name (description and
// device) whatever its length. On Windows only "COM"n ports with a positive number are listed.
QList<PortMenuEntry> portMenuEntries(const QList<PortDescription>& ports);

// The port menu's item for the port in use when the system no longer lists it.
QString missingPortCaption(const QString& portSetting);

// Whether two port settings name the same device ("COM2" and /dev/ttyS1 on Linux).
bool samePort(const QString& a, const QString& b);
// The port names something that is there, though the system's list may not show it (a
// pseudo-terminal, a link to one); Windows lists every port it has.
bool portPresent(const QString& portSetting);

}  // namespace korv
