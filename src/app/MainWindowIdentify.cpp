#include "app/MainWindow.h"

#include "app/LanguageCaptions.h"
#include "core/families/humamb/HumAmbConfiguration.h"
#include "core/protocol/Identification.h"
#include "headrail/HeadRailPage.h"
#include "headrail/RadioGroup.h"
#include "humidity_ambient/HumAmbPages.h"
#include "i18n/LanguageApply.h"
#include "i18n/SensorList.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace korv {

std::array<TransmitterPage*, 3> MainWindow::pages() const
{
    return { headRail_.get(), humidity_.get(), ambient_.get() };
}

void MainWindow::showSerialNumber()
{
    const QString line = messages_[Msg::SerialNumberPrefix] + identification().SerialNumberText;
    ui.Config_Transmissor->setPlainText(line);
    ui.Config_OrvHu->setPlainText(line);
    ui.Config_TxT->clear();
    ui.Config_TxT->appendPlainText(line);
}

Status MainWindow::ReadSerialNumber()
{
    const Status status = session_.readSerialNumber();
    if (status == Status::Ok)
        showSerialNumber();
    return status;
}

ContactOutcome MainWindow::contactTransmitter(const ContactPolicy& policy)
{
    const ContactOutcome outcome = session_.contact(policy);
    if (outcome == ContactOutcome::Made)
        showSerialNumber();
    return outcome;
}

Status MainWindow::IdentifyTransmitter()
{
    const Status status = session_.identify();
    if (status != Status::Ok)
        return status;
    const IdentificationRecord& ident = identification();
    const Model model = ident.TransmitterModel;
    const int firmwareVersion = ident.FirmwareVersion;
    if (model != Model::Unknown) {
        ApplyModelScreen();
        pageFor(model).identified();
    }
    if (hasFirmwareRule(model)) {
        if (firmwareCompatible(model, firmwareVersion)) {
            ui.Enviar_Config->setEnabled(true);
        } else {
            ShowWarning(messages_[Msg::FirmwareIncompatible]);
            ui.Enviar_Config->setEnabled(false);
        }
    }

    const QString firmware = messages_[Msg::FirmwarePrefix] + firmwareText(firmwareVersion);
    auto* tabs = ui.tabs;
    ui.Config_Transmissor->appendPlainText(firmware);
    ui.Config_Transmissor->appendPlainText(messages_[Msg::ModelPrefix] + tabs->tabText(tabs->currentIndex()));
    ui.Config_OrvHu->appendPlainText(firmware);
    ui.Config_OrvHu->appendPlainText(messages_[Msg::ModelPrefix] + tabs->tabText(tabs->indexOf(ui.OrvHuSheet)));
    ui.Config_TxT->appendPlainText(QString());
    ui.Config_TxT->appendPlainText(firmware);
    ui.Config_TxT->appendPlainText(QString());
    ui.Config_TxT->appendPlainText(messages_[Msg::ModelPrefix] + tabs->tabText(tabs->indexOf(ui.TxTSheet)));
    return Status::Ok;
}

void MainWindow::HideAllTabs()
{
    auto* tabs = ui.tabs;
    for (QWidget* page :
        { ui.OrvHeadSheet, ui.OrvGalHeadSheet, ui.OrvDinSheet, ui.OrvGalDinSheet, ui.OrvHuSheet, ui.TxTSheet })
        tabs->setTabVisible(tabs->indexOf(page), false);
}

void MainWindow::ApplyModelScreen()
{
    // Installed copies have no useful working directory, so a file beside the settings (the user's
    // configuration folder) is read when the working directory has none.
    languageLines_
        = loadAndApplyLanguage(this, messages_, env_.languageDirectory, QFileInfo(settingsPath_).absolutePath());

    auto* tabs = ui.tabs;
    const Model model = identification().TransmitterModel;
    // The four head and rail models share the controls of the first page, shown under the model's
    // own caption.
    auto arrangeHeadRail = [&](QWidget* firstActive) {
        HideAllTabs();
        tabs->setCurrentWidget(firstActive);
        tabs->setTabVisible(tabs->indexOf(ui.OrvHeadSheet), true);
        tabs->setTabText(tabs->indexOf(ui.OrvHeadSheet), displayCaption(model));
        // Controls the user took to another head/rail page come home, or the page shown would be empty.
        moveHeadRailControls(rememberedPageIndex_, tabs->indexOf(ui.OrvHeadSheet));
        tabs->setCurrentWidget(ui.OrvHeadSheet);
    };
    if (model == Model::OrvGalDin && std::exchange(firstGalDin_, false))
        arrangeHeadRail(ui.OrvGalDinSheet);
    else if (model == Model::OrvGalHead && std::exchange(firstGalHead_, false))
        arrangeHeadRail(ui.OrvGalHeadSheet);
    else if (model == Model::OrvDin && std::exchange(firstDin_, false))
        arrangeHeadRail(ui.OrvDinSheet);
    else if (model == Model::OrvHead && std::exchange(firstHead_, false))
        arrangeHeadRail(ui.OrvHeadSheet);

    if (isHumidity(model) && std::exchange(firstHumidity_, false)) {
        HideAllTabs();
        tabs->setCurrentWidget(ui.OrvHuSheet);
        if (humamb::hasKindMenu(identification().FirmwareVersion))
            createHumidityMenu();
    }
    if (isAmbient(model) && FirstAmbientShow) {
        HideAllTabs();
        tabs->setTabVisible(tabs->indexOf(ui.TxTSheet), true);
        tabs->setCurrentWidget(ui.TxTSheet);
        FirstAmbientShow = false;
    }

    const QStringList items = sensorListFor(model, identification().FirmwareVersion, identification().NoThermocoupleB,
        ui.SensorRadioGroup->items(), messages_);
    if (items != ui.SensorRadioGroup->items())
        ui.SensorRadioGroup->setItems(items);
    ui.Enviar_Config->setEnabled(sendEnabledFor(model));
    ui.SensorRadioGroup->update();
}

void MainWindow::createHumidityMenu()
{
    if (HumidityMenu)
        return;
    HumidityMenu = ui.optionsMenu->addMenu(messages_[Msg::HumidityMenuCaption]);
    HumidityMenu->setObjectName(QStringLiteral("HumidityMenu"));
    RelativeHumidityItem = HumidityMenu->addAction(messages_[Msg::RelativeHumidity]);
    RelativeHumidityItem->setObjectName(QStringLiteral("RelativeHumidityItem"));
    RelativeHumidityItem->setData(1);
    DewPointItem = HumidityMenu->addAction(messages_[Msg::DewPoint]);
    DewPointItem->setObjectName(QStringLiteral("DewPointItem"));
    DewPointItem->setData(3);
    for (QAction* item : { RelativeHumidityItem, DewPointItem }) {
        item->setCheckable(true);
        item->setChecked(false);
    }
    humidity_->setMeasureMenu(RelativeHumidityItem, DewPointItem);
    connect(RelativeHumidityItem, &QAction::triggered, this, [this] { humidity_->HumidityClick(true); });
    connect(DewPointItem, &QAction::triggered, this, [this] { humidity_->HumidityClick(false); });
}

}  // namespace korv
