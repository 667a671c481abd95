#include "calibration/CalibForm.h"

#include "calibration/CalibrationSpinBox.h"
#include "calibration/LabelFit.h"
#include "common/Messages.h"
#include "core/calibration/CalibrationBackup.h"
#include "core/calibration/CalibrationValue.h"
#include "core/protocol/StepRetry.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace korv {

namespace {

constexpr int ClientWidth = 363;
constexpr int ClientHeight = 152;
constexpr int Attempts = 3;
constexpr const char* BasePixelSizeProperty = "korvBasePixelSize";

const QString UnsupportedInputText = QStringLiteral("Unsupported input");
const QString WarningText = QStringLiteral("Warning: Original calibration data will be modified");
const QString BackupFailedText = QStringLiteral("Calibration backup failed: Apply is disabled.");

QFont windowFont(int pixelSize, bool bold)
{
    QFont font;
    // The window was drawn for a narrow bitmap font; metric-alike and condensed faces keep its texts
    // inside their places on systems without it.
    font.setFamilies(
        { QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Arial"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans") });
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void fitFont(QLabel* label)
{
    fitLabelFont(label, label->property(BasePixelSizeProperty).toInt());
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry, int pixelSize,
    bool bold, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, bool wordWrap = false)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(windowFont(pixelSize, bold));
    label->setProperty(BasePixelSizeProperty, pixelSize);
    label->setAlignment(alignment);
    label->setWordWrap(wordWrap);
    label->setGeometry(geometry);
    fitFont(label);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    // Enter in a spin field must not write to the transmitter.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CalibForm::CalibForm(CalibrationHost* host, QWidget* parent)
    : QDialog(parent)
    , host_(host)
{
    setObjectName(QStringLiteral("CalibForm"));
    setWindowTitle(QStringLiteral("Calibration"));
    setFont(windowFont(11, false));
    setFixedSize(ClientWidth, ClientHeight);
    setSizeGripEnabled(false);
    createControls();
}

void CalibForm::createControls()
{
    const Qt::Alignment centred = Qt::AlignCenter;
    // The limit captions and texts get two lines of room, so that the longer captions wrap
    // instead of being cut.
    warningLabel = makeLabel(this, "Label1", WarningText, QRect(8, 3, 347, 16), 13, true);
    QPalette warningPalette = warningLabel->palette();
    warningPalette.setColor(QPalette::WindowText, Qt::red);
    warningLabel->setPalette(warningPalette);
    offsetLimitsTitle = makeLabel(this, "Label2", QStringLiteral("Offset limits"), QRect(8, 55, 78, 28), 11, true,
        Qt::AlignLeft | Qt::AlignVCenter, true);
    gainLimitsTitle = makeLabel(this, "Label3", QStringLiteral("Gain limits"), QRect(185, 55, 62, 28), 11, true,
        Qt::AlignLeft | Qt::AlignVCenter, true);
    calibratedValueTitle
        = makeLabel(this, "Label4", QStringLiteral("Calibrated value:"), QRect(72, 30, 134, 16), 13, true);
    offsetInternalTitle = makeLabel(this, "Label5", QStringLiteral("Internal value"), QRect(12, 91, 90, 13), 11, true);
    OffsLimitsLabel = makeLabel(
        this, "OffsLimitsLabel", QStringLiteral("OffsLimitsLabel"), QRect(88, 55, 94, 28), 11, false, centred, true);
    gainInternalTitle = makeLabel(this, "Label8", QStringLiteral("Internal value"), QRect(184, 91, 90, 13), 11, true);
    GainLimitsLabel = makeLabel(
        this, "GainLimitsLabel", QStringLiteral("GainLimitsLabel"), QRect(249, 55, 108, 28), 11, false, centred, true);
    PVLabel = makeLabel(this, "PVLabel", QStringLiteral("PVLabel"), QRect(208, 30, 150, 16), 13, false,
        Qt::AlignLeft | Qt::AlignVCenter, true);

    closeButton = makeButton(this, "Button1", QStringLiteral("Close"), QRect(201, 120, 76, 25));
    ApplyButton = makeButton(this, "ApplyButton", QStringLiteral("Apply"), QRect(88, 120, 65, 25));
    ApplyButton->setEnabled(false);  // until an opening finds a backup on disk
    CSpinOffset = new CalibrationSpinBox(-20000, 20000, this);
    CSpinOffset->setObjectName(QStringLiteral("CSpinOffset"));
    CSpinOffset->setGeometry(104, 87, 66, 22);
    CSpinGanho = new CalibrationSpinBox(-10000, 20000, this);
    CSpinGanho->setObjectName(QStringLiteral("CSpinGanho"));
    CSpinGanho->setGeometry(276, 87, 66, 22);

    // Screen readers name each field by its label, and describe it by its column's limits.
    offsetInternalTitle->setBuddy(CSpinOffset);
    gainInternalTitle->setBuddy(CSpinGanho);

    setTabOrder(closeButton, ApplyButton);
    setTabOrder(ApplyButton, CSpinOffset);
    setTabOrder(CSpinOffset, CSpinGanho);

    connect(closeButton, &QPushButton::clicked, this, &CalibForm::onClose);
    connect(ApplyButton, &QPushButton::clicked, this, &CalibForm::ApplyButtonClick);
}

void CalibForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;  // restored from minimised: not a new opening
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    FormShow();
}

