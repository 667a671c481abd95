#pragma once

#include <QString>

#include <array>

namespace korv {

// Numbers of the message table: every text the main window shows at run time is looked up here,
// so that a language file can replace it.
namespace Msg {
enum : int {
    LimitsIncorrect = 0,
    ZeroOutOfBounds = 1,
    CommunicationError = 2,
    WarningCaption = 3,
    PortSetupError = 4,
    WriteError = 5,
    RangeNotTyped = 6,
    OutputTypePrefix = 7,
    Output4to20mA = 8,
    Output0to10V = 9,
    Output0to5V = 10,
    Unknown = 11,
    SerialNumberPrefix = 12,
    FirmwareIncompatible = 13,
    FirmwarePrefix = 14,
    ModelPrefix = 15,
    SendOk = 16,
    ReadOk = 17,
    FirstSensorName = 18,  // 18..27: "0 - 50 mV" .. "Pt100 (0,00385)"
    FirstIsolatedInputName = 28,  // 28..30: the extra inputs of the isolated rail model
    LiveHumidityPrefix = 31,
    LiveTemperaturePrefix = 32,
    SearchingTransmitter = 33,
    SendingConfiguration = 34,
    ReadingConfiguration = 35,
    HumidityMenuCaption = 36,
    RelativeHumidity = 37,
    AbsoluteHumidity = 38,
    DewPoint = 39,
    RangeWord = 40,
};
}  // namespace Msg

class MessageTable {
public:
    static constexpr int Count = 41;

    MessageTable();

    static const std::array<QString, Count>& builtIn();

    // Out-of-range numbers read as an empty text rather than running past the table.
    QString text(int number) const;
    QString operator[](int number) const { return text(number); }
    void set(int number, const QString& text);
    void reset();

private:
    std::array<QString, Count> working_;
};

}  // namespace korv
