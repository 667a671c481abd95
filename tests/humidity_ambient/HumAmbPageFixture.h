#pragma once

#include "humidity_ambient/HumAmbPages.h"
#include "link/FormServices.h"
#include "link/SerialLink.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>
#include <QWidget>

#include <memory>

class QLineEdit;

namespace korv::test {

// An in-memory transmitter. Unknown registers read as 0; a register can be made to fail a number
// of times with a chosen status.
class ScriptedRegisters final : public RegisterAccess {
public:
    Status ReadParameter(qint16 address, qint16& value) override;
    Status ReadMemory(qint16 address, qint16& value) override;
    Status WriteParameter(qint16 address, qint16 value) override;

    // Registers that any operation touched, in order of first touch.
    QList<int> touched() const;
    QList<int> writtenRegisters() const;

    QMap<int, qint16> parameters;
    QMap<int, qint16> memory;
    QMap<int, QList<Status>> readFailures;  // statuses the next reads of a register return
    QMap<int, QList<Status>> writeFailures;
    QStringList log;  // "P1", "M58", "W6=-9600"
    QList<QPair<int, int>> writes;

private:
    static Status scripted(QMap<int, QList<Status>>& failures, int address);
};

// The main window's services as the two pages see them, with the menus reduced to flags.
class FakeForm final : public FormServices {
public:
    explicit FakeForm(const QString& portName)
        : serial(portName, 9600, 0)
    {
    }

    RegisterAccess& registers() override { return regs; }
    SerialLink& link() override { return serial; }
    const MessageTable& messages() const override { return table; }
    const IdentificationRecord& identification() const override { return ident; }
    SharedTransmitterState& shared() override { return sharedState; }

    Status ReadSerialNumber() override;
    Status IdentifyTransmitter() override;
    Status ReadConfigWord() override;
    // Not used by the pages.
    Status ReadRange() override { return Status::NotSent; }
    Status ReadZero() override { return Status::NotSent; }
    Status ReadHumidityLive() override { return Status::NotSent; }
    Status ReadAmbientLive() override { return Status::NotSent; }
    void refreshAmbientZeroCorrection() override { }
    void setStatusLines(const QString& text) override;
    void clearInfoMemos() override { }
    void appendEmptyLineToInfoMemos() override { }
    void ShowWarning(const QString& text) override;
    void StartStatusTimer(int seconds) override { statusTimerSeconds = seconds; }
    bool celsiusChecked() const override { return !fahrenheit; }
    bool fahrenheitChecked() const override { return fahrenheit; }
    bool humidityMenuExists() const override { return menuExists; }
    bool relativeHumidityChecked() const override { return relativeChecked; }
    bool dewPointChecked() const override { return dewPointItemChecked; }
    void setRelativeHumidityChecked(bool relative) override;
    bool sendEnabled() const override { return sendButtonEnabled; }
    void repaintNow() override { ++repaints; }
    void setBusyCursor(bool) override { }
    void SetAmbientLimits() override;
    void SetHumTempLimits() override;
    void SetHumidityLimits() override;

    ScriptedRegisters regs;
    SerialLink serial;
    MessageTable table;
    IdentificationRecord ident;
    SharedTransmitterState sharedState;
    HumidityPage* humidity = nullptr;
    AmbientPage* ambient = nullptr;
    QList<QLineEdit*> statusLines;

    QStringList warnings;
    int statusTimerSeconds = 0;
    int repaints = 0;
    bool fahrenheit = false;
    bool menuExists = true;
    bool relativeChecked = true;
    bool dewPointItemChecked = false;
    bool sendButtonEnabled = true;
    int serialFailures = 0;  // the next serial-number reads that fail
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
    QString text(int message) const { return form.table[message]; }

    PseudoTerminal pty;
    FakeForm form;
    QWidget window;
    HumidityWidgets hw;
    AmbientWidgets aw;
    HumAmbState state;
    std::unique_ptr<HumidityPage> humidity;
    std::unique_ptr<AmbientPage> ambient;
};

}  // namespace korv::test
