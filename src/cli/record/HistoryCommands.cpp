#include "cli/record/HistoryCommands.h"

#include "cli/CliTexts.h"
#include "cli/record/Report.h"
#include "core/files/Settings.h"
#include "core/history/HistoryExport.h"
#include "core/history/HistoryStore.h"
#include "core/history/PlantSync.h"
#include "i18n/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>

#include <csignal>

namespace korv::cli {

namespace {

// Ids are shown as their first eight characters, which report --event takes back.
constexpr int ShownIdLength = 8;

QString localTime(const history::Event& event)
{
    return event.time.toOffsetFromUtc(event.utcOffsetSeconds).toString(Qt::ISODate);
}

QString eventLine(const history::Event& event)
{
    const auto orDash = [](const QString& text) { return text.isEmpty() ? QStringLiteral("-") : text; };
    return QStringList { event.id.left(ShownIdLength), localTime(event), orDash(event.unit.serialNumber),
        orDash(event.unit.model), event.command, history::outcomeName(event.outcome),
        orDash(event.resultText.section(u'\n', 0, 0)) }
        .join(QStringLiteral("  "));
}

// The program that draws reports: beside this one in the build, among the package's private
// programs once installed.
QString reportProgram(const QString& given)
{
    if (!given.isEmpty())
        return given;
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate : { here.filePath(QStringLiteral("korvsetup-report")),
             here.filePath(QStringLiteral("../libexec/korvsetup/korvsetup-report")) }) {
        if (QFileInfo(candidate).isExecutable())
            return QDir::cleanPath(candidate);
    }
    return {};
}

// Empty on success, else why the PDF was not written.
QString drawReport(const history::Event& event, const QString& pdf, const QString& program)
{
    if (program.isEmpty())
        return CliText::tr("o programa korvsetup-report não foi encontrado");
    QProcess drawing;
    // The report is in the command line's language.
    drawing.start(program, { QStringLiteral("--language"), currentLanguage(), pdf });
    if (!drawing.waitForStarted())
        return CliText::tr("%1 não pôde ser iniciado: %2").arg(program, drawing.errorString());
    drawing.write(QJsonDocument(history::toJson(event)).toJson(QJsonDocument::Compact));
    drawing.closeWriteChannel();
    if (!drawing.waitForFinished(60000)) {
        drawing.kill();
        drawing.waitForFinished();
        return CliText::tr("%1 não terminou").arg(program);
    }
    if (drawing.exitStatus() != QProcess::NormalExit || drawing.exitCode() != 0) {
        const QString told = QString::fromUtf8(drawing.readAllStandardError()).trimmed();
        return told.isEmpty() ? CliText::tr("%1 falhou").arg(program) : told;
    }
    return {};
}

int report(const Options& options, history::Store& store, const QString& program, QTextStream& out, QTextStream& err)
{
    std::optional<history::Event> event;
    if (!options.event.isEmpty()) {
        event = store.event(options.event);
        if (!event || event->unit.serialNumber != options.serialNumber) {
            err << CliText::tr("O registro não tem o evento %1 do número de série %2.")
                       .arg(options.event, options.serialNumber)
                << '\n';
            return ExitBadInput;
        }
    } else {
        history::Filter filter;
        filter.serialNumber = options.serialNumber;
        filter.limit = 1;
        const QList<history::Event> newest = store.events(filter);
        if (newest.isEmpty()) {
            err << CliText::tr("O registro não tem eventos do número de série %1.").arg(options.serialNumber) << '\n';
            return ExitBadInput;
        }
        event = newest.constFirst();
    }
    const QString problem = drawReport(*event, options.pdf, reportProgram(program));
    if (!problem.isEmpty()) {
        err << CliText::tr("O relatório %1 não pôde ser salvo: %2").arg(options.pdf, problem) << '\n';
        return ExitNotWritten;
    }
    out << CliText::tr("Relatório do evento %1 salvo em %2").arg(event->id.left(ShownIdLength), options.pdf) << '\n';
    return ExitOk;
}

// One element of the indented array QJsonDocument writes, as it would write it.
QString jsonArrayElement(const QJsonObject& object)
{
    QString text = QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    text.chop(1);
    return QStringLiteral("    ") + text.replace(u'\n', QStringLiteral("\n    "));
}

// A row at a time: a record of years is listed without holding it.
QString listEvents(const history::Store& store, const history::Filter& filter, const Options& options, QTextStream& out)
{
    bool first = true;
    if (options.json)
        out << "[\n";
    else if (options.csv)
        out << QString::fromUtf8(history::csvHeaderRow());
    const QString problem = store.forEachEvent(filter, [&](const history::Event& event) {
        if (options.json)
            out << (first ? "" : ",\n") << jsonArrayElement(history::toJson(event));
        else if (options.csv)
            out << QString::fromUtf8(history::csvRow(event));
        else
            out << eventLine(event) << '\n';
        first = false;
        return true;
    });
    if (options.json)
        out << (first ? "]\n" : "\n]\n");
    return problem;
}

}  // namespace

