#pragma once

#include "core/diagnostics/ConnectionCheck.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace korv {

// The connection check as the technician sees it: one row per step with a tick or a cross and its
// sentence, filled in as the steps end. The window only shows; its owner runs the check.
class ConnectionCheckWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int StepCount = 7;

    explicit ConnectionCheckWindow(QWidget* parent = nullptr);

    void begin(const QString& port);
    void showStep(const CheckStep& step);
    void finish(const ConnectionReport& report);

    // What a step's row shows: its mark and its sentence.
    QString markOf(CheckStep::Id id) const;
    QString sentenceOf(CheckStep::Id id) const;
    QString summary() const;

Q_SIGNALS:
    void checkRequested();

private:
    struct Row {
        QLabel* mark = nullptr;
        QLabel* title = nullptr;
        QLabel* sentence = nullptr;
    };
    const Row& row(CheckStep::Id id) const { return rows_[static_cast<size_t>(id)]; }
    void fitToText();

    QLabel* port_ = nullptr;
    std::array<Row, StepCount> rows_ {};
    QLabel* summary_ = nullptr;
    QPushButton* again_ = nullptr;
};

}  // namespace korv
