#include "core/protocol/Identification.h"

namespace korv {

IdentityWord splitIdentityWord(qint16 word)
{
    const auto bits = static_cast<quint16>(word);
    return { bits & 0x3FF, (bits & 0x3C00) >> 10 };
}

std::optional<bool> noThermocoupleBFor(Model model, int firmware)
{
    switch (modelInfo(model).thermocoupleB) {
    case ThermocoupleBRule::MissingBelow129:
        return firmware < 129;
    case ThermocoupleBRule::MissingAbove129:
        return firmware > 129;
    case ThermocoupleBRule::NotConcerned:
        break;
    }
    return std::nullopt;
}

bool hasFirmwareRule(Model model)
{
    return modelInfo(model).configurable.has_value();
}

bool firmwareCompatible(Model model, int firmware)
{
    const auto& range = modelInfo(model).configurable;
    return !range || (firmware >= range->lowest && firmware <= range->highest);
}

QString firmwareText(int firmware)
{
    QString text = QString::number(firmware);
    text.insert(1, u'.');
    return text;
}

QString serialNumberText(qint16 high, qint16 low)
{
    const QString a = high < 0 ? QStringLiteral("0") : QString::number(high);
    const QString b = low < 0 ? QStringLiteral("0") : QString::number(low);
    QString digits = a.rightJustified(5, u'0') + b.rightJustified(3, u'0');
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    return digits.rightJustified(8, u'0');
}

QString serialIdentityText(const SerialRegisters& registers)
{
    const QString text = serialNumberText(registers.high, registers.low);
    if (registers.high >= 0 && registers.low >= 0 && registers.low <= 999)
        return text;
    return QStringLiteral("%1 (2=%2, 3=%3)").arg(text).arg(registers.high).arg(registers.low);
}

QString outputTypeLine(quint16 configWord, bool headRailModel, const MessageTable& messages)
{
    switch ((configWord & 0x0F00) >> 8) {
    case 0:
        return messages[Msg::OutputTypePrefix] + messages[Msg::Output4to20mA];
    case 1:
        return messages[Msg::OutputTypePrefix] + messages[Msg::Output0to10V];
    case 2:
        if (headRailModel)
            return messages[Msg::OutputTypePrefix] + messages[Msg::Output0to5V];
        return messages[Msg::Unknown];
    default:
        return messages[Msg::Unknown];
    }
}

}  // namespace korv
