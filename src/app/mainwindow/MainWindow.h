#pragma once

#include "app/diagnostics/DiagnosticWindows.h"
#include "app/mainwindow/Activity.h"
#include "app/mainwindow/MainWindowUi.h"
#include "app/mainwindow/parts/CommandPause.h"
#include "app/mainwindow/parts/HeadRailTabs.h"
#include "app/mainwindow/parts/StatusLines.h"
#include "app/mainwindow/parts/WindowFiles.h"
#include "app/mainwindow/parts/WindowInput.h"
#include "app/mainwindow/parts/WindowRecord.h"
#include "app/shared/PortList.h"
#include "app/startup/SplashForm.h"
#include "common/MessageBoxes.h"
#include "common/Messages.h"
#include "core/files/Settings.h"
#include "core/link/SerialLink.h"
#include "core/protocol/TransmitterSession.h"
#include "i18n/LanguageFile.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QTranslator;
class QDialog;
class QMenu;

namespace korv {

class FileDialogs;

class AmbientPage;
class ConnectionCheckWindow;
class FrameMonitorWindow;
class HeadRailPage;
class HumidityPage;
struct HumAmbState;

// How the window finds its surroundings; the program uses the defaults, tests point them elsewhere.
struct MainWindowEnvironment {
    QString settingsPath;  // empty: the user's configuration folder
    MessageBoxes* boxes = nullptr;  // null: real modal boxes
    QString languageDirectory;  // empty: the working directory
    bool listPorts = true;  // false: leave the port menu empty (tests on machines with ports)
    std::function<QList<PortDescription>()> ports;  // null: the ports the system lists
    FileDialogs* fileDialogs = nullptr;  // null: the standard file dialogs
    QString historyPath;  // empty: the user's record (history::defaultDatabasePath)
};

// The main window: owns the transmitter session, the message table and the status lines, and
// hands each command to the page of the identified transmitter family.
class MainWindow : public QMainWindow, public StartupSearchHost {
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowEnvironment& environment = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindowUi ui;

    // Start-up and shut-down
    void FormShow();
    void FormClose();
    void onQuit();

    // Commands
    void Ler_ConfigClick();
    void Enviar_ConfigClick();
    // The read command's work, inside its record.
    void readConfiguration();
    void onCelsius();
    void onFahrenheit();
    void onAbout();
    void onHelpTopics();
    void onStatusTimer();
    void onTabChanged();
    void onPortItem(QAction* item) { ports_.choose(item); }
    // Closes the link, pauses a second without holding the window, opens `portName` (message 4 on
    // failure), then runs `then`. The caller holds the window meanwhile.
    void ChangePort(const QString& portName, std::function<void()> then = {});
    // Configuration files: saving writes what the form shows; opening shows a file as a read of a
    // transmitter holding it would, and writes nothing until the user sends.
    void onOpenConfiguration() { files_.open(); }
    void onSaveConfiguration() { files_.save(); }

    // Diagnostics: the connection check and the frame monitor, each its own window, created when
    // first asked for.
    void onCheckConnection() { diagnostics_->onCheckConnection(); }
    void runConnectionCheck() { diagnostics_->runConnectionCheck(); }
    void onFrameMonitor() { diagnostics_->onFrameMonitor(); }
    // The record of commands in its own window, created when first asked for.
    void onHistory() { windowRecord_.showWindow(*boxes_, *fileDialogs_); }
    ConnectionCheckWindow* connectionCheckWindow() const { return diagnostics_->checkWindow(); }
    FrameMonitorWindow* frameMonitor() const { return diagnostics_->monitor(); }

    // Identification and the screen of the identified model
    void ApplyModelScreen();
    void HideAllTabs();
    // The one place that tells the families' pages apart: a model's page and how its tab is
    // arranged when the model first shows.
    struct FamilyPage {
        TransmitterPage* page;
        void (MainWindow::*arrange)(Model model, bool firstOnSheet);
    };
    FamilyPage familyPage(Model model);
    void arrangeHeadRailSheet(Model model, bool firstOnSheet);
    void arrangeHumiditySheet(Model model, bool firstOnSheet);
    void arrangeAmbientSheet(Model model, bool firstOnSheet);

    // The About box is created after the main window and shown without being modal.
    void setAboutBox(QDialog* about);

    // PageHost
    TransmitterSession& session() override { return session_; }
    const MessageTable& messages() const override { return messages_; }
    bool fahrenheit() const override { return unitFahrenheit_; }
    bool sendEnabled() const override;
    void StartStatusTimer(int seconds) override;
    void repaintNow() override;
    void setBusyCursor(bool busy) override;
    ContactOutcome contactTransmitter(const ContactPolicy& policy) override;
    Status IdentifyTransmitter() override;
    void ShowWarning(const QString& text) override;

    // StartupSearchHost
    TransmitterPage& pageFor(Model model) override;
    void setStatusLines(const QString& text) override;
    void clearInfoMemos() override;
    void appendEmptyLineToInfoMemos() override;
    void setBeforeWarning(std::function<void()> hook) override { beforeWarning_ = std::move(hook); }
    void awaitStartupSearch() override { activity_.await(Activity::Kind::StartupSearch); }
    void runStartupSearch(std::function<void()> search) override;
    void startupSearchOver() override { activity_.giveUpAwaited(); }

