#pragma once

#include "common/KeyFilters.h"
#include "core/families/humamb/HumAmbConfiguration.h"
#include "core/families/humamb/HumAmbTransfer.h"
#include "core/protocol/Model.h"
#include "widgets/PageHost.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QWidget;

namespace korv {

namespace humamb {
struct InputControls;
}  // namespace humamb

// Range state of one input of the humidity or ambient transmitter.
struct InputRangeState {
    int lower = 0;
    int upper = 0;
    int span = 0;
    int sensorMin = 0;
    int sensorMax = 0;
    int minSpan = 0;
    QString zeroMinText;
    QString zeroMaxText;
    QString zeroText;
    qint16 zeroRegister = 0;
};

// Working state shared by the humidity and the ambient pages (one transmitter at a time).
struct HumAmbState {
    InputRangeState HumidityRange;
    InputRangeState TemperatureRange;  // the humidity transmitter's temperature input and the ambient input
    qint16 rawHumidity = 0;
    qint16 rawTemperature = 0;
    float humidity = 0;
    float temperature = 0;
    QString humidityText;
    QString temperatureText;
    ZeroKeyState humidityZeroKeys;  // EdtCorrZeroRH
    ZeroKeyState temperatureZeroKeys;  // shared by EdtCorrZeroTemp and EdtTempZeroCorrection
};

// The controls of the humidity transmitter's tab.
struct HumidityWidgets {
    // Humidity input
    QGroupBox* UmidadeGroupBox = nullptr;
    QLabel* EscFaixaRHLb = nullptr;
    QLabel* LimInfRHLb = nullptr;
    QLabel* LimSupRHLb = nullptr;
    QLineEdit* EdtLimInfRH = nullptr;
    QLineEdit* EdtLimSupRH = nullptr;
    QLabel* humidityLowerUnit = nullptr;  // RH1Lb: unit beside the lower limit
    QLabel* humidityUpperUnit = nullptr;  // RH2Lb: unit beside the upper limit
    QLabel* FaixaSensRHLb = nullptr;
    QLabel* humiditySensorRange = nullptr;  // RH3Lb: sensor range
    QLabel* FaixaMinRHLb = nullptr;
    QLabel* humidityMinimumSpan = nullptr;  // RH4Lb: minimum span
    QLabel* ZeroRHLb = nullptr;
    QLineEdit* EdtCorrZeroRH = nullptr;
    QLabel* humidityZeroUnit = nullptr;  // RH7Lb: unit beside the zero correction
    QLabel* MinRHLb = nullptr;
    QLabel* ValorMinZeroRHLb = nullptr;
    QLabel* humidityZeroMinUnit = nullptr;  // RH5Lb
    QLabel* MaxRHLb = nullptr;
    QLabel* ValorMaxZeroRHLb = nullptr;
    QLabel* humidityZeroMaxUnit = nullptr;  // RH6Lb
    QLabel* FalhaSensRHLb = nullptr;
    QLabel* EstadoRHLb = nullptr;
    QRadioButton* MinRHRadioButton = nullptr;
    QRadioButton* MaxRHRadioButton = nullptr;

    // Temperature input
    QGroupBox* TemperaturaGroupBox = nullptr;
    QLabel* EscFaixaTempLb = nullptr;
    QLabel* LimInfTempLb = nullptr;
    QLabel* LimSupTempLb = nullptr;
    QLineEdit* EdtLimInfTemp = nullptr;
    QLineEdit* EdtLimSupTemp = nullptr;
    QLabel* temperatureLowerUnit = nullptr;  // Temp1Lb
    QLabel* temperatureUpperUnit = nullptr;  // Temp2Lb
    QLabel* FaixaSensTempLb = nullptr;
    QLabel* temperatureSensorRange = nullptr;  // Temp3Lb
    QLabel* FaixaMinTempLb = nullptr;
    QLabel* temperatureMinimumSpan = nullptr;  // Temp4Lb
    QLabel* ZeroTempLb = nullptr;
    QLineEdit* EdtCorrZeroTemp = nullptr;
    QLabel* temperatureZeroUnit = nullptr;  // Temp7Lb
    QLabel* MinTempLb = nullptr;
    QLabel* ValorMinZeroTempLb = nullptr;
    QLabel* temperatureZeroMinUnit = nullptr;  // Temp5Lb
    QLabel* MaxTempLb = nullptr;
    QLabel* ValorMaxZeroTempLb = nullptr;
    QLabel* temperatureZeroMaxUnit = nullptr;  // Temp6Lb
    QLabel* FalhaSensTempLb = nullptr;
    QLabel* EstadoTempLb = nullptr;
    QRadioButton* MinTempRadioButton = nullptr;
    QRadioButton* MaxTempRadioButton = nullptr;

