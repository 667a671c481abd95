#include "cli/commands/Commands.h"

#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/record/Report.h"
#include "common/NumberFormat.h"
#include "core/calibration/CalibrationBackup.h"
#include "core/families/headrail/HeadRailConfiguration.h"
#include "core/families/humamb/HumAmbConfiguration.h"
#include "core/files/FileRead.h"
#include "core/link/LinkSettings.h"
#include "core/link/SerialLink.h"
#include "core/link/port/PortAccess.h"
#include "core/protocol/SendReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

namespace korv::cli {

Commands::Commands(
    TransmitterSession& session, QString portName, const CliTexts& texts, QTextStream& out, QTextStream& err)
    : session_(session)
    , portName_(std::move(portName))
    , texts_(texts)
    , out_(out)
    , err_(err)
{
}

void Commands::print(const QStringList& lines)
{
    for (const QString& line : lines)
        out_ << line << '\n';
    out_.flush();
}

void Commands::begin(bool json)
{
    json_ = json;
    document_ = {};
    said_.clear();
}

void Commands::say(const QStringList& lines)
{
    if (json_)
        said_ << lines;
    else
        print(lines);
}

void Commands::printDocument(const QJsonObject& error)
{
    QJsonObject document = document_;
    document.insert(QStringLiteral("display"), displayJson(said_));
    if (!error.isEmpty())
        document.insert(QStringLiteral("error"), error.value(QStringLiteral("error")));
    out_ << jsonText(document_.isEmpty() ? error : document);
    out_.flush();
}

int Commands::fail(int exitCode, const QString& text)
{
    err_ << text << '\n';
    err_.flush();
    if (json_)
        printDocument(errorJson(exitCode, text));
    if (record_)
        record_->setResult(history::Outcome::Failed, text, exitCode);
    return exitCode;
}

int Commands::succeed(const QString& text, int exitCode)
{
    say({ text });
    if (json_)
        printDocument();
    if (record_)
        record_->setResult(exitCode == ExitOk ? history::Outcome::Done : history::Outcome::Failed, text, exitCode);
    return exitCode;
}

std::optional<int> Commands::connect()
{
    // One contact and one identification serve every command run on the same unit.
    if (identified_)
        return std::nullopt;
    contacted_ = true;
    // A silent transmitter gets the attempts and pauses of the window's read command.
    switch (contactMade_ ? ContactOutcome::Made : session_.contact(ReadCommandContact)) {
    case ContactOutcome::Made:
        break;
    case ContactOutcome::PortUnavailable:
        return fail(ExitCommunication, portUnavailableText());
    case ContactOutcome::NoAnswer:
        session_.link().Close();
        return fail(ExitCommunication, texts_.message(Msg::CommunicationError));
    }
    if (retryStep(StepAttempts, [this] { return session_.identify(); }) != Status::Ok)
        return fail(ExitCommunication, texts_.message(Msg::CommunicationError));
    identified_ = true;
    return std::nullopt;
}

std::optional<int> Commands::readConfigWord(UnitReading& reading)
{
    const FamilyDriver& family = driverFor(session_.identification().TransmitterModel);
    if (retryStep(StepAttempts, [&] { return family.readConfigWord(session_, reading); }) != Status::Ok)
        return fail(ExitCommunication, texts_.message(Msg::CommunicationError));
    return std::nullopt;
}

std::optional<int> Commands::readUnit(UnitReading& reading)
{
    const Model model = session_.identification().TransmitterModel;
    if (!familyOf(model))
        return fail(ExitBadInput,
            CliText::tr("O transmissor não foi identificado como um modelo conhecido: "
                        "sua configuração não pode ser interpretada."));
    if (session_.run(driverFor(model).readSteps(session_, reading)))
        return fail(ExitCommunication, texts_.message(Msg::CommunicationError));
    return std::nullopt;
}

int Commands::identify(bool json)
{
    begin(json);
    if (const auto failed = connect())
        return *failed;
    UnitReading reading;
    if (const auto failed = readConfigWord(reading))
        return *failed;
    say(identificationLines(session_.identification(), reading.configWord(), texts_));
    if (json_) {
        document_.insert(
            QStringLiteral("transmitter"), transmitterJson(session_.identification(), reading.configWord()));
        printDocument();
    }
    return ExitOk;
}

int Commands::read(bool fahrenheit, bool json)
{
    begin(json);
    if (const auto failed = connect())
        return *failed;
    UnitReading reading;
    if (const auto failed = readUnit(reading))
        return *failed;

    const IdentificationRecord& unit = session_.identification();
    const Model model = unit.TransmitterModel;
    const QChar separator = decimalSeparator();
    QStringList lines = identificationLines(unit, reading.configWord(), texts_);
    QJsonObject object;
    // readUnit has refused a model of no known family.
    const FamilyView view = driverFor(model).view(unit, fahrenheit, reading, texts_.messages(), separator);
    std::visit(Overloaded {
                   [&](const headrail::ReadView& headRail) {
                       lines << headRailLines(headRail, texts_);
                       object = headRailJson(unit, fahrenheit, headRail, separator);
                   },
                   [&](const humamb::HumidityView& humidity) {
                       lines << humidityLines(humidity, texts_);
                       object = humidityJson(unit, fahrenheit, humidity, separator);
                   },
                   [&](const humamb::AmbientView& ambient) {
                       lines << ambientLines(ambient, texts_);
                       object = ambientJson(unit, fahrenheit, ambient, separator);
                   },
               },
        view);
    say(lines);
    if (json_) {
        document_ = object;
        document_.insert(QStringLiteral("transmitter"), transmitterJson(unit, reading.configWord()));
        document_.insert(QStringLiteral("unit"), temperatureUnitKey(fahrenheit));
        printDocument();
    }
    return ExitOk;
}

int Commands::backup(const QString& directory)
{
    begin(false);
    const QString folder = directory.isEmpty() ? QDir::currentPath() : directory;
    // Judged before the transmitter is touched: a folder that cannot take the file is a bad argument.
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir())
        return fail(ExitBadInput, CliText::tr("A pasta %1 não existe ou não é uma pasta.").arg(folder));

