#pragma once

#include "core/history/HistoryStore.h"

#include <QDialog>

#include <atomic>
#include <memory>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressDialog;
class QPushButton;
class QSqlQueryModel;
class QTableView;
class QTreeWidget;

namespace korv {

class MessageBoxes;
class FileDialogs;

// The record of commands, newest first, filtered by unit, model, dates, result and bench; the
// selected event in detail, its as found beside its as left; the events shown as CSV and the
// selected one as a PDF report. The list reads only the rows on screen, so a record of years
// opens at once.
class HistoryWindow : public QDialog {
    Q_OBJECT

public:
    HistoryWindow(history::Store& store, MessageBoxes& boxes, FileDialogs& fileDialogs, QWidget* parent = nullptr);
    // An export under way is cancelled, and waited for: it stops at the next row.
    ~HistoryWindow() override;

    // What the filter row asks for.
    history::Filter filter() const;
    // Lists again: after a command recorded its event, or a filter changed.
    void refresh();
    // The selected event's id; empty when none is selected.
    QString selectedId() const;
    // Ask where, then write on a thread of its own with a progress box and its Cancel, so that
    // years of events never hold the window; exportFinished tells how it ended. False when the
    // user chose no file or an export already runs.
    bool exportCsv();
    bool writeReport();

    QTableView* view() const { return view_; }

Q_SIGNALS:
    // Saved, or not (a failure is told in a box, a cancel in the status line).
    void exportFinished(bool saved);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildFilterRow(QBoxLayout* layout);
    void showDetail();
    void layOutColumns();
    struct Export;
    void exportEnded();

    history::Store& store_;
    MessageBoxes& boxes_;
    FileDialogs& fileDialogs_;
    QLineEdit* serial_ = nullptr;
    QComboBox* model_ = nullptr;
    QCheckBox* sinceSet_ = nullptr;
    QDateEdit* since_ = nullptr;
    QCheckBox* untilSet_ = nullptr;
    QDateEdit* until_ = nullptr;
    QComboBox* result_ = nullptr;
    QLineEdit* bench_ = nullptr;
    QSqlQueryModel* list_ = nullptr;
    QTableView* view_ = nullptr;
    QPlainTextEdit* summary_ = nullptr;
    QTreeWidget* comparison_ = nullptr;
    QPushButton* report_ = nullptr;
    QPushButton* export_ = nullptr;
    QLabel* status_ = nullptr;
    bool columnsLaidOut_ = false;
    std::unique_ptr<Export> running_;
};

}  // namespace korv
