#pragma once

// Like a generated form header, this one brings in every widget class it names, so that the code
// using the controls needs no includes of its own for them.
#include "headrail/HeadRailPage.h"
#include "headrail/RadioGroup.h"
#include "humidity_ambient/HumAmbPages.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

namespace korv {

// The controls of the main window, built by setupUi in the way a generated form class is: every
// member is a child of the window whose object name is the member's name, so that handlers and
// tests reach the same control either way. The window owns them all; each page's controls are
// built by the page's own builder, on its tab.
struct MainWindowUi : HeadRailWidgets, HumidityWidgets, AmbientWidgets {
    // Client area 494 by 464 pixels below the menu bar.
    static constexpr int ClientWidth = 494;
    static constexpr int ClientHeight = 464;

    QWidget* ClientArea = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* OrvHeadSheet = nullptr;
    QWidget* OrvGalHeadSheet = nullptr;
    QWidget* OrvDinSheet = nullptr;
    QWidget* OrvGalDinSheet = nullptr;
    QWidget* OrvHuSheet = nullptr;
    QWidget* TxTSheet = nullptr;
    QPushButton* Ler_Config = nullptr;
    QPushButton* Enviar_Config = nullptr;
    QTimer* Timer1 = nullptr;

    // Main menu
    QMenuBar* MainMenu1 = nullptr;
    QMenu* Arquivo1 = nullptr;
    QAction* AbrirConfig1 = nullptr;
    QAction* SalvarConfig1 = nullptr;
    QAction* Sair1 = nullptr;
    QMenu* Opes1 = nullptr;
    QMenu* Comunic1 = nullptr;
    QMenu* UnidadeTemp1 = nullptr;
    QAction* oC1 = nullptr;
    QAction* OF1 = nullptr;
    QAction* FastExchangeItem = nullptr;  // "Comunicação rápida", off unless the settings say so
    // Diagnostics, after the items above: why a transmitter does not answer, and what is on the wire.
    QAction* CheckConnectionItem = nullptr;
    QAction* FrameMonitorItem = nullptr;
    QMenu* Ajuda1 = nullptr;
    QAction* Topicos1 = nullptr;
    QAction* Sobre1 = nullptr;

    void setupUi(QMainWindow* Form1);

private:
    void setupMenu(QMainWindow* Form1);
};

}  // namespace korv
