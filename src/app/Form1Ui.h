#pragma once

// Like a generated form header, this one brings in every widget class it names, so that the code
// using the controls needs no includes of its own for them.
#include "temperature/RadioGroup.h"

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
// tests reach the same control either way. The window owns them all.
struct Form1Ui {
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
    QAction* Sair1 = nullptr;
    QMenu* Opes1 = nullptr;
    QMenu* Comunic1 = nullptr;
    QMenu* UnidadeTemp1 = nullptr;
    QAction* oC1 = nullptr;
    QAction* OF1 = nullptr;
    QMenu* Ajuda1 = nullptr;
    QAction* Topicos1 = nullptr;
    QAction* Sobre1 = nullptr;

    // Head and rail temperature transmitters (OrvHeadSheet). The controls sit on one panel, the
    // page's only child, so that they follow the head/rail page the user opens as a whole and keep
    // their own layout there.
    QWidget* HeadRailPanel = nullptr;
    RadioGroup* SensorRadioGroup = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label1LimMax = nullptr;
    QLabel* Label2LimMin = nullptr;
    QLineEdit* EdtLimitMaxSensor = nullptr;
    QLineEdit* EdtLimitMinSensor = nullptr;
    QLabel* Label3FaixaSen = nullptr;
    QLineEdit* Faixa_Maxima = nullptr;
    QLineEdit* Faixa_Minima = nullptr;
    QLabel* Label4FaixaMin = nullptr;
    QLineEdit* Span_Minimo = nullptr;
    QLabel* UnidMaxSensor = nullptr;
    QLabel* UnidMinSensor = nullptr;
    QLabel* UnidMaxFaixaUsuario = nullptr;
    QLabel* UnidMinFaixaUsuario = nullptr;
    QLabel* UnidFaixaMinima = nullptr;
    QGroupBox* Corrzero = nullptr;
    QLineEdit* EdtCorrigeZero = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* LblZeroMin = nullptr;
    QLabel* LblZeroMax = nullptr;
    QLabel* UnidZero = nullptr;
    QLabel* UnidZeroLimitMin = nullptr;
    QLabel* UnidZeroLimitMax = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QPlainTextEdit* Config_Transmissor = nullptr;
    QLineEdit* EdtStatus = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QLabel* Label6SelecOut = nullptr;
    QRadioButton* Forca_SaidaMin = nullptr;
    QRadioButton* Forca_SaidaMax = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label5Rede = nullptr;
    QRadioButton* Freq_50 = nullptr;
    QRadioButton* Freq_60 = nullptr;

    // Humidity and temperature transmitter (OrvHuSheet): humidity input
    QGroupBox* UmidadeGroupBox = nullptr;
    QLabel* EscFaixaRHLb = nullptr;
    QLabel* LimInfRHLb = nullptr;
    QLabel* LimSupRHLb = nullptr;
    QLineEdit* EdtLimInfRH = nullptr;
    QLineEdit* EdtLimSupRH = nullptr;
    QLabel* RH1Lb = nullptr;  // unit beside the lower limit
    QLabel* RH2Lb = nullptr;  // unit beside the upper limit
    QLabel* FaixaSensRHLb = nullptr;
    QLabel* RH3Lb = nullptr;  // sensor range
    QLabel* FaixaMinRHLb = nullptr;
    QLabel* RH4Lb = nullptr;  // minimum span
    QLabel* ZeroRHLb = nullptr;
    QLineEdit* EdtCorrZeroRH = nullptr;
    QLabel* RH7Lb = nullptr;  // unit beside the zero correction
    QLabel* MinRHLb = nullptr;
    QLabel* ValorMinZeroRHLb = nullptr;
    QLabel* RH5Lb = nullptr;
    QLabel* MaxRHLb = nullptr;
    QLabel* ValorMaxZeroRHLb = nullptr;
    QLabel* RH6Lb = nullptr;
    QLabel* FalhaSensRHLb = nullptr;
    QLabel* EstadoRHLb = nullptr;
    QRadioButton* MinRHRadioButton = nullptr;
    QRadioButton* MaxRHRadioButton = nullptr;

