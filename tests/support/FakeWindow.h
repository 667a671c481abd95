#pragma once

#include "core/link/SerialLink.h"
#include "core/protocol/TransmitterSession.h"
#include "headrail/HeadRailPage.h"
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

// The main window as the transmitter pages see it: the three tabs' controls side by side in one
// window, each bound to its page, the unit menu reduced to a flag, the humidity measure menu to its
// two items, and the warnings recorded. The session's link is on a pseudo-terminal (or on a port
// that does not open) across which no byte passes, as the registers are in memory.
class FakeWindow final : public PageHost {
public:
    // Without a model, identification reads register 0 as the window's does. With a humidity or
    // ambient model, the window is as after start-up and a read of that model with full ranges, and
    // identification keeps the model (or finds the next of `identifyAs`) without asking.
    explicit FakeWindow(Model identified = Model::Unknown, bool portOpens = true);
    ~FakeWindow() override;

    TransmitterSession& session() override { return *session_; }
    const MessageTable& messages() const override { return table; }
    bool fahrenheit() const override { return fahrenheitUnit; }
    bool sendEnabled() const override { return sendButtonEnabled; }
    void StartStatusTimer(int seconds) override { statusSeconds = seconds; }
    void repaintNow() override { }
    void setBusyCursor(bool) override { }
    ContactOutcome contactTransmitter(const ContactPolicy& policy) override { return session_->contact(policy); }
    Status IdentifyTransmitter() override;
    void ShowWarning(const QString& text) override;

    // Identifies a transmitter whose register 0 holds `identityWord`, as the read command does.
    void identify(int identityWord);
    // Re-runs the identification steps after a change of unit or kind flags.
    void identify() { IdentifyTransmitter(); }
    // The registers of a humidity or ambient transmitter with full ranges, no zero corrections,
    // 0 °C and 50 %RH.
    void seedTransmitter();
    void usePortThatDoesNotOpen();
    void select(int sensorPosition);
    void setLimits(const QString& lower, const QString& upper);
    // Shows the window and waits until it is active, so that focus moves are real.
    bool showActive();
    // The focus leaves `edit` for the given reason.
    void leave(QWidget* edit, Qt::FocusReason reason = Qt::TabFocusReason);
    void typeInto(QLineEdit* edit, const QString& keys);
    QWidget* focused() const { return window.focusWidget(); }
    SerialLink& serial() { return session_->link(); }
    QString text(int message) const { return table[message]; }
    // One attempt at one step of a page's read, or of the humidity send with what the page shows.
    Status readStep(std::size_t step) { return headRail->readSteps()[step](); }
    Status humidityReadStep(std::size_t step) { return humidity->readSteps()[step](); }
    Status ambientReadStep(std::size_t step) { return ambient->readSteps()[step](); }
    Status humiditySendStep(std::size_t step)
    {
        return humamb::humiditySendSteps(*session_, humidity->settingsToSend())[step]();
    }

    MemoryRegisters registers;
    MessageTable table;
    QStringList warnings;
    bool fahrenheitUnit = false;
    bool sendButtonEnabled = true;
    int statusSeconds = 0;
    QList<Model> identifyAs;
    QAction relativeItem;
    QAction dewPointItem;

    QWidget window;
    QWidget headRailSheet { &window };
    QWidget humiditySheet { &window };
    QWidget ambientSheet { &window };
    HeadRailWidgets hrw;
    HumidityWidgets hw;
    AmbientWidgets aw;
    HumAmbState state;
    std::unique_ptr<HeadRailPage> headRail;
    std::unique_ptr<HumidityPage> humidity;
    std::unique_ptr<AmbientPage> ambient;

private:
    void showHumAmbModel(Model model);

    int ptyMaster_ = -1;
    bool modelFixed_ = false;
    std::unique_ptr<TransmitterSession> session_;
};

}  // namespace korv::test
