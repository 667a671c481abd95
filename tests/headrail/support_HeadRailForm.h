#pragma once

#include "core/protocol/TransmitterSession.h"
#include "headrail/HeadRailPage.h"
#include "support/MemoryRegisters.h"
#include "widgets/PageHost.h"

#include <QStringList>
#include <QWidget>

#include <memory>

namespace korv::test {

// The main window as the head/rail page sees it: its widgets, services and a session whose link
// is on a pseudo-terminal (or on a port that does not exist) and whose registers are in memory.
class HeadRailForm final : public PageHost {
public:
    HeadRailForm();
    ~HeadRailForm() override;

    TransmitterSession& session() override { return *transmitterSession; }
    const MessageTable& messages() const override { return table; }
    bool fahrenheit() const override { return !celsius; }
    bool sendEnabled() const override { return sendAllowed; }
    void StartStatusTimer(int seconds) override { statusSeconds = seconds; }
    void repaintNow() override { }
    void setBusyCursor(bool) override { }
    ContactOutcome contactTransmitter(const ContactPolicy& policy) override
    {
        return transmitterSession->contact(policy);
    }
    Status IdentifyTransmitter() override;
    void ShowWarning(const QString& text) override;

    // Identifies a transmitter whose register 0 holds `identityWord`, as the read command does.
    void identify(int identityWord);
    void select(int position);
    void setLimits(const QString& lower, const QString& upper);
    // The focus leaves `edit` for the given reason.
    void leave(QWidget* edit, Qt::FocusReason reason = Qt::TabFocusReason);
    QWidget* focused() const { return window.focusWidget(); }
    void usePortThatDoesNotOpen();
    // One attempt at one step of the page's read.
    Status readStep(std::size_t step) { return page->readSteps()[step](); }

    MemoryRegisters transmitter;
    MessageTable table;
    QStringList warnings;
    bool celsius = true;
    bool sendAllowed = false;
    int statusSeconds = 0;

    QWidget window;
    HeadRailWidgets widgets;
    std::unique_ptr<TransmitterSession> transmitterSession;
    std::unique_ptr<HeadRailPage> page;
    SerialLink& serial() { return transmitterSession->link(); }
    const IdentificationRecord& ident() { return transmitterSession->identification(); }

private:
    int ptyMaster_ = -1;
};

}  // namespace korv::test
