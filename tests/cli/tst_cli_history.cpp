#include "CliFixture.h"

#include "common/StopRequest.h"
#include "core/history/HistoryStore.h"
#include "core/protocol/Model.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace korv;
using namespace korv::test;
using emu::Fault;

namespace {

QList<history::Event> recorded(const CliFixture& cli)
{
    history::Store store(cli.historyPath(), QStringLiteral("test-reader"));
    return store.open() ? store.events({}) : QList<history::Event> {};
}

}  // namespace

// The record the command line leaves: one event per command that reached for a transmitter, with
// what it found, what it left and what it wrote, also when it failed, stopped or half-wrote.
class CliHistoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { StopRequest::clear(); }

    void eachCommandLeavesOneEvent_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("fault");  // on the write frames to register 10 (-1: stop at the first write)
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QList<int>>("confirmed");
        QTest::addColumn<QList<int>>("uncertain");
        const QList<int> none;
        for (const auto& [name, code] : { std::pair { "head", 0 }, { "humidity", 4 }, { "ambient", 6 } }) {
            for (const char* command : { "identify", "read", "verify", "backup" })
                QTest::addRow("%s %s", name, command) << code << command << 0 << 0 << "done" << none << none;
            QTest::addRow("%s write", name) << code << "write" << 0 << 0 << "done" << QList<int> { 1 } << none;
        }
        QTest::newRow("silent transmitter") << 0 << "read" << int(Fault::Silence) << 2 << "failed" << none << none;
        QTest::newRow("half-done write") << 0 << "write" << int(Fault::Refuse) << 2 << "failed" << QList<int> { 11 }
                                         << QList<int> { 10 };
        // Stopped between the first write frame and its read-back: that register may have changed.
        QTest::newRow("stopped write") << 0 << "write" << -1 << 2 << "stopped" << none << QList<int> { 10 };
    }
    void eachCommandLeavesOneEvent()
    {
        QFETCH(int, code);
        QFETCH(QString, command);
        QFETCH(int, fault);
        QFETCH(int, exitCode);
        QFETCH(QString, result);
        QFETCH(QList<int>, confirmed);
        QFETCH(QList<int>, uncertain);
        CliFixture cli;
        QVERIFY(cli.start(code));
        const auto read = cli.run({ QStringLiteral("read"), QStringLiteral("--json") });
        const QJsonObject configuration
            = QJsonDocument::fromJson(read.out.toUtf8()).object().value(QStringLiteral("configuration")).toObject();
        const QString file = cli.file(QStringLiteral("unit.json"), QJsonDocument(configuration).toJson());
        QStringList arguments { command };
        if (command == QLatin1String("write") || command == QLatin1String("verify"))
            arguments << file;
        if (fault > 0)
            cli.emulator->setFault(Fault(fault), -1, fault == int(Fault::Refuse) ? 10 : -1,
                fault == int(Fault::Refuse) ? emu::FaultFrames::Writes : emu::FaultFrames::Any);
        if (fault < 0)
            cli.emulator->setTrace([](const QByteArray& received, const QByteArray&) {
                if (received.startsWith('Q'))
                    StopRequest::request();
            });

        const auto run = cli.run(arguments);
        cli.emulator->setTrace({});
        QCOMPARE(run.code, exitCode);
        const QList<history::Event> events = recorded(cli);
        QCOMPARE(events.size(), 2);  // the read that made the file, then this command
        const history::Event& event = events.constFirst();
        QCOMPARE(event.command, command);
        QCOMPARE(history::outcomeName(event.outcome), result);
        QCOMPARE(event.exitCode, exitCode);
        QCOMPARE(event.frontEnd, history::CommandLineFrontEnd);
        QVERIFY(!event.id.isEmpty() && event.id != events.constLast().id);
        QVERIFY(!event.bench.isEmpty() && !event.user.isEmpty() && !event.programVersion.isEmpty());
        QVERIFY2(
            exitCode == 0 || run.err.contains(event.resultText.section(u'\n', 0, 0)), qPrintable(event.resultText));
        if (fault == int(Fault::Silence)) {
            QVERIFY(event.unit.serialNumber.isEmpty() && !event.asFound && !event.asLeft);
            return;
        }
        QCOMPARE(event.unit.serialNumber, QStringLiteral("00123045"));
        QCOMPARE(event.unit.model, modelString(modelFromCode(code)));
        QVERIFY(event.asFound && event.asLeft);
        // A command that reads the whole configuration finds the file's, and leaves it unless it
        // wrote something else.
        if (command != QLatin1String("identify") && command != QLatin1String("backup"))
            QCOMPARE(event.asFound->configuration, configuration);
        QCOMPARE(event.asLeft->uncertain, uncertain);
        if (uncertain.isEmpty() && command != QLatin1String("identify") && command != QLatin1String("backup"))
            QCOMPARE(event.asLeft->configuration, configuration);
        for (int address : confirmed)
            QVERIFY2(event.written.confirmed.contains(address), qPrintable(QString::number(address)));
        QCOMPARE(event.written.unconfirmed, uncertain);
        if (command == QLatin1String("backup"))
            QVERIFY(event.calibration && event.calibration->backupText.contains(QStringLiteral("Calibration mode")));
    }

    // A record that cannot be kept changes neither the command's output nor its exit code.
    void unavailableRecordLeavesCommandAlone()
    {
        CliFixture cli;
        QVERIFY(cli.start(0));
        const auto kept = cli.run({ QStringLiteral("read") });
        QVERIFY(QFile::remove(cli.historyPath()) && QDir().mkpath(cli.historyPath()));
        const auto unkept = cli.run({ QStringLiteral("read") });
        QCOMPARE(unkept.code, 0);
        QCOMPARE(unkept.out, kept.out);
        QVERIFY2(unkept.err.contains(QStringLiteral("não é um arquivo")), qPrintable(unkept.err));
    }

    // What history and report give back is what was recorded.
    void historyAndReport()
    {
        CliFixture cli;
        QVERIFY(cli.start(0));
        QCOMPARE(cli.run({ QStringLiteral("history"), QStringLiteral("--json") }).out.trimmed(), QStringLiteral("[]"));
        QCOMPARE(cli.run({ QStringLiteral("identify") }).code, 0);
        QCOMPARE(cli.run({ QStringLiteral("read") }).code, 0);
        const QList<history::Event> events = recorded(cli);
        const auto json = cli.run({ QStringLiteral("history"), QStringLiteral("--serial"), QStringLiteral("00123045"),
            QStringLiteral("--json") });
        const QJsonArray listed = QJsonDocument::fromJson(json.out.toUtf8()).array();
        QCOMPARE(listed.size(), 2);
        for (qsizetype i = 0; i < listed.size(); ++i)
            QCOMPARE(history::eventFromJson(listed.at(i).toObject()), events.at(i));
        QCOMPARE(
            cli.run({ QStringLiteral("history"), QStringLiteral("--serial"), QStringLiteral("999") }).out, QString());
        QCOMPARE(cli.run({ QStringLiteral("history"), QStringLiteral("--csv") }).out.count(u'\n'), 3);
        QVERIFY(cli.run({ QStringLiteral("history") }).lines().constFirst().startsWith(events.constFirst().id.left(8)));

        const QString pdf = cli.dir.filePath(QStringLiteral("unit.pdf"));
        const auto report = cli.run({ QStringLiteral("report"), QStringLiteral("00123045"), QStringLiteral("--event"),
            events.constLast().id.left(8), QStringLiteral("--pdf"), pdf });
        QCOMPARE(report.code, 0);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-");
        const auto unknown
            = cli.run({ QStringLiteral("report"), QStringLiteral("999"), QStringLiteral("--pdf"), pdf + u'2' });
        QCOMPARE(unknown.code, 3);
        QVERIFY(!QFile::exists(pdf + u'2'));
    }
};

QTEST_GUILESS_MAIN(CliHistoryTest)
#include "tst_cli_history.moc"
