#include "app/diagnostics/ConnectionCheckWindow.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace korv {

namespace {

const QString Passed = QStringLiteral("✓");
const QString Failed = QStringLiteral("✗");
const QString NotChecked = QStringLiteral("–");

// Every text here comes from the system or the check; none of it is markup.
QLabel* plainLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void setMark(QLabel* mark, CheckStep::Outcome outcome)
{
    // Green and red read on a light and on a dark window alike only in shades picked for each.
    const bool dark = mark->palette().color(QPalette::Window).lightness() < 128;
    switch (outcome) {
    case CheckStep::Outcome::Passed:
        mark->setText(Passed);
        mark->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(dark ? "#3fb950" : "#1a7f37"));
        return;
    case CheckStep::Outcome::Failed:
        mark->setText(Failed);
        mark->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(dark ? "#f85149" : "#cf222e"));
        return;
    case CheckStep::Outcome::Skipped:
    case CheckStep::Outcome::NotRun:
        mark->setText(NotChecked);
        mark->setStyleSheet(
            QStringLiteral("color: %1;").arg(mark->palette().color(QPalette::Disabled, QPalette::WindowText).name()));
        return;
    }
}

}  // namespace

ConnectionCheckWindow::ConnectionCheckWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ConnectionCheckWindow"));
    setWindowTitle(QCoreApplication::translate("korv::ConnectionCheckWindow", "Verificar conexão"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    port_ = plainLabel(QStringLiteral("CheckPortLabel"), this);
    layout->addWidget(port_);

    auto* steps = new QGridLayout;
    steps->setColumnStretch(1, 1);
    steps->setHorizontalSpacing(10);
    for (int index = 0; index < StepCount; ++index) {
        const auto id = static_cast<CheckStep::Id>(index);
        Row& step = rows_[static_cast<size_t>(index)];
        step.mark = plainLabel(QStringLiteral("CheckMark%1").arg(index), this);
        step.mark->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
        step.mark->setMinimumWidth(step.mark->fontMetrics().horizontalAdvance(QStringLiteral("✓✓")));
        step.title = plainLabel(QStringLiteral("CheckTitle%1").arg(index), this);
        step.title->setText(checkStepTitle(id));
        QFont bold = step.title->font();
        bold.setBold(true);
        step.title->setFont(bold);
        step.sentence = plainLabel(QStringLiteral("CheckSentence%1").arg(index), this);
        step.sentence->setWordWrap(true);
        step.sentence->setTextInteractionFlags(Qt::TextSelectableByMouse);
        steps->addWidget(step.mark, 2 * index, 0, 2, 1);
        steps->addWidget(step.title, 2 * index, 1);
        steps->addWidget(step.sentence, 2 * index + 1, 1);
    }
    layout->addLayout(steps);

    summary_ = plainLabel(QStringLiteral("CheckSummary"), this);
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox(this);
    again_ = buttons->addButton(
        QCoreApplication::translate("korv::ConnectionCheckWindow", "&Verificar de novo"), QDialogButtonBox::ActionRole);
    again_->setObjectName(QStringLiteral("CheckAgainButton"));
    QPushButton* close = buttons->addButton(
        QCoreApplication::translate("korv::ConnectionCheckWindow", "&Fechar"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CheckCloseButton"));
    connect(again_, &QPushButton::clicked, this, [this] { Q_EMIT checkRequested(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
}

void ConnectionCheckWindow::begin(const QString& port)
{
    port_->setText(QCoreApplication::translate("korv::ConnectionCheckWindow", "Porta: %1").arg(port));
    for (Row& step : rows_) {
        step.mark->clear();
        step.mark->setStyleSheet({});
        step.sentence->clear();
    }
    summary_->setText(QCoreApplication::translate("korv::ConnectionCheckWindow", "Verificando…"));
    again_->setEnabled(false);
}

void ConnectionCheckWindow::showStep(const CheckStep& step)
{
    const Row& shown = row(step.id);
    setMark(shown.mark, step.outcome);
    shown.sentence->setText(step.sentence);
    fitToText();
}

void ConnectionCheckWindow::fitToText()
{
    // A window does not grow by itself when its wrapped labels need more lines.
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height())
        resize(width(), needed);
}

void ConnectionCheckWindow::finish(const ConnectionReport& report)
{
    for (const CheckStep& step : report.steps) {
        if (step.outcome == CheckStep::Outcome::NotRun) {
            setMark(row(step.id).mark, step.outcome);
            row(step.id).sentence->setText(QCoreApplication::translate(
                "korv::ConnectionCheckWindow", "Não verificado: antes, corrija o item marcado com ✗."));
        }
    }
    if (report.passed())
        summary_->setText(QCoreApplication::translate(
            "korv::ConnectionCheckWindow", "Tudo certo: o programa pode ler e configurar este transmissor."));
    else
        summary_->setText(QCoreApplication::translate(
            "korv::ConnectionCheckWindow", "Corrija o item marcado com ✗ e clique em «Verificar de novo»."));
    again_->setEnabled(true);
    fitToText();
}

QString ConnectionCheckWindow::markOf(CheckStep::Id id) const
{
    return row(id).mark->text();
}

QString ConnectionCheckWindow::sentenceOf(CheckStep::Id id) const
{
    return row(id).sentence->text();
}

QString ConnectionCheckWindow::summary() const
{
    return summary_->text();
}

}  // namespace korv
