#include "app/MainWindowUi.h"

#include "headrail/RadioGroup.h"
#include "widgets/UiFactory.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
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

void MainWindowUi::setupUi(QMainWindow* Form1)
{
    Form1->setObjectName(QStringLiteral("Form1"));
    Form1->setWindowTitle(QStringLiteral("KOrvSetup"));
    // A fixed single border: system menu and minimise button, no maximise.
    Form1->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    ClientArea = new QWidget(Form1);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));

    PageControl1 = new QTabWidget(ClientArea);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // With every tab shown the captions are wider than the window; the tab bar then scrolls rather
    // than cutting the captions short.
    PageControl1->setUsesScrollButtons(true);
    PageControl1->setElideMode(Qt::ElideNone);
    OrvHeadSheet = addSheet(PageControl1, QStringLiteral("OrvHeadSheet"), QStringLiteral("OrvHead"));
    OrvGalHeadSheet = addSheet(PageControl1, QStringLiteral("OrvGalHeadSheet"), QStringLiteral("OrvGalHead"));
    OrvDinSheet = addSheet(PageControl1, QStringLiteral("OrvDinSheet"), QStringLiteral("OrvDin"));
    OrvGalDinSheet = addSheet(PageControl1, QStringLiteral("OrvGalDinSheet"), QStringLiteral("OrvGalDin"));
    OrvHuSheet = addSheet(PageControl1, QStringLiteral("OrvHuSheet"), QStringLiteral(" OrvHygrom"));
    TxTSheet = addSheet(PageControl1, QStringLiteral("TxTSheet"), QStringLiteral("OrvAmbient"));
    HeadRailWidgets::setupUi(OrvHeadSheet);
    HumidityWidgets::setupUi(OrvHuSheet);
    AmbientWidgets::setupUi(TxTSheet);
    PageControl1->setCurrentIndex(0);

    Ler_Config = new QPushButton(QStringLiteral("&Ler Configuração"), ClientArea);
    Ler_Config->setObjectName(QStringLiteral("Ler_Config"));
    Enviar_Config = new QPushButton(QStringLiteral("&Enviar Configuração"), ClientArea);
    Enviar_Config->setObjectName(QStringLiteral("Enviar_Config"));

    auto* client = new QVBoxLayout(ClientArea);
    client->setContentsMargins(0, 0, 0, 0);
    client->setSpacing(4);
    client->addWidget(PageControl1, 1);
    auto* commands = new QHBoxLayout;
    commands->setContentsMargins(6, 0, 6, 6);
    commands->setSpacing(8);
    commands->addStretch(1);
    commands->addWidget(Ler_Config);
    commands->addWidget(Enviar_Config);
    client->addLayout(commands);

    setupMenu(Form1);

    Timer1 = new QTimer(Form1);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    Form1->setCentralWidget(ClientArea);
    ClientArea->setFixedSize(ClientWidth, ClientHeight);
    int menuHeight = MainMenu1->heightForWidth(ClientWidth);
    if (menuHeight <= 0)
        menuHeight = MainMenu1->sizeHint().height();
    Form1->setFixedSize(ClientWidth, ClientHeight + menuHeight);
}

void MainWindowUi::setupMenu(QMainWindow* Form1)
{
    MainMenu1 = new QMenuBar(Form1);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    Arquivo1 = MainMenu1->addMenu(QStringLiteral("&Arquivo"));
    Arquivo1->setObjectName(QStringLiteral("Arquivo1"));
    AbrirConfig1 = Arquivo1->addAction(QStringLiteral("&Abrir configuração…"));
    AbrirConfig1->setObjectName(QStringLiteral("AbrirConfig1"));
    SalvarConfig1 = Arquivo1->addAction(QStringLiteral("&Salvar configuração…"));
    SalvarConfig1->setObjectName(QStringLiteral("SalvarConfig1"));
    Arquivo1->addSeparator();
    Sair1 = Arquivo1->addAction(QStringLiteral("Sai&r"));
    Sair1->setObjectName(QStringLiteral("Sair1"));

    Opes1 = MainMenu1->addMenu(QStringLiteral("&Opções"));
    Opes1->setObjectName(QStringLiteral("Opes1"));
    // The port list is filled when the window is first shown, and again each time the menu opens.
    Comunic1 = Opes1->addMenu(QStringLiteral("&Comunicação"));
    Comunic1->setObjectName(QStringLiteral("Comunic1"));
    UnidadeTemp1 = Opes1->addMenu(QStringLiteral("&Unidade de Temperatura"));
    UnidadeTemp1->setObjectName(QStringLiteral("UnidadeTemp1"));
    // Two independent check marks, not an exclusive group: the unit handlers set both marks
    // themselves and read "°C mode" from oC1 alone.
    oC1 = UnidadeTemp1->addAction(QStringLiteral("°&C"));
    oC1->setObjectName(QStringLiteral("oC1"));
    oC1->setCheckable(true);
    oC1->setChecked(true);
    OF1 = UnidadeTemp1->addAction(QStringLiteral("°&F"));
    OF1->setObjectName(QStringLiteral("OF1"));
    OF1->setCheckable(true);
    FastExchangeItem = Opes1->addAction(QStringLiteral("Comunicação &rápida"));
    FastExchangeItem->setObjectName(QStringLiteral("FastExchangeItem"));
    FastExchangeItem->setCheckable(true);
    CheckConnectionItem = Opes1->addAction(QStringLiteral("&Verificar conexão…"));
    CheckConnectionItem->setObjectName(QStringLiteral("CheckConnectionItem"));
    FrameMonitorItem = Opes1->addAction(QStringLiteral("&Monitor de comunicação"));
    FrameMonitorItem->setObjectName(QStringLiteral("FrameMonitorItem"));

    Ajuda1 = MainMenu1->addMenu(QStringLiteral("A&juda"));
    Ajuda1->setObjectName(QStringLiteral("Ajuda1"));
    Topicos1 = Ajuda1->addAction(QStringLiteral("&Tópicos da Ajuda"));
    Topicos1->setObjectName(QStringLiteral("Topicos1"));
    Topicos1->setVisible(false);
    Sobre1 = Ajuda1->addAction(QStringLiteral("&Sobre o KOrvSetup"));
    Sobre1->setObjectName(QStringLiteral("Sobre1"));

    Form1->setMenuBar(MainMenu1);
}

}  // namespace korv
