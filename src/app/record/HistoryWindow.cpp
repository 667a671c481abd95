#include "app/record/HistoryWindow.h"

#include "app/shared/FileDialogs.h"
#include "common/MessageBoxes.h"
#include "core/files/FileSave.h"
#include "core/history/HistoryExport.h"
#include "core/history/HistoryText.h"
#include "core/protocol/Model.h"
#include "report/UnitReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korv {

using namespace korv::history;

namespace {

// Looked up at each use: the language can change while the program runs.
QString caption()
{
    return QCoreApplication::translate("korv::HistoryWindow", "Registro");
}
const QString DiffersMark = QStringLiteral("≠");

int columnOf(const char* name)
{
    return int(ListColumns.indexOf(QLatin1String(name)));
}

// The store's rows as people read them: the time on the bench's clock with its offset, the result
// in words, the id as short as the command line shows it. Everything else as stored.
class EventListModel final : public QSqlQueryModel {
public:
    using QSqlQueryModel::QSqlQueryModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const QVariant stored = QSqlQueryModel::data(index, role);
        if (role != Qt::DisplayRole)
            return stored;
        if (index.column() == columnOf("time_utc")) {
            const QDateTime utc = QDateTime::fromString(stored.toString(), Qt::ISODateWithMs);
            return benchTimeText(utc, QSqlQueryModel::data(index.siblingAtColumn(columnOf("utc_offset"))).toInt());
        }
        if (index.column() == columnOf("command"))
            return commandText(stored.toString());
        if (index.column() == columnOf("result"))
            return outcomeText(outcomeNamed(stored.toString()).value_or(Outcome::Failed));
        if (index.column() == columnOf("id"))
            return stored.toString().left(8);
        return stored;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        const QStringList headers { QCoreApplication::translate("korv::HistoryWindow", "Evento"),
            QCoreApplication::translate("korv::HistoryWindow", "Data"), QString(),
            QCoreApplication::translate("korv::HistoryWindow", "Número de série"),
            QCoreApplication::translate("korv::HistoryWindow", "Modelo"),
            QCoreApplication::translate("korv::HistoryWindow", "Comando"),
            QCoreApplication::translate("korv::HistoryWindow", "Resultado"),
            QCoreApplication::translate("korv::HistoryWindow", "Mensagem"),
            QCoreApplication::translate("korv::HistoryWindow", "Bancada"),
            QCoreApplication::translate("korv::HistoryWindow", "Usuário"),
            QCoreApplication::translate("korv::HistoryWindow", "Interface") };
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < headers.size())
            return headers[section];
        return QSqlQueryModel::headerData(section, orientation, role);
    }
};

