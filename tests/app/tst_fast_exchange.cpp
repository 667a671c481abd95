#include "support_appfixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace korv;
using emu::Fault;

namespace {

// What a command leaves for the technician to see.
struct Outcome {
    QStringList boxes;
    QStringList texts;
    QList<qint16> registers;
    bool operator==(const Outcome&) const = default;
};

QList<qint16> parameters(const emu::TransmitterEmulator& emulator)
{
    QList<qint16> values;
    for (int address = 0; address < 32; ++address)
        values << emulator.parameter(address);
    return values;
}

Outcome outcomeOf(AppFixture& app)
{
    const MainWindowUi& ui = app.form->ui;
    Outcome outcome;
    outcome.boxes = app.boxTexts();
    for (const QLineEdit* edit : app.form->findChildren<QLineEdit*>())
        outcome.texts << edit->objectName() + QLatin1Char('=') + edit->text();
    for (const QPlainTextEdit* memo : { ui.Config_Transmissor, ui.Config_OrvHu, ui.Config_TxT })
        outcome.texts << memo->toPlainText();
    outcome.registers = parameters(*app.emulator);
    return outcome;
}

// A read, a send after a change on the form, and (with `fault`) a read against a misbehaving
// transmitter, in one mode.
QList<Outcome> commands(int modelCode, bool fast, Fault fault, int faultAddress)
{
    AppFixture app;
    if (!app.start(seedFor(modelCode, 130)))
        return {};
    app.emulator->setAnswerDelayMs(2);
    app.form->ui.FastExchangeItem->setChecked(fast);
    QList<Outcome> outcomes;
    app.read();
    outcomes << outcomeOf(app);
    QLineEdit* zero = modelCode == 0 ? app.form->ui.EdtCorrigeZero
        : modelCode == 6             ? app.form->ui.EdtTempZeroCorrection
                                     : app.form->ui.EdtCorrZeroRH;
    zero->setText(QStringLiteral("0,5"));
    app.send();
    outcomes << outcomeOf(app);
    app.boxes.clear();
    app.emulator->setLateAnswerDelayMs(700);
    app.emulator->setFault(fault, fault == Fault::LateAnswer ? 1 : -1, faultAddress);
    app.read();
    app.emulator->setFault(Fault::None);
    outcomes << outcomeOf(app);
    return outcomes;
}

}  // namespace

// The fast exchange changes only how long a command takes: the same registers, texts and boxes as
// the specified timing, for every family, also when an answer comes late or never completes.
class FastExchangeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sameOutcomeAsTheDefault_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("address");
        QTest::newRow("head, one late answer") << 0 << Fault::LateAnswer << 10;
        QTest::newRow("head, echo without answer") << 0 << Fault::EchoOnly << 15;
        QTest::newRow("humidity, one late answer") << 4 << Fault::LateAnswer << 58;
        QTest::newRow("humidity, garbage") << 4 << Fault::Garbage << 6;
        QTest::newRow("ambient, one late answer") << 6 << Fault::LateAnswer << 1;
        QTest::newRow("ambient, echo without answer") << 6 << Fault::EchoOnly << 60;
    }
    void sameOutcomeAsTheDefault()
    {
        QFETCH(int, modelCode);
        QFETCH(Fault, fault);
        QFETCH(int, address);
        const QList<Outcome> specified = commands(modelCode, false, fault, address);
        const QList<Outcome> fast = commands(modelCode, true, fault, address);
        QCOMPARE(fast.size(), 3);
        QVERIFY2(
            specified[0].boxes.isEmpty() && specified[1].boxes.isEmpty(), qPrintable(specified[1].boxes.join(u'|')));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(fast[i].boxes, specified[i].boxes);
            QCOMPARE(fast[i].texts, specified[i].texts);
            QCOMPARE(fast[i].registers, specified[i].registers);
        }
    }

    // Off unless the settings file says Rapida=1; written back only while it is on.
    void savedInTheSettings()
    {
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        QVERIFY(!app.form->ui.FastExchangeItem->isChecked());
        QVERIFY(!app.form->session().fastExchange());
        app.form->ui.FastExchangeItem->trigger();
        QVERIFY(app.form->session().link().fastExchange());
        app.form->close();
        QFile file(app.settingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("Rapida=1"), text.constData());
        file.close();

        AppFixture again;
        again.startWithSettings(text);
        QVERIFY(again.form->ui.FastExchangeItem->isChecked());
        QVERIFY(again.form->session().fastExchange());
        again.form->ui.FastExchangeItem->trigger();
        again.form->close();
        QFile after(again.settingsPath());
        QVERIFY(after.open(QIODevice::ReadOnly));
        QVERIFY(!after.readAll().contains("Rapida"));
    }
};

QTEST_MAIN(FastExchangeTest)
#include "tst_fast_exchange.moc"
