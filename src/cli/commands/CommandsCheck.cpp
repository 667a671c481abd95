// The connection check without a window: one line per step, and the cause a failed open names.
#include "cli/CliOptions.h"
#include "cli/commands/Commands.h"
#include "core/diagnostics/ConnectionCheck.h"
#include "core/link/SerialLink.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSerialPortInfo>

namespace korv::cli {

namespace {

// Stable names for scripts, whatever the texts say.
QString stepKey(CheckStep::Id id)
{
    switch (id) {
    case CheckStep::Id::PortExists:
        return QStringLiteral("port-exists");
    case CheckStep::Id::MayOpen:
        return QStringLiteral("may-open");
    case CheckStep::Id::NotHeld:
        return QStringLiteral("not-held");
    case CheckStep::Id::Opens:
        return QStringLiteral("opens");
    case CheckStep::Id::Echo:
        return QStringLiteral("echo");
    case CheckStep::Id::Answer:
        return QStringLiteral("answer");
    case CheckStep::Id::Identified:
        return QStringLiteral("identified");
    }
    return {};
}

QString outcomeKey(CheckStep::Outcome outcome)
{
    switch (outcome) {
    case CheckStep::Outcome::NotRun:
        return QStringLiteral("not-run");
    case CheckStep::Outcome::Passed:
        return QStringLiteral("passed");
    case CheckStep::Outcome::Failed:
        return QStringLiteral("failed");
    case CheckStep::Outcome::Skipped:
        return QStringLiteral("skipped");
    }
    return {};
}

QString mark(CheckStep::Outcome outcome)
{
    switch (outcome) {
    case CheckStep::Outcome::Passed:
        return QStringLiteral("✓");
    case CheckStep::Outcome::Failed:
        return QStringLiteral("✗");
    case CheckStep::Outcome::Skipped:
        return QStringLiteral("?");
    case CheckStep::Outcome::NotRun:
        break;
    }
    return QStringLiteral("-");
}

ConnectionReport checkPort(const QString& port)
{
    ConnectionCheck check(port);
    QStringList present;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        present << info.systemLocation();
    check.setPresentPorts(present);
    return check.run();
}

}  // namespace

int Commands::check(bool json)
{
    begin(json);
    // The check opens the port itself.
    session_.dropLink();
    const ConnectionReport report = checkPort(portName_);
    if (json) {
        QJsonArray steps;
        for (const CheckStep& step : report.steps)
            steps.append(QJsonObject { { QStringLiteral("step"), stepKey(step.id) },
                { QStringLiteral("result"), outcomeKey(step.outcome) },
                { QStringLiteral("display"),
                    QJsonObject { { QStringLiteral("title"), checkStepTitle(step.id) },
                        { QStringLiteral("text"), step.sentence } } } });
        QJsonObject object { { QStringLiteral("port"), report.port }, { QStringLiteral("device"), report.device },
            { QStringLiteral("passed"), report.passed() }, { QStringLiteral("steps"), steps } };
        if (report.transmitter)
            object.insert(QStringLiteral("serialNumber"), report.transmitter->SerialNumberText);
        out_ << QJsonDocument(object).toJson(QJsonDocument::Indented);
        out_.flush();
    } else {
        QStringList lines;
        for (const CheckStep& step : report.steps) {
            if (step.outcome == CheckStep::Outcome::NotRun)
                continue;
            lines << QStringLiteral("%1 %2").arg(mark(step.outcome), checkStepTitle(step.id));
            if (step.outcome != CheckStep::Outcome::Passed && !step.sentence.isEmpty())
                lines << QStringLiteral("  ") + step.sentence;
        }
        print(lines);
    }
    return report.passed() ? ExitOk : ExitCommunication;
}

QString portUnavailableText(TransmitterSession& session, const QString& portName, const CliTexts& texts)
{
    const QString text = QStringLiteral("%1 (%2)").arg(texts.message(Msg::PortSetupError), portName);
    // Why it would not open, found as the connection check finds it: no such port, the group to
    // join, the program that holds it, a file that is no serial device.
    session.dropLink();
    const ConnectionReport report = checkPort(portName);
    const CheckStep* failed = report.failure();
    return failed && !failed->sentence.isEmpty() ? text + u'\n' + failed->sentence : text;
}

}  // namespace korv::cli
