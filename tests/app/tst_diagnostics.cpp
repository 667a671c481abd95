#include "support_appfixture.h"

#include "app/diagnostics/ConnectionCheckWindow.h"
#include "app/diagnostics/FrameMonitorWindow.h"
#include "app/shared/FileDialogs.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace korv;
using Id = CheckStep::Id;

namespace {

// Answers the save dialog as a user would, without a dialog.
struct ScriptedSaveDialog final : FileDialogs {
    QString answer;
    int asked = 0;
    FileKind kind = FileKind::Configuration;
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, FileKind asFile) override
    {
        ++asked;
        kind = asFile;
        return answer;
    }
};

QStringList transmittedFrames(const FrameMonitorWindow& monitor)
{
    QStringList frames;
    for (const QString& line : monitor.text().split(u'\n')) {
        if (line.mid(14, 2) == QLatin1String("TX"))
            frames << line.mid(23, 14);
    }
    return frames;
}

}  // namespace

// The two diagnostic windows of the Opções menu against the emulator: the connection check and
// the frame monitor. Neither shows a modal box in normal use.
class DiagnosticsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void connectionCheckFromTheMenu()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        app.boxes.clear();
        app.form->ui.CheckConnectionItem->trigger();
        ConnectionCheckWindow* window = app.form->connectionCheckWindow();
        QVERIFY(window && window->isVisible());
        for (int index = 0; index < ConnectionCheckWindow::StepCount; ++index)
            QCOMPARE(window->markOf(Id(index)), QStringLiteral("✓"));
        QCOMPARE(window->sentenceOf(Id::Identified),
            QStringLiteral("KOrvHead (OrvHead), firmware 1.30, número de série 00123045."));
        // The program's own link let go of the port for the check and holds it again.
        QVERIFY(app.form->session().link().isOpen());

        // The transmitter loses power: checked again, the window says so and what is left unchecked.
        app.emulator->setFault(emu::Fault::EchoOnly);
        window->findChild<QPushButton*>(QStringLiteral("CheckAgainButton"))->click();
        QCOMPARE(window->markOf(Id::Echo), QStringLiteral("✓"));
        QCOMPARE(window->markOf(Id::Answer), QStringLiteral("✗"));
        QVERIFY(window->sentenceOf(Id::Answer).contains(QStringLiteral("o transmissor não está alimentado")));
        QCOMPARE(window->markOf(Id::Identified), QStringLiteral("–"));
        QVERIFY(window->summary().contains(QStringLiteral("Verificar de novo")));
        // A sentence carries system texts, never read as markup.
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("CheckSentence5"))->textFormat(), Qt::PlainText);
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
    }

    void monitorShowsEveryFrame()
    {
        ScriptedSaveDialog saveDialog;
        AppFixture app;
        app.adjustEnvironment = [&](MainWindowEnvironment& environment) { environment.fileDialogs = &saveDialog; };
        QVERIFY(app.start(seedFor(0, 130)));
        app.emulator->clearLog();
        app.form->ui.FrameMonitorItem->trigger();
        FrameMonitorWindow* monitor = app.form->frameMonitor();
        QVERIFY(monitor && monitor->isVisible() && monitor->isListening());

        app.emulator->setFault(emu::Fault::Refuse, 1, 2);
        app.read();
        QStringList sent;
        for (const QByteArray& frame : app.emulator->receivedFrames())
            sent << QString::fromLatin1(frame.toHex(' ')).toUpper();
        QCOMPARE(transmittedFrames(*monitor), sent);
        const QString text = monitor->text();
        QVERIFY(text.contains(QRegularExpression(
            QStringLiteral("\\n\\d\\d:\\d\\d:\\d\\d\\.\\d{3}  TX       50 00 02 00 00 +leitura do registro 2\\n"))));
        QVERIFY(text.contains(QStringLiteral("50 00 02 00 00 3F 00 02 00 00  eco ok; recusado pelo transmissor (?)")));
        QVERIFY(text.contains(QStringLiteral("eco ok; valor 123 (0x007B)")));
        QCOMPARE(monitor->shownLineCount(), monitor->lineCount());

        // Paused, the lines are kept back, not lost; going on shows them.
        monitor->findChild<QPushButton*>(QStringLiteral("MonitorPauseButton"))->click();
        const int before = monitor->shownLineCount();
        app.read();
        QCOMPARE(monitor->shownLineCount(), before);
        QVERIFY(monitor->lineCount() > before);
        monitor->setPaused(false);
        QCOMPARE(monitor->shownLineCount(), monitor->lineCount());

        // The connection check's own frames are on the wire too.
        app.form->onCheckConnection();
        QVERIFY(monitor->text().endsWith(
            QStringLiteral("porta %1 aberta a 9600 baud, 8N1\n").arg(app.emulator->devicePath())));

        // Saved: the whole record, through the dialog only; a cancelled dialog writes nothing and a
        // place that cannot be written is told.
        saveDialog.answer = app.dir.filePath(QStringLiteral("trace.txt"));
        QVERIFY(monitor->saveAsText());
        QVERIFY(saveDialog.kind == FileKind::Text);
        QFile saved(saveDialog.answer);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), monitor->text());
        saveDialog.answer.clear();
        QVERIFY(!monitor->saveAsText());
        saveDialog.answer = app.dir.filePath(QStringLiteral("no/such/folder/trace.txt"));
        QVERIFY(!monitor->saveAsText());
        QCOMPARE(saveDialog.asked, 3);
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY(app.boxes.shown[0].text.startsWith(QStringLiteral("Não foi possível salvar em ")));

        // Closed, it hears nothing; opened again, it says so; cleared, it starts empty.
        monitor->close();
        QVERIFY(!monitor->isListening());
        const int kept = monitor->lineCount();
        app.read();
        QCOMPARE(monitor->lineCount(), kept);
        app.form->onFrameMonitor();
        QCOMPARE(monitor->lineCount(), kept + 1);
        QVERIFY(monitor->text().contains(QStringLiteral("monitor aberto de novo")));
        monitor->findChild<QPushButton*>(QStringLiteral("MonitorClearButton"))->click();
        QCOMPARE(monitor->lineCount(), 0);
        QCOMPARE(monitor->shownLineCount(), 0);
    }
};

QTEST_MAIN(DiagnosticsTest)
#include "tst_diagnostics.moc"
