// The record of the window's commands: one event per command that talked to a transmitter.
#include "app/mainwindow/MainWindow.h"

#include "app/record/HistoryWindow.h"
#include "common/StopRequest.h"

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

void MainWindow::listenToBoxes()
{
    heardBoxes_ = std::make_unique<HeardBoxes>(*boxes_, [this](const QString& text) {
        if (record_)
            recordBoxes_ << text;
    });
    boxes_ = heardBoxes_.get();
}

QString MainWindow::historyPath() const
{
    return env_.historyPath.isEmpty() ? history::defaultDatabasePath() : env_.historyPath;
}

history::Store* MainWindow::historyStore()
{
    if (!store_)
        store_ = std::make_unique<history::Store>(historyPath(), QStringLiteral("korv-window"));
    return store_->open() ? store_.get() : nullptr;
}

void MainWindow::recordBegins(const QString& command)
{
    if (record_)
        return;
    record_ = std::make_unique<history::CommandRecord>(session_, history::WindowFrontEnd, command, session_.portName());
    record_->setLastReads(&lastReads_);
    recordBoxes_.clear();
    recordReachedPort_ = false;
}

void MainWindow::endRecord(std::optional<history::CalibrationChange> calibration)
{
    if (!record_)
        return;
    const std::unique_ptr<history::CommandRecord> record = std::move(record_);
    if (calibration)
        record->setCalibration(*calibration);
    // A stopped command shows no box; one that said something failed with what it said; one that
    // said nothing ended as its status line tells.
    if (session_.cancelled() || StopRequest::requested() || session_.isShutDown())
        record->setResult(history::Outcome::Stopped, recordBoxes_.join(u'\n'));
    else if (!recordBoxes_.isEmpty())
        record->setResult(history::Outcome::Failed, recordBoxes_.join(u'\n'));
    else if (record->resultText().isEmpty())
        record->setResult(history::Outcome::Done, ui.EdtStatus->text());
    const history::Event event = record->finish(messages_);
    if (!recordReachedPort_ && event.unit.serialNumber.isEmpty() && event.written.isEmpty() && !event.asFound)
        return;  // refused before any frame: nothing happened to a transmitter
    lastReads_.note(event);

    if (!recorder_) {
        recorder_ = std::make_unique<history::Recorder>(historyPath());
        connect(recorder_.get(), &history::Recorder::recorded, this, &MainWindow::onRecorded);
    }
    shownAtRecord_.insert(event.id, { ui.EdtStatus->text(), ui.EdtStatRHT->text(), ui.EdtStatT->text() });
    // Queued also while the server's setting is refused: the events go once it is right.
    recorder_->record(event, !settings_.PlantServer.isEmpty() || settings_.PlantServerRefused);
}

void MainWindow::onRecorded(const QString& id, const QString& problem, const QString& notice)
{
    const QStringList shown = shownAtRecord_.take(id);
    if (!notice.isEmpty())
        QTextStream(stderr) << notice << '\n';
    if (problem.isEmpty()) {
        if (auto* window = findChild<HistoryWindow*>(QStringLiteral("HistoryWindow"), Qt::FindDirectChildrenOnly))
            window->refresh();
        sendToPlant();
        return;
    }
    // Said after the command's own result and beside it, never instead of it, nor beside a later
    // command's.
    QTextStream(stderr) << problem << '\n';
    const std::array<QLineEdit*, 3> lines { ui.EdtStatus, ui.EdtStatRHT, ui.EdtStatT };
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i]->text() == shown.value(int(i)))
            lines[i]->setText(QCoreApplication::translate("korv::MainWindow", "%1 (evento não registrado)")
                                  .arg(lines[i]->text())
                                  .trimmed());
    }
}

void MainWindow::sendToPlant()
{
    if (settings_.PlantServer.isEmpty())
        return;
    if (!plant_) {
        plant_ = std::make_unique<history::PlantForwarder>(historyPath(), settings_.PlantServer);
        // The server's trouble is the plant's, not the command's: it is said beside the menu
        // item that shows the record, and on standard error, once per change.
        connect(plant_.get(), &history::PlantForwarder::finished, this, [this](const history::PlantResult& result) {
            if (result.problem != ui.HistoryItem->toolTip() && !result.problem.isEmpty())
                QTextStream(stderr) << result.problem << '\n';
            ui.HistoryItem->setToolTip(result.problem);
        });
    }
    plant_->kick();
}

}  // namespace korv
