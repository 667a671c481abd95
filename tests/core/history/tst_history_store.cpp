#include "core/history/HistoryStore.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>

using namespace korv::history;

namespace {

Event someEvent(const QString& id)
{
    Event event = newEvent(CommandLineFrontEnd, QStringLiteral("read"), QStringLiteral("/dev/ttyUSB0"));
    event.id = id;
    event.unit.serialNumber = QStringLiteral("00123045");
    event.asFound = Snapshot { { { 1, 1234 }, { 10, -5 } }, {}, { { QStringLiteral("upper"), 800 } } };
    return event;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// What the record does with a file it did not expect: a damaged one is set aside and a new one
// started, a later program's is left alone, one another program holds a moment is waited for.
class HistoryStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileAsFound_data()
    {
        QTest::addColumn<QString>("found");
        QTest::addColumn<bool>("kept");  // the event is in the record afterwards
        QTest::addColumn<QString>("said");  // in the notice or the problem
        QTest::newRow("none yet") << "" << true << "";
        QTest::newRow("not a database") << "garbage" << true << "estava danificado";
        QTest::newRow("a later program's") << "newer" << false << "versão mais nova";
        QTest::newRow("held a moment by another program") << "held" << true << "";
        QTest::newRow("a folder") << "folder" << false << "não é um arquivo";
    }
    void fileAsFound()
    {
        QFETCH(QString, found);
        QFETCH(bool, kept);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("KOrvSetup/history.sqlite"));
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (found == QLatin1String("garbage")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(8192, 'x')) == 8192);
        } else if (found == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (!found.isEmpty()) {
            Store earlier(path, QStringLiteral("earlier"));
            QVERIFY(earlier.open());
            QSqlQuery query(earlier.database());
            if (found == QLatin1String("newer"))
                QVERIFY(query.exec(QStringLiteral("UPDATE schema_version SET version = %1").arg(SchemaVersion + 1)));
        }
        const QByteArray before = bytesOf(path);

        std::thread holder;
        if (found == QLatin1String("held")) {
            // Another program's write transaction, ended well within the wait.
            holder = std::thread([path] {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
                db.setDatabaseName(path);
                db.open();
                QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"));
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                QSqlQuery(db).exec(QStringLiteral("COMMIT"));
                db.close();
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        Store store(path, QStringLiteral("store"));
        const bool recorded = store.record(someEvent(QStringLiteral("e1")));
        if (holder.joinable())
            holder.join();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        QCOMPARE(recorded, kept);
        QVERIFY2((store.notice() + store.problem()).contains(said), qPrintable(store.notice() + store.problem()));
        if (kept) {
            QVERIFY(store.event(QStringLiteral("e1")));
            QCOMPARE(store.event(QStringLiteral("e1"))->asFound, someEvent(QStringLiteral("e1")).asFound);
        } else if (found == QLatin1String("newer")) {
            QCOMPARE(bytesOf(path), before);
        }
        // What was set aside is kept, byte for byte, beside the new record.
        if (found == QLatin1String("garbage")) {
            const QStringList aside = QDir(QFileInfo(path).absolutePath())
                                          .entryList({ QStringLiteral("history.sqlite.danificado-*") }, QDir::Files);
            QCOMPARE(aside.size(), 1);
            QCOMPARE(bytesOf(QFileInfo(path).absoluteDir().filePath(aside.constFirst())), before);
        }
    }

    // Two programs recording their first events at the same moment: both make the record, one
    // waits for the other, and both events are in it.
    void recordMadeByTwoAtOnce()
    {
        QTemporaryDir dir;
        for (int round = 0; round < 20; ++round) {
            const QString path = dir.filePath(QStringLiteral("%1/history.sqlite").arg(round));
            std::atomic_bool go { false };
            const auto recordOne = [&](const QString& id) {
                Store store(path, id);
                while (!go) { }
                return store.record(someEvent(id)) ? QString() : store.problem();
            };
            QString other;
            std::thread racer([&] { other = recordOne(QStringLiteral("racer")); });
            go = true;
            const QString mine = recordOne(QStringLiteral("main"));
            racer.join();
            QVERIFY2(mine.isEmpty() && other.isEmpty(), qPrintable(mine + other));
            Store store(path, QStringLiteral("check"));
            QVERIFY(store.open() && store.event(QStringLiteral("racer")) && store.event(QStringLiteral("main")));
        }
    }
};

QTEST_GUILESS_MAIN(HistoryStoreTest)
#include "tst_history_store.moc"
