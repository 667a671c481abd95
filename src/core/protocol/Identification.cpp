#include "core/protocol/Identification.h"

namespace korv {

IdentityWord splitIdentityWord(qint16 word)
{
    const auto bits = static_cast<quint16>(word);
    return { bits & 0x3FF, (bits & 0x3C00) >> 10 };
}

std::optional<bool> noThermocoupleBFor(Model model, int firmware)
{
    // The two rules run in opposite directions: at exactly 1.29 both models offer B.
    if (model == Model::OrvHead)
        return firmware < 129;
    if (model == Model::OrvDin)
        return firmware > 129;
    return std::nullopt;
}

bool hasFirmwareRule(Model model)
{
    return isHeadRail(model);
}

bool firmwareCompatible(Model model, int firmware)
{
    if (model == Model::OrvGalHead)
        return firmware >= 101 && firmware <= 118;
    if (model == Model::OrvGalDin)
        return firmware >= 100 && firmware <= 119;
    if (model == Model::OrvHead || model == Model::OrvDin)
        return firmware >= 0 && firmware <= 139;
    return true;
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
