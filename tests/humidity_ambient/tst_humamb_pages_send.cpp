#include "support/FakeWindow.h"

#include "common/Timing.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace korv;
using namespace korv::test;

namespace {
using Writes = QList<QPair<int, int>>;
}

class HumiditySendTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        Timing::setScalePercent(1);
        FakeWindow probe(Model::OrvHu);
        if (!probe.serial().Open())
            QSKIP("no pseudo-terminal to stand in for the serial port");
        probe.serial().Close();
    }

    void orvHWritesNoTemperatureRegistersButBit12()
    {
        FakeWindow f(Model::OrvH);
        f.seedTransmitter();
        f.registers.parameters[1] = 0x0100;
        f.hw.MaxTempRadioButton->setChecked(true);
        f.humidity->sendConfiguration();
        QCOMPARE(f.warnings, QStringList());
        QCOMPARE(f.registers.writes, (Writes { { 6, 0 }, { 7, 10000 }, { 1, 0x1100 }, { 14, 0 } }));
        QVERIFY(!f.registers.touched().contains(8) && !f.registers.touched().contains(15));
        QCOMPARE(f.hw.EdtStatRHT->text(), f.text(Msg::SendOk));
        QCOMPARE(f.statusSeconds, 2);
        QVERIFY(f.hw.EnviaBarRHT->isHidden());
    }

    void reversedRangeWritesNegativeGain()
    {
        FakeWindow f(Model::OrvH);
        f.hw.EdtLimInfRH->setText("80");
        f.hw.EdtLimSupRH->setText("20");
        f.leave(f.hw.EdtLimSupRH);
        f.humidity->sendConfiguration();
        QCOMPARE(f.warnings, QStringList());
        QCOMPARE(f.registers.writes.mid(0, 2), (Writes { { 6, -9600 }, { 7, -6000 } }));
    }

    void sendCheckTakesSpanFiveInAnyUnit()
    {
        FakeWindow f(Model::OrvHu);
        f.fahrenheitUnit = true;
        f.humidity->HumidityClick(false);
        f.hw.EdtLimInfRH->setText("-76");
        f.hw.EdtLimSupRH->setText("-70");
        f.leave(f.hw.EdtLimSupRH);
        QCOMPARE(f.hw.ValorMaxZeroRHLb->text(), QString());  // below the 9 °F of a leave
        f.humidity->sendConfiguration();
        QCOMPARE(f.warnings, QStringList());
        QCOMPARE(f.registers.writtenRegisters().mid(0, 2), (QList<int> { 6, 7 }));
        QCOMPARE(f.registers.parameters[1] & 0xE000, 0x2000);
    }

    void failedZeroWriteReportsOnce()
    {
        FakeWindow f(Model::OrvHu);
        f.registers.scriptedWrites[14] = { Status::NoAnswer, Status::Refused, Status::NoAnswer };
        f.humidity->sendConfiguration();
        QCOMPARE(f.warnings, QStringList { f.text(Msg::WriteError) });
        QVERIFY(!f.registers.touched().contains(15));
        QCOMPARE(f.hw.EdtStatRHT->text(), QString());
    }

    // A send that stops after the transmitter took some registers says which, and the way out,
    // in the tab's information memo; the box stays the one it always was.
    void sendStoppedHalfWayIsSaid_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<int>("failing");
        QTest::addColumn<Status>("status");  // of each attempt at the failing register
        QTest::addColumn<QString>("written");  // empty: no write frame left, nothing to say
        QTest::addColumn<QString>("unconfirmed");
        const struct {
            Model model;
            int failing;
            Status status;
            const char* written;
            const char* unconfirmed;
        } rows[] = {
            // Only a frame that never left stops the humidity transmitter's range pairs; one that
            // left unanswered may have changed its register.
            { Model::OrvHu, 6, Status::NotSent, "", "" },
            { Model::OrvHu, 7, Status::NoAnswer, "6, 8, 9", "7" },
            { Model::OrvHu, 8, Status::NotSent, "6, 7", "nenhum" },
            { Model::OrvHu, 9, Status::Refused, "6, 7, 8", "9" },
            { Model::OrvHu, 1, Status::NoAnswer, "6, 7, 8, 9", "1" },
            { Model::OrvHu, 14, Status::NoAnswer, "6, 7, 8, 9, 1", "14" },
            { Model::OrvHu, 15, Status::Refused, "6, 7, 8, 9, 1, 14", "15" },
            { Model::OrvH, 14, Status::NoAnswer, "6, 7, 1", "14" },
            { Model::OrvAmbient, 8, Status::NoAnswer, "nenhum", "8" },
            { Model::OrvAmbient, 9, Status::NoAnswer, "8", "9" },
            { Model::OrvAmbient, 1, Status::Refused, "8, 9", "1" },
            { Model::OrvAmbient, 15, Status::NoAnswer, "8, 9, 1", "15" },
        };
        for (const auto& row : rows)
            QTest::addRow("%s, register %d", qPrintable(modelString(row.model)), row.failing)
                << row.model << row.failing << row.status << QString::fromUtf8(row.written)
                << QString::fromUtf8(row.unconfirmed);
    }
    void sendStoppedHalfWayIsSaid()
    {
        QFETCH(Model, model);
        QFETCH(QString, written);
        QFETCH(QString, unconfirmed);
        QFETCH(int, failing);
        QFETCH(Status, status);
        FakeWindow f(model);
        f.seedTransmitter();
        f.registers.scriptedWrites[failing] = QList<Status>(3, status);
        if (model == Model::OrvAmbient)
            f.ambient->sendConfiguration();
        else
            f.humidity->sendConfiguration();
        QCOMPARE(f.warnings, QStringList { f.text(Msg::WriteError) });
        const QString memo = (model == Model::OrvAmbient ? f.aw.Config_TxT : f.hw.Config_OrvHu)->toPlainText();
        if (written.isEmpty())
            QVERIFY2(!memo.contains(QStringLiteral("Registros")), qPrintable(memo));
        else
            QVERIFY2(memo.contains(QStringLiteral("Registros já escritos: %1.").arg(written))
                    && memo.contains(
                        QStringLiteral("Registros enviados sem confirmação (podem ter mudado): %1.").arg(unconfirmed))
                    && memo.contains(QStringLiteral("configurado só em parte")),
                qPrintable(memo));
    }

    void emptyZeroEditsAreSentAsZero()
    {
        FakeWindow f(Model::OrvHu);
        f.state.HumidityRange.zeroRegister = 300;
        f.hw.EdtCorrZeroRH->clear();
        f.hw.EdtCorrZeroTemp->clear();
        f.humidity->sendConfiguration();
        QCOMPARE(f.warnings, QStringList());
        QCOMPARE(f.hw.EdtCorrZeroRH->text(), QStringLiteral("0"));
        QCOMPARE(f.registers.writes.mid(5), (Writes { { 14, 0 }, { 15, 0 } }));
    }

    // Passing through a zero edit changes nothing: left untyped it shows its correction again, and
    // the send the click leaving it starts writes that correction. An edit emptied by hand sends 0.
    void passingThroughAZeroEdit_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");  // once the click on the send button has taken the focus
        QTest::addColumn<int>("count");  // the zero register as sent
        const struct {
            Model model;
            const char* edit;
            int address;
            int kept;  // the count of 0,51 on the input's span
            int typed;  // the count of 1,5
        } edits[] = { { Model::OrvHu, "EdtCorrZeroRH", 14, 51, 150 }, { Model::OrvHu, "EdtCorrZeroTemp", 15, 32, 94 },
            { Model::OrvAmbient, "EdtTempZeroCorrection", 15, 48, 141 } };
        for (const auto& e : edits) {
            QTest::addRow("%s, nothing typed", e.edit) << e.model << e.edit << e.address << ""
                                                       << "0,51" << e.kept;
            QTest::addRow("%s, typed then emptied", e.edit) << e.model << e.edit << e.address << "5\b"
                                                            << "" << 0;
            QTest::addRow("%s, typed", e.edit) << e.model << e.edit << e.address << "1,5"
                                               << "1,5" << e.typed;
        }
    }
    void passingThroughAZeroEdit()
    {
        QFETCH(Model, model);
        QFETCH(QString, edit);
        QFETCH(int, address);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(int, count);
        FakeWindow f(model);
        QPushButton send(&f.window);
        QObject::connect(&send, &QPushButton::clicked, [&f, model] {
            model == Model::OrvAmbient ? f.ambient->sendConfiguration() : f.humidity->sendConfiguration();
        });
        QVERIFY(f.showActive());
        auto* zero = f.window.findChild<QLineEdit*>(edit);
        zero->setText(QStringLiteral("0,51"));
        zero->setFocus(Qt::TabFocusReason);
        QCOMPARE(zero->text(), QString());
        f.typeInto(zero, keys);
        QTest::mousePress(&send, Qt::LeftButton);
        QCOMPARE(zero->text(), shown);
        QTest::mouseRelease(&send, Qt::LeftButton);
        QCOMPARE(f.warnings, QStringList());
        QVERIFY(f.registers.writes.contains(qMakePair(address, count)));
    }

    void refusedInputs_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("lone minus as limit") << "EdtLimSupRH"
                                             << "-" << int(Msg::LimitsIncorrect) << "EdtLimSupRH";
        QTest::newRow("temperature above 120 °C") << "EdtLimSupTemp"
                                                  << "130" << int(Msg::LimitsIncorrect) << "EdtLimSupTemp";
        QTest::newRow("humidity span below 5") << "EdtLimInfRH"
                                               << "97" << int(Msg::LimitsIncorrect) << "EdtLimInfRH";
        QTest::newRow("lone minus as correction") << "EdtCorrZeroRH"
                                                  << "-" << int(Msg::ZeroOutOfBounds) << "EdtCorrZeroRH";
        QTest::newRow("correction beyond 10 %") << "EdtCorrZeroRH"
                                                << "10,5" << int(Msg::ZeroOutOfBounds) << "EdtCorrZeroRH";
        QTest::newRow("temperature correction beyond 5 %") << "EdtCorrZeroTemp"
                                                           << "-8,01" << int(Msg::ZeroOutOfBounds) << "EdtCorrZeroTemp";
    }
    void refusedInputs()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(int, message);
        QFETCH(QString, focus);
        FakeWindow f(Model::OrvHu);
        QVERIFY(f.showActive());
        auto* target = f.window.findChild<QLineEdit*>(edit);
        target->setText(text);
        f.leave(target);
        f.humidity->sendConfiguration();
        QCOMPARE(f.warnings, QStringList { f.text(message) });
        QCOMPARE(QApplication::focusWidget(), f.window.findChild<QLineEdit*>(focus));
        QCOMPARE(f.registers.writes, Writes());
        QVERIFY(f.hw.EnviaBarRHT->isHidden());
    }

    void abortedSends_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("message");
        QTest::addColumn<bool>("linkOpen");
        QTest::newRow("port will not open") << "port" << int(Msg::PortSetupError) << false;
        QTest::newRow("no serial number") << "serial" << int(Msg::WriteError) << false;
        QTest::newRow("send button disabled") << "disabled" << int(Msg::WriteError) << false;
        QTest::newRow("identified as a head model") << "model" << int(Msg::WriteError) << true;
        QTest::newRow("register 1 unreadable") << "word" << int(Msg::WriteError) << true;
    }
    void abortedSends()
    {
        QFETCH(QString, situation);
        QFETCH(int, message);
        QFETCH(bool, linkOpen);
        FakeWindow f(Model::OrvHu, situation != "port");
        if (situation == "serial")
            f.registers.scriptedReads[2] = QList<Status>(3, Status::NoAnswer);
        f.sendButtonEnabled = situation != "disabled";
        if (situation == "model")
            f.identifyAs = { Model::OrvHead };
        if (situation == "word")
            f.registers.scriptedReads[1] = { Status::NoAnswer, Status::NoAnswer, Status::NoAnswer };
        f.humidity->sendConfiguration();
        QCOMPARE(f.warnings, QStringList { f.text(message) });
        QCOMPARE(f.registers.writes, Writes());
        QCOMPARE(f.serial().isOpen(), linkOpen);
        QVERIFY(f.hw.EnviaBarRHT->isHidden());
    }

    void onlyAnUnsentFrameStopsTheRangePair()
    {
        FakeWindow f(Model::OrvHu);
        f.registers.scriptedWrites[6] = { Status::Refused };
        // The other writes still happen, but the refusal is the step's result: the later writes
        // that took do not stand for the one that did not.
        QCOMPARE(f.humiditySendStep(humamb::WriteRangesStep), Status::Refused);
        QCOMPARE(f.registers.writtenRegisters(), (QList<int> { 7, 8, 9 }));
        f.registers.writes.clear();
        f.registers.scriptedWrites[6] = { Status::NotSent };
        QCOMPARE(f.humiditySendStep(humamb::WriteRangesStep), Status::NotSent);
        QCOMPARE(f.registers.writes, Writes());
    }
};

QTEST_MAIN(HumiditySendTest)
#include "tst_humamb_pages_send.moc"
