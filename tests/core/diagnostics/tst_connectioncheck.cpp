#include "common/Timing.h"
#include "core/diagnostics/ConnectionCheck.h"
#include "core/link/SerialLink.h"
#include "core/link/port/PortAccess.h"
#include "emulator/TransmitterEmulator.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace korv;
using korv::emu::Fault;
using Id = CheckStep::Id;
using Outcome = CheckStep::Outcome;
using Finding = CheckStep::Finding;

namespace {

enum class Setup { Emulator, MissingDevice, PlainFile, HeldByAnotherProcess };

constexpr uint Nobody = 65534;

}  // namespace

// The connection check against the emulator and against ports set up to fail in each way a
// technician meets: every failure stops at its own step, with its own sentence, and leaves the
// port free.
class ConnectionCheckTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void init() { Timing::setScalePercent(5); }
    void cleanup() { Timing::setScalePercent(100); }

    void failures_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<emu::Seed>("seed");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("failingStep");  // -1: every step passes
        QTest::addColumn<Finding>("finding");
        QTest::addColumn<QString>("says");
        const emu::Seed head { 0, 130, 12, 345, 0 };
        auto row = [&](const char* name, Setup setup, Fault fault, int step, Finding finding, const char* says) {
            QTest::newRow(name) << setup << head << fault << step << finding << QString::fromUtf8(says);
        };
        row("all well", Setup::Emulator, Fault::None, -1, Finding::None,
            "KOrvHead (OrvHead), firmware 1.30, número de série 00012345.");
        row("missing device", Setup::MissingDevice, Fault::None, int(Id::PortExists), Finding::Missing,
            "portas encontradas: /dev/ttyUSB7, /dev/ttyS0");
        row("a plain file", Setup::PlainFile, Fault::None, int(Id::PortExists), Finding::NotADevice,
            "não é um dispositivo de porta serial");
        row("held by another process", Setup::HeldByAnotherProcess, Fault::None, int(Id::NotHeld), Finding::HeldByOther,
            "O programa sleep (processo ");
        row("no echo", Setup::Emulator, Fault::Silence, int(Id::Echo), Finding::NoEcho,
            "a interface de configuração não está alimentada, ou o cabo ou o adaptador não são os certos");
        row("echo without answer", Setup::Emulator, Fault::EchoOnly, int(Id::Answer), Finding::EchoOnly,
            "o transmissor não está alimentado ou não está ligado à interface");
        row("refused", Setup::Emulator, Fault::Refuse, int(Id::Answer), Finding::Refused, "recusou a leitura");
        row("garbage answer", Setup::Emulator, Fault::Garbage, int(Id::Answer), Finding::WrongAnswer,
            "Chegou AA 55 AA 55 AA");
        row("port vanishes", Setup::Emulator, Fault::CloseMidExchange, int(Id::Echo), Finding::PortLost,
            "A porta desapareceu");
        QTest::newRow("unknown model") << Setup::Emulator << emu::Seed { 9, 130, 1, 2, 0 } << Fault::None
                                       << int(Id::Identified) << Finding::UnknownModel
                                       << QStringLiteral("não é conhecido");
        QTest::newRow("firmware that takes no configuration")
            << Setup::Emulator << emu::Seed { 2, 100, 1, 2, 0 } << Fault::None << -1 << Finding::None
            << QStringLiteral("permite ler, mas não enviar");
    }
    void failures()
    {
        QFETCH(Setup, setup);
        QFETCH(emu::Seed, seed);
        QFETCH(Fault, fault);
        QFETCH(int, failingStep);
        QFETCH(Finding, finding);
        QFETCH(QString, says);

        emu::TransmitterEmulator emulator(seed);
        QVERIFY(emulator.setLinkPath(dir.filePath(QStringLiteral("ttyCheck"))));
        QVERIFY(emulator.start());
        QString port = emulator.devicePath();
        QProcess holder;
        qint64 holderPid = 0;
        if (setup == Setup::MissingDevice) {
            port = dir.filePath(QStringLiteral("ttyUSB9"));
        } else if (setup == Setup::PlainFile) {
            port = dir.filePath(QStringLiteral("notes.txt"));
            QFile file(port);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (setup == Setup::HeldByAnotherProcess) {
            holder.setStandardInputFile(emulator.terminalPath());
            holder.start(QStringLiteral("sleep"), { QStringLiteral("30") });
            QVERIFY(holder.waitForStarted());
            holderPid = holder.processId();
        }
        emulator.setFault(fault, fault == Fault::CloseMidExchange ? 1 : -1);

        ConnectionCheck check(port);
        check.setPresentPorts({ QStringLiteral("/dev/ttyUSB7"), QStringLiteral("/dev/ttyS0") });
        int framesTold = 0;
        check.setLinkListener([&](const LinkEvent& event) { framesTold += event.kind == LinkEvent::Kind::Sent; });
        QList<Id> told;
        const ConnectionReport report = check.run([&](const CheckStep& step) { told << step.id; });
        if (holder.state() != QProcess::NotRunning) {
            holder.kill();
            holder.waitForFinished();
        }

        const int steps = static_cast<int>(report.steps.size());
        QCOMPARE(steps, 7);
        QCOMPARE(told.size(), failingStep < 0 ? steps : failingStep + 1);
        for (int index = 0; index < steps; ++index) {
            const CheckStep& step = report.steps[static_cast<size_t>(index)];
            QCOMPARE(step.id, Id(index));
            if (failingStep < 0 || index < failingStep)
                QCOMPARE(step.outcome, Outcome::Passed);
            else if (index == failingStep)
                QCOMPARE(step.outcome, Outcome::Failed);
            else
                QCOMPARE(step.outcome, Outcome::NotRun);
        }
        const CheckStep& decisive = failingStep < 0 ? report.steps.back() : report.step(Id(failingStep));
        QCOMPARE(decisive.finding, finding);
        QVERIFY2(decisive.sentence.contains(says), qPrintable(decisive.sentence));
        if (setup == Setup::HeldByAnotherProcess)
            QVERIFY2(decisive.sentence.contains(QString::number(holderPid)), qPrintable(decisive.sentence));
        QCOMPARE(report.passed(), failingStep < 0);
        QCOMPARE(report.transmitter.has_value(), failingStep < 0);
        QCOMPARE(framesTold > 0, failingStep < 0 || failingStep >= int(Id::Echo));

        // Whatever happened, the check let go of the port.
        if (fault == Fault::CloseMidExchange)
            QVERIFY(emulator.restart());
        if (setup == Setup::Emulator) {
            SerialLink after(port, 9600, 100);
            QVERIFY2(after.Open(), qPrintable(after.ErrorText));
        }
    }

    // The far end of a pseudo-terminal is the transmitter's side, not a program in the way: the
    // emulator run on its own passes the check.
    void emulatorInItsOwnProcessIsNoHolder()
    {
        const QString link = dir.filePath(QStringLiteral("ttyExternal"));
        QProcess emulator;
        emulator.start(QStringLiteral(KORV_EMULATOR), { QStringLiteral("--link"), link });
        QVERIFY(emulator.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(link).exists(), 5000);
        const ConnectionReport report = ConnectionCheck(link).run();
        emulator.terminate();
        emulator.waitForFinished();
        QVERIFY2(report.passed(), qPrintable(report.failure() ? report.failure()->sentence : QString()));
    }

    void accessVerdicts_data()
    {
        QTest::addColumn<uint>("mode");
        QTest::addColumn<uint>("owner");
        QTest::addColumn<QList<uint>>("sessionGroups");
        QTest::addColumn<QList<uint>>("accountGroups");
        QTest::addColumn<bool>("systemAllows");
        QTest::addColumn<AccessFinding>("finding");
        const uint me = 1000;
        const QList<uint> mine { me };
        const QList<uint> withDialout { me, 20 };
        QTest::newRow("allowed") << 0660u << 0u << withDialout << withDialout << true << AccessFinding::Allowed;
        QTest::newRow("not in dialout") << 0660u << 0u << mine << mine << false << AccessFinding::JoinGroup;
        QTest::newRow("joined since login") << 0660u << 0u << mine << withDialout << false << AccessFinding::LogInAgain;
        QTest::newRow("in the group, refused all the same")
            << 0660u << 0u << withDialout << withDialout << false << AccessFinding::Denied;
        QTest::newRow("root's alone (0600)")
            << 0600u << 0u << withDialout << withDialout << false << AccessFinding::OwnerOnly;
        QTest::newRow("own device, no owner bits")
            << 0060u << me << withDialout << withDialout << false << AccessFinding::OwnerLocked;
        QTest::newRow("own device, refused all the same")
            << 0600u << me << mine << mine << false << AccessFinding::Denied;
        QTest::newRow("open to all, refused all the same")
            << 0666u << 0u << mine << mine << false << AccessFinding::Denied;
    }
    void accessVerdicts()
    {
        QFETCH(uint, mode);
        QFETCH(uint, owner);
        QFETCH(QList<uint>, sessionGroups);
        QFETCH(QList<uint>, accountGroups);
        QFETCH(bool, systemAllows);
        QFETCH(AccessFinding, finding);
        DeviceNode node;
        node.state = DeviceNode::State::Present;
        node.ownerId = owner;
        node.groupId = 20;
        node.mode = mode;
        const UserAccount user { 1000, QStringLiteral("tecnico"), sessionGroups, accountGroups };
        QCOMPARE(judgeAccess(node, user, systemAllows), finding);
    }

    // A device only its owner may open, checked by a user who is not its owner. As root the check
    // runs under the unprivileged account "nobody" on a terminal made 0600; otherwise on a device
    // of the system that is already so.
    void ownerOnlyDeviceAsAnUnprivilegedUser()
    {
        emu::TransmitterEmulator emulator;
        QVERIFY(emulator.start());
        QString device;
        if (::getuid() == 0) {
            device = emulator.terminalPath();
            QVERIFY(::chmod(QFile::encodeName(device).constData(), 0600) == 0);
        } else {
            for (const char* candidate : { "/dev/console", "/dev/ttyS0", "/dev/tty0" }) {
                const DeviceNode node = inspectDevice(QLatin1String(candidate));
                if (node.state == DeviceNode::State::Present && node.ownerId != ::getuid() && node.mode == 0600
                    && !systemAllowsReadWrite(QLatin1String(candidate))) {
                    device = QLatin1String(candidate);
                    break;
                }
            }
            if (device.isEmpty())
                QSKIP("No device of another user with mode 0600 on this machine to try.");
        }
        QString skipReason;
        const QStringList lines = probeAsAnotherUser(device, skipReason);
        if (lines.isEmpty())
            QSKIP(qPrintable(skipReason));
        const QString mayOpen = lines.value(int(Id::MayOpen));
        QVERIFY2(mayOpen.startsWith(stepLine(Id::MayOpen, Outcome::Failed, Finding::OwnerOnly)), qPrintable(mayOpen));
        QVERIFY2(mayOpen.contains(QStringLiteral("pode abrir %1 (permissões 0600").arg(device)), qPrintable(mayOpen));
        QVERIFY2(lines.value(int(Id::NotHeld)).startsWith(stepLine(Id::NotHeld, Outcome::NotRun, Finding::None)),
            qPrintable(lines.join(u'|')));
    }

    // An unprivileged user cannot see which ports a system service holds, but anyone may read its
    // name: a service known to take serial ports is named as the suspect, with the way to stop it.
    void serviceOfAnotherUserIsNamedAsSuspect()
    {
        if (::getuid() != 0)
            QSKIP("Only root can run a service that an unprivileged user cannot examine.");
        const QString service = dir.filePath(QStringLiteral("ModemManager"));
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), service));
        QProcess modemManager;
        modemManager.start(service, { QStringLiteral("30") });
        QVERIFY(modemManager.waitForStarted());
        emu::TransmitterEmulator emulator;
        QVERIFY(emulator.start());
        QVERIFY(::chmod(QFile::encodeName(emulator.terminalPath()).constData(), 0666) == 0);
        QString skipReason;
        const QStringList lines = probeAsAnotherUser(emulator.terminalPath(), skipReason);
        modemManager.kill();
        modemManager.waitForFinished();
        if (lines.isEmpty())
            QSKIP(qPrintable(skipReason));
        const QString notHeld = lines.value(int(Id::NotHeld));
        QVERIFY2(notHeld.startsWith(stepLine(Id::NotHeld, Outcome::Passed, Finding::None)), qPrintable(notHeld));
        QVERIFY2(notHeld.contains(QStringLiteral("entre eles está ModemManager")), qPrintable(notHeld));
        QVERIFY2(notHeld.contains(QStringLiteral("«sudo systemctl stop ModemManager»")), qPrintable(notHeld));
    }

