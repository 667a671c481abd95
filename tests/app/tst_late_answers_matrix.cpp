#include "support_appfixture.h"

#include "common/Timing.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

using namespace korv;
using emu::Fault;

namespace {

struct Unit {
    int modelCode;
    const char* name;
    QList<int> sample;  // one register of each send step
};

const QList<Unit> Units { { 0, "OrvHead", { 11, 1, 15 } }, { 4, "Orv-Hu", { 9, 1, 14 } },
    { 6, "OrvAmbient", { 9, 1, 15 } } };

// KORV_FAULT_MATRIX=full: every register a send touches, not one per step (scripts/faults.sh).
bool fullMatrix()
{
    return qgetenv("KORV_FAULT_MATRIX") == "full";
}

QList<int> listed(const QString& memo, const QString& pattern)
{
    QList<int> addresses;
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(memo);
    for (const QString& number : match.captured(1).split(QStringLiteral(", "), Qt::SkipEmptyParts))
        addresses << number.toInt();
    return addresses;
}

}  // namespace

// The window's send with one late answer, in both exchanges: done when the late answer is the only
// one, and otherwise a notice in the memo that names every register that changed.
class LateAnswersMatrixTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneLateAnswer_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("lateMs");
        QTest::addColumn<bool>("fast");
        for (int u = 0; u < Units.size(); ++u) {
            const QList<int> addresses
                = fullMatrix() ? QList<int> { 0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 14, 15 } : Units[u].sample;
            for (int a = 0; a < addresses.size(); ++a) {
                const QList<int> delays { 400, 600, 1500 };
                for (int d = 0; d < delays.size(); ++d) {
                    for (bool fast : { false, true }) {
                        // The suite's sample takes the two exchanges in turn, so that every register
                        // and every delay meets both; the full matrix takes each pair.
                        if (!fullMatrix() && fast != ((a + d) % 2 == 1))
                            continue;
                        QTest::addRow(
                            "%s r%d %d ms %s", Units[u].name, addresses[a], delays[d], fast ? "fast" : "default")
                            << u << addresses[a] << delays[d] << fast;
                    }
                }
            }
        }
    }
    void oneLateAnswer()
    {
        QFETCH(int, unit);
        QFETCH(int, address);
        QFETCH(int, lateMs);
        QFETCH(bool, fast);
        AppFixture app;
        // The late answer keeps the phase it has on a real line (see the command line's matrix).
        Timing::setScalePercent(25);
        const int model = Units[unit].modelCode;
        QVERIFY(app.start(seedFor(model, 130)));
        const Form1Ui& ui = app.form->ui;
        ui.FastExchangeItem->setChecked(fast);
        app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        if (model == 0) {
            ui.EdtLimitMaxSensor->setText(QStringLiteral("800"));
            ui.EdtCorrigeZero->setText(QStringLiteral("2,5"));
        } else if (model == 6) {
            ui.EdtTempHighLimit->setText(QStringLiteral("30"));
            ui.EdtTempZeroCorrection->setText(QStringLiteral("0,5"));
        } else {
            ui.EdtTempHighLimit->setText(QStringLiteral("80"));
            ui.EdtCorrZeroRH->setText(QStringLiteral("1"));
        }
        QList<qint16> before;
        for (int a = 0; a < 32; ++a)
            before << app.emulator->parameter(a);

        app.emulator->setLateAnswerDelayMs(Timing::scaled(lateMs));
        app.emulator->setFault(Fault::LateAnswer, 1, address);
        app.send();
        QTest::qWait(Timing::scaled(lateMs) + 20);

        const bool done = app.boxes.shown.isEmpty();
        const QString memo = (model == 0 ? ui.Config_Transmissor
                : model == 6             ? ui.Config_TxT
                                         : ui.Config_OrvHu)
                                 ->toPlainText();
        const QList<int> named = listed(memo, QStringLiteral("Registros já escritos: ([^.]*)\\."))
            + listed(memo, QStringLiteral("podem ter mudado\\): ([^.]*)\\."));
        QList<int> changed;
        for (int a = 0; a < 32; ++a) {
            if (app.emulator->parameter(a) != before[a])
                changed << a;
        }
        int reported = 0;
        for (int a : changed)
            reported += named.contains(a) ? 1 : 0;
        qInfo("matrix window %s %s r%d %d ms: done=%d changed=%lld reported=%d", fast ? "fast" : "default",
            Units[unit].name, address, lateMs, done ? 1 : 0, changed.size(), done ? int(changed.size()) : reported);
        if (!done)
            QVERIFY2(reported == changed.size(), qPrintable(memo));
        if (lateMs == 400)
            QVERIFY2(done, qPrintable(app.boxTexts().join(u'|') + u'\n' + memo));
    }
};

QTEST_MAIN(LateAnswersMatrixTest)
#include "tst_late_answers_matrix.moc"
