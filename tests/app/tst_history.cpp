#include "app/record/HistoryWindow.h"
#include "app/shared/FileDialogs.h"
#include "common/MessageBoxes.h"
#include "report/UnitReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace korv;
using namespace korv::history;

namespace {

struct AnsweringDialogs final : FileDialogs {
    QString answer;
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, FileKind) override { return answer; }
};

Event unitEvent(int day, const QString& serial, Outcome outcome, const QString& bench)
{
    Event event = newEvent(WindowFrontEnd, QStringLiteral("Enviar configuração"), QStringLiteral("/dev/ttyS0"));
    event.time = QDateTime(QDate(2024, 5, day), QTime(12, 0), Qt::UTC);
    event.utcOffsetSeconds = -3 * 3600;
    event.outcome = outcome;
    event.bench = bench;
    event.unit = { serial, day == 1 ? QStringLiteral("Orv-Hu") : QStringLiteral("OrvGalDin"), 0x0203, {} };
    event.asFound = Snapshot { { { 4, 10 }, { 5, 3 } }, {}, { { QStringLiteral("upper"), 100 } } };
    event.asLeft = event.asFound;
    if (day == 3) {
        event.asLeft->registers[5] = 9;
        event.asLeft->configuration[QStringLiteral("upper")] = 150;
        event.written.confirmed = { 5 };
    }
    return event;
}

}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private Q_SLOTS:
    void reportIsSavedWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("at");  // "file" (an older one there), "nothing", "folder", "no folder"
        QTest::newRow("replaces an older report") << "file";
        QTest::newRow("new file") << "nothing";
        QTest::newRow("a folder at the path") << "folder";
        QTest::newRow("folder missing") << "no folder";
    }
    void reportIsSavedWholeOrNotAtAll()
    {
        QFETCH(QString, at);
        const QString path
            = dir_.filePath(at == u"no folder" ? QStringLiteral("missing/r.pdf") : at + QStringLiteral(".pdf"));
        const QString kept = path + QStringLiteral("/older.txt");
        if (at == u"file") {
            QFile older(path);
            QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
        } else if (at == u"folder") {
            QVERIFY(QDir().mkpath(path));
            QFile older(kept);
            QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
        }
        Event event = unitEvent(3, QStringLiteral("7001"), Outcome::Done, QStringLiteral("bancada-1"));
        event.calibration = CalibrationChange { { { QStringLiteral("offset"), 1 } },
            { { QStringLiteral("offset"), 4 } }, QStringLiteral("[Calibracao]\nOffset=1\n") };

        const QString reason = report::writeUnitReport(event, path);
        const bool saves = at == u"file" || at == u"nothing";
        QCOMPARE(reason.isEmpty(), saves);
        QFile file(saves ? path : kept);
        QCOMPARE(file.open(QIODevice::ReadOnly), at != u"no folder");
        const QByteArray bytes = file.readAll();
        if (saves) {
            QVERIFY(bytes.startsWith("%PDF-"));
            QVERIFY(bytes.trimmed().endsWith("%%EOF"));
            // The unit's serial number is in the document's title, in UTF-16 as PDF strings carry it.
            QVERIFY(bytes.contains(QByteArray::fromRawData("\0\x37\0\x30\0\x30\0\x31", 8)));
        } else if (at == u"folder") {
            QCOMPARE(bytes, QByteArray("older"));
        }
    }

    void filtersNarrowTheList_data()
    {
        QTest::addColumn<QString>("widget");  // the filter set: its object name and its value
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("serials");  // the rows, newest first
        QTest::newRow("none") << ""
                              << "" << QStringList { "7002", "7001", "7002", "7001" };
        QTest::newRow("serial") << "HistorySerialFilter"
                                << " 7001 " << QStringList { "7001", "7001" };
        QTest::newRow("unknown serial") << "HistorySerialFilter"
                                        << "9" << QStringList {};
        QTest::newRow("model") << "HistoryModelFilter"
                               << "Orv-Hu" << QStringList { "7001" };
        QTest::newRow("result") << "HistoryResultFilter"
                                << "Falhou" << QStringList { "7002" };
        QTest::newRow("bench") << "HistoryBenchFilter"
                               << "bancada-2" << QStringList { "7002", "7002" };
        QTest::newRow("since") << "HistorySince"
                               << "2024-05-03" << QStringList { "7002", "7001" };
        QTest::newRow("until") << "HistoryUntil"
                               << "2024-05-02" << QStringList { "7002", "7001" };
    }
    void filtersNarrowTheList()
    {
        QFETCH(QString, widget);
        QFETCH(QString, value);
        QFETCH(QStringList, serials);
        Store& store = fourEvents();
        RecordingMessageBoxes boxes;
        AnsweringDialogs dialogs;
        HistoryWindow window(store, boxes, dialogs);
        window.show();
        if (auto* edit = window.findChild<QLineEdit*>(widget))
            edit->setText(value);
        if (auto* combo = window.findChild<QComboBox*>(widget))
            combo->setCurrentText(value);
        if (auto* date = window.findChild<QDateEdit*>(widget)) {
            date->setDate(QDate::fromString(value, Qt::ISODate));
            window.findChild<QCheckBox*>(widget + QStringLiteral("Set"))->setChecked(true);
        }
        QStringList shown;
        for (int row = 0; row < window.view()->model()->rowCount(); ++row)
            shown << window.view()->model()->index(row, 3).data().toString();
        QCOMPARE(shown, serials);
    }

    void selectedEventShowsWhatChanged()
    {
        RecordingMessageBoxes boxes;
        AnsweringDialogs dialogs;
        HistoryWindow window(fourEvents(), boxes, dialogs);
        window.show();
        window.findChild<QLineEdit*>(QStringLiteral("HistorySerialFilter"))->setText(QStringLiteral("7001"));
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("HistoryReportButton"))->isEnabled());
        // The unit 7001 changed on the 3rd: its row, in the bench's time, shows what changed.
        window.view()->selectRow(0);
        QCOMPARE(
            window.view()->model()->index(0, 1).data().toString(), QStringLiteral("03/05/2024 09:00:00 (UTC-03:00)"));
        const QString summary = window.findChild<QPlainTextEdit*>(QStringLiteral("HistorySummary"))->toPlainText();
        QVERIFY2(summary.contains(u"Número de série: 7001") && summary.contains(u"Registros escritos: confirmados 5"),
            qPrintable(summary));
        auto* comparison = window.findChild<QTreeWidget*>(QStringLiteral("HistoryComparison"));
        QStringList lines;
        for (QTreeWidgetItemIterator it(comparison); *it; ++it) {
            lines << QStringList { (*it)->text(0), (*it)->text(1), (*it)->text(2), (*it)->text(3) }.join(u'|')
                    + ((*it)->font(1).bold() ? QStringLiteral(" bold") : QString());
        }
        QCOMPARE(lines,
            QStringList({ "Registros|||", "4|10 (0x000A)|10 (0x000A)|", "5|3 (0x0003)|9 (0x0009)|≠ bold",
                "Configuração|||", "upper|100|150|≠ bold" }));

        // Both files go where the dialog answers, through the one save; a failure says so in a box.
        dialogs.answer = dir_.filePath(QStringLiteral("registro.csv"));
        QSignalSpy exported(&window, &HistoryWindow::exportFinished);
        QVERIFY(window.exportCsv());
        QVERIFY(exported.wait());
        QCOMPARE(exported.at(0).at(0).toBool(), true);
        QFile csv(dialogs.answer);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count("\r\n"), 3);  // the header and the two events of 7001
        dialogs.answer = dir_.path();
        QVERIFY(!window.writeReport());
        QCOMPARE(boxes.texts().size(), 1);
        QVERIFY2(boxes.texts()[0].startsWith(QStringLiteral("Não foi possível salvar em ") + dir_.path()),
            qPrintable(boxes.texts()[0]));
    }

private:
    std::unique_ptr<Store> store_;

    // A new record of four events on two units, a day apart from the 1st of May 2024, the newest
    // last; the second failed; the third changed register 5 and the upper limit of unit 7001.
    Store& fourEvents()
    {
        const QString path = dir_.filePath(QStringLiteral("%1.sqlite").arg(++stores_));
        store_.reset();
        store_ = std::make_unique<Store>(path, path);
        for (int day = 1; day <= 4; ++day) {
            const bool odd = day % 2;
            if (!store_->record(unitEvent(day, odd ? QStringLiteral("7001") : QStringLiteral("7002"),
                    day == 2 ? Outcome::Failed : Outcome::Done,
                    odd ? QStringLiteral("bancada-1") : QStringLiteral("bancada-2"))))
                qFatal("%s", qPrintable(store_->problem()));
        }
        return *store_;
    }
    int stores_ = 0;
};

QTEST_MAIN(HistoryTest)
#include "tst_history.moc"
