#include "app/mainwindow/MainWindow.h"

#include "app/shared/FileDialogs.h"
#include "app/shared/PortList.h"
#include "app/shared/QtMessageBoxes.h"
#include "common/StopRequest.h"
#include "common/Timing.h"
#include "core/link/LinkSettings.h"
#include "core/link/SerialLink.h"
#include "headrail/HeadRailPage.h"
#include "headrail/RadioGroup.h"
#include "humidity_ambient/HumAmbPages.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <chrono>
#include <utility>

namespace korv {

namespace {
constexpr int PortChangePauseMs = 1000;
}  // namespace

MainWindow::MainWindow(const MainWindowEnvironment& environment, QWidget* parent)
    : QMainWindow(parent)
    , env_(environment)
    , humAmb_(std::make_unique<HumAmbState>())
    , files_({ *this, *this, activity_, fileDialogs_, StartDirectory,
          [this](Model model) -> TransmitterPage& { return pageFor(model); } })
    , statusLines_(ui)
    , windowRecord_(session_, messages_, settings_, environment.historyPath, ui, statusLines_, this)
    , ports_({ ui.portMenu, *this, settings_, environment.listPorts, environment.ports,
          [this] { return activity_.begin(Activity::Kind::PortChange); },
          [this](const QString& port) { ChangePort(port, [this] { activity_.end(); }); } })
{
    if (env_.boxes) {
        boxes_ = env_.boxes;
    } else {
        ownBoxes_ = std::make_unique<QtMessageBoxes>(this);
        boxes_ = ownBoxes_.get();
    }
    boxes_ = windowRecord_.listenTo(boxes_);
    if (env_.fileDialogs) {
        fileDialogs_ = env_.fileDialogs;
    } else {
        ownFileDialogs_ = std::make_unique<QtFileDialogs>();
        fileDialogs_ = ownFileDialogs_.get();
    }
    settingsPath_ = env_.settingsPath.isEmpty() ? settingsFilePath() : env_.settingsPath;
    ui.setupUi(this);
    diagnostics_ = new DiagnosticWindows(
        { activity_, session_, linkThread_, boxes_, fileDialogs_, [this] { return ports_.systemPorts(); },
            [this](bool busy) { setBusyCursor(busy); } },
        this);
    session_.setLinkThread(&linkThread_);

    // A register that does not keep what was written is told at once; the command goes on.
    session_.setNotKeptHandler([this](qint16, qint16, qint16) { ShowWarning(messages_[Msg::WriteError]); });
    FirstAmbientShow = true;
    for (Model model : allModels()) {
        if (QWidget* sheet = ui.sheetOf(model))
            ui.tabs->setTabText(ui.tabs->indexOf(sheet), displayCaption(model));
    }

    headRail_ = std::make_unique<HeadRailPage>(*this, ui);
    headRail_->showReadOkAlsoIn(ui.EdtStatRHT);
    humidity_ = std::make_unique<HumidityPage>(*this, *humAmb_, ui);
    ambient_ = std::make_unique<AmbientPage>(*this, *humAmb_, ui);

    connect(ui.Ler_Config, &QPushButton::clicked, this, [this] { Ler_ConfigClick(); });
    connect(ui.Enviar_Config, &QPushButton::clicked, this, [this] { Enviar_ConfigClick(); });
    connect(ui.quitItem, &QAction::triggered, this, [this] { onQuit(); });
    connect(ui.openConfigurationItem, &QAction::triggered, this, [this] { onOpenConfiguration(); });
    connect(ui.saveConfigurationItem, &QAction::triggered, this, [this] { onSaveConfiguration(); });
    connect(ui.celsiusItem, &QAction::triggered, this, [this] { onCelsius(); });
    connect(ui.fahrenheitItem, &QAction::triggered, this, [this] { onFahrenheit(); });
    connect(ui.FastExchangeItem, &QAction::toggled, this, [this](bool fast) {
        settings_.FastExchange = fast;
        session_.setFastExchange(fast);
    });
    for (QAction* item : { ui.languagePortugueseItem, ui.languageEnglishItem, ui.languageSpanishItem })
        connect(item, &QAction::triggered, this, [this, item] { chooseLanguage(item->data().toString()); });
    connect(ui.aboutItem, &QAction::triggered, this, [this] { onAbout(); });
    connect(ui.helpTopicsItem, &QAction::triggered, this, [this] { onHelpTopics(); });
    connect(ui.statusTimer, &QTimer::timeout, this, [this] { onStatusTimer(); });
    connect(ui.CheckConnectionItem, &QAction::triggered, this, [this] { onCheckConnection(); });
    connect(ui.FrameMonitorItem, &QAction::triggered, this, [this] { onFrameMonitor(); });
    connect(ui.HistoryItem, &QAction::triggered, this, [this] { onHistory(); });
    // The port menu follows the cable: an adapter plugged in after start-up is listed the next time
    // the menu opens.
    connect(ui.portMenu, &QMenu::aboutToShow, this, [this] {
        if (env_.listPorts)
            ports_.build(true);
    });
    connect(ui.CancelCommand, &QPushButton::clicked, this, [this] { session_.cancel(); });
    session_.setStepListener(
        [this](std::size_t step, std::size_t steps) { statusLines_.showStepProgress(step, steps); });
    connect(ui.tabs->tabBar(), &QTabBar::tabBarClicked, this, [this](int) { userPageChange_ = true; });
    connect(ui.tabs, &QTabWidget::currentChanged, this, [this](int) {
        if (userPageChange_)
            onTabChanged();
        userPageChange_ = false;
    });
    connect(&activity_, &Activity::busyChanged, this, [this](bool busy) { holdMenus(busy); });
    // The window sees every key before the focused control, for the service-mode combination.
    input_ = std::make_unique<WindowInput>(
        WindowInput::Surroundings { *this, ui, activity_, session_, [this] { return waitingForTransmitter(); },
            [this](int key, Qt::KeyboardModifiers modifiers) { FormKeyDown(key, modifiers); } });
    qApp->installEventFilter(input_.get());
    // The pauses between contact attempts keep the window answering too.
    setPauseHandler([this](std::chrono::steady_clock::time_point deadline) { pause_.until(deadline); });
}

bool MainWindow::waitingForTransmitter() const
{
    return pause_.pausing() || linkThread_.waiting();
}

MainWindow::~MainWindow()
{
    setPauseHandler({});
    qApp->removeEventFilter(input_.get());
    // The frame monitor is a child window, deleted after the session: it must not hear the session's
    // last close.
    session_.setLinkListener({});
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        FormShow();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closed while a command waits for the transmitter: the command stops at its next frame
    // boundary, shows no box, and the window closes once it has ended.
    if (waitingForTransmitter()) {
        StopRequest::request();
        session_.cancel();
        event->ignore();
        QTimer::singleShot(10, this, &QWidget::close);
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
}

void MainWindow::FormShow()
{
    // The start-up holds the window until its last step, past the port's pause: the start-up
    // search, and anything the user asks meanwhile, come after it.
    if (!activity_.begin(Activity::Kind::StartUp))
        return;
    session_.identification().TransmitterModel = Model::Unknown;
    const bool firstRun = !QFileInfo::exists(settingsPath_) && !QFileInfo(settingsPath_).isSymLink();
    settings_ = readSettings(settingsPath_);
    // A first run with one USB adapter plugged in starts on it: the default port seldom exists on
    // today's machines. With none or several the default stands, and the menu offers them.
    if (firstRun) {
        if (const QString adapter = firstRunPort(ports_.systemPorts()); !adapter.isEmpty())
            settings_.PortSetting = adapter;
    }
    StartDirectory = QDir::currentPath();
    syncLanguageMenu();
    ports_.build();
    ApplyModelScreen();
    session_.setPortName(settings_.portToOpen());
    ui.FastExchangeItem->setChecked(settings_.FastExchange);
    session_.setFastExchange(settings_.FastExchange);
    ChangePort(settings_.portToOpen(), [this] { finishFormShow(); });
}

void MainWindow::finishFormShow()
{
    if (closed_) {
        activity_.end();
        return;
    }
    unitFahrenheit_ = settings_.fahrenheit();
    syncUnitMenu();
    for (TransmitterPage* page : pages())
        page->showInitialState();
    // Events an earlier run could not send to the plant's server go now, without waiting for a command.
    windowRecord_.sendToPlant();
    activity_.end();
}

void MainWindow::runStartupSearch(std::function<void()> search)
{
    activity_.whenNothingRuns(this, [this, search = std::move(search)] {
        const ActivityScope searching(activity_, Activity::Kind::StartupSearch);
        if (searching.began())
            search();
    });
}

void MainWindow::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    ui.statusTimer->stop();
    diagnostics_->close();
    // Closed for good: nothing that still runs (a search about to start, a late timer, the rest of
    // a command the close arrived in) may send another frame or open the port again and keep the
    // process alive holding it.
    session_.shutDown();
    languageLines_ = {};
    // A failed write is not worth a box at exit; the previous file stays whole.
    writeSettings(settingsPath_, settings_);
    Q_EMIT closed();
}

void MainWindow::onQuit()
{
    close();
}

void MainWindow::ChangePort(const QString& portName, std::function<void()> then)
{
    SerialLink& link = session_.link();
    link.Close();
    // The pause returns to the event loop rather than turning it here: the caller holds the
    // window, and the change goes on when the pause is over.
    QTimer::singleShot(
        Timing::scaled(PortChangePauseMs) + 1, Qt::PreciseTimer, this, [this, portName, then = std::move(then)] {
            // Closed meanwhile: the port stays closed, and the rest only lets go of the window.
            if (!closed_ && !session_.link().OpenPort(portName))
                ShowWarning(messages_[Msg::PortSetupError]);
            if (then)
                then();
        });
}

void MainWindow::ShowWarning(const QString& text)
{
    // Closed during a command (from a box it showed, or by a signal): the command ends without
    // sending, and a box now would only hold up the end of the program.
    if (closed_)
        return;
    // Stopped by the user: the command ends where it was, without a failure box.
    if (session_.cancelled())
        return;
    statusLines_.clear();
    if (beforeWarning_)
        beforeWarning_();
    // The box waits for the user, not the program: it gets the ordinary cursor, and a command that
    // goes on after it gets its busy cursor back.
    const bool busy = busy_;
    setBusyCursor(false);
    boxes_->warning(messages_[Msg::WarningCaption], text);
    setBusyCursor(busy);
}

void MainWindow::StartStatusTimer(int seconds)
{
    ui.statusTimer->setInterval(seconds * 1000);
    ui.statusTimer->start();
}

void MainWindow::onStatusTimer()
{
    statusLines_.clear();
    ui.statusTimer->stop();
}

void MainWindow::repaintNow()
{
    repaint();
}

void MainWindow::setBusyCursor(bool busy)
{
    // The cursor is set once and restored once, whoever asks first.
    if (std::exchange(busy_, busy) == busy)
        return;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    ui.CancelCommand->setVisible(busy);
}

void MainWindow::holdMenus(bool hold)
{
    // While the window is busy the menus offer only Sair, which stops a command and ends the
    // program.
    for (QAction* item : { ui.openConfigurationItem, ui.saveConfigurationItem, ui.HistoryItem,
             ui.optionsMenu->menuAction(), ui.helpMenu->menuAction() }) {
        if (hold) {
            enabledBeforeHold_.insert(item, item->isEnabled());
            item->setEnabled(false);
        } else {
            item->setEnabled(enabledBeforeHold_.value(item, item->isEnabled()));
        }
    }
}

bool MainWindow::sendEnabled() const
{
    return ui.Enviar_Config->isEnabled();
}

void MainWindow::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    // Alt is not examined: Ctrl+Alt+Shift+F11 opens the service mode too.
    const bool ctrlShift = modifiers.testFlag(Qt::ControlModifier) && modifiers.testFlag(Qt::ShiftModifier);
    if (key == Qt::Key_F11 && ctrlShift && !activity_.busy()) {
        Ler_ConfigClick();
        Q_EMIT serviceModeRequested();
    }
}

}  // namespace korv