    // What the window is doing; everything that would start something asks it first.
    Activity& activity() { return activity_; }
    bool busy() const { return activity_.busy(); }
    // A command is in one of its pauses (between contact attempts, after a progress step).
    bool pausing() const { return pause_.pausing(); }

    // The record of commands (WindowRecord says how).
    void recordBegins(const QString& command) override { windowRecord_.begins(command); }
    void recordEnds() override { endRecord(); }
    void endRecord(const std::optional<history::CalibrationChange>& calibration = std::nullopt)
    {
        windowRecord_.ends(calibration);
    }
    // The record this window keeps; null when it cannot be opened (the reason was said).
    history::Store* historyStore() { return windowRecord_.store(); }
    // Events given to the recorder and not yet kept (or refused).
    int recordsPending() const { return windowRecord_.pending(); }
    QString historyPath() const { return windowRecord_.path(); }

    // Registers 2 and 3 into the identification record and the information memos.
    Status ReadSerialNumber();
    const IdentificationRecord& identification() const { return session_.identification(); }
    bool celsiusChecked() const { return !unitFahrenheit_; }

    HeadRailPage& headRail() const { return *headRail_; }
    HumidityPage& humidity() const { return *humidity_; }
    AmbientPage& ambient() { return *ambient_; }
    const LanguageLines& languageLines() const { return languageLines_; }
    const AppSettings& settings() const { return settings_; }
    QString settingsPath() const { return settingsPath_; }

    // Window state
    bool FirstAmbientShow = true;
    QString StartDirectory;
    QMenu* HumidityMenu = nullptr;
    QAction* RelativeHumidityItem = nullptr;
    QAction* DewPointItem = nullptr;

Q_SIGNALS:
    // The service-mode key combination was pressed; the program opens the calibration window.
    void serviceModeRequested();
    // The window has closed for good: its port is closed and no command may run any more.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A command is waiting for the transmitter: an exchange on the link thread or a pause.
    bool waitingForTransmitter() const;

private:
    // FormShow's steps after the port's pause.
    void finishFormShow();
    // While the window is busy its menus offer only Sair.
    void holdMenus(bool hold);
    // The program's translations follow the language chosen in the menu. Qt's own texts follow it
    // too; with none chosen, they are Brazilian Portuguese as the built-in texts, and a language
    // file of another language leaves them in English. True when the language in use changed.
    bool followLanguageInQtTexts();
    // The menu's choice: the shipped language file put beside the settings (or taken away), the
    // choice saved, and every text shown in it at once.
    void chooseLanguage(const QString& code);
    void syncLanguageMenu();
    // The language file's captions and messages, and every other text in the language in use.
    void applyLanguageEverywhere();
    void createHumidityMenu();
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void syncUnitMenu();
    void showSerialNumber();
    // The three pages, head/rail first: the order in which the unit menu reaches them.
    std::array<TransmitterPage*, 3> pages() const;

    MainWindowEnvironment env_;
    std::unique_ptr<FileDialogs> ownFileDialogs_;
    FileDialogs* fileDialogs_ = nullptr;
    std::unique_ptr<MessageBoxes> ownBoxes_;
    // Every box goes through the record on its way to the screen, so that the running command's
    // record hears what it said.
    MessageBoxes* boxes_ = nullptr;
    std::function<void()> beforeWarning_;

public:
    MessageBoxes& boxes() { return *boxes_; }

private:
    MessageTable messages_;
    LanguageLines languageLines_;
    AppSettings settings_;
    QString settingsPath_;
    // The link's blocking work runs here, so that the window keeps answering during a command;
    // made before the session and gone after it.
    LinkThread linkThread_;
    TransmitterSession session_;
    std::unique_ptr<HumAmbState> humAmb_;
    std::unique_ptr<HeadRailPage> headRail_;
    std::unique_ptr<HumidityPage> humidity_;
    std::unique_ptr<AmbientPage> ambient_;
    QDialog* aboutBox_ = nullptr;
    bool shown_ = false;
    bool userPageChange_ = false;
    bool unitFahrenheit_ = false;  // which unit item is checked; Qt toggles the items before our handlers run
    bool closed_ = false;
    Activity activity_;
    bool busy_ = false;  // the busy cursor is up
    QHash<QAction*, bool> enabledBeforeHold_;  // the menu items a busy window disables, as they were
    CommandPause pause_ { session_ };
    HeadRailTabs headRailTabs_ { ui };
    // Per tab: no model shown on it has been identified yet in this run. The ambient tab keeps its
    // own flag, FirstAmbientShow.
    std::array<bool, Sheets.size()> firstOnSheet_ = [] {
        std::array<bool, Sheets.size()> all {};
        all.fill(true);
        return all;
    }();
    WindowFiles files_;
    StatusLines statusLines_;
    WindowRecord windowRecord_;
    PortMenu ports_;
    DiagnosticWindows* diagnostics_ = nullptr;  // a child of the window
    // Every input event of the application passes here first; last, so that it is the first to go.
    std::unique_ptr<WindowInput> input_;
};

}  // namespace korv
