// The history record's figures beside their aims: how long a command waits for its event to be
// kept in the bench's SQLite file, how soon the record window's list shows its first rows out of
// 100,000 events, the time and peak memory of the command line's lists and of the window's CSV
// export at 10,000 and 100,000 events, how long 1,000 waiting events take to reach a plant's
// PostgreSQL server (one started as the tests start theirs), and a command's time with each kind
// of plant server beside its time with none. Figures, not a test.
#include "core/history/HistoryExport.h"
#include "core/history/HistoryStore.h"
#include "core/history/PlantSync.h"
#include "emulator/TransmitterEmulator.h"
#include "support/PostgresServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <atomic>

#include <fcntl.h>
#include <functional>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
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

struct ChildRun {
    double ms = 0;
    double peakMiB = 0;
    int code = -1;
};

// A program of its own with `variables` added to this one's environment, its output thrown away:
// its wall time and its peak resident memory, as the system counted them.
ChildRun runChild(const QStringList& arguments, const QStringList& variables = {})
{
    std::vector<QByteArray> argumentBytes;
    for (const QString& argument : arguments)
        argumentBytes.push_back(argument.toLocal8Bit());
    std::vector<QByteArray> environmentBytes;
    for (const QString& variable : QProcessEnvironment::systemEnvironment().toStringList() + variables)
        environmentBytes.push_back(variable.toLocal8Bit());
    const auto pointers = [](std::vector<QByteArray>& list) {
        std::vector<char*> result;
        for (QByteArray& bytes : list)
            result.push_back(bytes.data());
        result.push_back(nullptr);
        return result;
    };
    std::vector<char*> argv = pointers(argumentBytes);
    std::vector<char*> envp = pointers(environmentBytes);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    ChildRun run;
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        rusage usage {};
        if (wait4(pid, &status, 0, &usage) == pid) {
            run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
        }
    }
    run.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

// The window's export, alone in a process of its own so that its memory can be told apart.
int exportAlone(const QString& record, const QString& csv)
{
    const std::atomic_bool never { false };
    std::atomic_int written { 0 };
    return korv::history::exportCsv(record, {}, csv, never, written).saved() ? 0 : 1;
}

void fill(const QString& path, int events)
{
    Store store(path, QStringLiteral("filling"));
    store.open();
    QSqlDatabase db = store.database();
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(insertStatement(false));
    for (int i = 0; i < events; ++i) {
        Event event = sampleEvent(i);
        event.time = event.time.addSecs(-static_cast<qint64>(events - i) * 60);
        bindEvent(insert, event);
        insert.exec();
    }
    db.commit();
}

// The command line's lists and the window's export of `events` events.
void listsAndExport(QTextStream& out, const QString& program, const QString& self, const QString& folder, int events)
{
    const QString data = QDir(folder).filePath(QStringLiteral("data"));
    const QString record = QDir(data).filePath(QStringLiteral("KOrvSetup/history.sqlite"));
    QDir().mkpath(QFileInfo(record).absolutePath());
    fill(record, events);
    const QStringList environment { QStringLiteral("XDG_DATA_HOME=") + data };
    const auto row = [&](const char* what, const ChildRun& run) {
        out << QString::asprintf("  %-30s %8d %10.0f %10.1f\n", what, events, run.ms, run.peakMiB);
        out.flush();
    };
    row("history", runChild({ program, QStringLiteral("history") }, environment));
    row("history --csv", runChild({ program, QStringLiteral("history"), QStringLiteral("--csv") }, environment));
    row("history --json", runChild({ program, QStringLiteral("history"), QStringLiteral("--json") }, environment));
    row("the window's CSV export",
        runChild({ self, QStringLiteral("--export"), record, QDir(folder).filePath(QStringLiteral("export.csv")) }));
}

// `identify` against the emulator with each kind of plant server beside none: the median of a few
// runs, each with the settings naming that server.
void commandBesideServers(QTextStream& out, const QString& program, const QString& folder)
{
    out << "\nThe command line's identify with the plant's server in each state (ms, median of 5)\n";
    korv::emu::TransmitterEmulator emulator(korv::emu::Seed { 6, 100, 7, 8, 0 });
    if (!emulator.setLinkPath(QDir(folder).filePath(QStringLiteral("tty"))) || !emulator.start()) {
        out << "  the emulator did not start\n";
        return;
    }
    korv::test::PostgresServer server;
    if (!server.start()) {
        out << "  no server: " << server.problem() << "\n";
        return;
    }
    const int silent = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(silent, reinterpret_cast<sockaddr*>(&address), length);
    ::listen(silent, 64);
    ::getsockname(silent, reinterpret_cast<sockaddr*>(&address), &length);
    const QString config = QDir(folder).filePath(QStringLiteral("config"));
    QDir().mkpath(config + QStringLiteral("/KOrvSetup"));
    const QStringList environment { QStringLiteral("XDG_CONFIG_HOME=") + config,
        QStringLiteral("XDG_DATA_HOME=") + QDir(folder).filePath(QStringLiteral("commands")) };
    QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("holder"));
    holder.setConnectOptions(server.connectionString());
    double none = 0;
    for (const char* kind : { "none", "answering", "silent listener", "table locked", "stopped" }) {
        const QString name = QString::fromLatin1(kind);
        QString connection = server.connectionString();
        if (name == QLatin1String("none"))
            connection.clear();
        else if (name == QLatin1String("silent listener"))
            connection = QStringLiteral("host=127.0.0.1 port=%1 dbname=korv user=bench").arg(ntohs(address.sin_port));
        if (name == QLatin1String("table locked") && holder.open()) {
            QSqlQuery(holder).exec(QStringLiteral("BEGIN"));
            QSqlQuery(holder).exec(QStringLiteral("LOCK TABLE events IN ACCESS EXCLUSIVE MODE"));
        }
        if (name == QLatin1String("stopped")) {
            QSqlQuery(holder).exec(QStringLiteral("ROLLBACK"));
            holder.close();
            server.stop();
        }
        QFile settings(config + QStringLiteral("/KOrvSetup/OrvSetup.ini"));
        settings.open(QIODevice::WriteOnly);
        settings.write(QStringLiteral("[Parametros]\nPort=%1\n[Registro]\nServidor=%2\n")
                           .arg(emulator.devicePath(), connection)
                           .toUtf8());
        settings.close();
        std::vector<double> times;
        for (int round = 0; round < 5; ++round)
            times.push_back(runChild({ program, QStringLiteral("identify") }, environment).ms);
        const double median = percentile(times, 0.5);
        if (name == QLatin1String("none"))
            none = median;
        out << QString::asprintf("  %-30s %8.0f %+8.1f %%\n", kind, median, 100.0 * (median - none) / none);
        out.flush();
    }
    ::close(silent);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("--export"))
        return exportAlone(arguments.value(2), arguments.value(3));
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString program = QStringLiteral(KORV_CLI_PROGRAM);

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
    fill(large, ListedEvents);
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

    out << "\nThe command line's lists and the window's CSV export, each a process of its own\n";
    out << QString::asprintf("  %-30s %8s %10s %10s\n", "", "events", "ms", "peak MiB");
    for (const int events : { 10000, ListedEvents })
        listsAndExport(out, program, QCoreApplication::applicationFilePath(),
            dir.filePath(QStringLiteral("lists%1").arg(events)), events);

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
    out.flush();
    commandBesideServers(out, program, dir.path());
    return 0;
}
