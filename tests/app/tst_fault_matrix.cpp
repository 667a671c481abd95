#include "support_appfixture.h"

#include "app/service/CalibrationBridge.h"
#include "app/startup/SplashForm.h"
#include "calibration/CalibForm.h"
#include "calibration/CalibrationSpinBox.h"
#include "common/Timing.h"

#include <QApplication>
#include <QTest>

#include <memory>

using namespace korv;
using emu::Fault;

namespace {

const QString Communication = QStringLiteral("Erro de comunicação!");
const QString Write = QStringLiteral("Erro de escrita!");

enum class Command { Search, Read, Send, ServiceShow, ServiceApply };

// One command of one family, and the register its faults hit.
struct Cell {
    const char* name;
    Command command;
    int modelCode;
    int address;
};

const Cell Cells[] = {
    { "search", Command::Search, 0, 1 },
    { "head read", Command::Read, 0, 1 },
    { "humidity read", Command::Read, 4, 1 },
    { "ambient read", Command::Read, 6, 1 },
    { "head send", Command::Send, 0, 15 },
    { "humidity send", Command::Send, 4, 14 },
    { "ambient send", Command::Send, 6, 15 },
    { "service show", Command::ServiceShow, 0, 8 },
    { "service apply", Command::ServiceApply, 0, 8 },
};

struct FaultCase {
    const char* name;
    Fault fault;
    int frames;  // -1: every frame to the address
};

const FaultCase Faults[] = {
    { "silence", Fault::Silence, -1 },
    { "refusal", Fault::Refuse, -1 },
    { "wrong echo", Fault::WrongEcho, -1 },
    { "late answers", Fault::LateAnswer, -1 },
    { "one late answer", Fault::LateAnswer, 1 },
    { "garbage", Fault::Garbage, -1 },
    { "write not kept", Fault::DropWrite, -1 },
    { "device vanishing", Fault::CloseMidExchange, 1 },
};

// The boxes each command gives once its step has failed three times; a send of the humidity and
// ambient transmitters reports every failure as a write error, the head/rail zero step as well.
QStringList failureBoxes(Command command, int modelCode)
{
    switch (command) {
    case Command::Search:
    case Command::Read:
        return { Communication };
    case Command::Send:
        return { Write };
    case Command::ServiceShow:
        // The backup's reads fail silently (and save no file); the refresh that follows reads
        // the same registers and reports.
    case Command::ServiceApply:
        break;
    }
    Q_UNUSED(modelCode);
    return { Communication };
}

QList<qint16> parameters(const emu::TransmitterEmulator& emulator)
{
    QList<qint16> values;
    for (int address = 0; address < 64; ++address)
        values << emulator.parameter(address);
    return values;
}

}  // namespace

// Every emulator fault against every command: the box the command gives, no hang, and no
// register the user did not ask for changed. Sends and the service window's apply write back
// what was read, so the registers must end as they began whatever fails.
class FaultMatrixTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Timing::setScalePercent(2); }

    void matrix_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("faultCase");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("orNone");  // no box is as good: whether the retries outlast it is timing
        for (int c = 0; c < int(std::size(Cells)); ++c) {
            for (int f = 0; f < int(std::size(Faults)); ++f) {
                const Cell& cell = Cells[c];
                const FaultCase& fault = Faults[f];
                QStringList boxes = failureBoxes(cell.command, cell.modelCode);
                // A transmitter that stalls on one frame holds up the frames after it as well:
                // the step fails only when the stall outlasts its three attempts.
                const bool orNone = fault.frames == 1 && fault.fault == Fault::LateAnswer;
                // Writing back the value read cannot be told from a write that did not take,
                // and the reads are untouched by it.
                if (fault.fault == Fault::DropWrite)
                    boxes.clear();
                QTest::addRow("%s, %s", cell.name, fault.name) << c << f << boxes << orNone;
            }
        }
    }
    void matrix()
    {
        QFETCH(int, cell);
        QFETCH(int, faultCase);
        QFETCH(QStringList, boxes);
        QFETCH(bool, orNone);
        const Cell& c = Cells[cell];
        const FaultCase& f = Faults[faultCase];
        AppFixture app;
        QVERIFY(app.start(seedFor(c.modelCode, 130)));
        app.emulator->setParameter(15, -37);
        app.emulator->setParameter(14, 120);
        std::unique_ptr<CalibrationBridge> bridge;
        std::unique_ptr<CalibForm> calib;
        if (c.command != Command::Search) {
            app.read();
            QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        }
        if (c.command == Command::ServiceApply) {
            bridge = std::make_unique<CalibrationBridge>(*app.form, app.boxes);
            calib = std::make_unique<CalibForm>(bridge.get());
            calib->FormShow();
        }
        const QList<qint16> before = parameters(*app.emulator);
        app.boxes.clear();
        // Well after the exchange has given up (its waits are shortened with every other pause),
        // so that the answer lands in a later exchange.
        app.emulator->setLateAnswerDelayMs(120);
        app.emulator->setFault(f.fault, f.frames, c.address);

        switch (c.command) {
        case Command::Search: {
            TSplashForm splash(*app.form);
            splash.onSplashTimer();
            QVERIFY(!splash.isVisible());
            break;
        }
        case Command::Read:
            app.read();
            break;
        case Command::Send:
            app.send();
            break;
        case Command::ServiceShow:
            bridge = std::make_unique<CalibrationBridge>(*app.form, app.boxes);
            calib = std::make_unique<CalibForm>(bridge.get());
            calib->FormShow();
            break;
        case Command::ServiceApply:
            calib->ApplyButtonClick();
            break;
        }
        app.emulator->setFault(Fault::None);

        if (!(orNone && app.boxes.shown.isEmpty()))
            QCOMPARE(app.boxTexts(), boxes);
        QCOMPARE(parameters(*app.emulator), before);
        QVERIFY(!QApplication::overrideCursor());
    }

    // A write that does not take, where the value written differs from the register's: the write
    // error box, once per register, the send goes on, and the register keeps its value.
    void writeNotKeptIsTold_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("address");
        QTest::newRow("head zero") << 0 << 15;
        QTest::newRow("humidity zero") << 4 << 14;
        QTest::newRow("ambient zero") << 6 << 15;
    }
    void writeNotKeptIsTold()
    {
        QFETCH(int, modelCode);
        QFETCH(int, address);
        AppFixture app;
        QVERIFY(app.start(seedFor(modelCode, 130)));
        app.read();
        app.boxes.clear();
        // Another value in the transmitter than the form shows: the send writes the form's.
        app.emulator->setParameter(address, 77);
        app.emulator->setFault(Fault::DropWrite, -1, address);
        app.send();
        app.emulator->setFault(Fault::None);
        QCOMPARE(app.boxTexts(), QStringList { Write });
        QCOMPARE(app.emulator->parameter(address), qint16(77));
    }
};

QTEST_MAIN(FaultMatrixTest)
#include "tst_fault_matrix.moc"
