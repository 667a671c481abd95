#include "app/mainwindow/MainWindowUi.h"

#include "headrail/RadioGroup.h"
#include "widgets/UiFactory.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <tuple>

namespace korv {

using namespace ui;

namespace {

QWidget* addSheet(QTabWidget* tabs, const QString& name, const QString& caption)
{
    auto* sheet = new QWidget;
    sheet->setObjectName(name);
    tabs->addTab(sheet, caption);
    return sheet;
}

}  // namespace

QWidget* MainWindowUi::sheetOf(Model model) const
{
    const auto sheet = modelInfo(model).sheet;
    return sheet ? sheets.at(*sheet) : nullptr;
}

void MainWindowUi::setupUi(QMainWindow* Form1)
{
    Form1->setObjectName(QStringLiteral("Form1"));
    Form1->setWindowTitle(QStringLiteral("KOrvSetup"));
    // A fixed single border: system menu and minimise button, no maximise.
    Form1->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    ClientArea = new QWidget(Form1);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));

    tabs = new QTabWidget(ClientArea);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    // With every tab shown the captions are wider than the window; the tab bar then scrolls rather
    // than cutting the captions short.
    tabs->setUsesScrollButtons(true);
    tabs->setElideMode(Qt::ElideNone);
    for (std::size_t i = 0; i < Sheets.size(); ++i)
        sheets[i] = addSheet(tabs, Sheets[i].name.toString(), Sheets[i].designCaption.toString());
    headRailSheet = sheetOf(firstModelOf(Family::HeadRail));
    humiditySheet = sheetOf(firstModelOf(Family::Humidity));
    ambientSheet = sheetOf(firstModelOf(Family::Ambient));
    HeadRailWidgets::setupUi(headRailSheet);
    HumidityWidgets::setupUi(humiditySheet);
    AmbientWidgets::setupUi(ambientSheet);
    tabs->setCurrentIndex(0);

    Ler_Config = new QPushButton(QCoreApplication::translate("korv::MainWindow", "&Ler Configuração"), ClientArea);
    Ler_Config->setObjectName(QStringLiteral("Ler_Config"));
    Enviar_Config
        = new QPushButton(QCoreApplication::translate("korv::MainWindow", "&Enviar Configuração"), ClientArea);
    Enviar_Config->setObjectName(QStringLiteral("Enviar_Config"));

    auto* client = new QVBoxLayout(ClientArea);
    client->setContentsMargins(0, 0, 0, 0);
    client->setSpacing(4);
    client->addWidget(tabs, 1);
    auto* commands = new QHBoxLayout;
    commands->setContentsMargins(6, 0, 6, 6);
    commands->setSpacing(8);
    // Shown while a command runs; its place is kept, so that the command buttons never move.
    CancelCommand = new QPushButton(QCoreApplication::translate("korv::MainWindow", "Cancelar"), ClientArea);
    CancelCommand->setObjectName(QStringLiteral("CancelCommandButton"));
    CancelCommand->setToolTip(
        QCoreApplication::translate("korv::MainWindow", "Para o comando após a troca em curso (Esc)"));
    QSizePolicy keepPlace = CancelCommand->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    CancelCommand->setSizePolicy(keepPlace);
    CancelCommand->hide();
    commands->addWidget(CancelCommand);
    commands->addStretch(1);
    commands->addWidget(Ler_Config);
    commands->addWidget(Enviar_Config);
    client->addLayout(commands);

    setupMenu(Form1);

    statusTimer = new QTimer(Form1);
    statusTimer->setObjectName(QStringLiteral("Timer1"));
    statusTimer->setInterval(1000);

    Form1->setCentralWidget(ClientArea);
    ClientArea->setFixedSize(ClientWidth, ClientHeight);
    int menuHeight = mainMenu->heightForWidth(ClientWidth);
    if (menuHeight <= 0)
        menuHeight = mainMenu->sizeHint().height();
    Form1->setFixedSize(ClientWidth, ClientHeight + menuHeight);
}

