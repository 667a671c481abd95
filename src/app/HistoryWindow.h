#pragma once

#include "core/history/HistoryStore.h"

#include <QDialog>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
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

    // What the filter row asks for.
    history::Filter filter() const;
    // Lists again: after a command recorded its event, or a filter changed.
    void refresh();
    // The selected event's id; empty when none is selected.
    QString selectedId() const;
    // Ask where, then write; false when the user cancelled or the file could not be written (which
    // is told in a box).
    bool exportCsv();
    bool writeReport();

    QTableView* view() const { return view_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildFilterRow(QBoxLayout* layout);
    void showDetail();
    void layOutColumns();

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
};

}  // namespace korv
