#pragma once

#include "link/RegisterAccess.h"

#include <QString>

#include <array>
#include <functional>

namespace korv {

class SerialLink;
class WarningSink;

// The five-byte register commands on the serial link: "P" reads a parameter register, "R" a live
// memory register, "Q" writes a parameter register and is verified by reading it back.
class RegisterProtocol final : public RegisterAccess {
public:
    static constexpr char ReadParameterCommand = 'P';
    static constexpr char WriteParameterCommand = 'Q';
    static constexpr char ReadMemoryCommand = 'R';
    static constexpr int AnswerCapacity = 16;

    // `link` is asked for on every operation, since the window creates its link after this object.
    // `writeErrorText` gives the text of the read-back mismatch warning at the moment it is shown.
    RegisterProtocol(std::function<SerialLink*()> link, WarningSink& warnings, std::function<QString()> writeErrorText);

    Status ReadParameter(qint16 address, qint16& value) override;
    Status ReadMemory(qint16 address, qint16& value) override;
    Status WriteParameter(qint16 address, qint16 value) override;

    // The protocol buffer, shared by the three operations.
    qint32 FrameLength = 0;
    std::array<quint8, 5> Frame {};
    qint32 AnswerLength = 0;
    std::array<quint8, AnswerCapacity> Answer {};

private:
    Status read(char command, qint16 address, qint16& value);
    void buildFrame(char command, qint16 address, qint16 value);

    std::function<SerialLink*()> link_;
    WarningSink& warnings_;
    std::function<QString()> writeErrorText_;
};

}  // namespace korv
