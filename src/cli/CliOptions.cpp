#include "cli/CliOptions.h"

#include "cli/CliTexts.h"
#include "core/history/HistoryStore.h"
#include "core/link/LinkSettings.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace korv::cli {

namespace {

struct CommandName {
    const char* name;
    Command command;
};
constexpr CommandName Commands[] = {
    { "identify", Command::Identify },
    { "read", Command::Read },
    { "write", Command::Write },
    { "verify", Command::Verify },
    { "backup", Command::Backup },
    { "bench", Command::Bench },
    { "check", Command::Check },
    { "history", Command::History },
    { "report", Command::Report },
};

ParsedOptions refuse(const QString& text)
{
    return { std::nullopt, text };
}

}  // namespace

QString commandName(Command command)
{
    for (const CommandName& candidate : Commands) {
        if (candidate.command == command)
            return QLatin1String(candidate.name);
    }
    return {};
}

bool talksToTransmitter(Command command)
{
    switch (command) {
    case Command::Identify:
    case Command::Read:
    case Command::Write:
    case Command::Verify:
    case Command::Backup:
    case Command::Bench:
        return true;
    case Command::Check:
    case Command::History:
    case Command::Report:
    case Command::Help:
    case Command::Version:
        break;
    }
    return false;
}

ParsedOptions parseOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("porta"));
    const QCommandLineOption unit(QStringLiteral("unit"), QString(), QStringLiteral("unidade"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption directory(QStringLiteral("dir"), QString(), QStringLiteral("pasta"));
    const QCommandLineOption serial(QStringLiteral("serial"), QString(), QStringLiteral("número"));
    const QCommandLineOption since(QStringLiteral("since"), QString(), QStringLiteral("data"));
    const QCommandLineOption csv(QStringLiteral("csv"));
    const QCommandLineOption event(QStringLiteral("event"), QString(), QStringLiteral("id"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("arquivo"));
    const QCommandLineOption backupDirectory(QStringLiteral("backup-dir"), QString(), QStringLiteral("pasta"));
    const QCommandLineOption log(QStringLiteral("log"), QString(), QStringLiteral("arquivo"));
    const QCommandLineOption help(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    const QCommandLineOption version(QStringList { QStringLiteral("v"), QStringLiteral("version") });
    parser.addOptions(
        { port, unit, json, directory, serial, since, csv, event, pdf, backupDirectory, log, help, version });

    // QCommandLineParser's own messages are English; ours say the same in the program's language.
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString name = unknown.constFirst();
            return refuse(CliText::tr("opção desconhecida: %1%2")
                              .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
        }
        return refuse(CliText::tr("falta o valor da opção %1").arg(arguments.constLast()));
    }
    Options options;
    if (parser.isSet(help) || parser.isSet(version)) {
        // Nothing else goes with them: a script that passes more has made a slip worth hearing of.
        if (!parser.positionalArguments().isEmpty())
            return refuse(CliText::tr("argumento inesperado: %1").arg(parser.positionalArguments().constFirst()));
        options.command = parser.isSet(help) ? Command::Help : Command::Version;
        return { options, {} };
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return refuse(
            CliText::tr("falta o comando (identify, read, write, verify, backup, bench, check, history ou report)"));
    const QString commandName = positional.takeFirst();
    const CommandName* found = nullptr;
    for (const CommandName& candidate : Commands) {
        if (commandName == QLatin1String(candidate.name))
            found = &candidate;
    }
    if (!found)
        return refuse(CliText::tr("comando desconhecido: %1").arg(commandName));
    options.command = found->command;

    const bool takesFile
        = options.command == Command::Write || options.command == Command::Verify || options.command == Command::Bench;
    if (takesFile && positional.size() != 1)
        return refuse(CliText::tr("%1 precisa de exatamente um arquivo de configuração").arg(commandName));
    if (takesFile)
        options.file = positional.constFirst();
    if (options.command == Command::Report) {
        if (positional.size() != 1)
            return refuse(CliText::tr("report precisa de exatamente um número de série"));
        options.serialNumber = positional.constFirst();
        if (!parser.isSet(pdf) || parser.value(pdf).isEmpty())
            return refuse(CliText::tr("report precisa da opção --pdf ARQUIVO"));
        options.pdf = parser.value(pdf);
        options.event = parser.value(event);
    } else if (!takesFile && !positional.isEmpty()) {
        return refuse(CliText::tr("argumento inesperado: %1").arg(positional.constFirst()));
    }

    // An option that the command would ignore is refused, so that a typing slip never passes unseen.
    const auto onlyFor = [&](const QCommandLineOption& option, Command command, const char* name) {
        return parser.isSet(option) && options.command != command
            ? CliText::tr("a opção --%1 só vale para o comando %2").arg(option.names().constLast(), QLatin1String(name))
            : QString();
    };
    const bool printsJson = options.command == Command::Identify || options.command == Command::Read
        || options.command == Command::Write || options.command == Command::Verify || options.command == Command::Check
        || options.command == Command::History;
    const QString jsonMisplaced = parser.isSet(json) && !printsJson
        ? CliText::tr("a opção --json só vale para os comandos identify, read, write, verify, check e history")
        : QString();
    for (const QString& misplaced : { onlyFor(unit, Command::Read, "read"), jsonMisplaced,
             onlyFor(directory, Command::Backup, "backup"), onlyFor(serial, Command::History, "history"),
             onlyFor(since, Command::History, "history"), onlyFor(csv, Command::History, "history"),
             onlyFor(event, Command::Report, "report"), onlyFor(pdf, Command::Report, "report"),
             onlyFor(backupDirectory, Command::Bench, "bench"), onlyFor(log, Command::Bench, "bench") }) {
        if (!misplaced.isEmpty())
            return refuse(misplaced);
    }

    if (parser.isSet(port)) {
        options.port = parser.value(port).trimmed();
        // A path relative to the working folder names a device there, as any other program takes it.
        if (!options.port.isEmpty() && !isUsablePortName(options.port)
            && !options.port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
            options.port = QFileInfo(options.port).absoluteFilePath();
        if (!isUsablePortName(options.port))
            return refuse(
                CliText::tr("porta inválida: \"%1\" (use um caminho de dispositivo ou COMn)").arg(parser.value(port)));
    }
    if (parser.isSet(unit)) {
        const QString value = parser.value(unit).trimmed().toUpper();
        if (value != QLatin1String("C") && value != QLatin1String("F"))
            return refuse(CliText::tr("unidade inválida: \"%1\" (use C ou F)").arg(parser.value(unit)));
        options.fahrenheit = value == QLatin1String("F");
    }
    options.json = parser.isSet(json);
    options.csv = parser.isSet(csv);
    if (options.json && options.csv)
        return refuse(CliText::tr("use --json ou --csv, não os dois"));
    if (parser.isSet(serial))
        options.serialNumber = parser.value(serial).trimmed();
    if (parser.isSet(since)) {
        options.since = QDate::fromString(parser.value(since).trimmed(), Qt::ISODate);
        if (!options.since.isValid())
            return refuse(CliText::tr("data inválida: \"%1\" (use AAAA-MM-DD)").arg(parser.value(since)));
    }
    for (const auto& [option, target] :
        { std::pair { &backupDirectory, &options.backupDirectory }, std::pair { &log, &options.log } }) {
        if (parser.isSet(*option)) {
            *target = parser.value(*option);
            if (target->isEmpty())
                return refuse(CliText::tr("a opção --%1 precisa de um valor").arg(option->names().constFirst()));
        }
    }
    if (parser.isSet(directory)) {
        options.directory = parser.value(directory);
        if (options.directory.isEmpty())
            return refuse(CliText::tr("a opção --dir precisa de uma pasta"));
    }
    return { options, {} };
}

QString usageText(const QString& programName)
{
    return CliText::tr("Uso: %1 [--port PORTA] COMANDO [opções]\n"
                       "\n"
                       "Configura um transmissor ligado à porta serial, sem janela.\n"
                       "\n"
                       "Comandos:\n"
                       "  identify               número de série, modelo, firmware e tipo de saída\n"
                       "  read [--unit C|F] [--json]\n"
                       "                         a configuração como a janela a mostra, ou em JSON\n"
                       "  write ARQUIVO          confere o arquivo com os limites do transmissor e o escreve,\n"
                       "                         lendo de volta cada registro\n"
                       "  verify ARQUIVO         compara o transmissor com o arquivo, sem escrever\n"
                       "  backup [--dir PASTA]   salva a cópia da calibração (<número de série>.txt);\n"
                       "                         nunca substitui uma cópia existente\n"
                       "  bench ARQUIVO [--backup-dir PASTA] [--log ARQUIVO.csv]\n"
                       "                         produção: espera cada transmissor, escreve o arquivo,\n"
                       "                         confere, registra e espera a troca; Ctrl+C termina\n"
                       "  check                  verifica a conexão passo a passo (porta, adaptador,\n"
                       "                         transmissor), com a correção de cada falha\n"
                       "  history [--serial NÚMERO] [--since AAAA-MM-DD] [--json|--csv]\n"
                       "                         os eventos registrados, do mais novo ao mais antigo\n"
                       "  report NÚMERO [--event ID] --pdf ARQUIVO\n"
                       "                         relatório em PDF de um evento do transmissor (o mais novo,\n"
                       "                         sem --event)\n"
                       "\n"
                       "Opções:\n"
                       "  --port PORTA           a porta como no arquivo de configurações: um caminho de\n"
                       "                         dispositivo (/dev/ttyUSB0) ou COMn; sem ela, a porta salva\n"
                       "  --unit C|F             unidade de temperatura de read; sem ela, a unidade salva\n"
                       "                         (com --json, °C)\n"
                       "  --json                 o resultado em JSON (identify, read, write, verify, check,\n"
                       "                         history); a parte \"configuration\" de read é um arquivo\n"
                       "                         de configuração\n"
                       "  --csv                  history escreve CSV\n"
                       "  --dir PASTA            onde backup salva a cópia; sem ela, a pasta atual\n"
                       "  -h, --help             mostra este texto\n"
                       "  -v, --version          mostra a versão\n"
                       "\n"
                       "Código de saída: 0 certo; 1 o transmissor difere do arquivo (ou não manteve um valor\n"
                       "escrito); 2 falha de comunicação; 3 arquivo ou argumentos inválidos, ou arquivo ou\n"
                       "comando que não serve para este transmissor.\n"
                       "\n"
                       "Cada comando que fala com um transmissor deixa um evento no registro (%2).\n")
        .arg(programName, history::defaultDatabasePath());
}

}  // namespace korv::cli
