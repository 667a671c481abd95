#include "common/Timing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using namespace korv;

// The busy wait of the retry loops: it must last more than its time, and the window must not see
// a single event while it runs.
class TimingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Timing::setScalePercent(100); }

    void busyWaitLastsItsTime_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<int>("percent");
        QTest::addColumn<qint64>("atLeastNs");
        QTest::newRow("10 ms") << 10 << 100 << qint64(10'000'000);
        QTest::newRow("100 ms") << 100 << 100 << qint64(100'000'000);
        QTest::newRow("1000 ms at 5 %") << 1000 << 5 << qint64(50'000'000);
        QTest::newRow("10 ms at 5 % is still 1 ms") << 10 << 5 << qint64(1'000'000);
        QTest::newRow("zero") << 0 << 100 << qint64(0);
    }
    void busyWaitLastsItsTime()
    {
        QFETCH(int, milliseconds);
        QFETCH(int, percent);
        QFETCH(qint64, atLeastNs);
        Timing::setScalePercent(percent);
        QElapsedTimer clock;
        clock.start();
        BusyWait(milliseconds);
        const qint64 elapsed = clock.nsecsElapsed();
        // "More than" the time: a wait that ends right on it is too short.
        QVERIFY2(elapsed > atLeastNs, qPrintable(QString::number(elapsed)));
        // Generous, for a loaded machine: a scaled wait must not take its unscaled time.
        QVERIFY2(elapsed < atLeastNs + 800'000'000, qPrintable(QString::number(elapsed)));
    }

    void busyWaitRunsNoEvents()
    {
        int timerShots = 0;
        int posted = 0;
        QTimer timer;
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout, &timer, [&timerShots] { ++timerShots; });
        timer.start();
        QTimer::singleShot(0, &timer, [&posted] { ++posted; });
        QMetaObject::invokeMethod(
            &timer, [&posted] { ++posted; }, Qt::QueuedConnection);
        BusyWait(50);
        QCOMPARE(timerShots, 0);
        QCOMPARE(posted, 0);
        // They were only held back: the next turn of the event loop delivers them.
        QTRY_COMPARE(posted, 2);
        QTRY_VERIFY(timerShots > 0);
    }
};

QTEST_GUILESS_MAIN(TimingTest)
#include "tst_timing.moc"