    QGroupBox* humidityInformationGroup = nullptr;  // GroupBox11
    QPlainTextEdit* Config_OrvHu = nullptr;
    QPlainTextEdit* ShowPVsMemo = nullptr;
    QLineEdit* EdtStatRHT = nullptr;
    QProgressBar* EnviaBarRHT = nullptr;

    std::array<QLabel*, 7> rhLabels() const
    {
        return { humidityLowerUnit, humidityUpperUnit, humiditySensorRange, humidityMinimumSpan, humidityZeroMinUnit,
            humidityZeroMaxUnit, humidityZeroUnit };
    }
    std::array<QLabel*, 7> tempLabels() const
    {
        return { temperatureLowerUnit, temperatureUpperUnit, temperatureSensorRange, temperatureMinimumSpan,
            temperatureZeroMinUnit, temperatureZeroMaxUnit, temperatureZeroUnit };
    }

    // Creates the controls on `sheet`, laid out, with the texts they have before anything is shown.
    void setupUi(QWidget* sheet);

private:
    // The humidity and the temperature input share one arrangement.
    QGroupBox* setupInput(QWidget* sheet, bool humidity);
};

// The controls of the ambient transmitter's tab.
struct AmbientWidgets {
    QGroupBox* ambientRangeGroup = nullptr;  // GroupBox10
    QLabel* TempLowLimitLabel = nullptr;
    QLabel* TempHighLimitLabel = nullptr;
    QLineEdit* EdtTempLowLimit = nullptr;
    QLineEdit* EdtTempHighLimit = nullptr;
    QLabel* ambientLowerUnit = nullptr;  // Label7: unit beside the lower limit
    QLabel* ambientUpperUnit = nullptr;  // Label8: unit beside the upper limit
    QLabel* SensorRangeLabel = nullptr;
    QLabel* ambientSensorRange = nullptr;  // Label9: sensor range
    QLabel* MinSensorRangeLabel = nullptr;
    QLabel* ambientMinimumSpan = nullptr;  // Label10: minimum span
    QGroupBox* ambientZeroGroup = nullptr;  // GroupBox12
    QLineEdit* EdtTempZeroCorrection = nullptr;
    QLabel* ambientZeroUnit = nullptr;  // Label28: unit beside the zero correction
    QLabel* ZeroAdjustMinLabel = nullptr;
    QLabel* TempUserOffsetInfValLb = nullptr;
    QLabel* ambientZeroMinUnit = nullptr;  // Label17
    QLabel* ZeroAdjustMaxLabel = nullptr;
    QLabel* TempUserOffsetSupValLb = nullptr;
    QLabel* ambientZeroMaxUnit = nullptr;  // Label20
    QGroupBox* ambientFailureGroup = nullptr;  // GroupBox1
    QLabel* SelectLabel = nullptr;
    QRadioButton* MinFailOptionRadioButton = nullptr;
    QRadioButton* MaxFailOptionRadioButton = nullptr;
    QGroupBox* ambientInformationGroup = nullptr;  // GroupBox9
    QPlainTextEdit* Config_TxT = nullptr;
    QPlainTextEdit* ShowTempPVMemo = nullptr;
    QLineEdit* EdtStatT = nullptr;
    QProgressBar* EnviaBarT = nullptr;

    // ambientLowerUnit, ambientUpperUnit, ambientSensorRange, ambientMinimumSpan, ambientZeroMinUnit,
    // ambientZeroMaxUnit, ambientZeroUnit
    std::array<QLabel*, 7> unitLabels() const
    {
        return { ambientLowerUnit, ambientUpperUnit, ambientSensorRange, ambientMinimumSpan, ambientZeroMinUnit,
            ambientZeroMaxUnit, ambientZeroUnit };
    }

    // Creates the controls on `sheet`, laid out, with the texts they have before anything is shown.
    void setupUi(QWidget* sheet);
};

// Live values of the humidity transmitter in the display units; the humidity may be a dew point,
// which has no value for a relative humidity of 0 % or less.
struct HumidityLiveValues {
    float temperature = 0;
    float humidity = 0;
    bool humidityDefined = true;
};

class HumidityPage : public QObject, public TransmitterPage {
    Q_OBJECT

public:
    HumidityPage(PageHost& host, HumAmbState& state, const HumidityWidgets& widgets, QObject* parent = nullptr);

