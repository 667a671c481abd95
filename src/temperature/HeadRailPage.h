#pragma once

#include "common/KeyFilters.h"
#include "core/HeadRailTransfer.h"
#include "core/Model.h"
#include "widgets/PageHost.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace korv {

class RadioGroup;

// The controls of the head/rail page; one set serves all four head and rail models.
struct HeadRailWidgets {
    RadioGroup* SensorRadioGroup = nullptr;
    QLineEdit* EdtLimitMinSensor = nullptr;
    QLineEdit* EdtLimitMaxSensor = nullptr;
    QLineEdit* Faixa_Minima = nullptr;
    QLineEdit* Faixa_Maxima = nullptr;
    QLineEdit* Span_Minimo = nullptr;
    QLineEdit* EdtCorrigeZero = nullptr;
    QLabel* LblZeroMin = nullptr;
    QLabel* LblZeroMax = nullptr;
    // UnidMinSensor, UnidMaxSensor, UnidMinFaixaUsuario, UnidMaxFaixaUsuario, UnidFaixaMinima,
    // UnidZero, UnidZeroLimitMin, UnidZeroLimitMax
    std::array<QLabel*, 8> unitLabels {};
    QRadioButton* Forca_SaidaMin = nullptr;
    QRadioButton* Forca_SaidaMax = nullptr;
    QRadioButton* Freq_50 = nullptr;
    QRadioButton* Freq_60 = nullptr;
    QPlainTextEdit* Config_Transmissor = nullptr;
    QLineEdit* EdtStatus = nullptr;
    QLineEdit* EdtStatRHT = nullptr;  // the humidity page's status line, which a read's success also shows
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

    // The steps of a read, each showing its part as soon as it is done.
    TransferSteps readSteps();
    // What the page would send now, as values (the checks before a send are not made here).
    headrail::Settings settingsToSend();

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
    void showRange(const headrail::RangeRegisters& registers);
    void showZero(qint16 count);
    void unitChangedToCelsius();
    void unitChangedToFahrenheit();
    void refuse(int message, QWidget* focus);
    bool keyPress(QLineEdit* edit, QKeyEvent* event);
    bool limitKeysApply() const;

    PageHost& host_;
    HeadRailWidgets w_;
    bool leavingLimitEdit_ = false;  // AtualizaZero's own focus change must not run it again
};

}  // namespace korv
