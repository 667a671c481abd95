#include "core/history/HistoryExport.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace korv::history;

namespace {

// A reader of RFC 4180 written apart from the writer, so that a value must survive the round trip.
QList<QStringList> readCsv(const QByteArray& bytes)
{
    QList<QStringList> rows;
    QStringList row;
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (quoted && c == '"' && bytes.mid(i + 1, 1) == "\"") {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            row << QString::fromUtf8(field);
            field.clear();
        } else if (!quoted && c == '\r' && bytes.mid(i + 1, 1) == "\n") {
            rows << (row << QString::fromUtf8(field));
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    if (!row.isEmpty() || !field.isEmpty())
        rows << (row << QStringLiteral("<no CRLF after the last row>"));
    return rows;
}

}  // namespace

class HistoryExportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyValueComesBackExactly_data()
    {
        QTest::addColumn<QString>("text");  // the result text and the bench of every event
        QTest::addColumn<QByteArray>("written");  // as it must stand in the file
        QTest::addColumn<int>("events");
        QTest::newRow("no events") << "x" << QByteArray() << 0;
        QTest::newRow("plain") << "ok" << QByteArray(",ok,") << 1;
        QTest::newRow("comma") << "a,b" << QByteArray(",\"a,b\",") << 2;
        QTest::newRow("quote") << "diz \"oi\"" << QByteArray(",\"diz \"\"oi\"\"\",") << 1;
        QTest::newRow("line feed") << "linha 1\nlinha 2" << QByteArray(",\"linha 1\nlinha 2\",") << 3;
        QTest::newRow("CRLF inside") << "a\r\nb" << QByteArray(",\"a\r\nb\",") << 1;
        QTest::newRow("unicode") << "Não foi possível — ç°"
                                 << QByteArray(",N\xC3\xA3o foi poss\xC3\xADvel \xE2\x80\x94 \xC3\xA7\xC2\xB0,") << 1;
        // Kept as recorded: no apostrophe is put before what a spreadsheet would evaluate.
        QTest::newRow("formula") << "=1+2" << QByteArray(",=1+2,") << 1;
    }
    void everyValueComesBackExactly()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, written);
        QFETCH(int, events);
        QList<Event> list;
        for (int i = 0; i < events; ++i) {
            Event event = newEvent(WindowFrontEnd, QStringLiteral("Ler configuração"), QStringLiteral("/dev/ttyS0"));
            event.resultText = event.bench = text;
            event.unit = { QString::number(7000 + i), QStringLiteral("OrvGalDin"), 0x0203, QStringLiteral("4-20 mA") };
            if (i % 2 == 0)
                event.asFound = Snapshot { { { 1, -7 }, { 2, 300 } }, {}, { { QStringLiteral("upper"), 1.5 } } };
            event.written = { { 1, 2 }, { 3 }, {} };
            list << event;
        }
        const QByteArray csv = eventsCsv(list);
        QVERIFY(!csv.startsWith("\xEF\xBB\xBF"));
        if (events > 0)
            QCOMPARE(csv.count(written), 2 * events);  // the bench and the result text
        const QList<QStringList> rows = readCsv(csv);
        QCOMPARE(rows.size(), events + 1);
        QCOMPARE(rows[0], CsvColumns);
        const auto column = [&](const char* key) { return CsvColumns.indexOf(QLatin1String(key)); };
        for (int i = 0; i < events; ++i) {
            const QStringList& row = rows[i + 1];
            QCOMPARE(row.size(), CsvColumns.size());
            QCOMPARE(row[column("result_text")], text);
            QCOMPARE(row[column("id")], list[i].id);
            QCOMPARE(row[column("serial_number")], list[i].unit.serialNumber);
            QCOMPARE(QDateTime::fromString(row[column("time_utc")], Qt::ISODateWithMs), list[i].time);
            QCOMPARE(row[column("written_confirmed")], QStringLiteral("1 2"));
            QCOMPARE(row[column("written_not_kept")], QStringLiteral("3"));
            QCOMPARE(row[column("written_unconfirmed")], QString());
            // Not read is an empty field; a snapshot reads back as it was.
            QCOMPARE(
                snapshotFromJson(QJsonDocument::fromJson(row[column("as_found")].toUtf8()).object()), list[i].asFound);
            QCOMPARE(row[column("as_left")], QString());
        }

        // The window's export streams the same rows out of the record (newest first); cancelled,
        // it leaves the file at its path as it was.
        QTemporaryDir dir;
        Store store(dir.filePath(QStringLiteral("record.sqlite")), QStringLiteral("record"));
        for (const Event& event : list)
            QVERIFY(store.record(event));
        const QString path = dir.filePath(QStringLiteral("export.csv"));
        std::atomic_int counted { 0 };
        for (const bool cancel : { false, true }) {
            const std::atomic_bool cancelled { cancel };
            const korv::SaveResult result = exportCsv(store.path(), {}, path, cancelled, counted);
            QCOMPARE(result.saved(), !cancel);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<QStringList> exported = readCsv(file.readAll());
        QList<QStringList> expected = rows;
        std::sort(exported.begin() + 1, exported.end());
        std::sort(expected.begin() + 1, expected.end());
        QCOMPARE(exported, expected);
        QCOMPARE(counted.load(), events);
    }
};

QTEST_GUILESS_MAIN(HistoryExportTest)
#include "tst_history_export.moc"
