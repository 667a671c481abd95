#include "cli/CliOptions.h"

#include "core/link/LinkSettings.h"

#include <QCommandLineParser>

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
};

ParsedOptions refuse(const QString& text)
{
    return { std::nullopt, text };
}

}  // namespace

ParsedOptions parseOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("porta"));
    const QCommandLineOption unit(QStringLiteral("unit"), QString(), QStringLiteral("unidade"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption directory(QStringLiteral("dir"), QString(), QStringLiteral("pasta"));
    const QCommandLineOption help(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    const QCommandLineOption version(QStringList { QStringLiteral("v"), QStringLiteral("version") });
    parser.addOptions({ port, unit, json, directory, help, version });

    // QCommandLineParser's own messages are English; ours say the same in the program's language.
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString name = unknown.constFirst();
            return refuse(QStringLiteral("opção desconhecida: %1%2")
                              .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
        }
        return refuse(QStringLiteral("falta o valor da opção %1").arg(arguments.constLast()));
    }
    Options options;
    if (parser.isSet(help)) {
        options.command = Command::Help;
        return { options, {} };
    }
    if (parser.isSet(version)) {
        options.command = Command::Version;
        return { options, {} };
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return refuse(QStringLiteral("falta o comando (identify, read, write, verify ou backup)"));
    const QString commandName = positional.takeFirst();
    const CommandName* found = nullptr;
    for (const CommandName& candidate : Commands) {
        if (commandName == QLatin1String(candidate.name))
            found = &candidate;
    }
    if (!found)
        return refuse(QStringLiteral("comando desconhecido: %1").arg(commandName));
    options.command = found->command;

    const bool takesFile = options.command == Command::Write || options.command == Command::Verify;
    if (takesFile && positional.size() != 1)
        return refuse(QStringLiteral("%1 precisa de exatamente um arquivo de configuração").arg(commandName));
    if (!takesFile && !positional.isEmpty())
        return refuse(QStringLiteral("argumento inesperado: %1").arg(positional.constFirst()));
    if (takesFile)
        options.file = positional.constFirst();

    // An option that the command would ignore is refused, so that a typing slip never passes unseen.
    const auto onlyFor = [&](const QCommandLineOption& option, Command command, const char* name) {
        return parser.isSet(option) && options.command != command
            ? QStringLiteral("a opção --%1 só vale para o comando %2")
                  .arg(option.names().constLast(), QLatin1String(name))
            : QString();
    };
    for (const QString& misplaced : { onlyFor(unit, Command::Read, "read"), onlyFor(json, Command::Read, "read"),
             onlyFor(directory, Command::Backup, "backup") }) {
        if (!misplaced.isEmpty())
            return refuse(misplaced);
    }

    if (parser.isSet(port)) {
        options.port = parser.value(port).trimmed();
        if (!isUsablePortName(options.port))
            return refuse(QStringLiteral("porta inválida: \"%1\" (use um caminho de dispositivo ou COMn)")
                              .arg(parser.value(port)));
    }
    if (parser.isSet(unit)) {
        const QString value = parser.value(unit).trimmed().toUpper();
        if (value != QLatin1String("C") && value != QLatin1String("F"))
            return refuse(QStringLiteral("unidade inválida: \"%1\" (use C ou F)").arg(parser.value(unit)));
        options.fahrenheit = value == QLatin1String("F");
    }
    options.json = parser.isSet(json);
    if (parser.isSet(directory)) {
        options.directory = parser.value(directory);
        if (options.directory.isEmpty())
            return refuse(QStringLiteral("a opção --dir precisa de uma pasta"));
    }
    return { options, {} };
}

QString usageText(const QString& programName)
{
    return QStringLiteral("Uso: %1 [--port PORTA] COMANDO [opções]\n"
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
                          "\n"
                          "Opções:\n"
                          "  --port PORTA           a porta como no arquivo de configurações: um caminho de\n"
                          "                         dispositivo (/dev/ttyUSB0) ou COMn; sem ela, a porta salva\n"
                          "  --unit C|F             unidade de temperatura de read; sem ela, a unidade salva\n"
                          "  --json                 read escreve JSON; sua parte \"configuration\" é um arquivo\n"
                          "                         de configuração\n"
                          "  --dir PASTA            onde backup salva a cópia; sem ela, a pasta atual\n"
                          "  -h, --help             mostra este texto\n"
                          "  -v, --version          mostra a versão\n"
                          "\n"
                          "Código de saída: 0 certo; 1 o transmissor difere do arquivo (ou não manteve um valor\n"
                          "escrito); 2 falha de comunicação; 3 arquivo ou argumentos inválidos, ou arquivo ou\n"
                          "comando que não serve para este transmissor.\n")
        .arg(programName);
}

}  // namespace korv::cli
