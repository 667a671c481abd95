#include "app/mainwindow/parts/WindowRecord.h"

#include "app/mainwindow/MainWindowUi.h"
#include "app/mainwindow/parts/StatusLines.h"
#include "app/record/HistoryWindow.h"
#include "common/StopRequest.h"
#include "core/files/Settings.h"
#include "core/protocol/TransmitterSession.h"

#include <QCoreApplication>
#include <QHash>
#include <QLineEdit>
#include <QTextStream>

#include <array>

namespace korv {

namespace {

// Passes every box on to the screen (or the test's recorder) and tells the window what it said.
class HeardBoxes final : public MessageBoxes {
public:
    HeardBoxes(MessageBoxes& shown, std::function<void(const QString&)> heard)
        : shown_(shown)
        , heard_(std::move(heard))
    {
    }
    void warning(const QString& caption, const QString& text) override
    {
        heard_(text);
        shown_.warning(caption, text);
    }
    void plain(const QString& title, const QString& text) override
    {
        heard_(text);
        shown_.plain(title, text);
    }

private:
    MessageBoxes& shown_;
    std::function<void(const QString&)> heard_;
};

}  // namespace

WindowRecord::WindowRecord(TransmitterSession& session, const MessageTable& messages, const AppSettings& settings,
    QString historyPath, MainWindowUi& ui, const StatusLines& statusLines, QWidget* window)
    : session_(session)
    , messages_(messages)
    , settings_(settings)
    , path_(historyPath.isEmpty() ? history::defaultDatabasePath() : std::move(historyPath))
    , ui_(ui)
    , statusLines_(statusLines)
    , window_(window)
{
}

WindowRecord::~WindowRecord() = default;

MessageBoxes* WindowRecord::listenTo(MessageBoxes* shown)
{
    heardBoxes_ = std::make_unique<HeardBoxes>(*shown, [this](const QString& text) {
        if (record_)
            boxes_ << text;
    });
    return heardBoxes_.get();
}

history::Store* WindowRecord::store()
{
    if (!store_)
        store_ = std::make_unique<history::Store>(path_, QStringLiteral("korv-window"));
    return store_->open() ? store_.get() : nullptr;
}

void WindowRecord::begins(const QString& command)
{
    if (record_)
        return;
    record_ = std::make_unique<history::CommandRecord>(session_, history::WindowFrontEnd, command, session_.portName());
    record_->setLastReads(&lastReads_);
    boxes_.clear();
    reachedPort_ = false;
}

void WindowRecord::portUnavailable(const QString& text)
{
    if (record_ && !StopRequest::requested())
        record_->setResult(history::Outcome::Failed, text);
}

void WindowRecord::ends(const std::optional<history::CalibrationChange>& calibration)
{
    if (!record_)
        return;
    const std::unique_ptr<history::CommandRecord> record = std::move(record_);
    if (calibration)
        record->setCalibration(*calibration);
    // A stopped command shows no box; one that said something failed with what it said; one that
    // said nothing ended as its status line tells.
    if (session_.cancelled() || StopRequest::requested() || session_.isShutDown())
        record->setResult(history::Outcome::Stopped, boxes_.join(u'\n'));
    else if (!boxes_.isEmpty())
        record->setResult(history::Outcome::Failed, boxes_.join(u'\n'));
    else if (record->resultText().isEmpty())
        record->setResult(history::Outcome::Done, ui_.EdtStatus->text());
    const history::Event event = record->finish(messages_);
    if (!reachedPort_ && event.unit.serialNumber.isEmpty() && event.written.isEmpty() && !event.asFound)
        return;  // refused before any frame: nothing happened to a transmitter
    lastReads_.note(event);

    if (!recorder_) {
        recorder_ = std::make_unique<history::Recorder>(path_);
        connect(recorder_.get(), &history::Recorder::recorded, this, &WindowRecord::onRecorded);
    }
    shownAtRecord_.insert(event.id, statusLines_.texts());
    // Queued also while the server's setting is refused: the events go once it is right.
    recorder_->record(event, !settings_.PlantServer.isEmpty() || settings_.PlantServerRefused);
}

void WindowRecord::onRecorded(const QString& id, const QString& problem, const QString& notice)
{
    const QStringList shown = shownAtRecord_.take(id);
    if (!notice.isEmpty())
        QTextStream(stderr) << notice << '\n';
    if (problem.isEmpty()) {
        if (auto* window
            = window_->findChild<HistoryWindow*>(QStringLiteral("HistoryWindow"), Qt::FindDirectChildrenOnly))
            window->refresh();
        sendToPlant();
        return;
    }
    // Said after the command's own result and beside it, never instead of it, nor beside a later
    // command's.
    QTextStream(stderr) << problem << '\n';
    const std::array<QLineEdit*, 3> lines { ui_.EdtStatus, ui_.EdtStatRHT, ui_.EdtStatT };
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i]->text() == shown.value(int(i)))
            lines[i]->setText(QCoreApplication::translate("korv::MainWindow", "%1 (evento não registrado)")
                                  .arg(lines[i]->text())
                                  .trimmed());
    }
}

void WindowRecord::sendToPlant()
{
    if (settings_.PlantServer.isEmpty())
        return;
    if (!plant_) {
        plant_ = std::make_unique<history::PlantForwarder>(path_, settings_.PlantServer);
        // The server's trouble is the plant's, not the command's: it is said beside the menu
        // item that shows the record, and on standard error, once per change.
        connect(plant_.get(), &history::PlantForwarder::finished, this, [this](const history::PlantResult& result) {
            if (result.problem != ui_.HistoryItem->toolTip() && !result.problem.isEmpty())
                QTextStream(stderr) << result.problem << '\n';
            ui_.HistoryItem->setToolTip(result.problem);
        });
    }
    plant_->kick();
}

void WindowRecord::showWindow(MessageBoxes& boxes, FileDialogs& fileDialogs)
{
    // Opening the record failed: store() has said why.
    history::Store* opened = store();
    if (!opened)
        return;
    auto* window = window_->findChild<HistoryWindow*>(QStringLiteral("HistoryWindow"), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HistoryWindow(*opened, boxes, fileDialogs, window_);
    window->show();
    window->refresh();
    window->raise();
    window->activateWindow();
}

}  // namespace korv
