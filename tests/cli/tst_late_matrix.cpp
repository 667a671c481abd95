#include "CliFixture.h"
#include "support/LateAnswerMatrix.h"

#include "common/Timing.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace korv;
using namespace korv::test;

namespace {

const QByteArray Files[] = {
    R"({"format": 1, "family": "head-rail", "model": "OrvHead", "unit": "C", "sensor": "K", "lower": 0,
    "upper": 800, "zeroCorrection": 2.5, "sensorFailure": "maximum", "mainsFilter": 50})",
    R"({"format": 1, "family": "humidity", "model": "Orv-Hu", "unit": "C", "measure": "relative-humidity",
    "humidity": {"lower": 10, "upper": 90, "zeroCorrection": 1, "sensorFailure": "maximum"},
    "temperature": {"lower": -20, "upper": 80, "zeroCorrection": 0.5, "sensorFailure": "maximum"}})",
    R"({"format": 1, "family": "ambient", "model": "OrvAmbient", "unit": "C",
    "temperature": {"lower": 20, "upper": 30, "zeroCorrection": 0.5, "sensorFailure": "maximum"}})",
};

}  // namespace

// A write with one late answer: a stale answer costs at most the retry of its own step, and every
// register the write changed is on its output, confirmed or sent without confirmation.
class LateMatrixTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneLateAnswer_data() { late::addRows(); }
    void oneLateAnswer()
    {
        QFETCH(int, unit);
        QFETCH(int, address);
        QFETCH(int, lateMs);
        QFETCH(bool, fast);
        CliFixture cli;
        // A quarter of the real waits keeps each late answer in the phase of the exchanges it has
        // on a real line (at the fixture's 5 % a 400 ms answer would arrive within its own wait).
        Timing::setScalePercent(25);
        QVERIFY(cli.start(late::Units[unit].modelCode));
        if (fast) {
            QFile settings(cli.settingsPath);
            QVERIFY(settings.open(QIODevice::Append));
            settings.write("Rapida=1\n");
        }
        const QString path = cli.file(QStringLiteral("unit.json"), Files[unit]);
        const QList<qint16> before = late::parameters(*cli.emulator);
        cli.emulator->setLateAnswerDelayMs(Timing::scaled(lateMs));
        cli.emulator->setFault(emu::Fault::LateAnswer, 1, address);
        const auto written = cli.run({ QStringLiteral("write"), path });
        QTest::qWait(Timing::scaled(lateMs) + 20);  // the late bytes are out before the registers are compared

        QList<int> named;
        static const QRegularExpression line(
            QStringLiteral("^registro (\\d+) = "), QRegularExpression::MultilineOption);
        for (auto it = line.globalMatch(written.out); it.hasNext();)
            named << it.next().captured(1).toInt();
        if (!late::judge(
                "cli", before, late::parameters(*cli.emulator), named, written.code == 0, written.out + written.err))
            return;
        QVERIFY(written.code == 0 || written.code == 2);
        if (written.code == 0) {
            cli.emulator->setFault(emu::Fault::None);
            QCOMPARE(cli.run({ QStringLiteral("verify"), path }).code, 0);
        }
    }
};

QTEST_MAIN(LateMatrixTest)
#include "tst_late_matrix.moc"
