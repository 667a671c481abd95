#pragma once

#include "core/families/headrail/HeadRailRange.h"
#include "core/protocol/TransmitterSession.h"

#include <QtGlobal>

#include <optional>

// The register steps of reading and sending a head/rail transmitter, over plain values. A front
// end turns what it shows into `Settings` and what a read found (`Reading`) back into what it
// shows; the register order, the pairs and the kept bits live here only.
namespace korv::headrail {

// What a read found, filled step by step: a part stays empty until its step has succeeded.
struct Reading {
    std::optional<quint16> configWord;  // register 1
    std::optional<RangeRegisters> range;  // registers 10 and 11
    std::optional<qint16> zeroCount;  // register 15
};

// The steps of a read, in order: register 1, the range pair, the zero correction.
inline constexpr std::size_t ReadConfigWordStep = 0;
inline constexpr std::size_t ReadRangeStep = 1;
inline constexpr std::size_t ReadZeroStep = 2;
TransferSteps readSteps(TransmitterSession& session, Reading& reading);

// Register 1 alone, as every send re-reads it first: the word written keeps its upper bits.
Status readConfigWord(TransmitterSession& session, Reading& reading);

// What a send writes. A range or zero count without a value cannot be written: its step fails
// with NotSent and the send stops there.
struct Settings {
    int sensorCode = 0;
    bool failureToMax = false;
    bool filter50Hz = false;
    std::optional<RangeRegisters> range;
    std::optional<qint16> zeroCount;
};

// The steps of a send, in order: the range pair, register 1 (the word read last with the
// settings' code and options), the zero correction.
inline constexpr std::size_t WriteRangeStep = 0;
inline constexpr std::size_t WriteConfigWordStep = 1;
inline constexpr std::size_t WriteZeroStep = 2;
TransferSteps sendSteps(TransmitterSession& session, const Settings& settings);

}  // namespace korv::headrail
