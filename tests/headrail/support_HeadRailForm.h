#pragma once

#include "core/protocol/TransmitterSession.h"
#include "headrail/HeadRailPage.h"
#include "widgets/PageHost.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

namespace korv::test {

// An in-memory head/rail transmitter. Reads of an address it lacks are refused; scripted statuses
// are handed out to the next operations on an address; every write attempt is logged, and a
// register that does not keep a write is reported as the real register layer does.
class MemoryRegisters final : public RegisterAccess {
public:
    struct Write {
        int address = 0;
        int value = 0;
        Status status = Status::NotSent;
    };

    Status ReadParameter(qint16 address, qint16& value) override;
    Status ReadMemory(qint16 address, qint16& value) override { return ReadParameter(address, value); }
    Status WriteParameter(qint16 address, qint16 value) override;

    // Address=value of the writes that succeeded, in order ("10=2389").
    QStringList written() const;
    int readsOf(int address) const { return static_cast<int>(reads.count(address)); }

    QMap<int, qint16> values;
    QMap<int, QList<Status>> scriptedReads;
    QMap<int, QList<Status>> scriptedWrites;
    QSet<int> notKept;
    std::function<void()> reportNotKept;

    QList<int> reads;
    QList<Write> writes;
};

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
