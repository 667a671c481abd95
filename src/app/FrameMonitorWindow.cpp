#include "app/FrameMonitorWindow.h"

#include "app/FileDialogs.h"
#include "common/MessageBoxes.h"
#include "core/files/FileSave.h"

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

const QString Caption = QStringLiteral("Monitor de comunicação");
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
    setWindowTitle(Caption);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    view_ = new QTreeWidget(this);
    view_->setObjectName(QStringLiteral("MonitorView"));
    view_->setColumnCount(4);
    view_->setHeaderLabels(
        { QStringLiteral("Hora"), QStringLiteral("Sentido"), QStringLiteral("Bytes"), QStringLiteral("Significado") });
    view_->setRootIsDecorated(false);
    view_->setAccessibleName(QStringLiteral("Quadros enviados e recebidos"));
    view_->setUniformRowHeights(true);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->header()->setStretchLastSection(true);
    const QFontMetrics metrics(view_->font());
    const int padding = metrics.horizontalAdvance(QStringLiteral("00"));
    view_->header()->resizeSection(0, metrics.horizontalAdvance(QStringLiteral("00:00:00.000")) + padding);
    view_->header()->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("Sentido")) + padding);
    view_->header()->resizeSection(2, metrics.horizontalAdvance(QString(BytesWidth, u'0')) + padding);
    layout->addWidget(view_, 1);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("MonitorStatus"));
    status_->setTextFormat(Qt::PlainText);
    layout->addWidget(status_);

    auto* buttons = new QDialogButtonBox(this);
    pause_ = buttons->addButton(QStringLiteral("&Pausar"), QDialogButtonBox::ActionRole);
    pause_->setObjectName(QStringLiteral("MonitorPauseButton"));
    pause_->setCheckable(true);
    QPushButton* clear = buttons->addButton(QStringLiteral("&Limpar"), QDialogButtonBox::ActionRole);
    clear->setObjectName(QStringLiteral("MonitorClearButton"));
    QPushButton* save = buttons->addButton(QStringLiteral("&Salvar como texto…"), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("MonitorSaveButton"));
    QPushButton* close = buttons->addButton(QStringLiteral("&Fechar"), QDialogButtonBox::RejectRole);
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
                QStringLiteral("monitor aberto de novo; o que passou enquanto esteve fechado não foi registrado") } });
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
    pause_->setText(paused ? QStringLiteral("&Continuar") : QStringLiteral("&Pausar"));
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
    QString out = QStringLiteral("KOrvSetup - %1\n").arg(Caption);
    if (!lines_.empty())
        out += QStringLiteral("Início: %1\n").arg(lines_.front().time.toString(Qt::ISODate));
    out += column(QStringLiteral("Hora"), TimeWidth) + column(QStringLiteral("Sentido"), DirectionWidth)
        + column(QStringLiteral("Bytes"), BytesWidth) + QStringLiteral("Significado\n");
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
    const QString path
        = saveDialog_.saveFileName(this, QStringLiteral("Salvar o monitor como texto"), suggested, FileKind::Text);
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
        boxes_.warning(Caption, QStringLiteral("Não foi possível salvar em %1: %2.").arg(path, result.reason));
        return false;
    }
    status_->setText(QStringLiteral("Salvo em %1.").arg(path));
    return true;
}

void FrameMonitorWindow::updateStatus()
{
    const std::size_t held = lines_.size() - shown_;
    if (paused_)
        status_->setText(QStringLiteral("Pausado: %1 linha(s) em espera.").arg(held));
    else
        status_->setText(QStringLiteral("%1 linha(s).").arg(lines_.size()));
}

}  // namespace korv
