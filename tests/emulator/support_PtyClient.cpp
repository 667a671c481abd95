#include "support_PtyClient.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace korv::emu::test {

PtyClient::~PtyClient()
{
    close();
}

bool PtyClient::open(const QString& path)
{
    close();
    m_lost = false;
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0)
        return false;
    termios settings {};
    ::tcgetattr(m_fd, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(m_fd, TCSANOW, &settings);
    ::tcflush(m_fd, TCIOFLUSH);
    return true;
}

void PtyClient::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool PtyClient::send(const QByteArray& bytes)
{
    return m_fd >= 0 && ::write(m_fd, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
}

QByteArray PtyClient::read(int count, int timeoutMs)
{
    QByteArray received;
    QElapsedTimer clock;
    clock.start();
    while (m_fd >= 0 && !m_lost && received.size() < count) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            break;
        pollfd input { m_fd, POLLIN, 0 };
        if (::poll(&input, 1, static_cast<int>(left)) <= 0)
            continue;
        char buffer[64];
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got > 0)
            received.append(buffer, static_cast<qsizetype>(got));
        else if (got == 0 || (errno != EAGAIN && errno != EINTR))
            m_lost = true;
    }
    return received;
}

QByteArray PtyClient::exchange(const QByteArray& frame, int timeoutMs)
{
    if (!send(frame))
        return {};
    return read(10, timeoutMs);
}

QByteArray frame(char letter, int address, int value)
{
    QByteArray bytes;
    bytes += letter;
    bytes += static_cast<char>((address >> 8) & 0xFF);
    bytes += static_cast<char>(address & 0xFF);
    bytes += static_cast<char>((value >> 8) & 0xFF);
    bytes += static_cast<char>(value & 0xFF);
    return bytes;
}

QByteArray fromHex(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

}  // namespace korv::emu::test
