#pragma once

#include "core/link/Status.h"

#include <QtGlobal>

#include <array>

// The five-byte frames of the configuration interface, built and judged without any I/O.
//
// A command frame is the command letter, the register address and a value, both high byte first.
// The interface echoes every frame on the line; the transmitter then answers with five bytes that
// repeat the command and address ("P" and "R": followed by the register's value; "Q": the whole
// frame). What arrives is judged against the frame that was sent, never only against itself: bytes
// that belong to another exchange (a late answer, the rest of one that gave up) must not pass for
// this one's value.
namespace korv::frame {

inline constexpr int Size = 5;
using Bytes = std::array<quint8, Size>;

Bytes build(char command, qint16 address, qint16 value);
qint16 valueOf(const quint8* answer);  // the last two bytes of a five-byte answer

enum class AnswerCheck {
    None,  // no check at all: only a refusal is told apart
    CommandAndAddress,  // reads: the answer repeats command and address and carries the value
    WholeFrame,  // writes: the answer repeats the frame byte for byte
};

// The status (Ok, NoAnswer or Refused) of an exchange that sent `sent` and received
// `count` bytes: the echo, then the answer.
Status judge(const Bytes& sent, const quint8* received, int count, AnswerCheck check);

}  // namespace korv::frame