void CalibForm::setLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    fitFont(label);
}

void CalibForm::showWarning(int messageNumber)
{
    host_->ShowWarning(host_->message(messageNumber));
}

void CalibForm::FormShow()
{
    if (!host_)
        return;
    lastReadGain_.reset();
    lastRead_.reset();
    backupText_.clear();
    backupOnDisk_ = false;
    host_->recordBegins(QStringLiteral("calibration-backup"));
    QStringList backup = backupHeaderLines();
    const Model model = host_->model();
    if (const auto variant = backupVariantFor(model)) {
        const QString serialNumber = host_->serialNumberText();
        const Status status = addBackupLinesWithRetries(*variant, host_->registers(), model, serialNumber, backup);
        backupOnDisk_ = backupOnDisk(serialNumber, backup, status);
        ApplyButton->setEnabled(backupOnDisk_);
        setLabelText(warningLabel, backupOnDisk_ ? WarningText : BackupFailedText);
    } else {
        host_->boxes().plain(QStringLiteral("Invalid model!"), QStringLiteral("Invalid model for calibration!"));
        ApplyButton->setEnabled(false);
        setLabelText(warningLabel, WarningText);
    }
    RefreshCalibration();
    host_->recordEnds(recordedChange(lastRead_));
}

history::CalibrationChange CalibForm::recordedChange(const std::optional<CalibrationValues>& before) const
{
    const auto values = [](const std::optional<CalibrationValues>& read) {
        QMap<QString, int> map;
        if (read) {
            map.insert(QStringLiteral("offset"), read->offset);
            map.insert(QStringLiteral("gain"), read->gain);
        }
        return map;
    };
    history::CalibrationChange change;
    change.before = values(before);
    change.after = values(lastRead_);
    change.backupText = backupText_;
    return change;
}

bool CalibForm::backupOnDisk(const QString& serialNumberText, const QStringList& lines, Status readStatus)
{
    const QString fileName = backupFileName(serialNumberText);
    // A file holding only the header would block every later, complete backup of this
    // transmitter, so nothing is saved when the registers could not be read. A backup from an
    // earlier opening still protects the calibration, and is reported as on any other opening.
    // The read failure has no box of its own: the refresh below reads the same transmitter and
    // reports its own failures, and the window tells why Apply is disabled.
    if (readStatus == Status::Ok) {
        const BackupSaveResult result = saveBackupFile(fileName, lines);
        switch (result.outcome) {
        case BackupSaveResult::Saved:
            backupText_ = QString::fromLatin1(backupFileContents(lines));
            return true;
        case BackupSaveResult::AlreadyExists:
            break;
        case BackupSaveResult::NotCreated:
            host_->boxes().plain(QStringLiteral("Warning"),
                QStringLiteral("Calibration backup file could not be created: ") + result.reason);
            return false;
        }
    }
    // Whatever holds the name protects the calibration only when it is this transmitter's backup:
    // an empty file, a folder or another unit's copy would let Apply destroy the only record.
    const BackupOnDisk found = judgeBackupFile(fileName, host_->model(), serialNumberText);
    switch (found.verdict) {
    case BackupOnDisk::ThisTransmitter:
        backupText_ = QString::fromLatin1(found.bytes);
        showBackupExists();
        return true;
    case BackupOnDisk::NotABackup:
        host_->boxes().plain(QStringLiteral("Warning"),
            QStringLiteral("Calibration backup failed: %1: %2. Nothing was overwritten.").arg(fileName, found.reason));
        return false;
    case BackupOnDisk::Missing:
        break;
    }
    return false;
}