void MainWindowUi::setupMenu(QMainWindow* Form1)
{
    mainMenu = new QMenuBar(Form1);
    mainMenu->setObjectName(QStringLiteral("MainMenu1"));

    fileMenu = mainMenu->addMenu(QCoreApplication::translate("korv::MainWindow", "&Arquivo"));
    fileMenu->setObjectName(QStringLiteral("Arquivo1"));
    openConfigurationItem
        = fileMenu->addAction(QCoreApplication::translate("korv::MainWindow", "&Abrir configuração…"));
    openConfigurationItem->setObjectName(QStringLiteral("AbrirConfig1"));
    saveConfigurationItem
        = fileMenu->addAction(QCoreApplication::translate("korv::MainWindow", "&Salvar configuração…"));
    saveConfigurationItem->setObjectName(QStringLiteral("SalvarConfig1"));
    // Spelled out rather than the platform's standard keys: Windows has none for Quit.
    openConfigurationItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    saveConfigurationItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    fileMenu->addSeparator();
    HistoryItem = fileMenu->addAction(QCoreApplication::translate("korv::MainWindow", "Re&gistro…"));
    HistoryItem->setObjectName(QStringLiteral("HistoryItem"));
    fileMenu->addSeparator();
    quitItem = fileMenu->addAction(QCoreApplication::translate("korv::MainWindow", "Sai&r"));
    quitItem->setObjectName(QStringLiteral("Sair1"));
    quitItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    optionsMenu = mainMenu->addMenu(QCoreApplication::translate("korv::MainWindow", "&Opções"));
    optionsMenu->setObjectName(QStringLiteral("Opes1"));
    // The port list is filled when the window is first shown, and again each time the menu opens.
    portMenu = optionsMenu->addMenu(QCoreApplication::translate("korv::MainWindow", "&Comunicação"));
    portMenu->setObjectName(QStringLiteral("Comunic1"));
    temperatureUnitMenu
        = optionsMenu->addMenu(QCoreApplication::translate("korv::MainWindow", "&Unidade de Temperatura"));
    temperatureUnitMenu->setObjectName(QStringLiteral("UnidadeTemp1"));
    // Two independent check marks, not an exclusive group: the unit handlers set both marks
    // themselves and read "°C mode" from celsiusItem alone.
    celsiusItem = temperatureUnitMenu->addAction(QStringLiteral("°&C"));
    celsiusItem->setObjectName(QStringLiteral("oC1"));
    celsiusItem->setCheckable(true);
    celsiusItem->setChecked(true);
    fahrenheitItem = temperatureUnitMenu->addAction(QStringLiteral("°&F"));
    fahrenheitItem->setObjectName(QStringLiteral("OF1"));
    fahrenheitItem->setCheckable(true);
    FastExchangeItem = optionsMenu->addAction(QCoreApplication::translate("korv::MainWindow", "Comunicação &rápida"));
    FastExchangeItem->setObjectName(QStringLiteral("FastExchangeItem"));
    FastExchangeItem->setCheckable(true);
    CheckConnectionItem
        = optionsMenu->addAction(QCoreApplication::translate("korv::MainWindow", "&Verificar conexão…"));
    CheckConnectionItem->setObjectName(QStringLiteral("CheckConnectionItem"));
    FrameMonitorItem
        = optionsMenu->addAction(QCoreApplication::translate("korv::MainWindow", "&Monitor de comunicação"));
    FrameMonitorItem->setObjectName(QStringLiteral("FrameMonitorItem"));
    // Each language named in itself, so that a user lost in a foreign one still finds their own.
    languageMenu = optionsMenu->addMenu(QCoreApplication::translate("korv::MainWindow", "&Idioma"));
    languageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* languages = new QActionGroup(languageMenu);
    languages->setExclusive(true);
    for (const auto& [item, caption, name, code] : {
             std::tuple { &languagePortugueseItem, "&Português", "LanguagePortugueseItem", "pt" },
             std::tuple { &languageEnglishItem, "&English", "LanguageEnglishItem", "en" },
             std::tuple { &languageSpanishItem, "E&spañol", "LanguageSpanishItem", "es" },
         }) {
        *item = languageMenu->addAction(QString::fromUtf8(caption));
        (*item)->setObjectName(QLatin1String(name));
        (*item)->setData(QLatin1String(code));
        (*item)->setCheckable(true);
        languages->addAction(*item);
    }
    languagePortugueseItem->setChecked(true);

    helpMenu = mainMenu->addMenu(QCoreApplication::translate("korv::MainWindow", "A&juda"));
    helpMenu->setObjectName(QStringLiteral("Ajuda1"));
    helpTopicsItem = helpMenu->addAction(QCoreApplication::translate("korv::MainWindow", "&Tópicos da Ajuda"));
    helpTopicsItem->setObjectName(QStringLiteral("Topicos1"));
    helpTopicsItem->setVisible(false);
    aboutItem = helpMenu->addAction(QCoreApplication::translate("korv::MainWindow", "&Sobre o KOrvSetup"));
    aboutItem->setObjectName(QStringLiteral("Sobre1"));

    Form1->setMenuBar(mainMenu);
}

}  // namespace korv
