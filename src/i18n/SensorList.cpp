#include "i18n/SensorList.h"

#include <array>

namespace korv {

namespace {

constexpr int StandardCount = 10;  // "0 - 50 mV", the eight thermocouples, Pt100
constexpr int IsolatedRailCount = 13;  // the standard ten and "0 - 10 V", "0 - 20 mA", "4 - 20 mA"
constexpr int ThermocoupleBItem = 8;
constexpr int Pt100Message = Msg::FirstSensorName + 9;
constexpr int ThermocoupleBMessage = Msg::FirstSensorName + 8;

void padTo(QStringList& items, qsizetype count)
{
    while (items.size() < count)
        items.append(QString());
}

void cutTo(QStringList& items, qsizetype count)
{
    if (items.size() > count)
        items.resize(count);
}

void nameInCodeOrder(QStringList& items, const MessageTable& messages)
{
    for (qsizetype i = 0; i < items.size(); ++i)
        items[i] = messages.text(Msg::FirstSensorName + static_cast<int>(i));
}

// The list may come from any earlier model, so it is first brought to the standard ten: padded
// when shorter, and with item 1 removed while longer (only its texts matter, and they are all
// rewritten afterwards).
void toStandardTen(QStringList& items)
{
    padTo(items, StandardCount);
    while (items.size() > StandardCount)
        items.removeAt(1);
}

void isolatedRailList(QStringList& items, const MessageTable& messages)
{
    // The reading and sending code handle the three extra inputs alike for every firmware, so the
    // list names all thirteen whatever the firmware; blank items would hide usable inputs.
    padTo(items, IsolatedRailCount);
    cutTo(items, IsolatedRailCount);
    nameInCodeOrder(items, messages);
}

void isolatedHeadList(QStringList& items, bool shortList, const MessageTable& messages)
{
    if (!shortList) {
        toStandardTen(items);
        nameInCodeOrder(items, messages);
        return;
    }
    constexpr std::array<int, 6> codes = { 0, 1, 2, 4, 5, 9 };  // "0 - 50 mV", K, J, S, T, Pt100
    // The first firmware offers only six sensors (no R, N, E and B). A list left by the isolated
    // rail model is first cut back to its standard ten, dropping the three extra inputs, so that
    // the deletion for ten items applies; any other length ends at six all the same.
    cutTo(items, StandardCount);
    if (items.size() == StandardCount) {
        for (const int item : { 8, 7, 6, 3 })
            items.removeAt(item);
    } else if (items.size() == StandardCount - 1) {
        for (const int item : { 7, 6, 3 })
            items.removeAt(item);
    }
    padTo(items, codes.size());
    cutTo(items, codes.size());
    for (size_t i = 0; i < codes.size(); ++i)
        items[static_cast<qsizetype>(i)] = messages.text(Msg::FirstSensorName + codes[i]);
}

void plainList(QStringList& items, bool noThermocoupleB, const MessageTable& messages)
{
    toStandardTen(items);
    if (noThermocoupleB)
        items.removeAt(ThermocoupleBItem);
    for (int i = 0; i < ThermocoupleBItem; ++i)
        items[i] = messages.text(Msg::FirstSensorName + i);
    if (noThermocoupleB) {
        items[ThermocoupleBItem] = messages.text(Pt100Message);
    } else {
        items[ThermocoupleBItem] = messages.text(ThermocoupleBMessage);
        items[ThermocoupleBItem + 1] = messages.text(Pt100Message);
    }
}

}  // namespace

QStringList sensorListFor(
    Model model, int firmware, bool noThermocoupleB, const QStringList& currentItems, const MessageTable& messages)
{
    QStringList items = currentItems;
    const ModelInfo& info = modelInfo(model);
    switch (info.sensorList) {
    case SensorListKind::IsolatedRail:
        isolatedRailList(items, messages);
        break;
    case SensorListKind::IsolatedHead:
        isolatedHeadList(items, info.shortSensorListFirmware == firmware, messages);
        break;
    case SensorListKind::Plain:
        plainList(items, noThermocoupleB, messages);
        break;
    case SensorListKind::CodeOrder:
        // Without a model the list position is the sensor code, so each item is named after its
        // position; no list is ever longer than the isolated rail model's.
        cutTo(items, IsolatedRailCount);
        nameInCodeOrder(items, messages);
        break;
    case SensorListKind::None:
        break;
    }
    return items;
}

bool sendEnabledFor(Model model)
{
    return model != Model::Unknown;
}

}  // namespace korv
