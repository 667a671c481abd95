#include "support_appfixture.h"

#include "app/diagnostics/ConnectionCheckWindow.h"
#include "app/diagnostics/FrameMonitorWindow.h"
#include "app/record/HistoryWindow.h"
#include "app/service/ServiceMode.h"
#include "app/startup/AboutWindow.h"
#include "common/StopRequest.h"
#include "support/LanguageFixtures.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <iterator>

using namespace korv;

namespace {

QString nameOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).trimmed();
}

struct CountingDialogs final : FileDialogs {
    int asked = 0;
    QString openFileName(QWidget*, const QString&, const QString&) override { return ask(); }
    QString saveFileName(QWidget*, const QString&, const QString&, FileKind) override { return ask(); }
    QString ask()
    {
        ++asked;
        return {};
    }
};

}  // namespace

// The windows by keyboard and screen reader alone, on each family's tab.
class KeyboardAccessTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { StopRequest::clear(); }

    // Every control Tab reaches has a name, taken from the texts shown: a language file renames it.
    void everyControlIsNamed_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("names");  // object, name
        QTest::newRow("head/rail") << 0 << false << QStringList { "EdtLimitMinSensor", "Limite Inferior" };
        QTest::newRow("humidity, language file") << 4 << true << QStringList { "EdtCorrZeroTemp", "EN 30" };
        QTest::newRow("ambient") << 6 << false << QStringList { "EdtTempZeroCorrection", "Correção do Zero" };
    }
    void everyControlIsNamed()
    {
        QFETCH(int, model);
        QFETCH(bool, english);
        QFETCH(QStringList, names);
        AppFixture app;
        QVERIFY(!english || test::writeFile(app.dir.path(), test::joinLines(test::englishLines())));
        QVERIFY(app.start(seedFor(model, 130)));
        app.read();
        for (QAction* item :
            { app.form->ui.CheckConnectionItem, app.form->ui.FrameMonitorItem, app.form->ui.HistoryItem })
            item->trigger();
        ServiceMode service(*app.form);
        AboutWindow about(nullptr, app.form.get());
        QStringList unnamed;
        const QList<QWidget*> windows { app.form.get(), app.form->connectionCheckWindow(), app.form->frameMonitor(),
            app.form->findChild<HistoryWindow*>(), &service.window(), &about };
        for (QWidget* window : windows) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (control->window() == window && control->isVisibleTo(window) && !control->focusProxy()
                    && (control->focusPolicy() & Qt::TabFocus) && nameOf(control).isEmpty())
                    unnamed << window->objectName() + u'/' + control->objectName();
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
        QCOMPARE(nameOf(app.form->findChild<QWidget*>(names[0])), names[1]);
    }

    // Tab from the tab bar to the read button and back: each radio group is one stop, on its
    // checked button (the sensor list also after it shrank and grew again), the memos are none.
    void tabFollowsTheTab_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("stops");  // the radio buttons among them are clicked first
        QTest::newRow("head/rail") << 0
                                   << QStringList { "SensorRadioGroupItem3", "EdtLimitMinSensor", "EdtLimitMaxSensor",
                                          "EdtCorrigeZero", "Forca_SaidaMax", "Freq_60", "Ler_Config" };
        QTest::newRow("humidity") << 4
                                  << QStringList { "EdtLimInfRH", "EdtLimSupRH", "EdtCorrZeroRH", "MaxRHRadioButton",
                                         "EdtLimInfTemp", "EdtLimSupTemp", "EdtCorrZeroTemp", "MaxTempRadioButton",
                                         "Ler_Config" };
        QTest::newRow("ambient") << 6
                                 << QStringList { "EdtTempLowLimit", "EdtTempHighLimit", "EdtTempZeroCorrection",
                                        "MaxFailOptionRadioButton", "Ler_Config" };
    }
    void tabFollowsTheTab()
    {
        QFETCH(int, model);
        QFETCH(QStringList, stops);
        AppFixture app;
        QVERIFY(app.start(seedFor(model, 130)));
        app.read();
        const QStringList sensors = app.form->ui.SensorRadioGroup->items();
        app.form->ui.SensorRadioGroup->setItems(sensors.mid(0, 2));
        app.form->ui.SensorRadioGroup->setItems(sensors);
        for (const QString& stop : stops) {
            if (auto* radio = app.form->findChild<QRadioButton*>(stop))
                radio->click();
        }
        app.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
        app.form->ui.tabs->tabBar()->setFocus(Qt::TabFocusReason);
        QStringList walked;
        for (Qt::Key key : { Qt::Key_Tab, Qt::Key_Backtab }) {
            for (qsizetype i = 0; i < stops.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), key);
                walked << QApplication::focusWidget()->objectName();
            }
        }
        QStringList expected = stops;
        std::copy(stops.rbegin() + 1, stops.rend(), std::back_inserter(expected));
        QCOMPARE(walked, expected << QStringLiteral("qt_tabwidget_tabbar"));
    }

    // Ctrl+O, Ctrl+S and Ctrl+Q do what their items do; during a command only Sair is offered, and
    // its key stops the command and closes the window as the item does.
    void fileItemsOnTheirKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("duringCommand");
        QTest::addColumn<int>("asked");  // for a file name
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << false << 1;
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << false << 1;
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << false << 0;
        QTest::newRow("Ctrl+O during a command") << int(Qt::Key_O) << true << 0;
        QTest::newRow("Ctrl+Q during a command") << int(Qt::Key_Q) << true << 0;
    }
    void fileItemsOnTheirKeys()
    {
        QFETCH(int, key);
        QFETCH(bool, duringCommand);
        QFETCH(int, asked);
        CountingDialogs dialogs;
        AppFixture app;
        app.fileDialogs = &dialogs;
        QVERIFY(app.start(seedFor(0, 130)));
        app.read();
        app.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
        QSignalSpy closed(app.form.get(), &MainWindow::closed);
        // During a command the transmitter is silent and the key comes while the read waits for it.
        QTimer poll;
        connect(&poll, &QTimer::timeout, app.form.get(), [&] {
            if (app.form->ui.CancelCommand->isVisible() == duringCommand) {
                poll.stop();
                QTest::keyClick(app.form.get(), Qt::Key(key), Qt::ControlModifier);
            }
        });
        poll.start(1);
        if (duringCommand) {
            app.emulator->setFault(emu::Fault::Silence);
            app.read();
        }
        QTRY_VERIFY(!poll.isActive());
        QCOMPARE(dialogs.asked, asked);
        QTRY_COMPARE(closed.count(), key == Qt::Key_Q ? 1 : 0);
        QCOMPARE(app.form->isVisible(), key != Qt::Key_Q);
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "tst_keyboard_access.moc"
