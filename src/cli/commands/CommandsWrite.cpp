// The two commands that take a configuration file: writing it, and comparing the transmitter with it.
#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/commands/Commands.h"
#include "cli/record/Report.h"
#include "common/NumberFormat.h"
#include "core/configuration/ConfigurationFile.h"
#include "core/families/headrail/HeadRailConfiguration.h"
#include "core/families/humamb/HumAmbConfiguration.h"
#include "core/protocol/Identification.h"
#include "core/protocol/SendReport.h"

#include <QCoreApplication>

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace korv::cli {

namespace {

// Stands in for the transmitter while a send is worked out: every write is noted and taken.
class PlannedRegisters final : public RegisterAccess {
public:
    Status ReadParameter(qint16, qint16&) override { return Status::NotSent; }
    Status ReadMemory(qint16, qint16&) override { return Status::NotSent; }
    Status WriteParameter(qint16 address, qint16 value) override
    {
        writes.push_back({ address, value, true });
        return Status::Ok;
    }
    std::vector<WrittenRegister> writes;
};

}  // namespace

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

std::optional<std::vector<WrittenRegister>> Commands::plannedWrites(const FamilySettings& settings) const
{
    TransmitterSession plan;
    plan.identification() = session_.identification();
    plan.ConfigWord = session_.ConfigWord;
    PlannedRegisters registers;
    plan.useRegisters(registers);
    if (plan.run(driverFor(plan.identification().TransmitterModel).sendSteps(plan, settings)))
        return std::nullopt;
    return registers.writes;
}

namespace {

// One register a write reached, as write --json reports it.
QJsonObject registerJson(const WrittenRegister& write, const QString& result)
{
    return { { QStringLiteral("address"), write.address }, { QStringLiteral("value"), write.value },
        { QStringLiteral("result"), result } };
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
    const auto planned = plannedWrites(check.settings);
    if (!planned)
        return fail(ExitBadInput, CliText::tr("%1: os valores não cabem nos registros deste transmissor.").arg(path));

    say(identificationLines(session_.identification(), reading.configWord(), texts_));
    // From here on the output reports registers: a --json write that fails says them beside its error.
    QJsonArray registers;
    const auto report = [&](const QString& result) {
        document_ = { { QStringLiteral("file"), path },
            { QStringLiteral("transmitter"), transmitterJson(session_.identification(), reading.configWord()) },
            { QStringLiteral("registers"), registers }, { QStringLiteral("result"), result } };
    };
    // Each register is printed as soon as it is confirmed, so that a write cut short still leaves
    // its record on the output; a step tried again confirms its registers again, printed once.
    QMap<qint16, qint16> readBack;
    QSet<qint16> printed;
    bool notKept = false;
    session_.setNotKeptHandler([&readBack](qint16 address, qint16, qint16 value) { readBack.insert(address, value); });
    session_.setConfirmedListener([&](const WrittenRegister& write) {
        if (printed.contains(write.address))
            return;
        printed.insert(write.address);
        if (write.kept) {
            registers.append(registerJson(write, QStringLiteral("confirmed")));
            say({ CliText::tr("registro %1 = %2").arg(write.address).arg(write.value) });
        } else {
            notKept = true;
            QJsonObject entry = registerJson(write, QStringLiteral("not-kept"));
            entry.insert(QStringLiteral("readBack"), readBack.value(write.address));
            registers.append(entry);
            say({ CliText::tr("registro %1 = %2: lido de volta %3")
                      .arg(write.address)
                      .arg(write.value)
                      .arg(readBack.value(write.address)) });
        }
    });
    session_.clearWrites();
    // The unit is asked for its serial number right before the first write frame: a unit swapped
    // since identification gets nothing.
    session_.guardWrites();
    const auto failedStep
        = session_.run(driverFor(session_.identification().TransmitterModel).sendSteps(session_, check.settings));
    session_.setConfirmedListener({});
    session_.setNotKeptHandler({});

    // Another unit in place: a register confirmed since the unit was last seen may have been
    // confirmed by the other one, and is reported as sent without confirmation.
    const auto unitChanged = [&] {
        const std::vector<qint16>& unknown = session_.writesOfUnknownUnit();
        for (qsizetype i = 0; i < registers.size(); ++i) {
            QJsonObject entry = registers[i].toObject();
            if (std::find(unknown.begin(), unknown.end(), entry.value(QStringLiteral("address")).toInt())
                != unknown.end()) {
                entry.insert(QStringLiteral("result"), QStringLiteral("unconfirmed"));
                entry.remove(QStringLiteral("readBack"));
                registers[i] = entry;
            }
        }
        report(QStringLiteral("interrupted"));
        return fail(ExitCommunication, unitChangedText());
    };
    if (session_.otherUnit())
        return unitChanged();
    if (failedStep) {
        const WriteOutcome outcome = writeOutcome(session_.writes());
        for (qint16 address : outcome.unconfirmed) {
            const auto last = std::find_if(session_.writes().rbegin(), session_.writes().rend(),
                [address](const WrittenRegister& write) { return write.address == address; });
            registers.append(registerJson(*last, QStringLiteral("unconfirmed")));
            say({ CliText::tr("registro %1 = %2: enviado sem confirmação, pode ter mudado")
                      .arg(address)
                      .arg(last->value) });
        }
        // The register the send stopped at: the first one planned that was not confirmed.
        const auto stoppedAt = std::find_if(planned->begin(), planned->end(), [&outcome](const WrittenRegister& write) {
            return std::find(outcome.confirmed.begin(), outcome.confirmed.end(), write.address)
                == outcome.confirmed.end();
        });
        const QString where = stoppedAt == planned->end()
            ? CliText::tr(" Registros")
            : CliText::tr(" O registro %1 não foi confirmado; registros").arg(stoppedAt->address);
        report(QStringLiteral("interrupted"));
        if (stoppedAt != planned->end())
            document_.insert(QStringLiteral("stoppedAt"), stoppedAt->address);
        return fail(ExitCommunication,
            CliText::tr("%1%2 já escritos: %3; enviados sem confirmação (podem ter mudado): %4.")
                .arg(texts_.message(Msg::CommunicationError), where, registerList(outcome.confirmed),
                    registerList(outcome.unconfirmed)));
    }
    // And once more before the result: what was confirmed was confirmed by this unit.
    const TransmitterSession::UnitCheck unitNow = session_.checkUnit();
    if (unitNow.changed)
        return unitChanged();
    if (unitNow.status != Status::Ok) {
        report(QStringLiteral("interrupted"));
        return fail(ExitCommunication, texts_.message(Msg::CommunicationError));
    }
    report(notKept ? QStringLiteral("not-kept") : QStringLiteral("written"));
    if (notKept)
        return fail(ExitDiffers,
            CliText::tr("%1 O transmissor não manteve todos os valores escritos.")
                .arg(texts_.message(Msg::WriteError)));
    return succeed(texts_.message(Msg::SendOk));
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