private:
    static QString stepLine(Id id, Outcome outcome, Finding finding)
    {
        return QStringLiteral("%1 %2 %3 ").arg(int(id)).arg(int(outcome)).arg(int(finding));
    }

    // The probe's lines, one per step, as an unprivileged user sees the device: root's test drops to
    // "nobody" for it. Empty, with the reason, when that cannot be arranged here.
    static QStringList probeAsAnotherUser(const QString& device, QString& skipReason)
    {
        QProcess probe;
        if (::getuid() == 0) {
            probe.setChildProcessModifier([] {
                // Failing any of these leaves the probe as root, which it reports and the test skips.
                const gid_t none[] = { Nobody };
                if (::setgroups(1, none) == 0 && ::setgid(Nobody) == 0)
                    (void)::setuid(Nobody);
            });
        }
        probe.start(QStringLiteral(KORV_CHECK_PROBE), { device });
        if (!probe.waitForStarted() || !probe.waitForFinished(20000)) {
            skipReason = QStringLiteral("The probe did not run as another user: %1").arg(probe.errorString());
            return {};
        }
        QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n');
        if (lines.value(0) == QLatin1String("uid 0")) {
            skipReason = QStringLiteral("This machine does not let the test drop root's privileges.");
            return {};
        }
        lines.removeFirst();
        return lines;
    }
};

QTEST_GUILESS_MAIN(ConnectionCheckTest)
#include "tst_connectioncheck.moc"
