#include "support_appfixture.h"

#include "app/service/CalibrationBridge.h"
#include "app/startup/SplashForm.h"
#include "calibration/CalibForm.h"
#include "calibration/CalibrationSpinBox.h"
#include "core/configuration/ConfigurationFile.h"
#include "core/history/HistoryStore.h"

#include <QJsonDocument>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>

using namespace korv;

namespace {

QList<history::Event> recorded(const AppFixture& app)
{
    // The window keeps its events on a thread of its own.
    if (!QTest::qWaitFor([&app] { return app.form->recordsPending() == 0; }))
        return {};
    history::Store store(app.historyPath(), QStringLiteral("test-reader"));
    return store.open() ? store.events({}) : QList<history::Event> {};
}

struct OneFileDialogs final : FileDialogs {
    QString path;
    QString openFileName(QWidget*, const QString&, const QString&) override { return path; }
    QString saveFileName(QWidget*, const QString&, const QString&, FileKind) override { return {}; }
};

}  // namespace

// The record the window leaves: one event per command that reached for the transmitter, its result
// what the command said, its as found what the technician saw before changing anything.
class WindowRecordTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachCommandLeavesOneEvent_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("trouble");  // "", "silent", "stopped", "refused write"
        QTest::addColumn<QString>("result");
        for (const auto& [name, code] : { std::pair { "head", 0 }, { "humidity", 4 }, { "ambient", 6 } }) {
            for (const char* command : { "startup-search", "read", "send" })
                QTest::addRow("%s %s", name, command) << code << command << ""
                                                      << "done";
        }
        QTest::newRow("send of a file") << 0 << "send-file"
                                        << ""
                                        << "done";
        QTest::newRow("service backup") << 0 << "calibration-backup"
                                        << ""
                                        << "done";
        QTest::newRow("service apply") << 0 << "calibration-apply"
                                       << ""
                                       << "done";
        QTest::newRow("silent transmitter") << 0 << "read"
                                            << "silent"
                                            << "failed";
        QTest::newRow("stopped read") << 0 << "read"
                                      << "stopped"
                                      << "stopped";
        QTest::newRow("half-done send") << 0 << "send"
                                        << "refused write"
                                        << "failed";
    }
    void eachCommandLeavesOneEvent()
    {
        QFETCH(int, code);
        QFETCH(QString, command);
        QFETCH(QString, trouble);
        QFETCH(QString, result);
        AppFixture app;
        OneFileDialogs dialogs;
        app.fileDialogs = &dialogs;
        QVERIFY(app.start(seedFor(code, code == 0 ? 130 : 100)));
        // Every command but the search starts from a read, as a technician's does.
        std::optional<history::Event> first;
        if (command != QLatin1String("startup-search")) {
            app.read();
            QCOMPARE(recorded(app).size(), 1);
            first = recorded(app).constFirst();
            QCOMPARE(first->command, QStringLiteral("read"));
        }
        const int before = first ? 1 : 0;
        if (trouble == QLatin1String("silent"))
            app.emulator->setFault(emu::Fault::Silence);
        if (trouble == QLatin1String("refused write"))
            app.emulator->setFault(emu::Fault::Refuse, -1, 10, emu::FaultFrames::Writes);
        if (trouble == QLatin1String("stopped"))
            app.form->session().cancel();
        app.boxes.clear();

        std::optional<CalibrationBridge> bridge;
        std::optional<CalibForm> service;
        if (command.startsWith(QLatin1String("calibration"))) {
            bridge.emplace(*app.form, app.form->boxes());
            service.emplace(&*bridge);
            service->FormShow();
        }
        if (command == QLatin1String("startup-search")) {
            TSplashForm splash(*app.form);
            splash.onSplashTimer();
        } else if (command == QLatin1String("read")) {
            app.read();
        } else if (command == QLatin1String("send")) {
            app.send();
        } else if (command == QLatin1String("send-file")) {
            config::Configuration file;
            file.model = Model::OrvHead;
            file.values
                = config::HeadRailValues { *config::sensorCodeNamed(QStringLiteral("K")), 0, 800, 2.5, true, true };
            dialogs.path = app.dir.filePath(QStringLiteral("unit.json"));
            QVERIFY(config::writeConfigurationFile(dialogs.path, file).isEmpty());
            app.form->onOpenConfiguration();
            app.send();
        } else if (command == QLatin1String("calibration-apply")) {
            auto* offset = service->findChild<CalibrationSpinBox*>(QStringLiteral("CSpinOffset"));
            offset->setValue(offset->value() + 10);
            service->ApplyButtonClick();
        }

        const QList<history::Event> events = recorded(app);
        // Opening the service window backs up first: an apply is the second event of its opening.
        QCOMPARE(events.size(), before + (command == QLatin1String("calibration-apply") ? 2 : 1));
        const history::Event& event = events.constFirst();
        QCOMPARE(event.command, command);
        QCOMPARE(history::outcomeName(event.outcome), result);
        QCOMPARE(event.frontEnd, history::WindowFrontEnd);
        QCOMPARE(event.port, app.dir.filePath(QStringLiteral("ttyKOrv")));
        if (result == QLatin1String("failed"))
            QCOMPARE(event.resultText, app.boxTexts().join(u'\n'));
        if (trouble == QLatin1String("silent") || trouble == QLatin1String("stopped")) {
            QVERIFY(!event.asFound && !event.asLeft && event.written.isEmpty());
            return;
        }
        QCOMPARE(event.unit.serialNumber, QStringLiteral("00123045"));
        QVERIFY(event.asFound && event.asLeft);
        QVERIFY(!event.asFound->configuration.isEmpty());
        if (trouble == QLatin1String("refused write")) {
            QCOMPARE(event.written.unconfirmed, QList<int> { 10 });
            QCOMPARE(event.asLeft->uncertain, QList<int> { 10 });
            QVERIFY(event.asLeft->configuration.isEmpty());
            return;
        }
        // What a send finds is what the read before it showed, however few registers it reads itself.
        if (first && command.startsWith(QLatin1String("send")))
            QCOMPARE(event.asFound->configuration, first->asLeft->configuration);
        if (command == QLatin1String("send-file")) {
            QVERIFY(event.asFound->configuration != event.asLeft->configuration);
            QCOMPARE(event.asLeft->configuration.value(QStringLiteral("upper")).toInt(), 800);
        }
        if (command.startsWith(QLatin1String("calibration"))) {
            QVERIFY(event.calibration && event.calibration->backupText.contains(QStringLiteral("Calibration mode")));
            const int change = command == QLatin1String("calibration-apply") ? 10 : 0;
            QCOMPARE(event.calibration->after.value(QStringLiteral("offset")),
                event.calibration->before.value(QStringLiteral("offset")) + change);
        }
    }

    // A record that cannot be kept changes nothing the command does or says; it is said beside it.
    // One another program holds is waited for off the window's thread, and the event is kept.
    void unavailableRecordLeavesCommandAlone_data()
    {
        QTest::addColumn<bool>("held");
        QTest::newRow("a folder where the record goes") << false;
        QTest::newRow("held by another program") << true;
    }
    void unavailableRecordLeavesCommandAlone()
    {
        QFETCH(bool, held);
        AppFixture app;
        if (!held) {
            app.adjustEnvironment
                = [&app](MainWindowEnvironment& environment) { environment.historyPath = app.dir.path(); };
        }
        QVERIFY(app.start(seedFor(0, 130)));
        history::Store other(app.historyPath(), QStringLiteral("other program"));
        if (held)
            QVERIFY(other.open() && QSqlQuery(other.database()).exec(QStringLiteral("BEGIN IMMEDIATE")));
        app.read();
        QVERIFY2(app.boxTexts().isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        const QString readOk = app.form->messages()[Msg::ReadOk];
        if (held) {
            QCOMPARE(app.form->recordsPending(), 1);
            QVERIFY(QSqlQuery(other.database()).exec(QStringLiteral("COMMIT")));
            QCOMPARE(recorded(app).size(), 1);
            QCOMPARE(app.form->ui.EdtStatus->text(), readOk);
        } else {
            QTRY_COMPARE(app.form->ui.EdtStatus->text(), readOk + QStringLiteral(" (evento não registrado)"));
        }
    }
};

QTEST_MAIN(WindowRecordTest)
#include "tst_window_record.moc"
