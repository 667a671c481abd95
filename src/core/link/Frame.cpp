#include "core/link/Frame.h"

#include "core/link/Status.h"

#include <algorithm>

namespace korv::frame {

Bytes build(char command, qint16 address, qint16 value)
{
    const auto a = static_cast<quint16>(address);
    const auto v = static_cast<quint16>(value);
    return { static_cast<quint8>(command), static_cast<quint8>(a >> 8), static_cast<quint8>(a & 0xFF),
        static_cast<quint8>(v >> 8), static_cast<quint8>(v & 0xFF) };
}

qint16 valueOf(const quint8* answer)
{
    return static_cast<qint16>(static_cast<quint16>(answer[Size - 2] << 8 | answer[Size - 1]));
}

Status judge(const Bytes& sent, const quint8* received, int count, AnswerCheck check)
{
    if (count <= 0)
        return Status::NoAnswer;
    if (check == AnswerCheck::None)
        return received[0] == '?' ? Status::Refused : Status::Ok;
    if (count < 2 * Size)
        return Status::NoAnswer;
    const quint8* echo = received;
    const quint8* answer = received + Size;
    if (!std::equal(sent.begin(), sent.end(), echo))
        return Status::NoAnswer;
    const int repeated = check == AnswerCheck::WholeFrame ? Size : Size - 2;
    if (!std::equal(sent.begin(), sent.begin() + repeated, answer))
        return Status::NoAnswer;
    // A refusal starts with "?" and so never repeats the command: it ends above as no answer.
    return Status::Ok;
}

}  // namespace korv::frame
