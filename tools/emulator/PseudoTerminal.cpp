#include "emulator/PseudoTerminal.h"

#include <QFile>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace korv::emu {

#ifdef Q_OS_UNIX

namespace {

bool fail(QString* error, const char* what)
{
    if (error)
        *error = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

void closeHandle(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

void setCloseOnExec(int fd)
{
    ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) | FD_CLOEXEC);
}

// poll() for at most timeoutMs (-1: no limit), carrying on across signal interruptions.
int pollFor(pollfd* fds, nfds_t count, int timeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int wait = timeoutMs;
        if (timeoutMs >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            wait = static_cast<int>(std::max<long long>(0, left.count()));
        }
        const int ready = ::poll(fds, count, wait);
        if (ready >= 0 || errno != EINTR)
            return ready;
    }
}

}  // namespace

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::open(QString* error)
{
    close();
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail(error, "posix_openpt");
    setCloseOnExec(m_master);
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        fail(error, "grantpt/unlockpt");
        close();
        return false;
    }
#ifdef Q_OS_LINUX
    char name[256] = {};
    if (::ptsname_r(m_master, name, sizeof name) != 0) {
        fail(error, "ptsname_r");
        close();
        return false;
    }
#else
    const char* name = ::ptsname(m_master);
    if (!name) {
        fail(error, "ptsname");
        close();
        return false;
    }
#endif
    m_slavePath = QFile::decodeName(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        fail(error, "open slave");
        close();
        return false;
    }
    setCloseOnExec(m_slave);
    termios settings {};
    if (::tcgetattr(m_slave, &settings) != 0) {
        fail(error, "tcgetattr");
        close();
        return false;
    }
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    if (::tcsetattr(m_slave, TCSANOW, &settings) != 0) {
        fail(error, "tcsetattr");
        close();
        return false;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    return true;
}

void PseudoTerminal::close()
{
    closeHandle(m_slave);
    closeHandle(m_master);
}

std::optional<QByteArray> PseudoTerminal::read()
{
    char buffer[512];
    for (;;) {
        const ssize_t count = ::read(m_master, buffer, sizeof buffer);
        if (count > 0)
            return QByteArray(buffer, static_cast<qsizetype>(count));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return QByteArray();
        return std::nullopt;
    }
}

bool PseudoTerminal::writeAll(const QByteArray& data, int timeoutMs)
{
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t count = ::write(m_master, data.constData() + written, static_cast<size_t>(data.size() - written));
        if (count > 0) {
            written += count;
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd output { m_master, POLLOUT, 0 };
            if (pollFor(&output, 1, timeoutMs) <= 0)
                return false;
            continue;
        }
        return false;
    }
    return true;
}

WakePipe::~WakePipe()
{
    close();
}

bool WakePipe::open(QString* error)
{
    close();
    if (::pipe(m_fds) != 0) {
        m_fds[0] = m_fds[1] = -1;
        return fail(error, "pipe");
    }
    setCloseOnExec(m_fds[0]);
    setCloseOnExec(m_fds[1]);
    return true;
}

void WakePipe::close()
{
    closeHandle(m_fds[0]);
    closeHandle(m_fds[1]);
}

void WakePipe::wake()
{
    const char byte = 1;
    while (m_fds[1] >= 0 && ::write(m_fds[1], &byte, 1) < 0 && errno == EINTR) { }
}

bool WakePipe::sleep(int milliseconds) const
{
    pollfd input { m_fds[0], POLLIN, 0 };
    return pollFor(&input, 1, milliseconds) > 0;
}

WaitResult waitForInput(const PseudoTerminal& terminal, const WakePipe& wake)
{
    pollfd fds[2] = { { terminal.masterHandle(), POLLIN, 0 }, { wake.readHandle(), POLLIN, 0 } };
    if (pollFor(fds, 2, -1) < 0 || fds[1].revents != 0)
        return WaitResult::Woken;
    if (fds[0].revents & POLLIN)
        return WaitResult::Input;
    return WaitResult::Hangup;
}

bool linkPathUsable(const QString& linkPath, QString* error)
{
    struct stat status { };
    if (::lstat(QFile::encodeName(linkPath).constData(), &status) == 0 && !S_ISLNK(status.st_mode)) {
        if (error)
            *error = QStringLiteral("%1 exists and is not a symbolic link").arg(linkPath);
        return false;
    }
    return true;
}

bool pointLink(const QString& linkPath, const QString& target, QString* error)
{
    if (!linkPathUsable(linkPath, error))
        return false;
    const QByteArray link = QFile::encodeName(linkPath);
    // A new link under a temporary name renamed over the old one: a client never finds the path
    // missing while the link moves to a new terminal.
    const QByteArray temporary = link + ".orv-emulator-" + QByteArray::number(::getpid());
    ::unlink(temporary.constData());
    if (::symlink(QFile::encodeName(target).constData(), temporary.constData()) != 0)
        return fail(error, "symlink");
    if (::rename(temporary.constData(), link.constData()) != 0) {
        fail(error, "rename");
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

void removeLink(const QString& linkPath, const QString& target)
{
    if (linkPath.isEmpty())
        return;
    const QByteArray link = QFile::encodeName(linkPath);
    char buffer[4096];
    const ssize_t length = ::readlink(link.constData(), buffer, sizeof buffer);
    if (length > 0 && QByteArray(buffer, static_cast<qsizetype>(length)) == QFile::encodeName(target))
        ::unlink(link.constData());
}

#else  // no pseudo-terminals here

namespace {
bool unavailable(QString* error)
{
    if (error)
        *error = QStringLiteral("pseudo-terminals are not available on this platform");
    return false;
}
}  // namespace

PseudoTerminal::~PseudoTerminal() = default;
bool PseudoTerminal::open(QString* error)
{
    return unavailable(error);
}
void PseudoTerminal::close() { }
std::optional<QByteArray> PseudoTerminal::read()
{
    return std::nullopt;
}
bool PseudoTerminal::writeAll(const QByteArray&, int)
{
    return false;
}
WakePipe::~WakePipe() = default;
bool WakePipe::open(QString* error)
{
    return unavailable(error);
}
void WakePipe::close() { }
void WakePipe::wake() { }
bool WakePipe::sleep(int) const
{
    return true;
}
WaitResult waitForInput(const PseudoTerminal&, const WakePipe&)
{
    return WaitResult::Woken;
}
bool linkPathUsable(const QString&, QString* error)
{
    return unavailable(error);
}
bool pointLink(const QString&, const QString&, QString* error)
{
    return unavailable(error);
}
void removeLink(const QString&, const QString&) { }

#endif

}  // namespace korv::emu
