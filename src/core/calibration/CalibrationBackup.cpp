#include "core/calibration/CalibrationBackup.h"

#include "core/CoreText.h"
#include "core/files/FileRead.h"
#include "core/files/FileSave.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>

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

// A value line as AddBackupLines writes it: signed 16-bit numbers, two tabs, and the gain where
// the section has one.
bool isValueLine(const QString& line, bool withGain)
{
    static const QRegularExpression offsetOnly(QStringLiteral("^Offset: (0|-?[1-9][0-9]{0,4})\\t\\t$"));
    static const QRegularExpression offsetAndGain(
        QStringLiteral("^Offset: (0|-?[1-9][0-9]{0,4})\\t\\tGain: (0|-?[1-9][0-9]{0,4})$"));
    const QRegularExpressionMatch match = (withGain ? offsetAndGain : offsetOnly).match(line);
    if (!match.hasMatch())
        return false;
    for (int group = 1; group <= match.lastCapturedIndex(); ++group) {
        const int value = match.captured(group).toInt();
        if (value < -32768 || value > 32767)
            return false;
    }
    return true;
}

bool isBackupOf(const QByteArray& bytes, Model model, const QString& serialNumberText)
{
    const auto variant = backupVariantFor(model);
    if (!variant || !bytes.endsWith("\r\n"))
        return false;
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();  // after the last line's end
    // The model line may name another model of the same registers: the copy still holds them.
    const QString modelPrefix = QStringLiteral("Transmitter model: ");
    const QString named = lines.value(2);
    const std::optional<Model> other
        = named.startsWith(modelPrefix) ? modelNamed(named.mid(modelPrefix.size())) : std::nullopt;
    if (!other || backupVariantFor(*other) != variant)
        return false;
    QStringList expected = backupHeaderLines();
    expected << named << QStringLiteral("Serial number: ") + serialNumberText << QString()
             << QStringLiteral("Calibration data backup:");
    const QList<BackupSection> sections = sectionsOf(*variant);
    const qsizetype count = expected.size() + sections.size() * 3 - 1;
    if (lines.size() != count)
        return false;
    qsizetype at = 0;
    for (; at < expected.size(); ++at) {
        if (lines[at] != expected[at])
            return false;
    }
    for (qsizetype i = 0; i < sections.size(); ++i) {
        if (i > 0 && !lines[at++].isEmpty())
            return false;
        if (lines[at++] != sections[i].title || !isValueLine(lines[at++], sections[i].gainRegister.has_value()))
            return false;
    }
    return true;
}

}  // namespace

std::optional<BackupVariant> backupVariantFor(Model model)
{
    return modelInfo(model).backup;
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

BackupOnDisk judgeBackupFile(const QString& path, Model model, const QString& serialNumberText)
{
    BackupOnDisk found;
    const FileBytes file = readRegularFile(path, MaximumBackupBytes);
    if (file.missing) {
        // A link that leads nowhere still takes the name: a save never replaces it.
        const QFileInfo link(path);
        if (!link.isSymLink()) {
            found.reason = file.error;
            return found;
        }
        found.verdict = BackupOnDisk::NotABackup;
        found.reason = CoreText::tr("é um link para %1, que não existe").arg(link.symLinkTarget());
        found.unreadable = true;
        return found;
    }
    found.verdict = BackupOnDisk::NotABackup;
    found.unreadable = !file.ok();
    if (!file.ok())
        found.reason = file.error;
    else if (file.bytes.isEmpty())
        found.reason = CoreText::tr("está vazio");
    else if (!isBackupOf(file.bytes, model, serialNumberText))
        found.reason = CoreText::tr("não é uma cópia de calibração deste transmissor");
    else {
        found.verdict = BackupOnDisk::ThisTransmitter;
        found.bytes = file.bytes;
    }
    return found;
}

}  // namespace korv
