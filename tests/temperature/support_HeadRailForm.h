#pragma once

#include "link/FormServices.h"
#include "temperature/HeadRailPage.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QWidget>

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
    WarningSink* warnings = nullptr;
    QString writeErrorText;

    QList<int> reads;
    QList<Write> writes;
};

// The main window as the head/rail page sees it: its widgets, services and a serial link on a
// pseudo-terminal (or on a port that does not exist).
class HeadRailForm final : public FormServices {
public:
    HeadRailForm();
    ~HeadRailForm() override;

    RegisterAccess& registers() override { return transmitter; }
    SerialLink& link() override { return *serial; }
    const MessageTable& messages() const override { return table; }
    const IdentificationRecord& identification() const override { return ident; }
    SharedTransmitterState& shared() override { return state; }
    Status ReadSerialNumber() override;
    Status IdentifyTransmitter() override;
    Status ReadConfigWord() override { return page->ReadConfigWord(); }
    Status ReadRange() override { return page->ReadRange(); }
    Status ReadZero() override { return page->ReadZero(); }
    Status ReadHumidityLive() override { return Status::NotSent; }
    Status ReadAmbientLive() override { return Status::NotSent; }
    void refreshAmbientZeroCorrection() override { }
    void setStatusLines(const QString& text) override;
    void clearInfoMemos() override { }
    void appendEmptyLineToInfoMemos() override { }
    void StartStatusTimer(int seconds) override { statusSeconds = seconds; }
    bool celsiusChecked() const override { return celsius; }
    bool fahrenheitChecked() const override { return !celsius; }
    bool humidityMenuExists() const override { return false; }
    bool relativeHumidityChecked() const override { return true; }
    bool dewPointChecked() const override { return false; }
    void setRelativeHumidityChecked(bool) override { }
    bool sendEnabled() const override { return sendAllowed; }
    void repaintNow() override { }
    void setBusyCursor(bool) override { }
    void SetAmbientLimits() override { }
    void SetHumTempLimits() override { }
    void SetHumidityLimits() override { }
    void ShowWarning(const QString& text) override;

    // Identifies a transmitter whose register 0 holds `identityWord`, as the read command does.
    void identify(int identityWord);
    void select(int position);
    void setLimits(const QString& lower, const QString& upper);
    // The focus leaves `edit` for the given reason.
    void leave(QWidget* edit, Qt::FocusReason reason = Qt::TabFocusReason);
    QWidget* focused() const { return window.focusWidget(); }
    void usePortThatDoesNotOpen();

    MemoryRegisters transmitter;
    MessageTable table;
    IdentificationRecord ident;
    SharedTransmitterState state;
    QStringList warnings;
    bool celsius = true;
    bool sendAllowed = false;
    int statusSeconds = 0;

    QWidget window;
    HeadRailWidgets widgets;
    std::unique_ptr<HeadRailPage> page;
    std::unique_ptr<SerialLink> serial;

private:
    int ptyMaster_ = -1;
};

}  // namespace korv::test
