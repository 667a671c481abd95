#include "core/files/PlantConnection.h"
#include "core/history/HistoryStore.h"
#include "core/history/PlantSync.h"
#include "support/PostgresServer.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlError>
#include <QTemporaryDir>
#include <QTest>

using namespace korv;
using namespace korv::history;
using korv::test::PostgresServer;

// The plant's server is a real PostgreSQL of the test's own, stopped and started under the sends.
class PlantSyncTest : public QObject {
    Q_OBJECT

    PostgresServer server_;
    QTemporaryDir dir_;
    int benches_ = 0;

    QString newBench() { return dir_.filePath(QStringLiteral("bench%1.sqlite").arg(++benches_)); }

    static Event unitEvent(const QString& serial)
    {
        Event event = newEvent(CommandLineFrontEnd, QStringLiteral("ler"), QStringLiteral("/dev/ttyUSB0"));
        event.unit = { serial, QStringLiteral("OrvGalDin"), 0x0203, QStringLiteral("4-20 mA") };
        event.asFound = Snapshot { { { 1, 7 }, { 2, -3 } }, { 2 }, {} };
        event.written.confirmed = { 1 };
        return event;
    }

    // Runs statements on the server through a connection of their own; the events the last one selects.
    QList<Event> onServer(const QStringList& statements)
    {
        QList<Event> events;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("check"));
            db.setConnectOptions(server_.connectionString());
            QSqlQuery query(db);
            for (const QString& statement : statements) {
                if (!db.open() || !query.exec(statement))
                    qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
            }
            while (query.next())
                events << eventFromRecord(query);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        return events;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (PostgresServer::binaries().isEmpty())
            QSKIP("PostgreSQL's server programs (Debian package postgresql) are not installed");
        QVERIFY2(server_.start(), qPrintable(server_.problem()));
    }

    void connectionString_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("options");  // empty: refused
        QTest::addColumn<QString>("problem");
        const QString app = QStringLiteral(
            " options='-c lock_timeout=3000 -c statement_timeout=30000' fallback_application_name=KOrvSetup");
        const auto row = [](const char* name, const char* given, const QString& options, const char* problem) {
            QTest::newRow(name) << QString::fromUtf8(given) << options << QString::fromUtf8(problem);
        };
        row("timeout added", "host=db dbname=korv", "host=db dbname=korv connect_timeout=3" + app, "");
        row("own timeout kept", " host=db connect_timeout = 10 ", "host=db connect_timeout = 10" + app, "");
        row("a value naming a password", "host=db application_name='password=x'",
            "host=db application_name='password=x' connect_timeout=3" + app, "");
        row("password keyword", "host=db password = 'a b'", {}, "senha");
        row("open quote after a password", "host=db password='x", {}, "senha");
        row("password in a URI", "postgresql://bench:pw@db/korv", {}, "senha");
        row("URI", "postgresql://db/korv", {}, "URI");
        row("open quote", "host='db", {}, "não pôde ser lida");
        row("semicolon", "host=db application_name='a;b'", {}, "\";\"");
    }
    void connectionString()
    {
        QFETCH(QString, given);
        QFETCH(QString, options);
        QFETCH(QString, problem);
        const PlantConnection connection = plantConnection(given, 3);
        QCOMPARE(connection.options, options);
        QVERIFY2(problem.isEmpty() ? connection.problem.isEmpty() : connection.problem.contains(problem),
            qPrintable(connection.problem));
        QCOMPARE(holdsPassword(given), problem == QLatin1String("senha"));
    }

    // Whatever kept the events back, they wait in the bench's queue while commands go on, and
    // once the server takes them each is there once, as recorded, also after a send repeated
    // because the bench lost the removal of what the server had committed.
    void eachEventOnceOnTheServer_data()
    {
        QTest::addColumn<QStringList>("fault");  // on the server; "stop" stops it
        QTest::addColumn<QStringList>("repair");  // "start" starts it
        QTest::addColumn<QString>("problem");
        QTest::newRow("server down") << QStringList { "stop" } << QStringList { "start" }
                                     << "^O servidor do registro não respondeu \\(.+\\); 3 eventos aguardam para ser "
                                        "enviados\\.$";
        QTest::newRow("newer schema") << QStringList { "UPDATE schema_version SET version = 2" }
                                      << QStringList { "UPDATE schema_version SET version = 1" }
                                      << "versão mais nova do programa \\(esquema 2\\) e ficou como estava; 3 eventos";
        QTest::newRow("one event refused")
            << QStringList { "CREATE FUNCTION refuse() RETURNS trigger AS $$ BEGIN IF NEW.serial_number = 'S-5' THEN "
                             "RAISE 'refused'; END IF; RETURN NEW; END $$ LANGUAGE plpgsql",
                   "CREATE TRIGGER refuse BEFORE INSERT ON events FOR EACH ROW EXECUTE FUNCTION refuse()" }
            << QStringList { "DROP TRIGGER refuse ON events", "DROP FUNCTION refuse()" }
            << "^O servidor do registro recusou os eventos \\(.*refused.*\\); 3 eventos";
    }
    void eachEventOnceOnTheServer()
    {
        QFETCH(QStringList, fault);
        QFETCH(QStringList, repair);
        QFETCH(QString, problem);
        const QString path = newBench();
        Store bench(path, QStringLiteral("bench"));
        QList<Event> sent;
        for (int i = 0; i < 7; ++i) {
            if (i == 3 && fault == QStringList { "stop" })
                QVERIFY2(server_.stop(), qPrintable(server_.problem()));
            else if (i == 3)
                onServer(fault);
            sent << unitEvent(QStringLiteral("S-%1").arg(i));
            QVERIFY2(bench.record(sent.last(), i != 6), qPrintable(bench.problem()));
            if (i != 2 && i != 5)
                continue;
            const PlantResult result = sendWaitingEvents(path, server_.connectionString());
            QCOMPARE(result.sent, i == 2 ? 3 : 0);
            QCOMPARE(result.waiting, i == 2 ? 0 : 3);
            QVERIFY2(QRegularExpression(i == 2 ? QStringLiteral("^$") : problem).match(result.problem).hasMatch(),
                qPrintable(result.problem));
        }
        const Event local = sent.takeLast();  // not for the plant
        if (repair == QStringList { "start" })
            QVERIFY2(server_.start(), qPrintable(server_.problem()));
        else
            onServer(repair);
        QSqlQuery requeue(bench.database());
        for (int i = 0; i < 3; ++i)
            QVERIFY(requeue.exec(QStringLiteral("INSERT INTO plant_queue (id) VALUES ('%1')").arg(sent[i].id)));
        const PlantResult result = sendWaitingEvents(path, server_.connectionString());
        QCOMPARE(result.sent, 6);
        QCOMPARE(result.waiting, 0);
        QCOMPARE(result.problem, QString());

        // Each once, as recorded; none that was not for the plant.
        QStringList ids { local.id };
        for (const Event& event : sent)
            ids << event.id;
        std::sort(sent.begin(), sent.end(), [](const Event& a, const Event& b) { return a.id < b.id; });
        QCOMPARE(onServer({ QStringLiteral("SELECT * FROM events WHERE id IN ('%1') ORDER BY id")
                                .arg(ids.join(QStringLiteral("','"))) }),
            sent);
    }

    // The window's sender never holds the window: kicks during a send make one more, and events
    // left waiting go on their own once the server is back.
    void forwarderSendsOnceTheServerIsBack()
    {
        const QString path = newBench();
        Store bench(path, QStringLiteral("bench"));
        QVERIFY(bench.record(unitEvent(QStringLiteral("F-1")), true) && bench.record(unitEvent("F-2"), true));
        QVERIFY(server_.stop());
        PlantForwarder forwarder(path, server_.connectionString());
        QSignalSpy finished(&forwarder, &PlantForwarder::finished);
        for (int kick = 0; kick < 3; ++kick)
            forwarder.kick();
        QVERIFY(forwarder.isSending());
        QTRY_COMPARE(finished.size(), 2);
        QTest::qWait(50);
        QCOMPARE(finished.size(), 2);
        const auto failed = finished.takeFirst().at(0).value<PlantResult>();
        QVERIFY(failed.sent == 0 && failed.waiting == 2 && failed.problem.contains("não respondeu"));

        QVERIFY(server_.start());
        forwarder.setRetryInterval(std::chrono::milliseconds(20));
        QTRY_VERIFY(finished.last().at(0).value<PlantResult>().waiting == 0);
        QCOMPARE(finished.last().at(0).value<PlantResult>().sent, 2);
        QCOMPARE(bench.waitingForPlant(10), QStringList());

        // Closing the window during a send waits for it, briefly.
        QVERIFY(bench.record(unitEvent(QStringLiteral("F-3")), true));
        auto closing = std::make_unique<PlantForwarder>(path, server_.connectionString());
        closing->kick();
        QElapsedTimer timer;
        timer.start();
        closing.reset();
        QCOMPARE_LT(timer.elapsed(), (PlantConnectTimeoutSeconds + 1) * 1000);
    }
};

QTEST_GUILESS_MAIN(PlantSyncTest)
#include "tst_plant_sync.moc"
