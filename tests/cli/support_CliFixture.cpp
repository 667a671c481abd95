#include "CliFixture.h"

#include "SchemaValidator.h"
#include "core/configuration/ConfigurationFile.h"

#include <QTest>
#include <QTextStream>

namespace korv::test {

bool CliFixture::start(int modelCode, int firmware, int outputType)
{
    return rig.start(seedFor(modelCode, firmware, outputType))
        && !rig.writeFile(QStringLiteral("config/OrvSetup.ini"), rig.settingsText()).isEmpty();
}

CliFixture::Result CliFixture::run(const QStringList& arguments) const
{
    Result result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    cli::Environment environment;
    environment.settingsPath = settingsPath;
    environment.languageDirectory = dir.path();
    environment.historyPath = historyPath();
    environment.reportProgram = QStringLiteral(KORV_REPORT_PROGRAM);
    result.code = cli::run(QStringList { QStringLiteral("korvsetup-cli") } + arguments, environment, out, err);
    // Whatever a test asks of the output, a --json run prints what docs/schemas says it prints.
    if (arguments.contains(QStringLiteral("--json"))) {
        const QString schema = schemas::forCommandLine(arguments);
        const QString problem = schemas::problem(schema, result.out.toUtf8());
        if (!problem.isEmpty())
            QTest::qFail(
                qPrintable(QStringLiteral("%1 %2: %3").arg(arguments.join(u' '), schema, problem)), __FILE__, __LINE__);
    }
    return result;
}

QString CliFixture::file(const QString& name, const QByteArray& bytes) const
{
    // A file the program takes is one the configuration schema takes as well.
    if (config::parseConfiguration(bytes).configuration) {
        const QString problem = schemas::problem(QStringLiteral("configuration.schema.json"), bytes);
        if (!problem.isEmpty())
            QTest::qFail(qPrintable(QStringLiteral("%1: %2").arg(name, problem)), __FILE__, __LINE__);
    }
    return rig.writeFile(name, bytes);
}

int CliFixture::writesReceived() const
{
    int writes = 0;
    for (const QByteArray& frame : emulator->receivedFrames()) {
        if (frame.startsWith('Q'))
            ++writes;
    }
    return writes;
}

}  // namespace korv::test
