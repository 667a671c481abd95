#include "support_appfixture.h"

#include <QTest>

using namespace korv;

// A transmitter that answers one frame late during a send, at every delay from just past the answer
// wait to several exchanges later. The late bytes reach whatever exchange runs when they arrive;
// none of them may ever be taken as that exchange's value or lead to a write nobody asked for.
class LateAnswersSendTest : public QObject {
    Q_OBJECT

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
        const QList<int> all = { 1, 6, 7, 8, 9, 10, 11, 14, 15 };
        const QMap<int, qint16> before = registers(app, all);

        for (int delay : lateAnswerDelaysMs()) {
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
};

QTEST_MAIN(LateAnswersSendTest)
#include "tst_late_answers_send.moc"
