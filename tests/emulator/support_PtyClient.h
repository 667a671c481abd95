#pragma once

#include <QByteArray>
#include <QString>

namespace korv::emu::test {

// The configuration tool's side of the line, reduced to what the emulator tests need: a raw
// terminal, whole writes and reads bounded by a deadline.
class PtyClient {
public:
    PtyClient() = default;
    ~PtyClient();
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;

    bool open(const QString& path);
    void close();
    bool send(const QByteArray& bytes);
    // Whatever arrives until `count` bytes are in or timeoutMs has passed.
    QByteArray read(int count, int timeoutMs);
    QByteArray exchange(const QByteArray& frame, int timeoutMs = 500);
    // The port went away under us: end of file, EIO or a hang-up.
    bool portLost() const { return m_lost; }

private:
    int m_fd = -1;
    bool m_lost = false;
};

// A five-byte command frame.
QByteArray frame(char letter, int address, int value = 0);
QByteArray fromHex(const char* hex);

}  // namespace korv::emu::test
