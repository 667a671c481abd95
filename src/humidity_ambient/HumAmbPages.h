#pragma once

#include "common/KeyFilters.h"
#include "core/HumAmbTransfer.h"
#include "core/Model.h"
#include "widgets/PageHost.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>

class QAction;
class QEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;

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

struct HumidityWidgets {
    QLineEdit* EdtLimInfRH = nullptr;
    QLineEdit* EdtLimSupRH = nullptr;
    QLineEdit* EdtCorrZeroRH = nullptr;
    QRadioButton* MinRHRadioButton = nullptr;
    QRadioButton* MaxRHRadioButton = nullptr;
    QLabel* ValorMinZeroRHLb = nullptr;
    QLabel* ValorMaxZeroRHLb = nullptr;
    std::array<QLabel*, 7> rhLabels {};  // RH1Lb .. RH7Lb
    QLineEdit* EdtLimInfTemp = nullptr;
    QLineEdit* EdtLimSupTemp = nullptr;
    QLineEdit* EdtCorrZeroTemp = nullptr;
    QRadioButton* MinTempRadioButton = nullptr;
    QRadioButton* MaxTempRadioButton = nullptr;
    QLabel* ValorMinZeroTempLb = nullptr;
    QLabel* ValorMaxZeroTempLb = nullptr;
    std::array<QLabel*, 7> tempLabels {};  // Temp1Lb .. Temp7Lb
    QPlainTextEdit* Config_OrvHu = nullptr;
    QLineEdit* EdtStatRHT = nullptr;
    QPlainTextEdit* ShowPVsMemo = nullptr;
    QProgressBar* EnviaBarRHT = nullptr;
};

struct AmbientWidgets {
    QLineEdit* EdtTempLowLimit = nullptr;
    QLineEdit* EdtTempHighLimit = nullptr;
    QLineEdit* EdtTempZeroCorrection = nullptr;
    QRadioButton* MinFailOptionRadioButton = nullptr;
    QRadioButton* MaxFailOptionRadioButton = nullptr;
    QLabel* TempUserOffsetInfValLb = nullptr;
    QLabel* TempUserOffsetSupValLb = nullptr;
    // Label7, Label8, Label9, Label10, Label17, Label20, Label28
    std::array<QLabel*, 7> unitLabels {};
    QPlainTextEdit* Config_TxT = nullptr;
    QLineEdit* EdtStatT = nullptr;
    QPlainTextEdit* ShowTempPVMemo = nullptr;
    QProgressBar* EnviaBarT = nullptr;
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

    // The steps of a read, each part shown as soon as it has arrived.
    TransferSteps readSteps();
    // What the page would send now, as values (the checks before a send are not made here).
    humamb::HumiditySettings settingsToSend() const;

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
    void showPart(const humamb::Reading& reading, humamb::Part part, bool withSelections);
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

    TransferSteps readSteps();
    humamb::AmbientSettings settingsToSend() const;

    QString UpdateAmbientZeroLimits();
    void ShowAmbientUnit();
    void SetAmbientLimits();
    void EdtTempLowLimitExit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    humamb::InputControls ambientInput() const;
    Model model() const;
    void showPart(const humamb::Reading& reading, humamb::Part part, bool withSelections);
    humamb::PartObserver showing(const std::shared_ptr<humamb::Reading>& reading, bool withSelections);

    bool EdtTempLowLimitKeyPress(QLineEdit* edit, QKeyEvent* event);
    bool EdtTempZeroCorrectionKeyPress(QKeyEvent* event);
    void EdtTempZeroCorrectionEnter();

    PageHost& host_;
    HumAmbState& s_;
    AmbientWidgets w_;
};

}  // namespace korv
