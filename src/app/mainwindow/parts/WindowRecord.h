#pragma once

#include "common/MessageBoxes.h"
#include "core/history/CommandRecord.h"
#include "core/history/HistoryStore.h"
#include "core/history/PlantSync.h"
#include "core/history/Recorder.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

namespace korv {

class FileDialogs;
class MessageTable;
class TransmitterSession;
struct AppSettings;
struct MainWindowUi;
class StatusLines;

// The record of the window's commands: each command that talks to a transmitter begins its event
// before its first frame and ends it after its last box. What the command said (its boxes, its
// status line) becomes the event's result; a failure to keep the event is said after it, never
// instead. Nested calls belong to the command already recorded. The events are kept off the
// window's thread and then handed to the plant's server when the settings name one.
class WindowRecord final : public QObject {
    Q_OBJECT

public:
    // `ui` and `window` are read only once a command runs: they may still be unbuilt here.
    WindowRecord(TransmitterSession& session, const MessageTable& messages, const AppSettings& settings,
        QString historyPath, MainWindowUi& ui, const StatusLines& statusLines, QWidget* window);
    ~WindowRecord() override;

    // The boxes to show through: every box goes on to `shown` and the running command hears it.
    MessageBoxes* listenTo(MessageBoxes* shown);
    void begins(const QString& command);
    void ends(const std::optional<history::CalibrationChange>& calibration);
    // The command tried to reach the transmitter: its event is kept even if it found none.
    void reachesPort() { reachedPort_ = true; }
    // The port could not be opened; its box may have been shown before the command.
    void portUnavailable(const QString& text);

    // The record the record window reads; null when it cannot be opened (the reason was said).
    history::Store* store();
    // Events given to the recorder and not yet kept (or refused).
    int pending() const { return recorder_ ? recorder_->pending() : 0; }
    const QString& path() const { return path_; }
    // Hands the record's waiting events to the plant's server, when the settings name one.
    void sendToPlant();
    // The record window, created when first asked for.
    void showWindow(MessageBoxes& boxes, FileDialogs& fileDialogs);

private:
    // The recorder's word on one event: the record window and the plant follow a kept one; one
    // that was not kept is said beside the command's result, if that is still shown.
    void onRecorded(const QString& id, const QString& problem, const QString& notice);

    TransmitterSession& session_;
    const MessageTable& messages_;
    const AppSettings& settings_;
    const QString path_;
    MainWindowUi& ui_;
    const StatusLines& statusLines_;
    QWidget* window_;
    std::unique_ptr<MessageBoxes> heardBoxes_;
    std::unique_ptr<history::CommandRecord> record_;
    QStringList boxes_;  // the boxes the recorded command has shown
    bool reachedPort_ = false;  // the recorded command tried to reach the transmitter
    history::LastReads lastReads_;
    std::unique_ptr<history::Store> store_;  // the record window's reading
    std::unique_ptr<history::Recorder> recorder_;  // the commands' events, kept off this thread
    // What the status lines showed when each event still being kept was given to the recorder.
    QHash<QString, QStringList> shownAtRecord_;
    std::unique_ptr<history::PlantForwarder> plant_;
};

}  // namespace korv
