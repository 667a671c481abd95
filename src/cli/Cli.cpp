#include "cli/Cli.h"

#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/bench/Bench.h"
#include "cli/commands/Commands.h"
#include "cli/record/HistoryCommands.h"
#include "cli/record/Report.h"
#include "common/StopRequest.h"
#include "core/files/FileRead.h"
#include "core/files/Settings.h"
#include "core/files/SettingsText.h"
#include "core/history/HistoryStore.h"
#include "core/protocol/TransmitterSession.h"
#include "i18n/Translation.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <atomic>
#include <csignal>

namespace korv::cli {

namespace {
// Signals a bench run has had: the first finishes the unit in progress, the second stops it at the
// next frame, a third ends the program. A lock-free atomic, so the handler may touch it.
std::atomic<int> benchSignals { 0 };
}  // namespace

#ifdef Q_OS_UNIX
namespace {
void onStopSignal(int)
{
    StopRequest::request();
}

void onBenchSignal(int signal)
{
    if (benchSignals.fetch_add(1) + 1 >= 2) {
        StopRequest::request();
        std::signal(signal, SIG_DFL);
    }
}
}  // namespace
#endif

void finishAfterUnitOnSignals()
{
#ifdef Q_OS_UNIX
    struct sigaction action { };
    action.sa_handler = onBenchSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
#endif
}

bool finishRequested()
{
    return benchSignals.load() > 0 || StopRequest::requested();
}

void stopOnSignals()
{
#ifdef Q_OS_UNIX
    struct sigaction action { };
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    // The handler is taken once: a second Ctrl+C from an impatient user is not ignored.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
#endif
}

// The language chosen in the window, read quietly: a settings file's problems are told by the
// commands that use it, not by --help.
QString chosenLanguage(const QString& settingsPath)
{
    const FileBytes file = readRegularFile(settingsPath, MaxSettingsFileBytes);
    const std::optional<AppSettings> settings = file.ok() ? settingsFromText(file.bytes) : std::nullopt;
    return languageCodeOf(settings ? settings->LanguageSetting : QString());
}

int run(const QStringList& arguments, const Environment& environment, QTextStream& out, QTextStream& err)
{
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("korvsetup-cli"))).fileName();
    const QString settingsPath = environment.settingsPath.isEmpty() ? settingsFilePath() : environment.settingsPath;
    // The background sender a command started: it says nothing, whatever happens.
    if (arguments.value(1) == SendWaitingEventsOption)
        return sendWaitingEventsCommand(arguments);
    const QString language = chosenLanguage(settingsPath);
    useLanguage(language, qtLanguageFor(language));
    const ParsedOptions parsed = parseOptions(arguments);
    if (!parsed.options) {
        err << program << ": " << parsed.error << '\n'
            << QCoreApplication::translate("korv::Cli", "Use %1 --help para ver os comandos e as opções.").arg(program)
            << '\n';
        err.flush();
        // A script that asked for JSON gets it even when its arguments are refused.
        if (arguments.contains(QStringLiteral("--json"))) {
            out << jsonText(errorJson(ExitBadInput, parsed.error));
            out.flush();
        }
        return ExitBadInput;
    }
    const Options& options = *parsed.options;
    if (options.command == Command::Help) {
        out << usageText(program);
        out.flush();
        return ExitOk;
    }
    if (options.command == Command::Version) {
        out << program << ' ' << QStringLiteral(KORV_VERSION) << '\n';
        out.flush();
        return ExitOk;
    }

    // The port and the unit the window would use, from the same settings file.
    const AppSettings settings = readSettings(settingsPath);
    const QString port = options.port.isEmpty() ? settings.portToOpen() : options.port;
    const CliTexts texts(environment.languageDirectory, QFileInfo(settingsPath).absolutePath());
    if (!texts.languageProblem().isEmpty()) {
        err << program << ": " << texts.languageProblem() << '\n';
        err.flush();
    }

    const RecordPlace record { environment.historyPath.isEmpty() ? history::defaultDatabasePath()
                                                                 : environment.historyPath,
        environment.plantSender, settingsPath };
    if (options.command == Command::History || options.command == Command::Report)
        return historyCommand(options, record.path, environment.reportProgram, out, err);

    TransmitterSession session(port);
    // The exchange the window would use too: a bench that chose the fast one gets it here.
    session.setFastExchange(settings.FastExchange);
    Commands commands(session, port, texts, out, err);
    history::CommandRecord event(session, history::CommandLineFrontEnd, commandName(options.command), port);
    commands.setRecord(&event);
    int code = ExitOk;
    switch (options.command) {
    case Command::Identify:
        code = commands.identify(options.json);
        break;
    case Command::Read:
        // The JSON is for scripts: without --unit its values are in °C, whatever the window saved.
        code = commands.read(options.fahrenheit.value_or(!options.json && settings.fahrenheit()), options.json);
        break;
    case Command::Write:
        code = commands.write(options.file, options.json);
        break;
    case Command::Verify:
        code = commands.verify(options.file, options.json);
        break;
    case Command::Backup:
        code = commands.backup(options.directory);
        break;
    case Command::Check:
        code = commands.check(options.json);
        break;
    case Command::Bench:
        code = runBench(options, session, texts, record, settings, out, err);
        break;
    case Command::History:
    case Command::Report:
    case Command::Help:
    case Command::Version:
        break;
    }
    session.dropLink();
    const bool stopped = code != ExitOk && StopRequest::requested();
    if (stopped) {
        err << CliText::tr("O comando foi interrompido por um sinal.") << '\n';
        err.flush();
    }
    // The record comes after the command's own result: a failure to keep it is said, and changes
    // neither what the command did nor its exit code.
    // A bench run keeps an event per unit of its own.
    if (commands.contacted() && options.command != Command::Bench) {
        if (stopped)
            event.setResult(history::Outcome::Stopped, event.resultText(), code);
        for (const QString& line : keepEvent(event.finish(texts.messages()), record, settings))
            err << program << ": " << line << '\n';
        err.flush();
    }
    return code;
}

}  // namespace korv::cli
