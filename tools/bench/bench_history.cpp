// The history record's figures beside their aims: how long a command waits for its event to be
// kept in the bench's SQLite file, how soon the record window's list shows its first rows out of
// 100,000 events, and how long 1,000 waiting events take to reach a plant's PostgreSQL server
// (one started as the tests start theirs). Figures, not a test.
#include "core/history/HistoryStore.h"
#include "core/history/PlantSync.h"
#include "support/PostgresServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

using namespace korv::history;

namespace {

constexpr int RecordedEvents = 1000;
constexpr int ListedEvents = 100000;
constexpr int Units = 5000;  // each unit comes back about 20 times
constexpr int FirstRows = 256;
constexpr int Rounds = 5;

// An event as a send leaves it: both snapshots of a unit's parameter registers, the configuration
// they make and the registers written.
Event sampleEvent(int number)
{
    Event event = newEvent(WindowFrontEnd, QStringLiteral("Enviar"), QStringLiteral("/dev/ttyUSB0"));
    event.unit = { QStringLiteral("SN%1").arg(number % Units, 6, 10, QLatin1Char('0')), QStringLiteral("OrvGalDin"),
        0x0203, QStringLiteral("4-20 mA") };
    Snapshot snapshot;
    for (int address = 0; address < 48; ++address)
        snapshot.registers.insert(address, (address * 37 + number) % 4096);
    for (int key = 0; key < 16; ++key)
        snapshot.configuration.insert(QStringLiteral("Parametro%1").arg(key), QStringLiteral("%1,5").arg(key * 10));
    event.asFound = snapshot;
    snapshot.registers[3] += 1;
    event.asLeft = snapshot;
    event.written.confirmed = { 3, 4, 5, 6, 7, 8 };
    return event;
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(fraction * static_cast<double>(values.size())))];
}

double elapsedMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The first run after the file was opened, and the median of the next ones.
std::pair<double, double> firstAndMedianMs(const QString& path, const std::function<void(Store&)>& work)
{
    Store store(path, QStringLiteral("listing"));
    store.open();
    const double first = elapsedMs([&] { work(store); });
    std::vector<double> next;
    for (int round = 0; round < Rounds; ++round)
        next.push_back(elapsedMs([&] { work(store); }));
    return { first, percentile(next, 0.5) };
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;

    out << "Recording " << RecordedEvents << " events into the bench's SQLite file (ms per event)\n";
    out << QString::asprintf("  %-26s %8s %8s %8s %8s\n", "", "p50", "p99", "max", "aim p99");
    for (const bool forPlant : { false, true }) {
        Store store(dir.filePath(forPlant ? QStringLiteral("queued.sqlite") : QStringLiteral("local.sqlite")),
            QStringLiteral("recording"));
        store.open();
        std::vector<double> times;
        for (int i = 0; i < RecordedEvents; ++i) {
            const Event event = sampleEvent(i);
            times.push_back(elapsedMs([&] { store.record(event, forPlant); }));
        }
        out << QString::asprintf("  %-26s %8.3f %8.3f %8.3f %8.1f\n", forPlant ? "queued for the plant" : "bench only",
            percentile(times, 0.5), percentile(times, 0.99), percentile(times, 1.0), 5.0);
        out.flush();
    }

    const QString large = dir.filePath(QStringLiteral("large.sqlite"));
    {
        Store store(large, QStringLiteral("filling"));
        store.open();
        QSqlDatabase db = store.database();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(insertStatement(false));
        for (int i = 0; i < ListedEvents; ++i) {
            Event event = sampleEvent(i);
            event.time = event.time.addSecs(-static_cast<qint64>(ListedEvents - i) * 60);
            bindEvent(insert, event);
            insert.exec();
        }
        db.commit();
    }
    out << "\nListing " << ListedEvents << " events (" << QFileInfo(large).size() / (1024 * 1024)
        << " MiB file): ms, first run after opening and median of " << Rounds << " more\n";
    out << QString::asprintf("  %-38s %8s %8s %8s\n", "", "first", "median", "aim");
    const auto firstRows = [](Store& store) {
        QSqlQuery rows = store.list({});
        for (int row = 0; row < FirstRows && rows.next(); ++row)
            (void)rows.value(0);
    };
    const auto [listFirst, listMedian] = firstAndMedianMs(large, firstRows);
    out << QString::asprintf("  %-38s %8.1f %8.1f %8.0f\n", "all, first 256 rows", listFirst, listMedian, 300.0);
    const auto oneUnit = [](Store& store) {
        Filter filter;
        filter.serialNumber = QStringLiteral("SN%1").arg(1234, 6, 10, QLatin1Char('0'));
        QSqlQuery rows = store.list(filter);
        while (rows.next())
            (void)rows.value(0);
    };
    const auto [unitFirst, unitMedian] = firstAndMedianMs(large, oneUnit);
    out << QString::asprintf(
        "  %-38s %8.1f %8.1f %8.0f\n", "one serial number, every row", unitFirst, unitMedian, 50.0);
    const auto oneEvent = [](Store& store) {
        QSqlQuery newest = store.list({});
        if (newest.next())
            (void)store.event(newest.value(0).toString());
    };
    const auto [eventFirst, eventMedian] = firstAndMedianMs(large, oneEvent);
    out << QString::asprintf("  %-38s %8.1f %8.1f\n", "the newest event, whole", eventFirst, eventMedian);
    out.flush();

    out << "\nSending " << RecordedEvents << " waiting events to a PostgreSQL server on a Unix socket\n";
    korv::test::PostgresServer server;
    if (!server.start()) {
        out << "  no server: " << server.problem() << "\n";
        return 0;
    }
    const QString queued = dir.filePath(QStringLiteral("queued.sqlite"));
    PlantResult result;
    const double firstMs = elapsedMs([&] { result = sendWaitingEvents(queued, server.connectionString()); });
    out << QString::asprintf("  %-38s %8.1f ms (%d sent, %d waiting)\n", "tables made, then every event", firstMs,
        result.sent, result.waiting);
    if (!result.problem.isEmpty())
        out << "  " << result.problem << "\n";
    {
        Store store(queued, QStringLiteral("requeue"));
        store.open();
        QSqlQuery requeue(store.database());
        requeue.exec(QStringLiteral("INSERT INTO plant_queue (id) SELECT id FROM events"));
    }
    const double againMs = elapsedMs([&] { result = sendWaitingEvents(queued, server.connectionString()); });
    out << QString::asprintf("  %-38s %8.1f ms (%d sent, %d waiting)\n", "the same again, all already there", againMs,
        result.sent, result.waiting);
    server.stop();
    {
        Store store(queued, QStringLiteral("requeue"));
        store.open();
        store.record(sampleEvent(0), true);
    }
    const double downMs = elapsedMs([&] { result = sendWaitingEvents(queued, server.connectionString()); });
    out << QString::asprintf("  %-38s %8.1f ms\n", "server stopped: the send gives up", downMs);
    return 0;
}
