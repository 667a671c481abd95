#include "app/Form1.h"

#include "app/LanguageCaptions.h"
#include "humidity_ambient/HumAmbPages.h"
#include "i18n/LanguageApply.h"
#include "i18n/SensorList.h"
#include "temperature/RadioGroup.h"

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

Status TForm1::ReadSerialNumber()
{
    qint16 high = 0;
    Status status = protocol_.ReadParameter(2, high);
    if (status != Status::Ok)
        return status;
    qint16 low = 0;
    status = protocol_.ReadParameter(3, low);
    if (status == Status::Ok) {
        const QString serial = serialNumberText(high, low);
        const QString line = messages_[Msg::SerialNumberPrefix] + serial;
        ui.Config_Transmissor->setPlainText(line);
        ui.Config_OrvHu->setPlainText(line);
        ui.Config_TxT->clear();
        ui.Config_TxT->appendPlainText(line);
        ident_.SerialNumberText = serial;
    }
    return status;
}

Status TForm1::IdentifyTransmitter()
{
    qint16 word = 0;
    const Status status = protocol_.ReadParameter(0, word);
    if (status != Status::Ok)
        return status;
    const IdentityWord id = splitIdentityWord(word);
    ident_.FirmwareVersion = static_cast<qint16>(id.firmware);
    const Model model = modelFromCode(id.modelCode);
    ident_.TransmitterModel = model;
    if (model != Model::Unknown) {
        if (const auto noB = noThermocoupleBFor(model, id.firmware))
            ident_.NoThermocoupleB = *noB;
        ApplyModelScreen();
        if (isHumidity(model))
            SetHumidityLimits();
        if (hasHumidityTemperature(model))
            SetHumTempLimits();
        if (isAmbient(model))
            SetAmbientLimits();
    }
    if (hasFirmwareRule(model)) {
        if (firmwareCompatible(model, id.firmware)) {
            ui.Enviar_Config->setEnabled(true);
        } else {
            ShowWarning(messages_[Msg::FirmwareIncompatible]);
            ui.Enviar_Config->setEnabled(false);
        }
    }

    const QString firmware = messages_[Msg::FirmwarePrefix] + firmwareText(id.firmware);
    auto* tabs = ui.PageControl1;
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

void TForm1::HideAllTabs()
{
    auto* tabs = ui.PageControl1;
    for (QWidget* page :
        { ui.OrvHeadSheet, ui.OrvGalHeadSheet, ui.OrvDinSheet, ui.OrvGalDinSheet, ui.OrvHuSheet, ui.TxTSheet })
        tabs->setTabVisible(tabs->indexOf(page), false);
}

void TForm1::ApplyModelScreen()
{
    // Installed copies have no useful working directory, so a file beside the settings (the user's
    // configuration folder) is read when the working directory has none.
    languageLines_
        = loadAndApplyLanguage(this, messages_, env_.languageDirectory, QFileInfo(settingsPath_).absolutePath());

    auto* tabs = ui.PageControl1;
    const Model model = ident_.TransmitterModel;
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
        if (ident_.FirmwareVersion > 100)
            createHumidityMenu();
    }
    if (isAmbient(model) && FirstAmbientShow) {
        HideAllTabs();
        tabs->setTabVisible(tabs->indexOf(ui.TxTSheet), true);
        tabs->setCurrentWidget(ui.TxTSheet);
        FirstAmbientShow = false;
    }

    const QStringList items
        = sensorListFor(model, ident_.FirmwareVersion, ident_.NoThermocoupleB, ui.SensorRadioGroup->items(), messages_);
    if (items != ui.SensorRadioGroup->items())
        ui.SensorRadioGroup->setItems(items);
    ui.Enviar_Config->setEnabled(sendEnabledFor(model));
    ui.SensorRadioGroup->update();
}

void TForm1::createHumidityMenu()
{
    if (HumidityMenu)
        return;
    HumidityMenu = ui.Opes1->addMenu(messages_[Msg::HumidityMenuCaption]);
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
    connect(RelativeHumidityItem, &QAction::triggered, this, [this] { humidity_->HumidityClick(true); });
    connect(DewPointItem, &QAction::triggered, this, [this] { humidity_->HumidityClick(false); });
}

bool TForm1::relativeHumidityChecked() const
{
    // Without the measure menu (older firmware) the humidity input measures relative humidity.
    return !RelativeHumidityItem || RelativeHumidityItem->isChecked();
}

bool TForm1::dewPointChecked() const
{
    return DewPointItem && DewPointItem->isChecked();
}

void TForm1::setRelativeHumidityChecked(bool relative)
{
    if (!HumidityMenu)
        return;
    RelativeHumidityItem->setChecked(relative);
    DewPointItem->setChecked(!relative);
}

void TForm1::SetAmbientLimits()
{
    ambient_->SetAmbientLimits();
}

void TForm1::SetHumTempLimits()
{
    humidity_->SetHumTempLimits();
}

void TForm1::SetHumidityLimits()
{
    humidity_->SetHumidityLimits();
}

}  // namespace korv
