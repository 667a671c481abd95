#include "core/calibration/CalibrationBackup.h"

#include "core/files/FileSave.h"

#include <QList>

namespace korv {

namespace {

struct BackupSection {
    QString title;
    qint16 offsetRegister;
    std::optional<qint16> gainRegister;  // none: the humidity sensors have offsets only
};

QList<BackupSection> sectionsOf(BackupVariant variant)
{
    const QList<BackupSection> threeInputs = {
        { QStringLiteral("0-50mV:"), 4, 5 },
        { QStringLiteral("TC:"), 8, 9 },
        { QStringLiteral("Pt100:"), 6, 7 },
    };
    switch (variant) {
    case BackupVariant::ThreeInputs:
        return threeInputs;
    case BackupVariant::FiveInputs:
        return threeInputs
            + QList<BackupSection> { { QStringLiteral("0-10V:"), 17, 18 }, { QStringLiteral("0-20mA:"), 19, 20 } };
    case BackupVariant::Ambient:
        return { { QStringLiteral("Temperature Sensor:"), 17, 18 } };
    case BackupVariant::Humidity:
        break;
    }
    return { { QStringLiteral("RH Sensor:"), 16, std::nullopt },
        { QStringLiteral("Temperature Sensor:"), 17, std::nullopt } };
}

}  // namespace

std::optional<BackupVariant> backupVariantFor(Model model)
{
    // Only transmitters that measure temperature have a calibration to copy: Orv-H has none.
    const ModelInfo& info = modelInfo(model);
    if (info.family == Family::HeadRail)
        return info.electricalInputs ? BackupVariant::FiveInputs : BackupVariant::ThreeInputs;
    if (info.family == Family::Humidity && info.temperatureInput)
        return BackupVariant::Humidity;
    if (info.family == Family::Ambient)
        return BackupVariant::Ambient;
    return std::nullopt;
}

QStringList backupHeaderLines()
{
    return { QStringLiteral("OrvSetup - Calibration mode"), QString() };
}

Status AddBackupLines(
    BackupVariant variant, RegisterAccess& registers, Model model, const QString& serialNumberText, QStringList& lines)
{
    const QList<BackupSection> sections = sectionsOf(variant);
    QStringList valueLines;
    for (const BackupSection& section : sections) {
        qint16 offset = 0;
        Status status = registers.ReadParameter(section.offsetRegister, offset);
        if (status != Status::Ok)
            return status;
        QString line = QStringLiteral("Offset: ") + QString::number(offset) + QStringLiteral("\t\t");
        if (section.gainRegister) {
            qint16 gain = 0;
            status = registers.ReadParameter(*section.gainRegister, gain);
            if (status != Status::Ok)
                return status;
            line += QStringLiteral("Gain: ") + QString::number(gain);
        }
        valueLines << line;
    }

    lines << QStringLiteral("Transmitter model: ") + modelString(model)
          << QStringLiteral("Serial number: ") + serialNumberText << QString()
          << QStringLiteral("Calibration data backup:");
    for (qsizetype i = 0; i < sections.size(); ++i) {
        if (i > 0)
            lines << QString();
        lines << sections[i].title << valueLines[i];
    }
    return Status::Ok;
}

Status addBackupLinesWithRetries(BackupVariant variant, RegisterAccess& registers, Model model,
    const QString& serialNumberText, QStringList& lines, int attempts)
{
    Status status = Status::NotSent;
    for (int attempt = 0; attempt < attempts && status != Status::Ok; ++attempt)
        status = AddBackupLines(variant, registers, model, serialNumberText, lines);
    return status;
}

QString backupFileName(const QString& serialNumberText)
{
    return serialNumberText + QStringLiteral(".txt");
}

QByteArray backupFileContents(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

BackupSaveResult saveBackupFile(const QString& fileName, const QStringList& lines)
{
    // Created under its name only once written whole, and never over a file already there: a
    // backup that exists is always complete, and one that failed leaves nothing another writer
    // could mistake for it.
    const SaveResult result = saveFile(fileName, backupFileContents(lines), SaveMode::CreateNew);
    switch (result.outcome) {
    case SaveResult::Saved:
        return { BackupSaveResult::Saved, {} };
    case SaveResult::AlreadyExists:
        return { BackupSaveResult::AlreadyExists, {} };
    case SaveResult::Failed:
        break;
    }
    return { BackupSaveResult::NotCreated, result.reason };
}

}  // namespace korv
