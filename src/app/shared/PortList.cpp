#include "app/shared/PortList.h"

#include "core/link/LinkSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
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

}  // namespace korv