void CalibForm::showBackupExists()
{
    host_->boxes().plain(QStringLiteral("Warning"), QStringLiteral("Calibration backup file already exists!"));
}

void CalibForm::onClose()
{
    reject();
}

void CalibForm::ApplyButtonClick()
{
    // Apply is refused for models and inputs without calibration registers, and without a backup.
    if (!host_ || !ApplyButton->isEnabled())
        return;
    ApplyButton->setEnabled(false);
    // The writes block the window; the text must be on screen before they start.
    setLabelText(PVLabel, QStringLiteral("Writing..."));
    repaint();
    const std::optional<CalibrationValues> before = std::exchange(lastRead_, std::nullopt);
    host_->recordBegins(QStringLiteral("calibration-apply"));

    const CalibrationGroup group = calibrationGroupOf(host_->model());
    const int sensorCode = host_->transmitterSensorCode();
    retryStep(Attempts, [&] {
        const auto offset = static_cast<qint16>(CSpinOffset->value());
        auto gain = static_cast<qint16>(CSpinGanho->value());
        if (group == CalibrationGroup::Ambient && lastReadGain_)
            gain = *lastReadGain_;
        return WriteCalibration(host_->registers(), group, sensorCode, offset, gain);
    });
    RefreshCalibration();
    host_->recordEnds(recordedChange(before));
    ApplyButton->setEnabled(backupOnDisk_ && inputSupported_);
}

QString CalibForm::calibratedValueText(CalibrationGroup group, const CalibrationInput& input) const
{
    switch (group) {
    case CalibrationGroup::Humidity: {
        const HumidityConversion reading = host_->convertHumidityReading(input.raw, input.rawHumidity);
        return humidityValueText(
            reading.temperature, reading.humidity, reading.humidityDefined, host_->celsiusChecked());
    }
    case CalibrationGroup::Ambient:
        return ambientValueText(input.raw, CalibrationUnit);
    case CalibrationGroup::PlainTemperature:
        return plainTemperatureValueText(input.raw, host_->sensorMin(), host_->sensorMax(), CalibrationUnit);
    case CalibrationGroup::IsolatedTemperature:
        break;
    }
    return isolatedTemperatureValueText(input.raw, host_->sensorMin(), host_->sensorMax(), CalibrationUnit);
}

void CalibForm::RefreshCalibration()
{
    if (!host_)
        return;
    setLabelText(offsetLimitsTitle, QStringLiteral("Offset limits"));
    setLabelText(gainLimitsTitle, QStringLiteral("Gain limits"));
    CSpinGanho->setEnabled(true);

    const CalibrationGroup group = calibrationGroupOf(host_->model());
    const int sensorCode = host_->transmitterSensorCode();
    if (const auto limits = calibrationLimits(group, sensorCode, host_->celsiusChecked())) {
        setLabelText(offsetLimitsTitle, limits->offsetCaption);
        setLabelText(gainLimitsTitle, limits->gainCaption);
        setLabelText(OffsLimitsLabel, limits->offsetText);
        setLabelText(GainLimitsLabel, limits->gainText);
        CSpinGanho->setEnabled(limits->gainEnabled);
        CalibrationUnit = limits->unit;
    }
    CSpinOffset->setAccessibleDescription(offsetLimitsTitle->text() + QStringLiteral(": ") + OffsLimitsLabel->text());
    CSpinGanho->setAccessibleDescription(gainLimitsTitle->text() + QStringLiteral(": ") + GainLimitsLabel->text());

    inputSupported_ = calibrationRegisters(group, sensorCode).has_value();
    if (!inputSupported_) {
        setLabelText(PVLabel, UnsupportedInputText);
        ApplyButton->setEnabled(false);
        return;
    }

    // The live reading and the calibration read share one allowance of failures.
    int failures = 0;
    CalibrationInput input;
    if (retryStep(Attempts, failures, [&] { return ReadInputValue(host_->registers(), group, input); }) != Status::Ok) {
        showWarning(Msg::CommunicationError);
        return;
    }
    setLabelText(PVLabel, calibratedValueText(group, input));

    CalibrationValues values;
    if (retryStep(Attempts, failures, [&] { return ReadCalibration(host_->registers(), group, sensorCode, values); })
        != Status::Ok) {
        showWarning(Msg::CommunicationError);
        return;
    }
    CSpinOffset->setValue(values.offset);
    CSpinGanho->setValue(values.gain);
    lastReadGain_ = values.gain;
    lastRead_ = values;
}

}  // namespace korv
