#include "app/Form1.h"

#include "app/HelpFile.h"
#include "humidity_ambient/HumAmbPages.h"
#include "link/Contact.h"
#include "temperature/HeadRailPage.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace korv {

namespace {
constexpr int ReadOkSeconds = 2;
}  // namespace

void TForm1::Ler_ConfigClick()
{
    setBusyCursor(true);
    clearStatusLines();
    if (contactTransmitter(*this, ReadCommandContact) != ContactOutcome::Made) {
        link().Close();
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
    if (isHumidity(ident_.TransmitterModel)) {
        humidity_->ReadHumidityConfig();
        setBusyCursor(false);
        return;
    }
    if (isAmbient(ident_.TransmitterModel)) {
        ambient_->ReadAmbientConfig();
        setBusyCursor(false);
        return;
    }
    shared_.SendInProgress = false;
    for (auto step : { &TForm1::ReadConfigWord, &TForm1::ReadRange, &TForm1::ReadZero }) {
        if (retryStep(StepAttempts, [this, step] { return (this->*step)(); }) != Status::Ok) {
            setBusyCursor(false);
            ShowWarning(messages_[Msg::CommunicationError]);
            return;
        }
    }
    ui.EdtStatus->setText(messages_[Msg::ReadOk]);
    ui.EdtStatRHT->setText(messages_[Msg::ReadOk]);
    StartStatusTimer(ReadOkSeconds);
    setBusyCursor(false);
}

void TForm1::Enviar_ConfigClick()
{
    if (isHumidity(ident_.TransmitterModel))
        humidity_->SendHumidityConfig();
    else if (isAmbient(ident_.TransmitterModel))
        ambient_->SendAmbientConfig();
    else
        headRail_->SendConfiguration();
}

Status TForm1::ReadConfigWord()
{
    if (isHumidity(ident_.TransmitterModel) || isAmbient(ident_.TransmitterModel)) {
        const Status status = protocol_.ReadParameter(1, shared_.ConfigWord);
        if (status != Status::Ok)
            return status;
        return isHumidity(ident_.TransmitterModel) ? humidity_->ReadHumidityFlags() : ambient_->ReadAmbientFlags();
    }
    return headRail_->ReadConfigWord();
}

Status TForm1::ReadRange()
{
    if (isHumidity(ident_.TransmitterModel))
        return humidity_->ReadHumidityRanges();
    if (isAmbient(ident_.TransmitterModel))
        return ambient_->ReadAmbientRange();
    return headRail_->ReadRange();
}

Status TForm1::ReadZero()
{
    // The ambient transmitter takes the head/rail variant here; its own zero text is filled by the
    // caller that reads its live value.
    if (isHumidity(ident_.TransmitterModel))
        return humidity_->ReadHumidityZeros();
    return headRail_->ReadZero();
}

Status TForm1::ReadHumidityLive()
{
    return humidity_->ReadHumidityLive();
}

Status TForm1::ReadAmbientLive()
{
    return ambient_->ReadAmbientLive();
}

void TForm1::refreshAmbientZeroCorrection()
{
    ui.EdtTempZeroCorrection->setText(ambient_->UpdateAmbientZeroLimits());
}

void TForm1::setStatusLines(const QString& text)
{
    ui.EdtStatus->setText(text);
    ui.EdtStatRHT->setText(text);
    ui.EdtStatT->setText(text);
}

void TForm1::clearInfoMemos()
{
    ui.Config_Transmissor->setPlainText(QString());
    ui.Config_OrvHu->setPlainText(QString());
    ui.Config_TxT->clear();
}

void TForm1::appendEmptyLineToInfoMemos()
{
    ui.Config_Transmissor->appendPlainText(QString());
    ui.Config_OrvHu->appendPlainText(QString());
    ui.Config_TxT->appendPlainText(QString());
}

bool TForm1::celsiusChecked() const
{
    return !unitFahrenheit_;
}

bool TForm1::fahrenheitChecked() const
{
    return unitFahrenheit_;
}

void TForm1::syncUnitMenu()
{
    ui.oC1->setChecked(!unitFahrenheit_);
    ui.OF1->setChecked(unitFahrenheit_);
}

void TForm1::oC1Click()
{
    if (!unitFahrenheit_) {
        syncUnitMenu();  // clicking the checked item changes nothing, not even its check mark
        return;
    }
    unitFahrenheit_ = false;
    syncUnitMenu();
    settings_.UnitSetting = QStringLiteral("C");
    headRail_->unitChangedToCelsius();
    humidity_->unitChanged();
    ambient_->unitChanged();
}

void TForm1::OF1Click()
{
    if (unitFahrenheit_) {
        syncUnitMenu();
        return;
    }
    unitFahrenheit_ = true;
    syncUnitMenu();
    settings_.UnitSetting = QStringLiteral("F");
    headRail_->unitChangedToFahrenheit();
    humidity_->unitChanged();
    ambient_->unitChanged();
}

void TForm1::setAboutBox(QDialog* about)
{
    aboutBox_ = about;
}

void TForm1::Sobre1Click()
{
    if (aboutBox_) {
        aboutBox_->show();
        aboutBox_->raise();
    }
}

void TForm1::Topicos1Click()
{
    openHelpFile(StartDirectory);
}

void TForm1::PageControl1Change()
{
    auto* tabs = ui.PageControl1;
    const int active = tabs->currentIndex();
    if (active == tabs->indexOf(ui.OrvHuSheet) || active == tabs->indexOf(ui.TxTSheet)
        || active == rememberedPageIndex_)
        return;
    moveHeadRailControls(rememberedPageIndex_, active);
}

void TForm1::moveHeadRailControls(int from, int to)
{
    auto* tabs = ui.PageControl1;
    QWidget* source = tabs->widget(from);
    QWidget* target = tabs->widget(to);
    if (!source || !target || source == target) {
        rememberedPageIndex_ = to;
        return;
    }
    // The last remaining child first, as the controls were created in tab order.
    const auto children = source->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        QWidget* child = *it;
        const QRect geometry = child->geometry();
        const bool visible = child->isVisibleTo(source);
        child->setParent(target);
        child->setGeometry(geometry);
        child->setVisible(visible);
    }
    rememberedPageIndex_ = to;
}

}  // namespace korv
