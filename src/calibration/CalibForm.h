#pragma once

#include "calibration/CalibrationHost.h"
#include "core/calibration/CalibrationAccess.h"
#include "core/calibration/CalibrationRegisters.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>

class QLabel;
class QPushButton;
class QShowEvent;

namespace korv {

class CalibrationSpinBox;

// The hidden service window: shows the live reading of the active input and its raw offset and
// gain calibration, saves a backup of the transmitter's calibration each time it opens, and
// writes new raw values on Apply, which it offers only while that backup is on disk. It is created once and reused, so
// its texts carry over from one opening to the next except where the show sequence sets them again.
class CalibForm : public QDialog {
    Q_OBJECT

public:
    explicit CalibForm(CalibrationHost* host = nullptr, QWidget* parent = nullptr);

    // The show sequence: backup, then refresh. Showing the window runs it; tests call it directly.
    void FormShow();
    void onClose();
    void ApplyButtonClick();
    void RefreshCalibration();

    QString calibrationUnit() const { return CalibrationUnit; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    bool backupOnDisk(const QString& serialNumberText, const QStringList& lines, Status readStatus);
    void showBackupExists();
    QString calibratedValueText(CalibrationGroup group, const CalibrationInput& input) const;
    void setLabelText(QLabel* label, const QString& text);
    void showWarning(int messageNumber);
    // The calibration as the last refresh read it, and the backup, for the record.
    history::CalibrationChange recordedChange(const std::optional<CalibrationValues>& before) const;

    CalibrationHost* host_;
    QString CalibrationUnit;
    // Whether the transmitter's input has calibration registers at all; without them nothing may be
    // read or written.
    bool inputSupported_ = true;
    // Whether this opening left a backup of the transmitter's calibration on disk, written now or
    // found from an earlier opening. Without one, Apply could destroy the only record of the
    // factory calibration, so it stays disabled.
    bool backupOnDisk_ = false;
    // The ambient transmitter's gain cannot be edited, and is written back exactly as read, even
    // where the spin field's range would have clamped it.
    std::optional<qint16> lastReadGain_;
    // Offset and gain as the last refresh read them, for the record of an apply.
    std::optional<CalibrationValues> lastRead_;
    // The backup's text as this opening saved it, or as it was found on disk.
    QString backupText_;

    QLabel* warningLabel = nullptr;  // Label1
    QLabel* offsetLimitsTitle = nullptr;  // Label2
    QLabel* gainLimitsTitle = nullptr;  // Label3
    QLabel* calibratedValueTitle = nullptr;  // Label4
    QLabel* offsetInternalTitle = nullptr;  // Label5
    QLabel* OffsLimitsLabel = nullptr;
    QLabel* gainInternalTitle = nullptr;  // Label8
    QLabel* GainLimitsLabel = nullptr;
    QLabel* PVLabel = nullptr;
    QPushButton* closeButton = nullptr;  // Button1
    QPushButton* ApplyButton = nullptr;
    CalibrationSpinBox* CSpinOffset = nullptr;
    CalibrationSpinBox* CSpinGanho = nullptr;
};

using TCalibForm = CalibForm;

}  // namespace korv
