#include "support_appfixture.h"

#include "app/startup/SplashForm.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace korv;

// A transmitter that answers one frame late during the start-up search, at every delay from just
// past the answer wait to several exchanges later. The late bytes reach whatever exchange runs
// when they arrive; none of them may ever be taken as that exchange's value.
class LateAnswersSearchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startupSearchTakesNoLateValue_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("lateAddress");
        QTest::newRow("OrvHead, serial number high") << 0 << 2;
        QTest::newRow("OrvHead, serial number low") << 0 << 3;
        QTest::newRow("OrvHead, identity") << 0 << 0;
        QTest::newRow("OrvHead, configuration word") << 0 << 1;
        QTest::newRow("OrvDin, range offset") << 1 << 10;
        QTest::newRow("Orv-Hu, humidity zero") << 4 << 14;
    }
    void startupSearchTakesNoLateValue()
    {
        QFETCH(int, modelCode);
        QFETCH(int, lateAddress);
        AppFixture app;
        QVERIFY(app.start(seedFor(modelCode, 130, 1)));
        app.emulator->setParameter(14, -250);
        app.emulator->setParameter(15, 37);
        // The form as a search with a punctual transmitter fills it.
        const auto formText = [&app] {
            const auto& ui = app.form->ui;
            return QStringList { ui.Config_Transmissor->toPlainText(), ui.Config_OrvHu->toPlainText(),
                ui.EdtLimitMinSensor->text(), ui.EdtLimitMaxSensor->text(), ui.EdtCorrigeZero->text(),
                ui.EdtLimInfRH->text(), ui.EdtLimSupRH->text(), ui.EdtCorrZeroRH->text(), ui.EdtCorrZeroTemp->text() };
        };
        {
            TSplashForm splash(*app.form);
            splash.onSplashTimer();
        }
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        const QStringList punctual = formText();
        QVERIFY(punctual.first().contains(QStringLiteral("00123045")));

        for (int delay : lateAnswerDelaysMs()) {
            app.form->session().link().Close();
            app.emulator->setLateAnswerDelayMs(delay);
            app.emulator->setFault(emu::Fault::LateAnswer, 1, lateAddress);
            app.boxes.clear();
            {
                TSplashForm splash(*app.form);
                splash.onSplashTimer();
            }
            if (app.boxes.shown.isEmpty()) {
                QVERIFY2(formText() == punctual,
                    qPrintable(QStringLiteral("%1 ms late: %2").arg(delay).arg(formText().join(u'|'))));
            } else {
                // A failed search may leave the form as it was or emptied, never with another value.
                const QString serial = app.form->ui.Config_Transmissor->toPlainText();
                QVERIFY2(serial.isEmpty() || serial.contains(QStringLiteral("00123045")),
                    qPrintable(QStringLiteral("%1 ms late: %2").arg(delay).arg(serial)));
            }
            app.emulator->setFault(emu::Fault::None);
            QTest::qWait(delay + 20);
        }
    }
};

QTEST_MAIN(LateAnswersSearchTest)
#include "tst_late_answers_search.moc"