    // Humidity and temperature transmitter: temperature input
    QGroupBox* TemperaturaGroupBox = nullptr;
    QLabel* EscFaixaTempLb = nullptr;
    QLabel* LimInfTempLb = nullptr;
    QLabel* LimSupTempLb = nullptr;
    QLineEdit* EdtLimInfTemp = nullptr;
    QLineEdit* EdtLimSupTemp = nullptr;
    QLabel* Temp1Lb = nullptr;
    QLabel* Temp2Lb = nullptr;
    QLabel* FaixaSensTempLb = nullptr;
    QLabel* Temp3Lb = nullptr;
    QLabel* FaixaMinTempLb = nullptr;
    QLabel* Temp4Lb = nullptr;
    QLabel* ZeroTempLb = nullptr;
    QLineEdit* EdtCorrZeroTemp = nullptr;
    QLabel* Temp7Lb = nullptr;
    QLabel* MinTempLb = nullptr;
    QLabel* ValorMinZeroTempLb = nullptr;
    QLabel* Temp5Lb = nullptr;
    QLabel* MaxTempLb = nullptr;
    QLabel* ValorMaxZeroTempLb = nullptr;
    QLabel* Temp6Lb = nullptr;
    QLabel* FalhaSensTempLb = nullptr;
    QLabel* EstadoTempLb = nullptr;
    QRadioButton* MinTempRadioButton = nullptr;
    QRadioButton* MaxTempRadioButton = nullptr;

    QGroupBox* GroupBox11 = nullptr;
    QPlainTextEdit* Config_OrvHu = nullptr;
    QPlainTextEdit* ShowPVsMemo = nullptr;
    QLineEdit* EdtStatRHT = nullptr;
    QProgressBar* EnviaBarRHT = nullptr;

    // Ambient temperature transmitter (TxTSheet)
    QGroupBox* GroupBox10 = nullptr;
    QLabel* TempLowLimitLabel = nullptr;
    QLabel* TempHighLimitLabel = nullptr;
    QLineEdit* EdtTempLowLimit = nullptr;
    QLineEdit* EdtTempHighLimit = nullptr;
    QLabel* Label7 = nullptr;  // unit beside the lower limit
    QLabel* Label8 = nullptr;  // unit beside the upper limit
    QLabel* SensorRangeLabel = nullptr;
    QLabel* Label9 = nullptr;  // sensor range
    QLabel* MinSensorRangeLabel = nullptr;
    QLabel* Label10 = nullptr;  // minimum span
    QGroupBox* GroupBox12 = nullptr;
    QLineEdit* EdtTempZeroCorrection = nullptr;
    QLabel* Label28 = nullptr;  // unit beside the zero correction
    QLabel* ZeroAdjustMinLabel = nullptr;
    QLabel* TempUserOffsetInfValLb = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* ZeroAdjustMaxLabel = nullptr;
    QLabel* TempUserOffsetSupValLb = nullptr;
    QLabel* Label20 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* SelectLabel = nullptr;
    QRadioButton* MinFailOptionRadioButton = nullptr;
    QRadioButton* MaxFailOptionRadioButton = nullptr;
    QGroupBox* GroupBox9 = nullptr;
    QPlainTextEdit* Config_TxT = nullptr;
    QPlainTextEdit* ShowTempPVMemo = nullptr;
    QLineEdit* EdtStatT = nullptr;
    QProgressBar* EnviaBarT = nullptr;

    void setupUi(QMainWindow* Form1);

private:
    void setupMenu(QMainWindow* Form1);
    void setupHeadSheet();
    void setupHumiditySheet();
    void setupAmbientSheet();
    // The humidity and the temperature input of the humidity transmitter share one arrangement.
    QGroupBox* setupHumidityInput(bool humidity);
};

}  // namespace korv
