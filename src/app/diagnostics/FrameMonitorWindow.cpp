#include "app/diagnostics/FrameMonitorWindow.h"

#include "app/shared/FileDialogs.h"
#include "common/MessageBoxes.h"
#include "core/files/FileSave.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QShowEvent>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korv {

namespace {

// Looked up at each use: the language can change while the program runs.
QString caption()
{
    return QCoreApplication::translate("korv::FrameMonitorWindow", "Monitor de comunicação");
}
const QString TimeFormat = QStringLiteral("hh:mm:ss.zzz");
constexpr int TimeWidth = 12;
constexpr int DirectionWidth = 7;
constexpr int BytesWidth = 29;  // an echo and an answer: ten bytes

QString column(const QString& text, int width)
{
    return text.leftJustified(width) + QStringLiteral("  ");
}

}  // namespace

FrameMonitorWindow::FrameMonitorWindow(MessageBoxes& boxes, FileDialogs& saveDialog, QWidget* parent)
    : QDialog(parent)
    , boxes_(boxes)
    , saveDialog_(saveDialog)
{
    setObjectName(QStringLiteral("FrameMonitorWindow"));
    setWindowTitle(caption());
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    view_ = new QTreeWidget(this);
    view_->setObjectName(QStringLiteral("MonitorView"));
    view_->setColumnCount(4);
    view_->setHeaderLabels({ QCoreApplication::translate("korv::FrameMonitorWindow", "Hora"),
        QCoreApplication::translate("korv::FrameMonitorWindow", "Sentido"), QStringLiteral("Bytes"),
        QCoreApplication::translate("korv::FrameMonitorWindow", "Significado") });
    view_->setRootIsDecorated(false);
    view_->setAccessibleName(QCoreApplication::translate("korv::FrameMonitorWindow", "Quadros enviados e recebidos"));
    view_->setUniformRowHeights(true);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->header()->setStretchLastSection(true);
    const QFontMetrics metrics(view_->font());
    const int padding = metrics.horizontalAdvance(QStringLiteral("00"));
    view_->header()->resizeSection(0, metrics.horizontalAdvance(QStringLiteral("00:00:00.000")) + padding);
    view_->header()->resizeSection(
        1, metrics.horizontalAdvance(QCoreApplication::translate("korv::FrameMonitorWindow", "Sentido")) + padding);
    view_->header()->resizeSection(2, metrics.horizontalAdvance(QString(BytesWidth, u'0')) + padding);
    layout->addWidget(view_, 1);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("MonitorStatus"));
    status_->setTextFormat(Qt::PlainText);
    layout->addWidget(status_);

    auto* buttons = new QDialogButtonBox(this);
    pause_ = buttons->addButton(
        QCoreApplication::translate("korv::FrameMonitorWindow", "&Pausar"), QDialogButtonBox::ActionRole);
    pause_->setObjectName(QStringLiteral("MonitorPauseButton"));
    pause_->setCheckable(true);
    QPushButton* clear = buttons->addButton(
        QCoreApplication::translate("korv::FrameMonitorWindow", "&Limpar"), QDialogButtonBox::ActionRole);
    clear->setObjectName(QStringLiteral("MonitorClearButton"));
    QPushButton* save = buttons->addButton(
        QCoreApplication::translate("korv::FrameMonitorWindow", "&Salvar como texto…"), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("MonitorSaveButton"));
    QPushButton* close = buttons->addButton(
        QCoreApplication::translate("korv::FrameMonitorWindow", "&Fechar"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("MonitorCloseButton"));
    connect(pause_, &QPushButton::toggled, this, [this](bool on) { setPaused(on); });
    connect(clear, &QPushButton::clicked, this, [this] { clearLines(); });
    connect(save, &QPushButton::clicked, this, [this] { saveAsText(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(900, 440);
    updateStatus();
}

LinkListener FrameMonitorWindow::listener()
{
    if (!listening_)
        return {};
    // The link tells from its own thread: the line is stamped there, at the moment of the event,
    // and shown here.
    return [this](const LinkEvent& event) {
        Line line { QDateTime::currentDateTime(), frame::monitorLine(event) };
        if (QThread::currentThread() == thread())
            append(std::move(line));
        else
            QMetaObject::invokeMethod(
                this, [this, line] { append(line); }, Qt::QueuedConnection);
    };
}

void FrameMonitorWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (listening_ || event->spontaneous())
        return;
    if (everShown_ && !lines_.empty()) {
        append({ QDateTime::currentDateTime(),
            { QStringLiteral("--"), {},
                QCoreApplication::translate("korv::FrameMonitorWindow",
                    "monitor aberto de novo; o que passou enquanto esteve fechado não foi registrado") } });
    }
    everShown_ = true;
    listening_ = true;
    Q_EMIT listeningChanged(true);
}

void FrameMonitorWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // A minimised window still listens (its hide comes from the window system); only a closed one
    // stops.
    if (!listening_ || event->spontaneous())
        return;
    listening_ = false;
    Q_EMIT listeningChanged(false);
}

void FrameMonitorWindow::record(const LinkEvent& event)
{
    append({ QDateTime::currentDateTime(), frame::monitorLine(event) });
}

void FrameMonitorWindow::append(Line line)
{
    lines_.push_back(std::move(line));
    if (paused_)
        updateStatus();
    else
        showHeldLines();
}

void FrameMonitorWindow::showHeldLines()
{
    for (; shown_ < lines_.size(); ++shown_) {
        const Line& line = lines_[shown_];
        auto* item = new QTreeWidgetItem(view_);
        item->setText(0, line.time.toString(TimeFormat));
        item->setText(1, line.content.direction);
        item->setText(2, line.content.bytes);
        item->setText(3, line.content.meaning);
    }
    view_->scrollToBottom();
    updateStatus();
}

void FrameMonitorWindow::setPaused(bool paused)
{
    if (paused_ == paused)
        return;
    paused_ = paused;
    {
        const QSignalBlocker quiet(pause_);
        pause_->setChecked(paused);
    }
    pause_->setText(paused ? QCoreApplication::translate("korv::FrameMonitorWindow", "&Continuar")
                           : QCoreApplication::translate("korv::FrameMonitorWindow", "&Pausar"));
    if (!paused)
        showHeldLines();
    updateStatus();
}

void FrameMonitorWindow::clearLines()
{
    lines_.clear();
    shown_ = 0;
    view_->clear();
    updateStatus();
}

int FrameMonitorWindow::shownLineCount() const
{
    return view_->topLevelItemCount();
}

QString FrameMonitorWindow::text() const
{
    QString out = QStringLiteral("KOrvSetup - %1\n").arg(caption());
    if (!lines_.empty())
        out += QCoreApplication::translate("korv::FrameMonitorWindow", "Início: %1\n")
                   .arg(lines_.front().time.toString(Qt::ISODate));
    out += column(QCoreApplication::translate("korv::FrameMonitorWindow", "Hora"), TimeWidth)
        + column(QCoreApplication::translate("korv::FrameMonitorWindow", "Sentido"), DirectionWidth)
        + column(QStringLiteral("Bytes"), BytesWidth)
        + QCoreApplication::translate("korv::FrameMonitorWindow", "Significado\n");
    for (const Line& line : lines_) {
        out += column(line.time.toString(TimeFormat), TimeWidth) + column(line.content.direction, DirectionWidth)
            + column(line.content.bytes, BytesWidth) + line.content.meaning + u'\n';
    }
    return out;
}

bool FrameMonitorWindow::saveAsText()
{
    const QString suggested = QDir::current().filePath(
        QStringLiteral("monitor-%1.txt").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"))));
    const QString path = saveDialog_.saveFileName(this,
        QCoreApplication::translate("korv::FrameMonitorWindow", "Salvar o monitor como texto"), suggested,
        FileKind::Text);
    if (path.isEmpty())
        return false;
    QByteArray bytes = text().toUtf8();
#ifdef Q_OS_WIN
    // The line endings Windows editors expect, as a file opened in text mode wrote them.
    bytes.replace("\n", "\r\n");
#endif
    // Written whole or not at all: a failed save never leaves a cut file where an older one was.
    const SaveResult result = saveFile(path, bytes);
    if (!result.saved()) {
        boxes_.warning(caption(),
            QCoreApplication::translate("korv::FrameMonitorWindow", "Não foi possível salvar em %1: %2.")
                .arg(path, result.reason));
        return false;
    }
    status_->setText(QCoreApplication::translate("korv::FrameMonitorWindow", "Salvo em %1.").arg(path));
    return true;
}

void FrameMonitorWindow::updateStatus()
{
    const std::size_t held = lines_.size() - shown_;
    if (paused_)
        status_->setText(
            QCoreApplication::translate("korv::FrameMonitorWindow", "Pausado: %1 linha(s) em espera.").arg(held));
    else
        status_->setText(QCoreApplication::translate("korv::FrameMonitorWindow", "%1 linha(s).").arg(lines_.size()));
}

}  // namespace korv
