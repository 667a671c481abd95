#include "support_appfixture.h"

#include "app/service/CalibrationBridge.h"
#include "app/service/ServiceMode.h"
#include "calibration/CalibForm.h"
#include "calibration/CalibrationSpinBox.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace korv;

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

// The service mode from the main window's key combination to the transmitter's calibration
// registers and the backup file.
class ServiceModeEndToEndTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyCombinationReadsFirst_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("ctrl+shift") << int(Qt::ControlModifier | Qt::ShiftModifier) << true;
        QTest::newRow("ctrl+shift+alt") << int(Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier) << true;
        QTest::newRow("ctrl only") << int(Qt::ControlModifier) << false;
        QTest::newRow("shift only") << int(Qt::ShiftModifier) << false;
    }
    void keyCombinationReadsFirst()
    {
        QFETCH(int, modifiers);
        QFETCH(bool, opens);
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        QSignalSpy spy(app.form.get(), &MainWindow::serviceModeRequested);
        app.emulator->clearLog();
        app.form->activateWindow();
        app.form->ui.EdtLimitMinSensor->setFocus();
        QTest::keyClick(app.form->ui.EdtLimitMinSensor, Qt::Key_F11, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(spy.count(), opens ? 1 : 0);
        // The configuration is read before the window opens.
        QCOMPARE(app.emulator->framesReceived() > 0, opens);
    }

    // One key press opens the real, modal window once, whichever control had the focus; without a
    // backup on disk it offers no Apply.
    void keyPressOpensTheWindowOnce_data()
    {
        QTest::addColumn<QString>("focus");  // the focused control's name; empty: none
        QTest::addColumn<int>("refused");  // a calibration register the transmitter refuses; -1: none
        QTest::newRow("edit focused") << QStringLiteral("EdtLimitMinSensor") << -1;
        QTest::newRow("tab bar focused") << QStringLiteral("qt_tabwidget_tabbar") << -1;
        QTest::newRow("nothing focused") << QString() << -1;
        QTest::newRow("backup refused at register 4") << QStringLiteral("EdtLimitMinSensor") << 4;
    }
    void keyPressOpensTheWindowOnce()
    {
        QFETCH(QString, focus);
        QFETCH(int, refused);
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        ServiceMode service(*app.form);
        CalibForm& calib = service.window();
        if (refused >= 0)
            app.emulator->setFault(emu::Fault::Refuse, -1, refused);

        // Each opening: note what it offers, then Close. It is closed once it is the active window:
        // the main window then has no focused control while the key press goes on to its parents.
        QStringList openings;
        int waited = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, &calib, [&] {
            if (!calib.isVisible() || (!calib.isActiveWindow() && ++waited < 200))
                return;
            waited = 0;
            openings << calib.findChild<QLabel*>(QStringLiteral("Label1"))->text()
                    + (calib.findChild<QPushButton*>(QStringLiteral("ApplyButton"))->isEnabled() ? ", Apply" : "");
            QTest::mouseClick(calib.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        });
        closer.start(5);

        app.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
        QWidget* control = focus.isEmpty() ? nullptr : app.form->findChild<QWidget*>(focus);
        if (control)
            control->setFocus();
        else if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        QCOMPARE(QApplication::focusWidget(), control);
        QTest::keyClick(app.form->windowHandle(), Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
        QCoreApplication::processEvents();

        const bool backup = refused < 0;
        QCOMPARE(openings,
            QStringList { backup ? QStringLiteral("Warning: Original calibration data will be modified, Apply")
                                 : QStringLiteral("Calibration backup failed: Apply is disabled.") });
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(QFile::exists(app.dir.filePath(QStringLiteral("00123045.txt"))), backup);
    }

    void backupAndApplyOnIsolatedRail()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(3, 110)));
        app.emulator->setParameter(1, 12);  // 4-20 mA input
        app.read();
        CalibrationBridge bridge(*app.form, app.boxes);
        CalibForm calib(&bridge);
        app.boxes.clear();
        calib.FormShow();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));

        auto value = [&](int r) { return QByteArray::number(app.emulator->parameter(r)); };
        QByteArray expected = "OrvSetup - Calibration mode\r\n\r\nTransmitter model: OrvGalDin\r\n"
                              "Serial number: 00123045\r\n\r\nCalibration data backup:\r\n";
        const QList<QPair<QByteArray, QPair<int, int>>> sections = { { "0-50mV:", { 4, 5 } }, { "TC:", { 8, 9 } },
            { "Pt100:", { 6, 7 } }, { "0-10V:", { 17, 18 } }, { "0-20mA:", { 19, 20 } } };
        for (qsizetype i = 0; i < sections.size(); ++i) {
            if (i > 0)
                expected += "\r\n";
            expected += sections[i].first + "\r\nOffset: " + value(sections[i].second.first)
                + "\t\tGain: " + value(sections[i].second.second) + "\r\n";
        }
        const QString backup = app.dir.filePath(QStringLiteral("00123045.txt"));
        QCOMPARE(fileBytes(backup), expected);

        // The current input uses registers 19 and 20; Apply writes them and the live value follows.
        auto* offset = calib.findChild<CalibrationSpinBox*>(QStringLiteral("CSpinOffset"));
        auto* gain = calib.findChild<CalibrationSpinBox*>(QStringLiteral("CSpinGanho"));
        QCOMPARE(offset->value(), int(app.emulator->parameter(19)));
        const QString before = calib.findChild<QLabel*>(QStringLiteral("PVLabel"))->text();
        offset->setValue(offset->value() + 400);
        gain->setValue(10500);
        const int written = offset->value();
        calib.ApplyButtonClick();
        QCOMPARE(int(app.emulator->parameter(19)), written);
        QCOMPARE(app.emulator->parameter(20), qint16(10500));
        QVERIFY(calib.findChild<QLabel*>(QStringLiteral("PVLabel"))->text() != before);
        QVERIFY(calib.findChild<QPushButton*>(QStringLiteral("ApplyButton"))->isEnabled());

        // A second opening leaves the first backup as it was.
        app.boxes.clear();
        calib.FormShow();
        QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Calibration backup file already exists!") });
        QCOMPARE(fileBytes(backup), expected);
    }

    void languageFileLeavesTheServiceWindowAlone()
    {
        AppFixture app;
        QStringList lines;
        for (int i = 0; i < 72; ++i)
            lines << QStringLiteral("Line %1").arg(i);
        QFile file(app.dir.filePath(QStringLiteral("LANGUAGE.TRL")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join(QStringLiteral("\r\n")).toUtf8());
        file.close();
        QVERIFY(app.start(seedFor(0, 130)));
        ServiceMode service(*app.form);
        CalibForm& calib = service.window();
        QCOMPARE(calib.parentWidget(), app.form.get());

        // Every identification applies the file again, with the service window in place.
        app.read();
        QCOMPARE(app.form->ui.zeroMinTitle->text(), QStringLiteral("Line 31"));
        QCOMPARE(app.form->ui.zeroMaxTitle->text(), QStringLiteral("Line 32"));
        const auto fixedTexts = [&calib] {
            QStringList texts;
            for (const char* name : { "Label1", "Label2", "Label3", "Label4", "Label5", "Label8" })
                texts << calib.findChild<QLabel*>(QLatin1String(name))->text();
            for (const char* name : { "Button1", "ApplyButton" })
                texts << calib.findChild<QPushButton*>(QLatin1String(name))->text();
            return texts;
        };
        const QStringList designed = { "Warning: Original calibration data will be modified", "Offset limits",
            "Gain limits", "Calibrated value:", "Internal value", "Internal value", "Close", "Apply" };
        QCOMPARE(fixedTexts(), designed);

        // After an opening the limit captions are the ones of the input, and a further read leaves
        // the window as the opening left it.
        app.boxes.clear();
        calib.FormShow();
        const QStringList opened = fixedTexts();
        QCOMPARE(opened.first(), designed.first());
        app.read();
        QCOMPARE(fixedTexts(), opened);
        for (const QString& text : opened)
            QVERIFY2(!text.startsWith(QLatin1String("Line ")), qPrintable(text));
    }

    void noTransmitterSavesNoBackup()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        app.read();
        app.emulator->setFault(emu::Fault::Silence);
        CalibrationBridge bridge(*app.form, app.boxes);
        CalibForm calib(&bridge);
        app.boxes.clear();
        calib.FormShow();
        // One box, the refresh's: the failed backup reads add none of their own.
        QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Erro de comunicação!") });
        QVERIFY(!QFile::exists(app.dir.filePath(QStringLiteral("00123045.txt"))));
    }
};

QTEST_MAIN(ServiceModeEndToEndTest)
#include "tst_servicemode_e2e.moc"