    // TransmitterPage
    void readConfiguration() override;
    TransferSteps startupReadSteps() override;
    void sendConfiguration() override;
    void identified() override;
    void unitChanged() override;

    // The state of the tab before anything is read, in the unit of the menu.
    void showInitialState() override;

    // The steps of a read, each part shown as soon as it has arrived.
    TransferSteps readSteps();
    // What the page would send now, as values (the checks before a send are not made here).
    humamb::HumiditySettings settingsToSend() const;
    // The tab as plain values once the checks a send makes have passed on it; after a refusal,
    // shown as a send shows it, nothing.
    std::optional<humamb::HumidityForm> formToSave();
    std::optional<config::ConfigurationValues> configurationToSave(Model model, QChar separator) override;
    void showConfiguration(const FamilySettings& settings) override;
    // Shows the configuration a send of these values would leave, as a read of it would show it;
    // nothing is written and the information memo keeps its lines.
    void showSettings(const humamb::HumiditySettings& settings);

    // The humidity measure menu, which only some firmware has; without it the humidity input
    // measures relative humidity.
    void setMeasureMenu(QAction* relativeHumidity, QAction* dewPoint);
    HumidityLiveValues ConvertHumidityReading(qint16 rawTemperature, qint16 rawHumidity) const;

    void UpdateHumidityZeroLimits();
    void UpdateTemperatureZeroLimits();
    void ShowHumidityKind();
    void ShowHumidityTempUnit();
    void HumidityClick(bool relativeHumidity);  // the item clicked in the humidity measure menu
    void SetHumTempLimits();
    void SetHumidityLimits();
    void AtualizaZeroRH();
    void AtualizaZeroTemp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The measure kind every humidity path works with (relative humidity without the menu).
    humamb::HumidityKind kind() const;
    humamb::InputControls humidityInput() const;
    humamb::InputControls temperatureInput() const;
    Model model() const;
    bool fahrenheit() const { return host_.fahrenheit(); }
    // A part of a read, shown as soon as it has arrived; a send's re-read of register 1 only adds
    // the memo line.
    void showPart(const humamb::Reading& reading, humamb::Part part, bool withSelections, bool memoLine = true);
    void showLive(qint16 rawHumidity, qint16 rawTemperature);
    humamb::PartObserver showing(const std::shared_ptr<humamb::Reading>& reading, bool withSelections);
    void setRelativeHumidityChecked(bool relative);

    bool EdtLimInfRHKeyPress(QLineEdit* edit, QKeyEvent* event);
    bool EdtLimInfTempKeyPress(QLineEdit* edit, QKeyEvent* event);
    bool EdtCorrZeroRHKeyPress(QKeyEvent* event);
    bool EdtCorrZeroTempKeyPress(QKeyEvent* event);
    void EdtCorrZeroRHEnter();
    void EdtCorrZeroTempEnter();

    PageHost& host_;
    HumAmbState& s_;
    HumidityWidgets w_;
    QAction* relativeItem_ = nullptr;
    QAction* dewPointItem_ = nullptr;
};

class AmbientPage : public QObject, public TransmitterPage {
    Q_OBJECT

public:
    AmbientPage(PageHost& host, HumAmbState& state, const AmbientWidgets& widgets, QObject* parent = nullptr);

    // TransmitterPage
    void readConfiguration() override;
    TransferSteps startupReadSteps() override;
    void sendConfiguration() override;
    void identified() override { SetAmbientLimits(); }
    void unitChanged() override;

    void showInitialState() override;
    TransferSteps readSteps();
    humamb::AmbientSettings settingsToSend() const;
    std::optional<humamb::AmbientForm> formToSave();
    std::optional<config::ConfigurationValues> configurationToSave(Model model, QChar separator) override;
    void showConfiguration(const FamilySettings& settings) override;
    void showSettings(const humamb::AmbientSettings& settings);

    QString UpdateAmbientZeroLimits();
    void ShowAmbientUnit();
    void SetAmbientLimits();
    void EdtTempLowLimitExit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    humamb::InputControls ambientInput() const;
    Model model() const;
    void showPart(const humamb::Reading& reading, humamb::Part part, bool withSelections, bool memoLine = true);
    humamb::PartObserver showing(const std::shared_ptr<humamb::Reading>& reading, bool withSelections);

    bool EdtTempLowLimitKeyPress(QLineEdit* edit, QKeyEvent* event);
    bool EdtTempZeroCorrectionKeyPress(QKeyEvent* event);
    void EdtTempZeroCorrectionEnter();

    PageHost& host_;
    HumAmbState& s_;
    AmbientWidgets w_;
};

}  // namespace korv
