// The two commands that take a configuration file: writing it, and comparing the transmitter with it.
#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/commands/Commands.h"
#include "cli/record/Report.h"
#include "common/NumberFormat.h"
#include "core/commands/GuardedSend.h"
#include "core/configuration/ConfigurationFile.h"
#include "core/families/headrail/HeadRailConfiguration.h"
#include "core/families/humamb/HumAmbConfiguration.h"
#include "core/protocol/Identification.h"
#include "core/protocol/SendReport.h"

#include <QJsonArray>
#include <QJsonObject>

#include <array>

namespace korv::cli {

std::optional<int> Commands::checkFile(
    const QString& path, bool forWriting, config::Configuration& configuration, config::UnitCheck& check)
{
    // The file is judged before the transmitter is touched at all.
    const config::Parsed parsed = config::readConfigurationFile(path);
    if (!parsed.configuration)
        return fail(ExitBadInput, QStringLiteral("%1: %2").arg(path, parsed.error));
    configuration = *parsed.configuration;
    if (const auto failed = connect())
        return failed;
    const IdentificationRecord& unit = session_.identification();
    check = config::checkAgainstUnit(configuration, unit);
    if (!check.mismatch.isEmpty())
        return fail(ExitBadInput, check.mismatch);
    // The window disables sending to a firmware it does not know how to configure; comparing is
    // still a read.
    if (forWriting && hasFirmwareRule(unit.TransmitterModel)
        && !firmwareCompatible(unit.TransmitterModel, unit.FirmwareVersion))
        return fail(ExitBadInput, texts_.message(Msg::FirmwareIncompatible));
    if (check.refusal)
        return fail(ExitBadInput,
            QStringLiteral("%1 (%2)").arg(
                texts_.message(check.refusal->message), config::refusedValue(configuration, *check.refusal)));
    return std::nullopt;
}

namespace {

// One register a write reached, as write --json reports it.
QJsonObject registerJson(const SentRegister& sent)
{
    static const std::array<QString, 3> Results { QStringLiteral("confirmed"), QStringLiteral("not-kept"),
        QStringLiteral("unconfirmed") };
    QJsonObject entry { { QStringLiteral("address"), sent.write.address },
        { QStringLiteral("value"), sent.write.value },
        { QStringLiteral("result"), Results.at(static_cast<std::size_t>(sent.fate)) } };
    if (sent.fate == SentRegister::Fate::NotKept)
        entry.insert(QStringLiteral("readBack"), sent.readBack);
    return entry;
}

// The line a register gets the moment its fate is known.
QString sentRegisterLine(const SentRegister& sent)
{
    switch (sent.fate) {
    case SentRegister::Fate::Confirmed:
        break;
    case SentRegister::Fate::NotKept:
        return CliText::tr("registro %1 = %2: lido de volta %3")
            .arg(sent.write.address)
            .arg(sent.write.value)
            .arg(sent.readBack);
    case SentRegister::Fate::Unconfirmed:
        return CliText::tr("registro %1 = %2: enviado sem confirmação, pode ter mudado")
            .arg(sent.write.address)
            .arg(sent.write.value);
    }
    return CliText::tr("registro %1 = %2").arg(sent.write.address).arg(sent.write.value);
}

// The write's result as write --json reports it.
QString resultKey(GuardedSendResult::End end)
{
    switch (end) {
    case GuardedSendResult::End::Written:
        return QStringLiteral("written");
    case GuardedSendResult::End::NotKept:
        return QStringLiteral("not-kept");
    case GuardedSendResult::End::Stopped:
    case GuardedSendResult::End::OtherUnit:
    case GuardedSendResult::End::NotChecked:
        break;
    }
    return QStringLiteral("interrupted");
}

}  // namespace

int Commands::write(const QString& path, bool json)
{
    begin(json);
    config::Configuration configuration;
    config::UnitCheck check;
    if (const auto failed = checkFile(path, true, configuration, check))
        return *failed;
    // The whole configuration is read first: the record keeps what the unit held before the write,
    // and register 1, read with it, gives the word written its transmitter's own bits.
    UnitReading reading;
    if (const auto failed = readUnit(reading))
        return *failed;
    const auto planned = plannedWrites(session_, check.settings);
    if (!planned)
        return fail(ExitBadInput, CliText::tr("%1: os valores não cabem nos registros deste transmissor.").arg(path));

    say(identificationLines(session_.identification(), reading.configWord(), texts_));
    // Each register is printed as soon as its fate is known, so that a write cut short still
    // leaves its record on the output.
    const GuardedSendResult sent = sendGuarded(
        session_, check.settings, *planned, [this](const SentRegister& one) { say({ sentRegisterLine(one) }); });
    QJsonArray registers;
    for (const SentRegister& one : sent.registers)
        registers.append(registerJson(one));
    // From here on the output reports registers: a --json write that fails says them beside its error.
    document_ = { { QStringLiteral("file"), path },
        { QStringLiteral("transmitter"), transmitterJson(session_.identification(), reading.configWord()) },
        { QStringLiteral("registers"), registers }, { QStringLiteral("result"), resultKey(sent.end) } };
    switch (sent.end) {
    case GuardedSendResult::End::Written:
        return succeed(texts_.message(Msg::SendOk));
    case GuardedSendResult::End::NotKept:
        return fail(ExitDiffers,
            CliText::tr("%1 O transmissor não manteve todos os valores escritos.")
                .arg(texts_.message(Msg::WriteError)));
    case GuardedSendResult::End::OtherUnit:
        return fail(ExitCommunication, unitChangedText());
    case GuardedSendResult::End::NotChecked:
        return fail(ExitCommunication, texts_.message(Msg::CommunicationError));
    case GuardedSendResult::End::Stopped:
        break;
    }
    if (sent.stoppedAt)
        document_.insert(QStringLiteral("stoppedAt"), *sent.stoppedAt);
    const QString where = sent.stoppedAt
        ? CliText::tr(" O registro %1 não foi confirmado; registros").arg(*sent.stoppedAt)
        : CliText::tr(" Registros");
    return fail(ExitCommunication,
        CliText::tr("%1%2 já escritos: %3; enviados sem confirmação (podem ter mudado): %4.")
            .arg(texts_.message(Msg::CommunicationError), where, registerList(sent.writes.confirmed),
                registerList(sent.writes.unconfirmed)));
}

int Commands::verify(const QString& path, bool json)
{
    begin(json);
    config::Configuration configuration;
    config::UnitCheck check;
    if (const auto failed = checkFile(path, false, configuration, check))
        return *failed;
    UnitReading reading;
    if (const auto failed = readUnit(reading))
        return *failed;
    const Comparison found = differences(configuration, check.settings, reading);
    document_ = { { QStringLiteral("file"), path },
        { QStringLiteral("transmitter"), transmitterJson(session_.identification(), reading.configWord()) },
        { QStringLiteral("match"), found.lines.isEmpty() }, { QStringLiteral("registers"), found.registers } };
    if (found.lines.isEmpty())
        return succeed(CliText::tr("O transmissor confere com %1.").arg(path));
    const QStringList lines = QStringList { CliText::tr("O transmissor difere de %1:").arg(path) } + found.lines;
    say(lines);
    if (json_)
        printDocument();
    if (record_)
        record_->setResult(history::Outcome::Failed, lines.join(u'\n'), ExitDiffers);
    return ExitDiffers;
}

}  // namespace korv::cli
