#include "app/mainwindow/MainWindow.h"

#include "app/diagnostics/ConnectionCheckWindow.h"
#include "app/shared/LanguageCaptions.h"
#include "app/shared/WindowTexts.h"
#include "common/StopRequest.h"
#include "core/families/humamb/HumAmbConfiguration.h"
#include "core/protocol/Identification.h"
#include "headrail/HeadRailPage.h"
#include "headrail/RadioGroup.h"
#include "humidity_ambient/HumAmbPages.h"
#include "i18n/LanguageApply.h"
#include "i18n/SensorList.h"
#include "i18n/Translation.h"

#include <QAction>
#include <QCoreApplication>
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
    // From the first retry on, the status line counts the attempts; afterwards it shows what it
    // showed before, and the command's own result follows.
    statusLines_.commandBegins();
    const QStringList before = statusLines_.texts();
    bool counted = false;
    session_.setAttemptListener([this, &counted](int attempt, int attempts) {
        if (attempt < 2)
            return;
        counted = true;
        setStatusLines(
            QCoreApplication::translate("korv::MainWindow", "Tentativa %1 de %2…").arg(attempt).arg(attempts));
    });
    windowRecord_.reachesPort();
    const ContactOutcome outcome = session_.contact(policy);
    session_.setAttemptListener({});
    // The port's own box may have been shown before the command (at start-up); its event says it all the same.
    if (outcome == ContactOutcome::PortUnavailable)
        windowRecord_.portUnavailable(messages_[Msg::PortSetupError]);
    if (counted)
        statusLines_.restore(before);
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
    ui.Config_OrvHu->appendPlainText(messages_[Msg::ModelPrefix] + tabs->tabText(tabs->indexOf(ui.humiditySheet)));
    ui.Config_TxT->appendPlainText(QString());
    ui.Config_TxT->appendPlainText(firmware);
    ui.Config_TxT->appendPlainText(QString());
    ui.Config_TxT->appendPlainText(messages_[Msg::ModelPrefix] + tabs->tabText(tabs->indexOf(ui.ambientSheet)));
    return Status::Ok;
}

void MainWindow::HideAllTabs()
{
    for (QWidget* sheet : ui.sheets)
        ui.tabs->setTabVisible(ui.tabs->indexOf(sheet), false);
}

void MainWindow::ApplyModelScreen()
{
    applyLanguageEverywhere();

    const Model model = identification().TransmitterModel;
    // A tab's arrangement is applied once per run, at the first identification of a model shown on it.
    const auto sheet = modelInfo(model).sheet;
    const bool firstOnSheet = sheet && std::exchange(firstOnSheet_.at(*sheet), false);
    (this->*familyPage(model).arrange)(model, firstOnSheet);

    const QStringList items = sensorListFor(model, identification().FirmwareVersion, identification().NoThermocoupleB,
        ui.SensorRadioGroup->items(), messages_);
    if (items != ui.SensorRadioGroup->items())
        ui.SensorRadioGroup->setItems(items);
    ui.Enviar_Config->setEnabled(sendEnabledFor(model));
    ui.SensorRadioGroup->update();
}

void MainWindow::arrangeHeadRailSheet(Model model, bool firstOnSheet)
{
    // The head and rail models share the controls of the first page, shown under the model's own
    // caption.
    if (!firstOnSheet)
        return;
    auto* tabs = ui.tabs;
    HideAllTabs();
    tabs->setCurrentWidget(ui.sheetOf(model));
    tabs->setTabVisible(tabs->indexOf(ui.headRailSheet), true);
    tabs->setTabText(tabs->indexOf(ui.headRailSheet), displayCaption(model));
    // Controls the user took to another head/rail page come home, or the page shown would be empty.
    headRailTabs_.comeHome();
    tabs->setCurrentWidget(ui.headRailSheet);
}

void MainWindow::arrangeHumiditySheet(Model, bool firstOnSheet)
{
    if (!firstOnSheet)
        return;
    HideAllTabs();
    ui.tabs->setCurrentWidget(ui.humiditySheet);
    if (humamb::hasKindMenu(identification().FirmwareVersion))
        createHumidityMenu();
}

void MainWindow::arrangeAmbientSheet(Model, bool)
{
    if (!FirstAmbientShow)
        return;
    HideAllTabs();
    ui.tabs->setTabVisible(ui.tabs->indexOf(ui.ambientSheet), true);
    ui.tabs->setCurrentWidget(ui.ambientSheet);
    FirstAmbientShow = false;
}

bool MainWindow::followLanguageInQtTexts()
{
    const QString chosen = languageCodeOf(settings_.LanguageSetting);
    QString qtLanguage = qtLanguageFor(chosen);
    if (settings_.LanguageSetting.isEmpty() && languageLines_.loaded)
        qtLanguage.clear();
    return useLanguage(chosen, qtLanguage);
}

void MainWindow::applyLanguageEverywhere()
{
    // Installed copies have no useful working directory, so a file beside the settings (the user's
    // configuration folder) is read when the working directory has none.
    const QString fallback = QFileInfo(settingsPath_).absolutePath();
    languageLines_ = loadAndApplyLanguage(this, messages_, env_.languageDirectory, fallback);
    // The humidity menu is made from the messages once, when a humidity model first shows.
    if (HumidityMenu) {
        HumidityMenu->setTitle(messages_[Msg::HumidityMenuCaption]);
        RelativeHumidityItem->setText(messages_[Msg::RelativeHumidity]);
        DewPointItem->setText(messages_[Msg::DewPoint]);
    }
    if (!followLanguageInQtTexts())
        return;
    // Texts already on screen, in every window, go over to the new language; then the captions the
    // language file does not give go back to the built-in ones of that language, and the file's
    // own go over them again.
    retranslateAllWindows();
    restoreBuiltInCaptions(this);
    languageLines_ = loadAndApplyLanguage(this, messages_, env_.languageDirectory, fallback);
    // The check's sentences name what it found (ports, groups, programs): an open check window
    // says them again, checked anew, in the new language.
    if (connectionCheckWindow() && connectionCheckWindow()->isVisible())
        runConnectionCheck();
}

void MainWindow::syncLanguageMenu()
{
    const QString chosen = languageCodeOf(settings_.LanguageSetting);
    for (QAction* item : { ui.languagePortugueseItem, ui.languageEnglishItem, ui.languageSpanishItem })
        item->setChecked(item->data().toString() == chosen);
}

void MainWindow::chooseLanguage(const QString& code)
{
    const ActivityScope change(activity_, Activity::Kind::Language);
    if (!change.began()) {
        syncLanguageMenu();
        return;
    }
    QString problem;
    if (!placeLanguageFile(code, QFileInfo(settingsPath_).absolutePath(), shippedLanguageFolder(), &problem))
        ShowWarning(problem);
    settings_.LanguageSetting = languageCodeOf(code);
    writeSettings(settingsPath_, settings_);
    syncLanguageMenu();
    ApplyModelScreen();
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
