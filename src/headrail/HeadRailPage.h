#pragma once

#include "common/KeyFilters.h"
#include "core/families/headrail/HeadRailConfiguration.h"
#include "core/families/headrail/HeadRailTransfer.h"
#include "core/protocol/Model.h"
#include "widgets/PageHost.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace korv {

class RadioGroup;

// The controls of the head/rail page; one set serves all four head and rail models. They sit on
// one panel, the tab's only child, so that they follow the head/rail tab the user opens as a whole
// and keep their own layout there.
struct HeadRailWidgets {
    QWidget* HeadRailPanel = nullptr;
    RadioGroup* SensorRadioGroup = nullptr;
    QGroupBox* rangeGroup = nullptr;  // GroupBox2
    QLabel* upperLimitLabel = nullptr;  // Label1LimMax
    QLabel* lowerLimitLabel = nullptr;  // Label2LimMin
    QLineEdit* EdtLimitMaxSensor = nullptr;
    QLineEdit* EdtLimitMinSensor = nullptr;
    QLabel* sensorRangeTitle = nullptr;  // Label3FaixaSen
    QLineEdit* Faixa_Maxima = nullptr;
    QLineEdit* Faixa_Minima = nullptr;
    QLabel* minimumSpanTitle = nullptr;  // Label4FaixaMin
    QLineEdit* Span_Minimo = nullptr;
    QLabel* UnidMaxSensor = nullptr;
    QLabel* UnidMinSensor = nullptr;
    QLabel* UnidMaxFaixaUsuario = nullptr;
    QLabel* UnidMinFaixaUsuario = nullptr;
    QLabel* UnidFaixaMinima = nullptr;
    QGroupBox* Corrzero = nullptr;
    QLineEdit* EdtCorrigeZero = nullptr;
    QLabel* zeroMinTitle = nullptr;  // Label1
    QLabel* zeroMaxTitle = nullptr;  // Label2
    QLabel* LblZeroMin = nullptr;
    QLabel* LblZeroMax = nullptr;
    QLabel* UnidZero = nullptr;
    QLabel* UnidZeroLimitMin = nullptr;
    QLabel* UnidZeroLimitMax = nullptr;
    QGroupBox* informationGroup = nullptr;  // GroupBox5
    QPlainTextEdit* Config_Transmissor = nullptr;
    QLineEdit* EdtStatus = nullptr;
    QGroupBox* failureGroup = nullptr;  // GroupBox4
    QLabel* failureOutputLabel = nullptr;  // Label6SelecOut
    QRadioButton* Forca_SaidaMin = nullptr;
    QRadioButton* Forca_SaidaMax = nullptr;
    QGroupBox* filterGroup = nullptr;  // GroupBox3
    QLabel* mainsFrequencyLabel = nullptr;  // Label5Rede
    QRadioButton* Freq_50 = nullptr;
    QRadioButton* Freq_60 = nullptr;

    // UnidMinSensor, UnidMaxSensor, UnidMinFaixaUsuario, UnidMaxFaixaUsuario, UnidFaixaMinima,
    // UnidZero, UnidZeroLimitMin, UnidZeroLimitMax
    std::array<QLabel*, 8> unitLabels() const
    {
        return { UnidMinSensor, UnidMaxSensor, UnidMinFaixaUsuario, UnidMaxFaixaUsuario, UnidFaixaMinima, UnidZero,
            UnidZeroLimitMin, UnidZeroLimitMax };
    }

    // Creates the controls on `sheet`, laid out, with the texts they have before anything is shown.
    void setupUi(QWidget* sheet);
};

// The head/rail page: sensor selection, range and zero-correction editing, and the view of these
// transmitters' read and send steps. The main window dispatches to it.
class HeadRailPage : public QObject, public TransmitterPage {
    Q_OBJECT

public:
    HeadRailPage(PageHost& host, const HeadRailWidgets& widgets, QObject* parent = nullptr);

    // TransmitterPage
    void readConfiguration() override;
    TransferSteps startupReadSteps() override;
    void sendConfiguration() override;
    void unitChanged() override;

    // The state of the page before anything is read: 0 - 50 mV, its range and bounds, minimum on
    // failure, 60 Hz.
    void showInitialState() override;
    // A read's success also shows on another status line (the humidity tab's).
    void showReadOkAlsoIn(QLineEdit* statusLine) { alsoReadOk_ = statusLine; }

    // The steps of a read, each showing its part as soon as it is done.
    TransferSteps readSteps();
    // What the page would send now, as values (the checks before a send are not made here).
    headrail::Settings settingsToSend();
    // The controls as plain values, and the control each one is typed into.
    headrail::FormValues formValues() const;
    QWidget* fieldWidget(headrail::FormField field) const;
    // The controls as plain values once the checks a send makes have passed on them; after a
    // refusal, shown as a send shows it, nothing.
    std::optional<headrail::FormValues> formToSave();
    std::optional<config::ConfigurationValues> configurationToSave(Model model, QChar separator) override;
    void showConfiguration(const FamilySettings& settings) override;
    // Shows the configuration a send of these values would leave, as a read of it would show it;
    // nothing is written and the information memo keeps its lines.
    void showSettings(const headrail::Settings& settings);

    // Editing
    void SensorRadioGroupClick();
    void ApplySensorSelection();
    void LoadSensorRange();
    void ShowSensorRange();
    void ShowSensorUnits();
    void ShowDefaultSensor();
    void UpdateZeroLimits();
    void AtualizaZero();
    void EdtCorrigeZeroEnter();

    // Working state (one set for the four models).
    // Bits 0..5 of register 1 as the transmitter gave them last, whatever the form has selected
    // since: the service window calibrates the input the transmitter is set to.
    int TransmitterSensorCode = 0;
    int SensorCode = 0;
    int SensorMin = 0;
    int SensorMax = 0;
    int MinSpan = 0;
    int LowerLimit = 0;
    int UpperLimit = 0;
    int Span = 0;
    qint16 ZeroCount = 0;
    QString ZeroText;
    QString ZeroMinText;
    QString ZeroMaxText;
    ZeroKeyState zeroKeys;  // SeparatorTyped, DecimalsTyped

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Model model() const;
    int firmware() const;
    bool noThermocoupleB() const;
    bool fahrenheit() const;
    int selectedPosition() const;
    std::optional<int> selectedCode() const;  // the code of the selected list item
    void showSensorLimits();  // Faixa_Minima, Faixa_Maxima, Span_Minimo
    void setUnitLabels(const QString& unit);
    bool restoreEmptyLimit(QLineEdit* edit, const QLineEdit* sensorLimit);
    bool checkBeforeSending();
    // Register 1 as read: the memo's output-type line, and the selections unless a send re-read it.
    void showConfigWord(quint16 word, bool withSelections);
    void showSelections(quint16 word);
    void showRange(const headrail::RangeRegisters& registers);
    void showZero(qint16 count);
    void unitChangedToCelsius();
    void unitChangedToFahrenheit();
    void refuse(int message, QWidget* focus);
    bool keyPress(QLineEdit* edit, QKeyEvent* event);
    bool limitKeysApply() const;

    PageHost& host_;
    HeadRailWidgets w_;
    QLineEdit* alsoReadOk_ = nullptr;
    bool leavingLimitEdit_ = false;  // AtualizaZero's own focus change must not run it again
};

}  // namespace korv
