#pragma once

#include "common/Messages.h"
#include "common/Warnings.h"
#include "link/Identification.h"
#include "link/RegisterAccess.h"

#include <QString>

#include <functional>

namespace korv {

class SerialLink;

// What identification leaves behind for every later decision: which transmitter is connected.
struct IdentificationRecord {
    Model TransmitterModel = Model::Unknown;
    qint16 FirmwareVersion = 0;
    QString SerialNumberText;
    bool NoThermocoupleB = false;

    QString ModelString() const { return modelString(TransmitterModel); }
};

// Working state shared by every transmitter family.
struct SharedTransmitterState {
    qint16 ConfigWord = 0;  // register 1 as read last; every send keeps its output-type bits
    bool SendInProgress = false;  // while set, reading register 1 leaves the form's selections alone
    int TransmitterSensorCode = 0;  // bits 0..5 of register 1 as a head/rail read found them
};

// The services of the main window that the pages of each transmitter family, the start-up search
// and the service mode use. The main window owns the link, the identification record, the message
// table and the status lines; the pages own their widgets' behaviour.
class FormServices : public WarningSink {
public:
    virtual RegisterAccess& registers() = 0;
    virtual SerialLink& link() = 0;
    virtual const MessageTable& messages() const = 0;
    virtual const IdentificationRecord& identification() const = 0;
    virtual SharedTransmitterState& shared() = 0;

    virtual Status ReadSerialNumber() = 0;
    virtual Status IdentifyTransmitter() = 0;
    // Register 1, the ranges and the zero corrections, each handed to the family of the
    // identified model.
    virtual Status ReadConfigWord() = 0;
    virtual Status ReadRange() = 0;
    virtual Status ReadZero() = 0;
    // One live reading of the humidity or the ambient transmitter; 0 without any exchange for
    // another model.
    virtual Status ReadHumidityLive() = 0;
    virtual Status ReadAmbientLive() = 0;
    // Recomputes the ambient page's zero-correction bounds and puts its correction into its edit.
    virtual void refreshAmbientZeroCorrection() = 0;
    // Writes the same text into the status line of every page.
    virtual void setStatusLines(const QString& text) = 0;
    // Empties the three information memos, or appends one line to each.
    virtual void clearInfoMemos() = 0;
    virtual void appendEmptyLineToInfoMemos() = 0;

    virtual void StartStatusTimer(int seconds) = 0;
    virtual bool celsiusChecked() const = 0;  // the "°C" item of the unit menu
    virtual bool fahrenheitChecked() const = 0;  // the "°F" item
    // The humidity measure menu exists only for some firmware; without it the humidity input
    // measures relative humidity.
    virtual bool humidityMenuExists() const = 0;
    virtual bool relativeHumidityChecked() const = 0;
    virtual bool dewPointChecked() const = 0;
    virtual void setRelativeHumidityChecked(bool relative) = 0;  // checks one item, unchecks the other
    virtual bool sendEnabled() const = 0;
    // Repaints the window at once: the exchanges block the event loop, and progress must show.
    virtual void repaintNow() = 0;
    virtual void setBusyCursor(bool busy) = 0;
    // Runs right before every warning box until it is replaced; an empty function removes it.
    // The start-up search uses it to take its stay-on-top window out of the box's way. A form
    // that shows no real boxes may ignore it.
    virtual void setBeforeWarning(std::function<void()>) { }

    // The input limits that identification sets, callable on their own.
    virtual void SetAmbientLimits() = 0;
    virtual void SetHumTempLimits() = 0;
    virtual void SetHumidityLimits() = 0;
};

}  // namespace korv
