#include "app/mainwindow/parts/StatusLines.h"

#include "app/mainwindow/MainWindowUi.h"

#include <QCoreApplication>

#include <utility>

namespace korv {

StatusLines::StatusLines(MainWindowUi& ui)
    : ui_(ui)
{
}

QStringList StatusLines::texts() const
{
    return { ui_.EdtStatus->text(), ui_.EdtStatRHT->text(), ui_.EdtStatT->text() };
}

void StatusLines::restore(const QStringList& texts)
{
    ui_.EdtStatus->setText(texts.value(0));
    ui_.EdtStatRHT->setText(texts.value(1));
    ui_.EdtStatT->setText(texts.value(2));
}

void StatusLines::setAll(const QString& text)
{
    ui_.EdtStatus->setText(text);
    ui_.EdtStatRHT->setText(text);
    ui_.EdtStatT->setText(text);
}

void StatusLines::clear()
{
    ui_.EdtStatus->clear();
    ui_.EdtStatRHT->clear();
    ui_.EdtStatT->clear();
}

void StatusLines::showStepProgress(std::size_t step, std::size_t steps)
{
    // A command that has run for about a second shows which of its steps it is at; once the steps
    // have ended the status line shows what it showed before, and the command's result follows.
    if (step >= steps) {
        if (progressTexts_)
            restore(*std::exchange(progressTexts_, std::nullopt));
        return;
    }
    if (!progressTexts_) {
        if (!commandClock_.isValid() || commandClock_.elapsed() < 1000)
            return;
        progressTexts_ = texts();
    }
    setAll(QCoreApplication::translate("korv::MainWindow", "Passo %1 de %2…").arg(step + 1).arg(steps));
}

}  // namespace korv
