#pragma once

#include "common/KeyFilters.h"
#include "link/Model.h"
#include "link/RegisterAccess.h"

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

class FormServices;
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
};

// The head/rail page: sensor selection, range and zero-correction editing, and the register steps
// of reading and sending these transmitters. The main window dispatches to it.
class HeadRailPage : public QObject {
    Q_OBJECT

public:
    HeadRailPage(FormServices& form, const HeadRailWidgets& widgets, QObject* parent = nullptr);

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

    // Reading steps (each returns a Status value)
    Status ReadConfigWord();  // register 1 for a head/rail model (the caller has chosen the family)
    Status ReadRange();
    Status ReadZero();

    // The head/rail send sequence, after the dispatcher: contact, identification, checks, writes.
    void SendConfiguration();
    Status WriteRange();
    Status WriteConfigWord();
    Status WriteZero();

    // The head/rail steps of the unit menu, after the check marks have changed.
    void unitChangedToCelsius();
    void unitChangedToFahrenheit();

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
    bool fahrenheit() const;
    int selectedPosition() const;
    std::optional<int> selectedCode() const;  // the code of the selected list item
    void showSensorLimits();  // Faixa_Minima, Faixa_Maxima, Span_Minimo
    void setUnitLabels(const QString& unit);
    bool restoreEmptyLimit(QLineEdit* edit, const QLineEdit* sensorLimit);
    bool checkBeforeSending();
    void refuse(int message, QWidget* focus);
    bool keyPress(QLineEdit* edit, QKeyEvent* event);
    bool limitKeysApply() const;

    FormServices& form_;
    HeadRailWidgets w_;
    bool leavingLimitEdit_ = false;  // AtualizaZero's own focus change must not run it again
};

}  // namespace korv
