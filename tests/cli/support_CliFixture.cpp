#include "CliFixture.h"

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
    return result;
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
