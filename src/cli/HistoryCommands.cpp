#include "cli/HistoryCommands.h"

#include "cli/Report.h"
#include "core/history/HistoryExport.h"
#include "core/history/HistoryStore.h"
#include "core/history/PlantSync.h"
#include "i18n/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace korv::cli {

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(korv::Cli)
};
}  // namespace

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
        return Tr::tr("o programa korvsetup-report não foi encontrado");
    QProcess drawing;
    // The report is in the command line's language.
    drawing.start(program, { QStringLiteral("--language"), currentLanguage(), pdf });
    if (!drawing.waitForStarted())
        return Tr::tr("%1 não pôde ser iniciado: %2").arg(program, drawing.errorString());
    drawing.write(QJsonDocument(history::toJson(event)).toJson(QJsonDocument::Compact));
    drawing.closeWriteChannel();
    if (!drawing.waitForFinished(60000)) {
        drawing.kill();
        drawing.waitForFinished();
        return Tr::tr("%1 não terminou").arg(program);
    }
    if (drawing.exitStatus() != QProcess::NormalExit || drawing.exitCode() != 0) {
        const QString told = QString::fromUtf8(drawing.readAllStandardError()).trimmed();
        return told.isEmpty() ? Tr::tr("%1 falhou").arg(program) : told;
    }
    return {};
}

int report(const Options& options, history::Store& store, const QString& program, QTextStream& out, QTextStream& err)
{
    std::optional<history::Event> event;
    if (!options.event.isEmpty()) {
        event = store.event(options.event);
        if (!event || event->unit.serialNumber != options.serialNumber) {
            err << Tr::tr("O registro não tem o evento %1 do número de série %2.")
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
            err << Tr::tr("O registro não tem eventos do número de série %1.").arg(options.serialNumber) << '\n';
            return ExitBadInput;
        }
        event = newest.constFirst();
    }
    const QString problem = drawReport(*event, options.pdf, reportProgram(program));
    if (!problem.isEmpty()) {
        err << Tr::tr("O relatório %1 não pôde ser salvo: %2").arg(options.pdf, problem) << '\n';
        return ExitNotWritten;
    }
    out << Tr::tr("Relatório do evento %1 salvo em %2").arg(event->id.left(ShownIdLength), options.pdf) << '\n';
    return ExitOk;
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
        const QList<history::Event> events = store.events(filter);
        if (options.json) {
            QJsonArray array;
            for (const history::Event& event : events)
                array.append(history::toJson(event));
            out << QJsonDocument(array).toJson(QJsonDocument::Indented);
        } else if (options.csv) {
            out << QString::fromUtf8(history::eventsCsv(events));
        } else {
            for (const history::Event& event : events)
                out << eventLine(event) << '\n';
        }
    }
    out.flush();
    err.flush();
    return code;
}

QStringList keepEvent(const history::Event& event, const QString& path, const AppSettings& settings)
{
    QStringList lines;
    history::Store store(path, QStringLiteral("korv-cli-record"));
    const bool forPlant = !settings.PlantServer.isEmpty();
    if (!store.record(event, forPlant))
        lines << store.problem();
    if (!store.notice().isEmpty())
        lines << store.notice();
    // What waits, this event and any an earlier command could not send, goes to the plant now.
    if (forPlant) {
        const history::PlantResult sent = history::sendWaitingEvents(store.path(), settings.PlantServer);
        if (!sent.problem.isEmpty())
            lines << sent.problem;
    }
    return lines;
}

}  // namespace korv::cli
