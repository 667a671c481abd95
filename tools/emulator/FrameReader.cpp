#include "emulator/FrameReader.h"

namespace korv::emu {

bool FrameReader::isCommandLetter(char byte)
{
    return byte == 'P' || byte == 'Q' || byte == 'R';
}

void FrameReader::feed(const QByteArray& bytes, qint64 nowMs)
{
    if (bytes.isEmpty())
        return;
    if (!m_pending.isEmpty() && nowMs - m_lastByteMs > MaxGapMs) {
        m_dropped += static_cast<int>(m_pending.size());
        m_pending.clear();
    }
    m_lastByteMs = nowMs;
    m_pending += bytes;
    dropToCommandLetter();
}

std::optional<QByteArray> FrameReader::takeFrame()
{
    dropToCommandLetter();
    if (m_pending.size() < FrameSize)
        return std::nullopt;
    QByteArray frame = m_pending.left(FrameSize);
    m_pending.remove(0, FrameSize);
    return frame;
}

void FrameReader::dropToCommandLetter()
{
    qsizetype skip = 0;
    while (skip < m_pending.size() && !isCommandLetter(m_pending[skip]))
        ++skip;
    if (skip > 0) {
        m_dropped += static_cast<int>(skip);
        m_pending.remove(0, skip);
    }
}

}  // namespace korv::emu
