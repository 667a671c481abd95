#include "support_appfixture.h"

#include "app/service/ServiceMode.h"
#include "calibration/CalibForm.h"
#include "support/ProcessProbe.h"

#include <QLineEdit>
#include <QTest>

using namespace korv;
using namespace korv::test;

// The transmitter's adapter pulled out while the window sits idle with the port open, in each
// state that leaves it open: the program lets the port go, costs nothing meanwhile, reports the
// missing transmitter at the next command and works again once the adapter is back.
class IdleUnplugTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void adapterPulledWhileIdle_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("after a read, status timer running") << "read";
        QTest::newRow("after a read, status lines cleared") << "read, timer done";
        QTest::newRow("after a send") << "send";
        QTest::newRow("after the service window closed") << "service";
    }
    void adapterPulledWhileIdle()
    {
        QFETCH(QString, state);
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        ServiceMode service(*app.form);
        app.read();
        if (state == QLatin1String("read")) {
            QVERIFY(app.form->ui.statusTimer->isActive());
        } else if (state == QLatin1String("read, timer done")) {
            app.form->onStatusTimer();
        } else if (state == QLatin1String("send")) {
            app.send();
        } else {
            service.window().FormShow();
            service.window().onClose();
        }
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QVERIFY(app.form->session().link().isOpen());
        const QString terminal = app.emulator->terminalPath();
        const QString lock = lockFileFor(app.emulator->devicePath());
        QVERIFY(holdsDescriptorOf(terminal));
        QVERIFY2(holdsLock(lock), qPrintable(terminal));

        app.emulator->stop();
        const qint64 cpuBefore = processCpuMs();
        QTest::qWait(300);
        const qint64 cpuUsed = processCpuMs() - cpuBefore;
        QVERIFY2(cpuUsed < 100, qPrintable(QStringLiteral("%1 ms of processor time while idle").arg(cpuUsed)));
        QVERIFY(!app.form->session().link().isOpen());
        QVERIFY(!holdsDescriptorOf(terminal));
        QVERIFY(!holdsLock(lock));

        // The next command reports the missing transmitter as any dead line.
        app.boxes.clear();
        app.read();
        QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Erro de comunicação!") });

        // Plugged back in, the same command works again.
        QVERIFY(app.emulator->start());
        app.boxes.clear();
        app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(app.form->ui.EdtStatus->text(), QStringLiteral("Leitura OK"));
    }

    // The adapter pulled out in the middle of a command and plugged back in: the command reports
    // the dead line, and the next one opens the port again without a restart of the program.
    void adapterPulledDuringACommandThenPluggedBack_data()
    {
        QTest::addColumn<bool>("send");
        QTest::newRow("read") << false;
        QTest::newRow("send") << true;
    }
    void adapterPulledDuringACommandThenPluggedBack()
    {
        QFETCH(bool, send);
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        app.read();
        app.boxes.clear();
        app.emulator->setFault(emu::Fault::CloseMidExchange, 1, 1);
        send ? app.send() : app.read();
        QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Erro de comunicação!") });
        QVERIFY(!app.form->session().link().isOpen());

        QVERIFY(app.emulator->restart());
        app.boxes.clear();
        send ? app.send() : app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(app.form->ui.EdtStatus->text(), send ? QStringLiteral("Envio OK") : QStringLiteral("Leitura OK"));
        QVERIFY(app.form->session().link().isOpen());
    }
};

QTEST_MAIN(IdleUnplugTest)
#include "tst_idle_unplug.moc"
