#include "support/LateAnswerMatrix.h"
#include "support_appfixture.h"

#include "common/Timing.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

using namespace korv;
using namespace korv::test;

// The window's send with one late answer: done when the late answer is the only one, and otherwise
// a notice in the memo that names every register that changed.
class LateAnswersMatrixTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneLateAnswer_data() { late::addRows(); }
    void oneLateAnswer()
    {
        QFETCH(int, unit);
        QFETCH(int, address);
        QFETCH(int, lateMs);
        QFETCH(bool, fast);
        AppFixture app;
        Timing::setScalePercent(25);  // as in the command line's matrix
        const int model = late::Units[unit].modelCode;
        QVERIFY(app.start(seedFor(model, 130)));
        const MainWindowUi& ui = app.form->ui;
        ui.FastExchangeItem->setChecked(fast);
        app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        // Edits that make the send change registers of every step.
        const std::pair<QLineEdit*, const char*> edits[][2] = {
            { { ui.EdtLimitMaxSensor, "800" }, { ui.EdtCorrigeZero, "2,5" } },
            { { ui.EdtTempHighLimit, "80" }, { ui.EdtCorrZeroRH, "1" } },
            { { ui.EdtTempHighLimit, "30" }, { ui.EdtTempZeroCorrection, "0,5" } },
        };
        for (const auto& [edit, text] : edits[unit])
            edit->setText(QString::fromUtf8(text));
        const QList<qint16> before = late::parameters(*app.emulator);

        app.emulator->setLateAnswerDelayMs(Timing::scaled(lateMs));
        app.emulator->setFault(emu::Fault::LateAnswer, 1, address);
        app.send();
        QTest::qWait(Timing::scaled(lateMs) + 20);

        const QString memo = (model == 0 ? ui.Config_Transmissor
                : model == 6             ? ui.Config_TxT
                                         : ui.Config_OrvHu)
                                 ->toPlainText();
        QList<int> named;
        static const QRegularExpression lists(QStringLiteral("(?:já escritos|podem ter mudado\\)): ([^.]*)\\."));
        for (auto it = lists.globalMatch(memo); it.hasNext();) {
            for (const QString& number : it.next().captured(1).split(QStringLiteral(", ")))
                named << number.toInt();
        }
        late::judge("window", before, late::parameters(*app.emulator), named, app.boxes.shown.isEmpty(),
            app.boxTexts().join(u'|') + u'\n' + memo);
    }
};

QTEST_MAIN(LateAnswersMatrixTest)
#include "tst_late_answers_matrix.moc"