int historyCommand(
    const Options& options, const QString& path, const QString& program, QTextStream& out, QTextStream& err)
{
    history::Store store(path, QStringLiteral("korv-cli-history"));
    if (!QFileInfo::exists(path) && options.command == Command::History) {
        // No command has been recorded yet: an empty history, not a new database.
        if (options.json)
            out << "[]\n";
        else if (options.csv)
            out << QString::fromUtf8(history::eventsCsv({}));
        out.flush();
        return ExitOk;
    }
    if (!store.open()) {
        err << store.problem() << '\n';
        err.flush();
        if (options.json)
            out << jsonText(errorJson(ExitNotWritten, store.problem()));
        out.flush();
        return ExitNotWritten;
    }
    if (!store.notice().isEmpty())
        err << store.notice() << '\n';
    int code = ExitOk;
    if (options.command == Command::Report) {
        code = report(options, store, program, out, err);
    } else {
        history::Filter filter;
        filter.serialNumber = options.serialNumber;
        filter.since = options.since;
        const QString problem = listEvents(store, filter, options, out);
        if (!problem.isEmpty()) {
            err << problem << '\n';
            code = ExitNotWritten;
        }
    }
    out.flush();
    err.flush();
    return code;
}

QStringList keepEvent(const history::Event& event, const RecordPlace& place, const AppSettings& settings)
{
    QStringList lines;
    history::Store store(place.path, QStringLiteral("korv-cli-record"));
    const bool forPlant = !settings.PlantServer.isEmpty() || settings.PlantServerRefused;
    const bool kept = store.record(event, forPlant);
    if (!kept)
        lines << store.problem();
    if (!store.notice().isEmpty())
        lines << store.notice();
    if (!kept || settings.PlantServer.isEmpty() || place.plantSender.isEmpty())
        return lines;
    // The server's time is not the command's: a process of its own sends what waits, this event
    // and any an earlier command could not send, and outlives the command if it must.
    QProcess sender;
    sender.setProgram(place.plantSender);
    sender.setArguments({ SendWaitingEventsOption, store.path(), place.settingsPath });
    sender.setStandardInputFile(QProcess::nullDevice());
    sender.setStandardOutputFile(QProcess::nullDevice());
    sender.setStandardErrorFile(QProcess::nullDevice());
    if (!sender.startDetached())
        lines << CliText::tr("Os eventos aguardam na fila do registro: o envio ao servidor não pôde ser iniciado (%1).")
                     .arg(sender.errorString());
    return lines;
}

int sendWaitingEventsCommand(const QStringList& arguments)
{
#ifdef Q_OS_UNIX
    // Nothing to finish here: whatever a signal interrupts stays in the queue for the next send.
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
#endif
    const QString settingsPath = arguments.value(3);
    const history::PlantResult result = history::sendWaitingEventsAlone(
        arguments.value(2), [&settingsPath] { return readSettings(settingsPath).PlantServer; });
    return result.waiting == 0 ? ExitOk : ExitNotWritten;
}

}  // namespace korv::cli
