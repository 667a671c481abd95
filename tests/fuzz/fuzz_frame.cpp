// The judge of what came back from the line: the first five bytes are the frame sent, the rest
// what was received. Whatever arrives, only an answer to the frame sent may pass.
#include "core/link/Frame.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace korv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < frame::Size)
        return 0;
    frame::Bytes sent {};
    std::copy_n(data, frame::Size, sent.begin());
    const quint8* received = data + frame::Size;
    const int count = static_cast<int>(size - frame::Size);
    for (auto check :
        { frame::AnswerCheck::None, frame::AnswerCheck::CommandAndAddress, frame::AnswerCheck::WholeFrame }) {
        const Status status = frame::judge(sent, received, count, check);
        if (status == Status::Ok && check != frame::AnswerCheck::None) {
            // An accepted answer holds the whole echo and an answer naming the frame's register.
            if (count < 2 * frame::Size || !std::equal(sent.begin(), sent.end(), received))
                __builtin_trap();
            const quint8* answer = received + frame::Size;
            if (answer[0] != sent[0] || answer[1] != sent[1] || answer[2] != sent[2])
                __builtin_trap();
            if (check == frame::AnswerCheck::WholeFrame && !std::equal(sent.begin(), sent.end(), answer))
                __builtin_trap();
            (void)frame::valueOf(answer);
        }
    }
    return 0;
}