QString suggestedPath(const QString& stem, const QString& suffix)
{
    return QDir::current().filePath(
        QStringLiteral("%1-%2.%3")
            .arg(stem, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")), suffix));
}

}  // namespace

HistoryWindow::HistoryWindow(Store& store, MessageBoxes& boxes, FileDialogs& fileDialogs, QWidget* parent)
    : QDialog(parent)
    , store_(store)
    , boxes_(boxes)
    , fileDialogs_(fileDialogs)
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(caption());
    setModal(false);
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    buildFilterRow(layout);

    list_ = new EventListModel(this);
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("HistoryView"));
    view_->setModel(list_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    // Rows of one height: the view then never measures rows it does not show.
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setAccessibleName(QCoreApplication::translate("korv::HistoryWindow", "Eventos"));
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { showDetail(); });

    summary_ = new QPlainTextEdit(this);
    summary_->setObjectName(QStringLiteral("HistorySummary"));
    summary_->setReadOnly(true);
    summary_->setAccessibleName(QCoreApplication::translate("korv::HistoryWindow", "Evento selecionado"));
    // A Tab stop worth its place: with a cursor of its own the event can be read line by line,
    // aloud too.
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    comparison_ = new QTreeWidget(this);
    comparison_->setObjectName(QStringLiteral("HistoryComparison"));
    comparison_->setHeaderLabels({ QCoreApplication::translate("korv::HistoryWindow", "Item"),
        QCoreApplication::translate("korv::HistoryWindow", "Como encontrado"),
        QCoreApplication::translate("korv::HistoryWindow", "Como deixado"), QString() });
    comparison_->setUniformRowHeights(true);
    comparison_->setAccessibleName(
        QCoreApplication::translate("korv::HistoryWindow", "Como encontrado e como deixado"));
    comparison_->header()->setStretchLastSection(false);
    comparison_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    comparison_->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    comparison_->header()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    auto* detail = new QSplitter(Qt::Horizontal, this);
    detail->addWidget(summary_);
    detail->addWidget(comparison_);
    detail->setSizes({ 400, 600 });
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(view_);
    split->addWidget(detail);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("HistoryStatus"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    layout->addWidget(status_);

    auto* buttons = new QDialogButtonBox(this);
    export_ = buttons->addButton(
        QCoreApplication::translate("korv::HistoryWindow", "&Exportar CSV…"), QDialogButtonBox::ActionRole);
    export_->setObjectName(QStringLiteral("HistoryExportButton"));
    report_ = buttons->addButton(
        QCoreApplication::translate("korv::HistoryWindow", "&Relatório…"), QDialogButtonBox::ActionRole);
    report_->setObjectName(QStringLiteral("HistoryReportButton"));
    QPushButton* close = buttons->addButton(
        QCoreApplication::translate("korv::HistoryWindow", "&Fechar"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("HistoryCloseButton"));
    connect(export_, &QPushButton::clicked, this, [this] { exportCsv(); });
    connect(report_, &QPushButton::clicked, this, [this] { writeReport(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    resize(1180, 720);
    refresh();
}

void HistoryWindow::layOutColumns()
{
    QHeaderView* header = view_->horizontalHeader();
    // A list that could not be read has no columns; the widths come once it has them.
    if (header->count() != ListColumns.size() || columnsLaidOut_)
        return;
    columnsLaidOut_ = true;
    // Widths from the font rather than from the rows: measuring them would read the whole list.
    const QFontMetrics metrics(view_->font());
    const auto width = [&](const QString& sample) { return metrics.horizontalAdvance(sample) + metrics.height(); };
    header->setSectionHidden(columnOf("utc_offset"), true);
    header->resizeSection(columnOf("id"), width(QStringLiteral("00000000")));
    header->resizeSection(columnOf("time_utc"), width(QStringLiteral("00/00/0000 00:00:00 (UTC-00:00)")));
    header->resizeSection(columnOf("serial_number"), width(QStringLiteral("Número de série00")));
    header->resizeSection(columnOf("model"), width(QStringLiteral("OrvGalHead0")));
    header->resizeSection(columnOf("command"), width(QStringLiteral("Enviar configuração")));
    header->resizeSection(columnOf("bench"), width(QStringLiteral("bancada-00")));
    header->resizeSection(columnOf("user_name"), width(QStringLiteral("Usuário0")));
    header->resizeSection(columnOf("result"), width(QStringLiteral("Interrompido")));
    header->resizeSection(columnOf("result_text"), width(QStringLiteral("Configuração enviada.")));
    // The id last: it is for finding the event again from the command line.
    header->moveSection(header->visualIndex(columnOf("id")), header->count() - 1);
}

void HistoryWindow::buildFilterRow(QBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    serial_ = new QLineEdit(this);
    serial_->setObjectName(QStringLiteral("HistorySerialFilter"));
    serial_->setPlaceholderText(QCoreApplication::translate("korv::HistoryWindow", "Número de série"));
    serial_->setClearButtonEnabled(true);
    model_ = new QComboBox(this);
    model_->setObjectName(QStringLiteral("HistoryModelFilter"));
    model_->addItem(QCoreApplication::translate("korv::HistoryWindow", "Todos os modelos"), QString());
    for (Model model : allModels())
        model_->addItem(modelString(model), modelString(model));
    result_ = new QComboBox(this);
    result_->setObjectName(QStringLiteral("HistoryResultFilter"));
    result_->addItem(QCoreApplication::translate("korv::HistoryWindow", "Todos os resultados"), QString());
    for (Outcome outcome : { Outcome::Done, Outcome::Failed, Outcome::Stopped })
        result_->addItem(outcomeText(outcome), outcomeName(outcome));
    bench_ = new QLineEdit(this);
    bench_->setObjectName(QStringLiteral("HistoryBenchFilter"));
    bench_->setPlaceholderText(QCoreApplication::translate("korv::HistoryWindow", "Bancada"));
    bench_->setClearButtonEnabled(true);
    // The filters have no labels: their placeholders say what they take.
    for (QLineEdit* edit : { serial_, bench_ })
        edit->setAccessibleName(edit->placeholderText());

    // A date filters only while its box is ticked: an empty date is no filter, not a day.
    const auto dateFilter = [&](const QString& name, const QString& label, const QString& accessibleName,
                                QCheckBox*& set, QDateEdit*& date) {
        set = new QCheckBox(label, this);
        set->setObjectName(name + QStringLiteral("Set"));
        date = new QDateEdit(QDate::currentDate(), this);
        date->setObjectName(name);
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        date->setEnabled(false);
        // Its own text, not the label's without the "&": one the translations know, so that it
        // follows a change of language as the label does.
        date->setAccessibleName(accessibleName);
        connect(set, &QCheckBox::toggled, date, &QWidget::setEnabled);
        connect(set, &QCheckBox::toggled, this, [this] { refresh(); });
        connect(date, &QDateEdit::dateChanged, this, [this] { refresh(); });
        row->addWidget(set);
        row->addWidget(date);
    };
    row->addWidget(serial_, 2);
    row->addWidget(model_, 1);
    dateFilter(QStringLiteral("HistorySince"), QCoreApplication::translate("korv::HistoryWindow", "&Desde"),
        QCoreApplication::translate("korv::HistoryWindow", "Desde"), sinceSet_, since_);
    dateFilter(QStringLiteral("HistoryUntil"), QCoreApplication::translate("korv::HistoryWindow", "&Até"),
        QCoreApplication::translate("korv::HistoryWindow", "Até"), untilSet_, until_);
    row->addWidget(result_, 1);
    row->addWidget(bench_, 1);
    layout->addLayout(row);
    // The dates were made after the filters beside them: Tab goes along the row as it is seen.
    QWidget* previous = serial_;
    for (QWidget* next :
        std::initializer_list<QWidget*> { model_, sinceSet_, since_, untilSet_, until_, result_, bench_ }) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(serial_, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(bench_, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(model_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(result_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
}

Filter HistoryWindow::filter() const
{
    Filter filter;
    filter.serialNumber = serial_->text().trimmed();
    filter.model = model_->currentData().toString();
    filter.bench = bench_->text().trimmed();
    filter.outcome = outcomeNamed(result_->currentData().toString());
    if (sinceSet_->isChecked())
        filter.since = since_->date();
    if (untilSet_->isChecked())
        filter.until = until_->date();
    return filter;
}

void HistoryWindow::refresh()
{
    // Until the widgets exist (the constructor's own first call comes after them).
    if (!list_)
        return;
    const bool open = store_.open();
    status_->setText(open ? store_.notice() : store_.problem());
    export_->setEnabled(open);
    // The query model asks the query for rows as the view scrolls to them.
    if (open)
        list_->setQuery(store_.list(filter()));
    else
        list_->clear();
    columnsLaidOut_ = columnsLaidOut_ && open;
    layOutColumns();
    showDetail();
}

QString HistoryWindow::selectedId() const
{
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : list_->record(rows.constFirst().row()).value(columnOf("id")).toString();
}

void HistoryWindow::showDetail()
{
    summary_->clear();
    comparison_->clear();
    const std::optional<Event> event = store_.isOpen() ? store_.event(selectedId()) : std::nullopt;
    report_->setEnabled(event.has_value());
    if (!event)
        return;
    summary_->setPlainText(eventText(*event));
    // A difference is bold and marked, in the theme's own colours: a fixed colour would be
    // unreadable on one theme or another.
    const auto section = [this](const QString& title, const QList<Comparison>& rows, const QString& missing) {
        if (rows.isEmpty())
            return;
        auto* top = new QTreeWidgetItem(comparison_, { title });
        QFont bold = comparison_->font();
        bold.setBold(true);
        top->setFont(0, bold);
        top->setFirstColumnSpanned(true);
        for (const Comparison& row : rows) {
            auto* item = new QTreeWidgetItem(top,
                { row.key, row.found.isEmpty() ? missing : row.found, row.left.isEmpty() ? missing : row.left,
                    row.differs ? DiffersMark : QString() });
            if (!row.differs)
                continue;
            for (int column = 0; column < comparison_->columnCount(); ++column)
                item->setFont(column, bold);
            item->setToolTip(
                3, QCoreApplication::translate("korv::HistoryWindow", "Como deixado difere de como encontrado"));
        }
        top->setExpanded(true);
    };
    section(QCoreApplication::translate("korv::HistoryWindow", "Registros"), registerComparison(*event), notReadText());
    section(QCoreApplication::translate("korv::HistoryWindow", "Configuração"), configurationComparison(*event),
        QStringLiteral("—"));
    if (event->calibration)
        section(QCoreApplication::translate("korv::HistoryWindow", "Calibração"),
            calibrationComparison(*event->calibration), QStringLiteral("—"));
    comparison_->resizeColumnToContents(0);
}

struct HistoryWindow::Export {
    QString path;
    QThread* worker = nullptr;
    QProgressDialog* progress = nullptr;
    QTimer poll;
    std::atomic_bool cancel { false };
    std::atomic_int written { 0 };
    int total = 0;
    SaveResult result;
    bool cancelled = false;
};

HistoryWindow::~HistoryWindow()
{
    if (running_) {
        running_->cancel = true;
        running_->worker->wait();
        delete running_->worker;
    }
}

bool HistoryWindow::exportCsv()
{
    if (running_)
        return false;
    const QString path
        = fileDialogs_.saveFileName(this, QCoreApplication::translate("korv::HistoryWindow", "Exportar o registro"),
            suggestedPath(QCoreApplication::translate("korv::HistoryWindow", "registro"), QStringLiteral("csv")),
            FileKind::Csv);
    if (path.isEmpty())
        return false;
    running_ = std::make_unique<Export>();
    Export& run = *running_;
    run.path = path;
    run.total = store_.count(filter());
    // The thread reads through a connection of its own: the list's stays with the window.
    run.worker = QThread::create([&run, recordPath = store_.path(), filter = filter()] {
        run.result = history::exportCsv(recordPath, filter, run.path, run.cancel, run.written);
        run.cancelled = run.cancel;
    });
    connect(run.worker, &QThread::finished, this, &HistoryWindow::exportEnded);
    run.progress = new QProgressDialog(QCoreApplication::translate("korv::HistoryWindow", "Exportando %1…").arg(path),
        QCoreApplication::translate("korv::HistoryWindow", "Cancelar"), 0, run.total, this);
    run.progress->setObjectName(QStringLiteral("HistoryExportProgress"));
    // Not modal: a modal progress box turns the event loop inside each setValue(), where the end
    // of the export could delete it. The export button waits meanwhile; the list may go on.
    run.progress->setWindowModality(Qt::NonModal);
    run.progress->setMinimumDuration(500);
    run.progress->setAutoReset(false);
    run.progress->setAutoClose(false);
    connect(run.progress, &QProgressDialog::canceled, this, [&run] { run.cancel = true; });
    connect(
        &run.poll, &QTimer::timeout, this, [&run] { run.progress->setValue(std::min(run.written.load(), run.total)); });
    run.poll.start(100);
    export_->setEnabled(false);
    run.worker->start();
    return true;
}

void HistoryWindow::exportEnded()
{
    const std::unique_ptr<Export> run = std::move(running_);
    run->worker->wait();
    delete run->worker;
    run->poll.stop();
    delete run->progress;
    export_->setEnabled(store_.isOpen());
    const bool saved = run->result.saved();
    if (saved) {
        status_->setText(QCoreApplication::translate("korv::HistoryWindow", "%1 eventos exportados para %2.")
                             .arg(run->written.load())
                             .arg(run->path));
    } else if (run->cancelled) {
        status_->setText(QCoreApplication::translate("korv::HistoryWindow",
            "A exportação para %1 foi cancelada; "
            "nada foi salvo.")
                             .arg(run->path));
    } else {
        boxes_.warning(caption(),
            QCoreApplication::translate("korv::HistoryWindow", "Não foi possível salvar em %1: %2.")
                .arg(run->path, run->result.reason));
    }
    Q_EMIT exportFinished(saved);
}

bool HistoryWindow::writeReport()
{
    const std::optional<Event> event = store_.event(selectedId());
    if (!event)
        return false;
    const QString stem = event->unit.serialNumber.isEmpty()
        ? QCoreApplication::translate("korv::HistoryWindow", "relatorio")
        : QCoreApplication::translate("korv::HistoryWindow", "relatorio-%1").arg(event->unit.serialNumber);
    const QString path
        = fileDialogs_.saveFileName(this, QCoreApplication::translate("korv::HistoryWindow", "Salvar o relatório"),
            suggestedPath(stem, QStringLiteral("pdf")), FileKind::Pdf);
    if (path.isEmpty())
        return false;
    const QString problem = report::writeUnitReport(*event, path);
    if (!problem.isEmpty()) {
        boxes_.warning(caption(),
            QCoreApplication::translate("korv::HistoryWindow", "Não foi possível salvar em %1: %2.")
                .arg(path, problem));
        return false;
    }
    status_->setText(QCoreApplication::translate("korv::HistoryWindow", "Relatório salvo em %1.").arg(path));
    return true;
}

void HistoryWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Commands may have recorded events since the list was last read.
    if (!event->spontaneous())
        refresh();
}

void HistoryWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // The list's commands and results and the selected event's detail are written in the
    // language of when they were drawn.
    if (event->type() == QEvent::LanguageChange) {
        view_->viewport()->update();
        showDetail();
    }
}

}  // namespace korv
