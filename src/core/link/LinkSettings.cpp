#include "core/link/LinkSettings.h"

#include <array>
#include <limits>

namespace korv {

quint32 chooseBaud(quint32 requested)
{
    static constexpr std::array<quint32, 15> speeds
        = { 110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000 };
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

std::optional<int> settingPortNumber(const QString& setting)
{
    const QStringView rest = QStringView(setting).mid(qMin<qsizetype>(3, setting.size()));
    qsizetype i = 0;
    const bool negative = !rest.isEmpty() && rest.front() == u'-';
    if (!rest.isEmpty() && (rest.front() == u'+' || rest.front() == u'-'))
        ++i;
    if (i == rest.size())
        return std::nullopt;
    qint64 magnitude = 0;
    constexpr qint64 Saturated = qint64(std::numeric_limits<int>::max()) + 1;
    for (; i < rest.size(); ++i) {
        const char16_t c = rest.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = qMin(magnitude * 10 + (c - u'0'), Saturated);
    }
    if (negative)
        return static_cast<int>(qMax(-magnitude, qint64(std::numeric_limits<int>::min())));
    return static_cast<int>(qMin(magnitude, qint64(std::numeric_limits<int>::max())));
}

bool isUsablePortName(const QString& portName)
{
    if (settingPortNumber(portName))
        return true;
#ifdef Q_OS_WIN
    return false;
#else
    return portName.startsWith(u'/') && portName.size() > 1;
#endif
}

QString deviceNameFor(const QString& portName)
{
#ifndef Q_OS_WIN
    if (portName.startsWith(u'/'))
        return portName;
#endif
    const auto number = settingPortNumber(portName);
    if (!number)
        return portName;
    if (*number < 1)
        return {};
        // No narrowing to a byte: a number past 255 would otherwise open an unrelated port.
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\.\\COM%1").arg(*number);
#else
    return QStringLiteral("/dev/ttyS%1").arg(*number - 1);
#endif
}

}  // namespace korv
