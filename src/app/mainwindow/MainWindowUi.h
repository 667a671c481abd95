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

#include <array>

namespace korv {

// The controls of the main window, built by setupUi in the way a generated form class is: every
// member is a child of the window. Its object name is the member's name, or the name in the comment
// beside it where the designer's name (`Label28`) says nothing: the language file and the tests find
// controls by object name. The window owns them all; each page's controls are built by the page's
// own builder, on its tab.
struct MainWindowUi : HeadRailWidgets, HumidityWidgets, AmbientWidgets {
    // Client area 494 by 464 pixels below the menu bar.
    static constexpr int ClientWidth = 494;
    static constexpr int ClientHeight = 464;

    QWidget* ClientArea = nullptr;
    QTabWidget* tabs = nullptr;  // PageControl1
    // The tabs of the model table's Sheets, in its order, with their object names; each family's page
    // lives on the tab of its first model.
    std::array<QWidget*, Sheets.size()> sheets {};
    QWidget* headRailSheet = nullptr;
    QWidget* humiditySheet = nullptr;
    QWidget* ambientSheet = nullptr;
    QPushButton* Ler_Config = nullptr;
    QPushButton* Enviar_Config = nullptr;
    QPushButton* CancelCommand = nullptr;  // "Cancelar", while a command runs
    QTimer* statusTimer = nullptr;  // Timer1

    // Main menu
    QMenuBar* mainMenu = nullptr;  // MainMenu1
    QMenu* fileMenu = nullptr;  // Arquivo1
    QAction* openConfigurationItem = nullptr;  // AbrirConfig1
    QAction* saveConfigurationItem = nullptr;  // SalvarConfig1
    QAction* HistoryItem = nullptr;  // "Registro…": the record of commands
    QAction* quitItem = nullptr;  // Sair1
    QMenu* optionsMenu = nullptr;  // Opes1
    QMenu* portMenu = nullptr;  // Comunic1
    QMenu* temperatureUnitMenu = nullptr;  // UnidadeTemp1
    QAction* celsiusItem = nullptr;  // oC1
    QAction* fahrenheitItem = nullptr;  // OF1
    QAction* FastExchangeItem = nullptr;  // "Comunicação rápida", off unless the settings say so
    // Diagnostics, after the items above: why a transmitter does not answer, and what is on the wire.
    QAction* CheckConnectionItem = nullptr;
    QAction* FrameMonitorItem = nullptr;
    // The language of every text: the shipped language file and the program's translations.
    QMenu* languageMenu = nullptr;
    QAction* languagePortugueseItem = nullptr;
    QAction* languageEnglishItem = nullptr;
    QAction* languageSpanishItem = nullptr;
    QMenu* helpMenu = nullptr;  // Ajuda1
    QAction* helpTopicsItem = nullptr;  // Topicos1
    QAction* aboutItem = nullptr;  // Sobre1

    void setupUi(QMainWindow* Form1);
    // The model's own tab; none for the unknown model.
    QWidget* sheetOf(Model model) const;

private:
    void setupMenu(QMainWindow* Form1);
};

}  // namespace korv
