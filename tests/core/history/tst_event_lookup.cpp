#include "core/history/HistoryStore.h"

#include <QTemporaryDir>
#include <QTest>

using namespace korv::history;

// An event comes back whole by its id or by a prefix only it has, whatever its texts hold.
class EventLookupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lookup_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found");  // empty: none
        // A whole id; one that starts another; a prefix of one; of several; in another case; of none.
        for (const auto& [asked, found] :
            { std::pair { "ab12cd34-0001", "ab12cd34-0001" }, { "ab12cd34-00", "ab12cd34-00" },
                { "ab12cd34-0002", "ab12cd34-0002ff" }, { "ab12cd34", "" }, { "AB12CD34-0001", "" }, { "ff", "" } })
            QTest::newRow(asked) << QString::fromLatin1(asked) << QString::fromLatin1(found);
    }
    void lookup()
    {
        QFETCH(QString, asked);
        QFETCH(QString, found);
        QTemporaryDir dir;
        Store store(dir.filePath(QStringLiteral("history.sqlite")), QStringLiteral("lookup"));
        QMap<QString, Event> recorded;
        for (const char* id : { "ab12cd34-00", "ab12cd34-0001", "ab12cd34-0002ff", "ab12cd35-0001" }) {
            // A command done quietly on a unit never identified: every text it leaves is empty.
            Event event;
            event.id = QString::fromLatin1(id);
            event.time = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 10), Qt::UTC);
            QVERIFY2(store.record(event, true), qPrintable(store.problem()));
            recorded.insert(event.id, event);
        }
        const std::optional<Event> event = store.event(asked);
        QCOMPARE(event ? event->id : QString(), found);
        if (event)
            QCOMPARE(*event, recorded.value(found));
    }
};

QTEST_GUILESS_MAIN(EventLookupTest)
#include "tst_event_lookup.moc"
