#include "link/LinkSettings.h"

#include <array>

namespace korv {

quint32 chooseBaud(quint32 requested)
{
    static constexpr std::array<quint32, 15> speeds = {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200,
                                                        38400, 56000, 57600, 115200, 128000, 256000};
    for (quint32 speed : speeds)
        if (speed == requested)
            return speed;
    return 9600;
}

ReadTimeouts readTimeoutsFor(quint32 baud, qint16 extraReadTimeout)
{
    ReadTimeouts t;
    if (baud <= 19200) {
        // One and a half character times of 11 bits, truncated, but never zero (zero would mean
        // "no interval time-out").
        const int characterTime = static_cast<int>(1.0 / baud * 11 * 1.5 * 1000);
        t.interval = characterTime == 0 ? 1 : characterTime;
        t.totalConstant = t.interval;
    } else {
        t.interval = 1;
        t.totalConstant = 2;
    }
    t.totalMultiplier = 2;
    t.totalConstant += extraReadTimeout;
    return t;
}

int rtsDropPauseMs(quint32 baud)
{
    switch (baud) {
    case 1200:
        return 8;
    case 2400:
        return 3;
    case 4800:
        return 2;
    case 9600:
    case 19200:
        return 1;
    default:
        return 0;
    }
}

std::optional<int> comPortNumber(const QString& portName)
{
    if (portName.size() < 4 || !portName.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
        return std::nullopt;
    bool ok = false;
    const int number = portName.mid(3).toInt(&ok, 10);
    if (!ok || number <= 0 || number > 255 || portName.mid(3).startsWith(u'+'))
        return std::nullopt;
    return number;
}

bool isUsablePortName(const QString& portName)
{
    if (comPortNumber(portName))
        return true;
#ifdef Q_OS_WIN
    return false;
#else
    return portName.startsWith(u'/') && portName.size() > 1;
#endif
}

QString deviceNameFor(const QString& portName)
{
    const auto number = comPortNumber(portName);
#ifdef Q_OS_WIN
    if (number)
        return QStringLiteral("\\\\.\\COM%1").arg(*number);
    return portName;
#else
    if (number)
        return QStringLiteral("/dev/ttyS%1").arg(*number - 1);
    return portName;
#endif
}

}  // namespace korv