    if (const auto failed = connect())
        return *failed;
    const IdentificationRecord& unit = session_.identification();
    const auto variant = backupVariantFor(unit.TransmitterModel);
    if (!variant)
        return fail(ExitBadInput,
            CliText::tr("O modelo %1 não tem calibração para copiar.").arg(modelString(unit.TransmitterModel)));
    QStringList lines = backupHeaderLines();
    if (addBackupLinesWithRetries(*variant, session_.registers(), unit.TransmitterModel, unit.SerialNumberText, lines)
        != Status::Ok)
        return fail(ExitCommunication, texts_.message(Msg::CommunicationError));

    // Read from the unit identified, or the file would carry another unit's calibration under its name.
    if (const auto failed = confirmUnit())
        return *failed;

    const QString path = QDir(folder).filePath(backupFileName(unit.SerialNumberText));
    const BackupSaveResult result = saveBackupFile(path, lines);
    history::CalibrationChange copy;
    switch (result.outcome) {
    case BackupSaveResult::Saved:
        copy.backupText = QString::fromLatin1(backupFileContents(lines));
        if (record_)
            record_->setCalibration(copy);
        return succeed(CliText::tr("Cópia da calibração salva em %1").arg(path));
    case BackupSaveResult::AlreadyExists:
        break;
    case BackupSaveResult::NotCreated:
        return fail(ExitNotWritten, CliText::tr("Não foi possível criar %1: %2").arg(path, result.reason));
    }
    // The first backup of a transmitter is kept whatever happens; whether it still holds the
    // calibration read now is worth knowing all the same. What holds the name counts only when it
    // is this transmitter's backup, and the record keeps that file's text.
    const BackupOnDisk existing = judgeBackupFile(path, unit.TransmitterModel, unit.SerialNumberText);
    if (existing.verdict != BackupOnDisk::ThisTransmitter)
        return fail(ExitBadInput,
            (existing.unreadable
                    ? CliText::tr("%1 já existe, mas não pôde ser lido para comparar: %2; nada foi escrito.")
                    : CliText::tr("%1 já existe e %2; nada foi escrito."))
                .arg(path, existing.reason));
    copy.backupText = QString::fromLatin1(existing.bytes);
    if (record_)
        record_->setCalibration(copy);
    if (existing.bytes == backupFileContents(lines))
        return succeed(CliText::tr("%1 já existe com esta mesma calibração; nada foi escrito.").arg(path));
    return fail(ExitDiffers,
        CliText::tr("%1 já existe com outra calibração e foi mantido como estava; nada foi escrito.").arg(path));
}

std::optional<int> Commands::confirmUnit()
{
    const TransmitterSession::UnitCheck check = session_.checkUnit();
    if (check.status != Status::Ok)
        return fail(ExitCommunication, texts_.message(Msg::CommunicationError));
    if (!check.changed)
        return std::nullopt;
    return fail(ExitCommunication, unitChangedText());
}

QString Commands::unitChangedText() const
{
    const QString identified = session_.identification().SerialNumberText;
    const QString other = session_.otherUnit().value_or(QString());
    QString text
        = CliText::tr("Outro transmissor respondeu: o comando era para %1, mas %2 responde agora; o comando parou.")
              .arg(identified, other);
    // What the write log still calls confirmed was confirmed before the unit was last seen in place.
    const WriteOutcome outcome = writeOutcome(session_.writes());
    if (!outcome.confirmed.empty())
        text += CliText::tr(" Registros confirmados em %1: %2.").arg(identified, registerList(outcome.confirmed));
    if (!session_.writesOfUnknownUnit().empty())
        text += CliText::tr(" Enviados a %1 ou a %2, sem saber a qual (podem ter mudado em qualquer um): %3.")
                    .arg(identified, other, registerList(session_.writesOfUnknownUnit()));
    return text;
}

}  // namespace korv::cli
