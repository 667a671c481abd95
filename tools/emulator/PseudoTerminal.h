#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korv::emu {

// One pseudo-terminal pair in raw mode, the master side ours. A slave descriptor stays open for
// the life of the pair, so that the master never reads EIO while no client has the port open and
// the terminal settings (raw, no line echo) survive from one client to the next. POSIX only:
// elsewhere open() fails with a message.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool open(QString* error);
    void close();
    bool isOpen() const { return m_master >= 0; }
    int masterHandle() const { return m_master; }
    QString slavePath() const { return m_slavePath; }

    // What the client has written so far, empty when nothing is waiting; no value once the master
    // cannot be read any more.
    std::optional<QByteArray> read();
    // False when the client stopped taking bytes for timeoutMs or the master failed.
    bool writeAll(const QByteArray& data, int timeoutMs);

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

// Wakes the serving thread out of its waits (a self-pipe).
class WakePipe {
public:
    WakePipe() = default;
    ~WakePipe();
    WakePipe(const WakePipe&) = delete;
    WakePipe& operator=(const WakePipe&) = delete;

    bool open(QString* error);
    void close();
    void wake();
    // Sleeps up to `milliseconds`; true when woken instead.
    bool sleep(int milliseconds) const;
    int readHandle() const { return m_fds[0]; }

private:
    int m_fds[2] = { -1, -1 };
};

enum class WaitResult { Input, Woken, Hangup };
// Blocks until the client sent bytes or the pipe was woken.
WaitResult waitForInput(const PseudoTerminal& terminal, const WakePipe& wake);

// False (with the reason) when `linkPath` names something that is not a symbolic link.
bool linkPathUsable(const QString& linkPath, QString* error);
// Makes `linkPath` a symbolic link to `target`, replacing an older link in one step. Refuses to
// replace anything that is not a symbolic link.
bool pointLink(const QString& linkPath, const QString& target, QString* error);
// Removes `linkPath` if it is a symbolic link to `target` (and leaves whatever else is there).
void removeLink(const QString& linkPath, const QString& target);

}  // namespace korv::emu
