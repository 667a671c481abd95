#include "app/shared/PortList.h"

#include "core/files/Settings.h"
#include "core/link/LinkSettings.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QSerialPortInfo>

namespace korv {

QList<PortDescription> presentPorts()
{
    QList<PortDescription> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos)
        ports.push_back({ info.portName(), info.systemLocation(), info.description() });
    return ports;
}

bool isUsbAdapter(const PortDescription& port)
{
    for (const char* prefix : { "ttyUSB", "ttyACM", "cu.usbserial", "cu.usbmodem", "tty.usbserial", "tty.usbmodem" }) {
        if (port.portName.startsWith(QLatin1String(prefix)))
            return true;
    }
#ifdef Q_OS_WIN
    return port.description.contains(QLatin1String("USB"), Qt::CaseInsensitive);
#else
    return false;
#endif
}

QString firstRunPort(const QList<PortDescription>& ports)
{
    QString only;
    for (const PortDescription& port : ports) {
        if (!isUsbAdapter(port))
            continue;
        if (!only.isEmpty())
            return {};
#ifdef Q_OS_WIN
        only = port.portName;
#else
        only = port.systemLocation;
#endif
    }
    return only;
}

QList<PortMenuEntry> portMenuEntries(const QList<PortDescription>& ports)
{
    QList<PortMenuEntry> entries;
    for (const PortDescription& port : ports) {
#ifdef Q_OS_WIN
        if (!comPortNumber(port.portName))
            continue;
        const QString setting = port.portName;
        const QString device = port.portName;
#else
        if (port.systemLocation.isEmpty())
            continue;
        const QString setting = port.systemLocation;
        const QString device = port.systemLocation;
#endif
        const QString caption
            = port.description.isEmpty() ? device : QStringLiteral("%1 (%2)").arg(port.description, device);
        entries.push_back({ caption, setting });
    }
    return entries;
}

QString missingPortCaption(const QString& portSetting)
{
#ifdef Q_OS_WIN
    const QString device = portSetting;
#else
    const QString device = deviceNameFor(portSetting).isEmpty() ? portSetting : deviceNameFor(portSetting);
#endif
    return QCoreApplication::translate("korv::MainWindow", "%1 (não encontrada)").arg(device);
}

bool samePort(const QString& a, const QString& b)
{
    const QString deviceA = deviceNameFor(a);
    const QString deviceB = deviceNameFor(b);
    if (deviceA.isEmpty() || deviceB.isEmpty())
        return false;
#ifdef Q_OS_WIN
    return deviceA.compare(deviceB, Qt::CaseInsensitive) == 0;
#else
    if (deviceA == deviceB)
        return true;
    // A link (/dev/serial/by-id/…, an emulator's link) and the device it names are one port.
    const QString realA = QFileInfo(deviceA).canonicalFilePath();
    return !realA.isEmpty() && realA == QFileInfo(deviceB).canonicalFilePath();
#endif
}

bool portPresent(const QString& portSetting)
{
#ifdef Q_OS_WIN
    Q_UNUSED(portSetting)
    return false;
#else
    const QString device = deviceNameFor(portSetting);
    return !device.isEmpty() && QFileInfo::exists(device) && !QFileInfo(device).isDir();
#endif
}

PortMenu::PortMenu(Surroundings surroundings)
    : with_(std::move(surroundings))
{
}

void PortMenu::build(bool showMissing)
{
    with_.menu->clear();
    if (!with_.listPorts)
        return;
    const QString current = with_.settings.portToOpen();
    bool currentListed = false;
    auto addItem = [this](const QString& caption, const QString& port, bool checked) {
        QAction* item = with_.menu->addAction(caption);
        item->setData(port);
        item->setCheckable(true);
        item->setChecked(checked);
        QObject::connect(item, &QAction::triggered, &with_.context, [this, item] { choose(item); });
    };
    const auto entries = portMenuEntries(systemPorts());
    for (const PortMenuEntry& entry : entries) {
        const bool isCurrent = samePort(entry.portSetting, current);
        currentListed = currentListed || isCurrent;
        addItem(entry.caption, entry.portSetting, isCurrent);
    }
    // The port in use is not dropped from the menu because its adapter is out: the technician sees
    // which port the program still waits for.
    if (showMissing && !currentListed)
        addItem(portPresent(current) ? deviceNameFor(current) : missingPortCaption(current), current, true);
}

QList<PortDescription> PortMenu::systemPorts() const
{
    if (!with_.listPorts)
        return {};
    return with_.ports ? with_.ports() : presentPorts();
}

void PortMenu::choose(QAction* item)
{
    // A port chosen while another one is being changed to (or anything else runs) is refused: the
    // menu, the settings and the open port always name the same port.
    if (!with_.mayChange()) {
        const auto items = with_.menu->actions();
        for (QAction* other : items)
            other->setChecked(samePort(other->data().toString(), with_.settings.portToOpen()));
        return;
    }
    const QString port = item->data().toString();
    const auto items = with_.menu->actions();
    for (QAction* other : items)
        other->setChecked(false);
    item->setChecked(true);
    // The user's own spelling of the port stays in the file until another port is chosen.
    if (!samePort(port, with_.settings.portToOpen()))
        with_.settings.PortSetting = port;
    with_.change(port);
}

}  // namespace korv
