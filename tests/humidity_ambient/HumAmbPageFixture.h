#pragma once

#include "core/link/SerialLink.h"
#include "core/protocol/TransmitterSession.h"
#include "humidity_ambient/HumAmbPages.h"
#include "support/MemoryRegisters.h"
#include "widgets/PageHost.h"

#include <QAction>

#include <QList>
#include <QStringList>
#include <QWidget>

#include <memory>

class QLineEdit;

namespace korv::test {

// The main window as the two pages see it, with the unit menu reduced to a flag and the humidity
// measure menu to its two items.
class FakeForm final : public PageHost {
public:
    explicit FakeForm(const QString& portName)
        : transmitter(portName)
        , serial(transmitter.link())
    {
        regs.refuseUnknown = false;
        transmitter.useRegisters(regs);
        for (QAction* item : { &relativeItem, &dewPointItem })
            item->setCheckable(true);
        relativeItem.setChecked(true);
    }

    TransmitterSession& session() override { return transmitter; }
    const MessageTable& messages() const override { return table; }
    bool fahrenheit() const override { return fahrenheitUnit; }
    bool sendEnabled() const override { return sendButtonEnabled; }
    void StartStatusTimer(int seconds) override { statusTimerSeconds = seconds; }
    void repaintNow() override { ++repaints; }
    void setBusyCursor(bool) override { }
    ContactOutcome contactTransmitter(const ContactPolicy& policy) override { return transmitter.contact(policy); }
    Status IdentifyTransmitter() override;
    void ShowWarning(const QString& text) override;

    MemoryRegisters regs;
    TransmitterSession transmitter;
    SerialLink& serial;
    MessageTable table;
    HumidityPage* humidity = nullptr;
    AmbientPage* ambient = nullptr;
    QList<QLineEdit*> statusLines;
    QAction relativeItem;
    QAction dewPointItem;

    QStringList warnings;
    int statusTimerSeconds = 0;
    int repaints = 0;
    bool fahrenheitUnit = false;
    bool sendButtonEnabled = true;
    QList<Model> identifyAs;  // models the next identifications find; the model stays when empty
};

// A pseudo-terminal whose other end the serial link can open; no byte ever crosses it, as the
// registers are in memory.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    QString path;

private:
    int master_ = -1;
};

// Both tabs' controls in one window, bound to the two pages, with the start-up values of the
// window and the limits of `model` (as identification sets them).
class PagesFixture {
public:
    explicit PagesFixture(Model model, bool portOpens = true);
    ~PagesFixture();

    // Re-runs the identification steps after a change of unit or kind flags.
    void identify();
    // The registers of a transmitter with full ranges, no zero corrections, 0 °C and 50 %RH.
    void seedTransmitter();
    // Shows the window and waits until it is active, so that focus moves are real.
    bool showActive();
    void leave(QLineEdit* edit, Qt::FocusReason reason = Qt::TabFocusReason);
    void typeInto(QLineEdit* edit, const QString& keys);
    // One attempt at one step of a page's read, or of its send with what the page shows now.
    Status humidityReadStep(std::size_t step) { return humidity->readSteps()[step](); }
    Status ambientReadStep(std::size_t step) { return ambient->readSteps()[step](); }
    Status humiditySendStep(std::size_t step)
    {
        return humamb::humiditySendSteps(form.transmitter, humidity->settingsToSend())[step]();
    }
    QString text(int message) const { return form.table[message]; }

    PseudoTerminal pty;
    FakeForm form;
    QWidget window;
    QWidget humiditySheet { &window };
    QWidget ambientSheet { &window };
    HumidityWidgets hw;
    AmbientWidgets aw;
    HumAmbState state;
    std::unique_ptr<HumidityPage> humidity;
    std::unique_ptr<AmbientPage> ambient;
};

}  // namespace korv::test
