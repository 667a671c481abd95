#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace korv::emu {

// Cuts the byte stream from the configuration tool into five-byte command frames. A frame starts
// with a command letter; bytes before one are dropped, so a stray byte or a torn frame costs at
// most the frame it hit. A partial frame that waits longer than MaxGapMs for its remaining bytes
// is dropped too: the tool writes a frame in one go, so a pause means its sender gave up.
class FrameReader {
public:
    static constexpr int FrameSize = 5;
    static constexpr qint64 MaxGapMs = 100;

    static bool isCommandLetter(char byte);

    void feed(const QByteArray& bytes, qint64 nowMs);
    std::optional<QByteArray> takeFrame();

    int droppedBytes() const { return m_dropped; }

private:
    void dropToCommandLetter();

    QByteArray m_pending;
    qint64 m_lastByteMs = 0;
    int m_dropped = 0;
};

}  // namespace korv::emu
