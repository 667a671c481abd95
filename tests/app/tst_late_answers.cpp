#include "support_appfixture.h"

#include "common/Timing.h"
#include "link/SplashForm.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace korv;

// A transmitter that answers one frame late, at every delay from just past the answer wait to
// several exchanges later. The late bytes reach whatever exchange runs when they arrive; none of
// them may ever be taken as that exchange's value or lead to a write nobody asked for.
class LateAnswersTest : public QObject {
    Q_OBJECT

    // The delays of the whole window, 150 ms to 1200 ms in steps of 50 ms, shortened with every
    // other wait of the program so that each lands in the same phase of the exchanges.
    static QList<int> delaysMs()
    {
        QList<int> delays;
        for (int real = 150; real <= 1200; real += 50)
            delays << std::max(1, real * Timing::scalePercent() / 100);
        return delays;
    }

    static QMap<int, qint16> registers(const AppFixture& app, const QList<int>& addresses)
    {
        QMap<int, qint16> values;
        for (int a : addresses)
            values[a] = app.emulator->parameter(a);
        return values;
    }

private Q_SLOTS:
    void sendWritesNothingNobodyTyped_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("lateAddress");
        QTest::newRow("OrvHead, configuration word") << 0 << 1;
        QTest::newRow("OrvHead, serial number") << 0 << 2;
        QTest::newRow("OrvHead, zero correction") << 0 << 15;
        QTest::newRow("OrvGalDin, range gain") << 3 << 11;
        QTest::newRow("Orv-Hu, configuration word") << 4 << 1;
        QTest::newRow("OrvAmbient, zero correction") << 6 << 15;
    }
    void sendWritesNothingNobodyTyped()
    {
        QFETCH(int, modelCode);
        QFETCH(int, lateAddress);
        AppFixture app;
        QVERIFY(app.start(seedFor(modelCode, modelCode == 3 ? 110 : 130, 1)));
        app.emulator->setParameter(15, 7);
        app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        const QList<int> all = {1, 6, 7, 8, 9, 10, 11, 14, 15};
        const QMap<int, qint16> before = registers(app, all);

        for (int delay : delaysMs()) {
            app.emulator->setLateAnswerDelayMs(delay);
            app.emulator->setFault(emu::Fault::LateAnswer, 1, lateAddress);
            app.emulator->clearLog();
            app.boxes.clear();
            app.send();
            // Whatever the outcome, every value written is the one the form holds.
            for (const QByteArray& frame : app.emulator->receivedFrames()) {
                if (frame.at(0) != 'Q')
                    continue;
                const int address = quint8(frame.at(2));
                const auto value = qint16((quint8(frame.at(3)) << 8) | quint8(frame.at(4)));
                QVERIFY2(value == before.value(address),
                         qPrintable(QStringLiteral("%1 ms late: register %2 written as %3, holds %4")
                                        .arg(delay)
                                        .arg(address)
                                        .arg(value)
                                        .arg(before.value(address))));
            }
            QCOMPARE(registers(app, all), before);
            app.emulator->setFault(emu::Fault::None);
            QTest::qWait(delay + 20);  // the late bytes are out before the next round
        }
    }

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
            return QStringList{ui.Config_Transmissor->toPlainText(), ui.Config_OrvHu->toPlainText(),
                               ui.EdtLimitMinSensor->text(),         ui.EdtLimitMaxSensor->text(),
                               ui.EdtCorrigeZero->text(),            ui.EdtLimInfRH->text(),
                               ui.EdtLimSupRH->text(),               ui.EdtCorrZeroRH->text(),
                               ui.EdtCorrZeroTemp->text()};
        };
        {
            TSplashForm splash(*app.form);
            splash.TimerSplashTimer();
        }
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        const QStringList punctual = formText();
        QVERIFY(punctual.first().contains(QStringLiteral("00123045")));

        for (int delay : delaysMs()) {
            app.form->link().Close();
            app.emulator->setLateAnswerDelayMs(delay);
            app.emulator->setFault(emu::Fault::LateAnswer, 1, lateAddress);
            app.boxes.clear();
            {
                TSplashForm splash(*app.form);
                splash.TimerSplashTimer();
            }
            if (app.boxes.shown.isEmpty()) {
                QVERIFY2(formText() == punctual, qPrintable(QStringLiteral("%1 ms late: %2").arg(delay).arg(formText().join(u'|'))));
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

QTEST_MAIN(LateAnswersTest)
#include "tst_late_answers.moc"
