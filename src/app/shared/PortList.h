#pragma once

#include <QList>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QObject;

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

struct AppSettings;

// The port menu: the ports the system lists, the one in use checked, and a choice that changes the
// port only when nothing else runs.
class PortMenu {
public:
    struct Surroundings {
        QMenu*& menu;  // read at each use: the window builds its menus after this
        QObject& context;  // the items' connections live as long as it does
        AppSettings& settings;
        bool listPorts;  // false: the menu stays empty (tests on machines with ports)
        std::function<QList<PortDescription>()> ports;  // null: the ports the system lists
        // Begins the port change, or says no because something else runs.
        std::function<bool()> mayChange;
        // Changes to the port, then lets the window go.
        std::function<void(const QString& port)> change;
    };
    explicit PortMenu(Surroundings surroundings);

    // `showMissing`: the current port gets an item marked missing when the system no longer
    // lists it.
    void build(bool showMissing = false);
    void choose(QAction* item);
    QList<PortDescription> systemPorts() const;

private:
    Surroundings with_;
};

}  // namespace korv
