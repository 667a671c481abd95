#pragma once

#include "core/protocol/RegisterAccess.h"

#include <functional>

namespace korv {

class SerialLink;

// The five-byte register commands on the serial link: "P" reads a parameter register, "R" a live
// memory register, "Q" writes a parameter register and is verified by reading it back.
class RegisterProtocol final : public RegisterAccess {
public:
    static constexpr char ReadParameterCommand = 'P';
    static constexpr char WriteParameterCommand = 'Q';
    static constexpr char ReadMemoryCommand = 'R';
    static constexpr int ReadAnswerWaitMs = 200;
    static constexpr int WriteAnswerWaitMs = 50;

    // `link` is asked for on every operation: the owner may replace its link at any time. Without
    // a link nothing is sent.
    explicit RegisterProtocol(std::function<SerialLink*()> link);

    Status ReadParameter(qint16 address, qint16& value) override;
    Status ReadMemory(qint16 address, qint16& value) override;
    // A register that reads back another value than the one written is handed to the not-kept
    // handler, and the write still counts as done: the caller's sequence goes on, as technicians
    // prefer to see every register that did not take rather than stop at the first.
    Status WriteParameter(qint16 address, qint16 value) override;

    using NotKeptHandler = std::function<void(qint16 address, qint16 written, qint16 readBack)>;
    void setNotKeptHandler(NotKeptHandler handler) { notKept_ = std::move(handler); }

private:
    Status read(char command, qint16 address, qint16& value);

    std::function<SerialLink*()> link_;
    NotKeptHandler notKept_;
};

}  // namespace korv
