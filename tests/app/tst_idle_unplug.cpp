#include "support_appfixture.h"

#include "app/ServiceMode.h"
#include "calibration/CalibForm.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <ctime>

using namespace korv;

namespace {

qint64 processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

bool holdsDescriptorOf(const QString& terminal)
{
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
        const QString target = QFile::symLinkTarget(fds.filePath(fd));
        if (target == terminal || target == terminal + QStringLiteral(" (deleted)"))
            return true;
    }
    return false;
}

QString lockFileFor(const QString& portPath)
{
    const QString name = QStringLiteral("LCK..") + QString(portPath).replace(u'/', u'_');
    for (const char* folder : {"/run/lock", "/var/lock", "/tmp"}) {
        const QString path = QDir(QLatin1String(folder)).filePath(name);
        if (QFile::exists(path))
            return path;
    }
    return {};
}

}  // namespace

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
            QVERIFY(app.form->ui.Timer1->isActive());
        } else if (state == QLatin1String("read, timer done")) {
            app.form->Timer1Timer();
        } else if (state == QLatin1String("send")) {
            app.send();
        } else {
            service.window().FormShow();
            service.window().Button1Click();
        }
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QVERIFY(app.form->link().isOpen());
        const QString terminal = app.emulator->terminalPath();
        const QString lock = lockFileFor(app.emulator->devicePath());
        QVERIFY(holdsDescriptorOf(terminal));

        app.emulator->stop();
        const qint64 cpuBefore = processCpuMs();
        QTest::qWait(300);
        const qint64 cpuUsed = processCpuMs() - cpuBefore;
        QVERIFY2(cpuUsed < 100, qPrintable(QStringLiteral("%1 ms of processor time while idle").arg(cpuUsed)));
        QVERIFY(!app.form->link().isOpen());
        QVERIFY(!holdsDescriptorOf(terminal));
        QVERIFY(lock.isEmpty() || !QFile::exists(lock));

        // The next command reports the missing transmitter as any dead line.
        app.boxes.clear();
        app.read();
        QCOMPARE(app.boxTexts(), QStringList{QStringLiteral("Erro de comunicação!")});

        // Plugged back in, the same command works again.
        QVERIFY(app.emulator->start());
        app.boxes.clear();
        app.read();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(app.form->ui.EdtStatus->text(), QStringLiteral("Leitura OK"));
    }
};

QTEST_MAIN(IdleUnplugTest)
#include "tst_idle_unplug.moc"
