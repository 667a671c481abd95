#include "app/mainwindow/MainWindow.h"

#include "app/shared/HelpFile.h"
#include "core/link/SerialLink.h"
#include "core/protocol/SendReport.h"
#include "headrail/HeadRailPage.h"
#include "humidity_ambient/HumAmbPages.h"
#include "widgets/FreshEntry.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>

#include <utility>

namespace korv {

void MainWindow::Ler_ConfigClick()
{
    const ActivityScope command(activity_, Activity::Kind::Command);
    if (!command.began())
        return;
    recordBegins(QStringLiteral("read"));
    files_.forget();
    readConfiguration();
    endRecord();
}

void MainWindow::readConfiguration()
{
    setBusyCursor(true);
    statusLines_.clear();
    if (contactTransmitter(ReadCommandContact) != ContactOutcome::Made) {
        session_.link().Close();
        ShowWarning(messages_[Msg::CommunicationError]);
        clearInfoMemos();
        setBusyCursor(false);
        return;
    }
    if (retryStep(StepAttempts, [this] { return IdentifyTransmitter(); }) != Status::Ok) {
        ShowWarning(messages_[Msg::CommunicationError]);
        appendEmptyLineToInfoMemos();
        setBusyCursor(false);
        return;
    }
    pageFor(identification().TransmitterModel).readConfiguration();
    setBusyCursor(false);
}

void MainWindow::Enviar_ConfigClick()
{
    const ActivityScope command(activity_, Activity::Kind::Command);
    if (!command.began())
        return;
    // The log names this send's writes only, also when it stops before its first write.
    session_.clearWrites();
    recordBegins(files_.opened().isEmpty() ? QStringLiteral("send") : QStringLiteral("send-file"));
    const int withheld = session_.withheldFrames();
    // A send by its mnemonic leaves the focus where it was: a zero edit passed through with nothing
    // typed shows its value again before the form is read, as when a click takes the focus away.
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        endFreshEntry(edit);
    setBusyCursor(true);
    pageFor(identification().TransmitterModel).sendConfiguration();
    setBusyCursor(false);
    // A send cut short by a quit leaves no window to read its notice in: it also goes to standard
    // error, where whoever ended the program can see what the transmitter was left holding.
    if (session_.withheldFrames() != withheld) {
        QTextStream err(stderr);
        for (const QString& line : partialSendNotice(session_.writes()))
            err << line << '\n';
    }
    endRecord();
}

MainWindow::FamilyPage MainWindow::familyPage(Model model)
{
    switch (familyOf(model).value_or(Family::HeadRail)) {
    case Family::Humidity:
        return { humidity_.get(), &MainWindow::arrangeHumiditySheet };
    case Family::Ambient:
        return { ambient_.get(), &MainWindow::arrangeAmbientSheet };
    case Family::HeadRail:
        break;
    }
    // The four head/rail models, and a transmitter not (yet) identified.
    return { headRail_.get(), &MainWindow::arrangeHeadRailSheet };
}

TransmitterPage& MainWindow::pageFor(Model model)
{
    return *familyPage(model).page;
}

void MainWindow::setStatusLines(const QString& text)
{
    statusLines_.setAll(text);
}

void MainWindow::clearInfoMemos()
{
    ui.Config_Transmissor->setPlainText(QString());
    ui.Config_OrvHu->setPlainText(QString());
    ui.Config_TxT->clear();
}

void MainWindow::appendEmptyLineToInfoMemos()
{
    ui.Config_Transmissor->appendPlainText(QString());
    ui.Config_OrvHu->appendPlainText(QString());
    ui.Config_TxT->appendPlainText(QString());
}

void MainWindow::syncUnitMenu()
{
    ui.celsiusItem->setChecked(!unitFahrenheit_);
    ui.fahrenheitItem->setChecked(unitFahrenheit_);
}

void MainWindow::onCelsius()
{
    const ActivityScope change(activity_, Activity::Kind::Unit);
    if (!change.began() || !unitFahrenheit_) {
        syncUnitMenu();  // clicking the checked item changes nothing, not even its check mark
        return;
    }
    unitFahrenheit_ = false;
    syncUnitMenu();
    settings_.UnitSetting = QStringLiteral("C");
    for (TransmitterPage* page : pages())
        page->unitChanged();
}

void MainWindow::onFahrenheit()
{
    const ActivityScope change(activity_, Activity::Kind::Unit);
    if (!change.began() || unitFahrenheit_) {
        syncUnitMenu();
        return;
    }
    unitFahrenheit_ = true;
    syncUnitMenu();
    settings_.UnitSetting = QStringLiteral("F");
    for (TransmitterPage* page : pages())
        page->unitChanged();
}

void MainWindow::setAboutBox(QDialog* about)
{
    aboutBox_ = about;
}

void MainWindow::onAbout()
{
    if (aboutBox_) {
        aboutBox_->show();
        aboutBox_->raise();
    }
}

void MainWindow::onHelpTopics()
{
    openHelpFile(StartDirectory);
}

void MainWindow::onTabChanged()
{
    headRailTabs_.follow();
}

}  // namespace korv
