#pragma once

#include "common/Messages.h"
#include "common/Warnings.h"
#include "core/configuration/ConfigurationCheck.h"
#include "core/protocol/TransmitterSession.h"

#include <QString>

namespace korv {

// What a transmitter page needs from the window it sits in: the session, the messages, the unit
// menu, the send button, the status timer, and the two window-wide steps every command starts
// with (contact and identification, which also fill the information memos and arrange the tabs).
class PageHost : public WarningSink {
public:
    virtual TransmitterSession& session() = 0;
    virtual const MessageTable& messages() const = 0;
    virtual bool fahrenheit() const = 0;  // the "°F" item of the unit menu is checked
    virtual bool sendEnabled() const = 0;
    virtual void StartStatusTimer(int seconds) = 0;
    // Repaints the window at once: the exchanges block the event loop, and progress must show.
    virtual void repaintNow() = 0;
    virtual void setBusyCursor(bool busy) = 0;
    virtual ContactOutcome contactTransmitter(const ContactPolicy& policy) = 0;
    virtual Status IdentifyTransmitter() = 0;
};

// The page of one transmitter family, as the commands of the window and the start-up search
// reach it.
class TransmitterPage {
public:
    virtual ~TransmitterPage() = default;

    // The page as the window first shows it, in the unit of the menu.
    virtual void showInitialState() = 0;

    // The read command, after contact and identification: the family's steps into the page, with
    // its own progress and failure message.
    virtual void readConfiguration() = 0;
    // The start-up search's reads after identification, in order; the search shows one step of
    // progress for each.
    virtual TransferSteps startupReadSteps() = 0;
    // The send command, from contact to its last message.
    virtual void sendConfiguration() = 0;
    // Identification found a model of this family: the input limits follow the model.
    virtual void identified() { }
    // The unit menu changed to the other unit (its check marks already have).
    virtual void unitChanged() = 0;
    // What the form holds as a configuration file keeps it, after the checks a send makes; no value
    // when one of them refused it (the page has said why).
    virtual std::optional<config::ConfigurationValues> configurationToSave(Model model, QChar separator) = 0;
    // A configuration file's settings shown as a read of a transmitter holding them would show
    // them; settings of another family are not the page's and are left alone.
    virtual void showConfiguration(const FamilySettings& settings) = 0;
};

}  // namespace korv
