#include "support/FakeWindow.h"

#include "common/Timing.h"
#include "core/link/SerialLink.h"
#include "headrail/RadioGroup.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace korv;
using korv::test::FakeWindow;

namespace {

// Register 0 of the transmitters used below: model code in bits 10..13, firmware in bits 0..9.
constexpr int OrvHead130 = 0x0082;
constexpr int OrvHead105 = 0x0069;
constexpr int OrvHead140 = 0x008C;
constexpr int OrvDin130 = 0x0482;
constexpr int OrvDin105 = 0x0469;
constexpr int OrvGalHead120 = 0x0878;
constexpr int OrvGalDin100 = 0x0C64;

constexpr int K = 1;

// A column of the current data row, for rows read once.
template <typename T> T data(const char* column)
{
    return *static_cast<T*>(QTest::qData(column, qMetaTypeId<T>()));
}

QString text(const QLabel* label)
{
    return label->text();
}

// Types `keys` into the edit; '<' stands for Backspace.
void type(QLineEdit* edit, const QString& keys)
{
    for (const QChar key : keys) {
        if (key == u'<')
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, QString(key));
    }
}

QLineEdit* editNamed(FakeWindow& f, const QString& name)
{
    return name == u"min" ? f.hrw.EdtLimitMinSensor : name == u"max" ? f.hrw.EdtLimitMaxSensor : f.hrw.EdtCorrigeZero;
}

// A K thermocouple on an OrvHead with firmware 130, range 0 to 1000, as most send cases start.
// The memo's last line: the page appends to what the window put there before.
QString lastLine(const QPlainTextEdit* memo)
{
    return memo->toPlainText().section(u'\n', -1);
}

void setUpK1000(FakeWindow& f)
{
    f.identify(OrvHead130);
    f.select(K);
    f.setLimits(QStringLiteral("0"), QStringLiteral("1000"));
    f.registers.parameters[1] = 0x0000;
}

}  // namespace

class HeadRailPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        Timing::setScalePercent(1);
    }

    void sensorSelection_data()
    {
        QTest::addColumn<int>("identity");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("sensorMin");
        QTest::addColumn<QString>("sensorMax");
        QTest::addColumn<QString>("minSpan");
        QTest::addColumn<QString>("zeroMin");
        QTest::addColumn<QString>("zeroMax");
        QTest::addColumn<QString>("unit");
        QTest::newRow("K OrvHead fw130") << OrvHead130 << K << "0"
                                         << "1370"
                                         << "100"
                                         << "-68,5"
                                         << "68,5"
                                         << "°C";
        QTest::newRow("K OrvHead fw105") << OrvHead105 << K << "0"
                                         << "1370"
                                         << "137"
                                         << "-68,5"
                                         << "68,5"
                                         << "°C";
        QTest::newRow("Pt100 OrvHead fw105 (list without B)") << OrvHead105 << 8 << "-200"
                                                              << "530"
                                                              << "73"
                                                              << "-36,5"
                                                              << "36,5"
                                                              << "°C";
        QTest::newRow("0 - 50 mV OrvHead fw130") << OrvHead130 << 0 << "0"
                                                 << "50"
                                                 << "5"
                                                 << "-2,5"
                                                 << "2,5"
                                                 << "mV";
        QTest::newRow("4 - 20 mA OrvGalDin") << OrvGalDin100 << 12 << "4"
                                             << "20"
                                             << "2"
                                             << "-0,80"
                                             << "0,80"
                                             << "mA";
    }
    void sensorSelection()
    {
        QFETCH(int, identity);
        QFETCH(int, position);
        FakeWindow f;
        f.identify(identity);
        f.select(position);
        const HeadRailWidgets& w = f.hrw;
        QCOMPARE(w.Faixa_Minima->text(), data<QString>("sensorMin"));
        QCOMPARE(w.Faixa_Maxima->text(), data<QString>("sensorMax"));
        QCOMPARE(w.Span_Minimo->text(), data<QString>("minSpan"));
        QCOMPARE(w.EdtLimitMinSensor->text(), data<QString>("sensorMin"));
        QCOMPARE(w.EdtLimitMaxSensor->text(), data<QString>("sensorMax"));
        QCOMPARE(text(w.LblZeroMin), data<QString>("zeroMin"));
        QCOMPARE(text(w.LblZeroMax), data<QString>("zeroMax"));
        QCOMPARE(w.EdtCorrigeZero->text(), QStringLiteral("0,00"));
        for (const QLabel* unit : w.unitLabels())
            QCOMPARE(unit->text(), data<QString>("unit"));
    }

    void keyFilters_data()
    {
        QTest::addColumn<int>("identity");  // 0: no transmitter identified yet
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        QTest::newRow("K: minus does nothing") << OrvHead130 << K << "min"
                                               << "0"
                                               << "-"
                                               << "0";
        QTest::newRow("K: letters and separators dropped") << OrvHead130 << K << "max"
                                                           << ""
                                                           << "12a,.3 "
                                                           << "123";
        QTest::newRow("Pt100: minus starts a new number") << OrvHead130 << 9 << "min"
                                                          << "-200"
                                                          << "-"
                                                          << "-";
        QTest::newRow("Pt100: minus then digits") << OrvHead130 << 9 << "max"
                                                  << "100"
                                                  << "-50"
                                                  << "-50";
        QTest::newRow("Backspace passes") << OrvHead130 << K << "max"
                                          << "1370"
                                          << "<<"
                                          << "13";
        QTest::newRow("OrvGalDin 4 - 20 mA: minus") << OrvGalDin100 << 12 << "min"
                                                    << "4"
                                                    << "-"
                                                    << "-";
        QTest::newRow("OrvGalDin 0 - 50 mV: no minus") << OrvGalDin100 << 0 << "min"
                                                       << "0"
                                                       << "-"
                                                       << "0";
        QTest::newRow("unknown model: every key") << 0 << 0 << "min"
                                                  << ""
                                                  << "a,-"
                                                  << "a,-";
        QTest::newRow("zero: third decimal dropped") << OrvHead130 << K << "zero"
                                                     << ""
                                                     << "1,234"
                                                     << "1,23";
        QTest::newRow("zero: point becomes comma") << OrvHead130 << K << "zero"
                                                   << ""
                                                   << "."
                                                   << ",";
        QTest::newRow("zero: second separator dropped") << OrvHead130 << K << "zero"
                                                        << ""
                                                        << "1,.5"
                                                        << "1,5";
        QTest::newRow("zero: minus restarts") << OrvHead130 << K << "zero"
                                              << "12"
                                              << "-3"
                                              << "-3";
        QTest::newRow("zero: backspace frees the separator") << OrvHead130 << K << "zero"
                                                             << ""
                                                             << "1,23<<<.5"
                                                             << "1,5";
        QTest::newRow("zero: five characters at most") << OrvHead130 << K << "zero"
                                                       << ""
                                                       << "-12,34"
                                                       << "-12,3";
    }
    void keyFilters()
    {
        QFETCH(int, identity);
        QFETCH(QString, edit);
        FakeWindow f;
        if (identity != 0)
            f.identify(identity);
        f.select(data<int>("position"));
        QLineEdit* target = editNamed(f, edit);
        if (target == f.hrw.EdtCorrigeZero)
            f.headRail->EdtCorrigeZeroEnter();
        target->setText(data<QString>("before"));
        type(target, data<QString>("keys"));
        QCOMPARE(target->text(), data<QString>("after"));
    }

    void pasteIsNotTyping()
    {
        FakeWindow f;
        f.identify(OrvHead130);
        f.select(K);
        QApplication::clipboard()->setText(QStringLiteral("abc"));
        QTest::keyClick(f.hrw.EdtLimitMaxSensor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.hrw.EdtLimitMaxSensor->text(), QStringLiteral("1370"));
    }

    // Pt100 on an OrvHead with firmware 130: sensor range -200 to 650.
    void leavingAnEmptyLimit_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("warned");
        QTest::newRow("lower '-', Tab") << "min"
                                        << "-" << int(Qt::TabFocusReason) << "-200" << true;
        QTest::newRow("upper empty, mouse") << "max"
                                            << "" << int(Qt::MouseFocusReason) << "650" << true;
        QTest::newRow("lower '-', window deactivated") << "min"
                                                       << "-" << int(Qt::ActiveWindowFocusReason) << "-" << false;
        QTest::newRow("lower '-', popup") << "min"
                                          << "-" << int(Qt::PopupFocusReason) << "-" << false;
    }
    void leavingAnEmptyLimit()
    {
        QFETCH(QString, edit);
        QFETCH(bool, warned);
        FakeWindow f;
        f.identify(OrvHead130);
        f.select(9);
        QLineEdit* target = editNamed(f, edit);
        target->setText(data<QString>("typed"));
        f.leave(target, static_cast<Qt::FocusReason>(data<int>("reason")));
        QCOMPARE(target->text(), data<QString>("after"));
        QCOMPARE(
            f.warnings, warned ? QStringList { QStringLiteral("Não foi digitado valor da faixa!") } : QStringList {});
        if (warned)
            QCOMPARE(f.focused(), target);
    }

    // A real focus move: the warning's own focus changes must not run the exit handler again.
    void tabbingOutOfAnEmptyLimit()
    {
        FakeWindow f;
        f.identify(OrvHead130);
        f.select(9);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QLineEdit* lower = f.hrw.EdtLimitMinSensor;
        lower->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(lower->hasFocus());
        type(lower, QStringLiteral("-"));
        f.hrw.EdtLimitMaxSensor->setFocus(Qt::TabFocusReason);
        QCOMPARE(f.warnings, QStringList { QStringLiteral("Não foi digitado valor da faixa!") });
        QVERIFY(lower->hasFocus());
        QCOMPARE(lower->text(), QStringLiteral("-200"));
        QCOMPARE(f.hrw.EdtLimitMaxSensor->text(), QStringLiteral("650"));
    }

    void leavingALimit_data()
    {
        QTest::addColumn<int>("identity");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("zeroMin");
        QTest::addColumn<QString>("zeroMax");
        QTest::addColumn<QString>("zeroEdit");
        QTest::newRow("falling range fw130: span made positive") << OrvHead130 << "1000"
                                                                 << "0"
                                                                 << "-50,0"
                                                                 << "50,0"
                                                                 << "0,00";
        QTest::newRow("falling range fw105: span keeps its sign") << OrvHead105 << "1000"
                                                                  << "0"
                                                                  << "50,0"
                                                                  << "-50,0"
                                                                  << "0,00";
        QTest::newRow("beyond the sensor: no bounds") << OrvHead130 << "0"
                                                      << "1500"
                                                      << ""
                                                      << ""
                                                      << "1,5";
        QTest::newRow("unchanged limits: correction kept") << OrvHead130 << "0"
                                                           << "1370"
                                                           << "-68,5"
                                                           << "68,5"
                                                           << "1,5";
    }
    void leavingALimit()
    {
        FakeWindow f;
        f.identify(data<int>("identity"));
        f.select(K);
        f.hrw.EdtCorrigeZero->setText(QStringLiteral("1,5"));
        f.setLimits(data<QString>("lower"), data<QString>("upper"));
        f.leave(f.hrw.EdtLimitMinSensor);
        QCOMPARE(text(f.hrw.LblZeroMin), data<QString>("zeroMin"));
        QCOMPARE(text(f.hrw.LblZeroMax), data<QString>("zeroMax"));
        QCOMPARE(f.hrw.EdtCorrigeZero->text(), data<QString>("zeroEdit"));
        QCOMPARE(f.hrw.EdtLimitMinSensor->text(), data<QString>("lower"));
        QVERIFY(f.warnings.isEmpty());
    }

    void enteringTheZeroEdit()
    {
        FakeWindow f;
        f.identify(OrvHead130);
        f.select(K);
        QLineEdit* zero = f.hrw.EdtCorrigeZero;
        QFocusEvent tabIn(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(zero, &tabIn);
        QCOMPARE(zero->text(), QString());
        type(zero, QStringLiteral(",5"));
        QFocusEvent windowBack(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(zero, &windowBack);
        QCOMPARE(zero->text(), QStringLiteral(",5"));
        // Entering again starts a new correction, separator state included.
        QCoreApplication::sendEvent(zero, &tabIn);
        type(zero, QStringLiteral("1,25"));
        QCOMPARE(zero->text(), QStringLiteral("1,25"));
    }

    // Passing through the zero edit changes nothing: left untyped it shows the correction read
    // again, and a send that the click leaving it starts writes that correction back.
    void passingThroughTheZeroEdit_data()
    {
        QTest::addColumn<QString>("keys");  // '<' stands for Backspace
        QTest::addColumn<QString>("shown");  // once the click on the send button has taken the focus
        QTest::addColumn<int>("count");  // register 15 as sent
        QTest::newRow("nothing typed: the read correction") << ""
                                                            << "2,54" << 26;
        QTest::newRow("typed, then emptied: 0") << "5<"
                                                << "" << 0;
        QTest::newRow("typed: the new correction") << "1,5"
                                                   << "1,5" << 15;
    }
    void passingThroughTheZeroEdit()
    {
        FakeWindow f;
        setUpK1000(f);
        f.registers.parameters[15] = 26;
        QCOMPARE(f.readStep(headrail::ReadZeroStep), Status::Ok);
        QPushButton send(&f.window);
        connect(&send, &QPushButton::clicked, f.headRail.get(), [&f] { f.headRail->sendConfiguration(); });
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QLineEdit* zero = f.hrw.EdtCorrigeZero;
        zero->setFocus(Qt::MouseFocusReason);
        QCOMPARE(zero->text(), QString());
        type(zero, data<QString>("keys"));
        QTest::mousePress(&send, Qt::LeftButton);
        QCOMPARE(zero->text(), data<QString>("shown"));
        QTest::mouseRelease(&send, Qt::LeftButton);
        QCOMPARE(f.warnings, QStringList());
        QCOMPARE(f.registers.written().last(), QStringLiteral("15=%1").arg(data<int>("count")));
    }

    void zeroFollowsTheRange()
    {
        FakeWindow f;
        setUpK1000(f);
        f.registers.parameters[15] = 26;
        QCOMPARE(f.readStep(headrail::ReadZeroStep), Status::Ok);
        QCOMPARE(f.hrw.EdtCorrigeZero->text(), QStringLiteral("2,54"));
        f.hrw.EdtLimitMaxSensor->setText(QStringLiteral("500"));
        f.leave(f.hrw.EdtLimitMaxSensor);
        QCOMPARE(f.hrw.EdtCorrigeZero->text(), QStringLiteral("1,27"));
    }

    void sendExample()
    {
        FakeWindow f;
        setUpK1000(f);
        f.hrw.Forca_SaidaMax->setChecked(true);
        f.hrw.Freq_50->setChecked(true);
        f.hrw.EdtCorrigeZero->setText(QStringLiteral("2,5"));
        f.headRail->sendConfiguration();
        QCOMPARE(f.warnings, QStringList {});
        QCOMPARE(f.registers.written(), (QStringList { "10=2389", "11=11947", "1=193", "15=26" }));
        QCOMPARE(f.headRail->ZeroCount, qint16(26));
        QVERIFY(f.serial().isOpen());
        QCOMPARE(lastLine(f.hrw.Config_Transmissor), QStringLiteral("Tipo de saída: 4 - 20 mA"));
        QCOMPARE(f.hrw.EdtStatus->text(), QStringLiteral("Envio OK"));
        QCOMPARE(f.statusSeconds, 5);
    }

    // A send that stops after the transmitter took some registers says which, and the way out.
    void sendStoppedHalfWayIsSaid_data()
    {
        QTest::addColumn<int>("failing");
        QTest::addColumn<Status>("status");  // of each attempt at the failing register
        QTest::addColumn<QString>("written");  // empty: no frame left, nothing to say
        QTest::addColumn<QString>("unconfirmed");
        QTest::addColumn<QString>("box");
        const QString communication = QStringLiteral("Erro de comunicação!");
        // A lost answer to the offset does not stop the pair; a frame that never left does.
        QTest::newRow("range offset never sent") << 10 << Status::NotSent << ""
                                                 << "" << communication;
        QTest::newRow("range offset refused") << 10 << Status::Refused << "11"
                                              << "10" << communication;
        QTest::newRow("range gain") << 11 << Status::NoAnswer << "10"
                                    << "11" << communication;
        QTest::newRow("configuration word") << 1 << Status::Refused << "10, 11"
                                            << "1" << communication;
        QTest::newRow("zero correction") << 15 << Status::NoAnswer << "10, 11, 1"
                                         << "15"
                                         << "Erro de escrita!";
    }
    void sendStoppedHalfWayIsSaid()
    {
        QFETCH(QString, written);
        FakeWindow f;
        setUpK1000(f);
        f.registers.scriptedWrites[data<int>("failing")] = QList<Status>(3, data<Status>("status"));
        f.headRail->sendConfiguration();
        QCOMPARE(f.warnings, QStringList { data<QString>("box") });
        const QString memo = f.hrw.Config_Transmissor->toPlainText();
        if (written.isEmpty())
            QVERIFY2(!memo.contains(QStringLiteral("Registros")), qPrintable(memo));
        else
            QVERIFY2(memo.contains(QStringLiteral("Registros já escritos: %1.").arg(written))
                    && memo.contains(QStringLiteral("Registros enviados sem confirmação (podem ter mudado): %1.")
                                         .arg(data<QString>("unconfirmed")))
                    && memo.contains(QStringLiteral("configurado só em parte")),
                qPrintable(memo));
    }

    void rangeCheck_data()
    {
        QTest::addColumn<int>("identity");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("focus");  // empty: accepted
        QTest::newRow("fw105 K 100..200: span below 137") << OrvHead105 << K << "100"
                                                          << "200"
                                                          << "min";
        QTest::newRow("fw130 K 100..200: accepted") << OrvHead130 << K << "100"
                                                    << "200"
                                                    << "";
        QTest::newRow("OrvDin fw130 falling 1000..0: accepted") << OrvDin130 << K << "1000"
                                                                << "0"
                                                                << "";
        QTest::newRow("OrvDin fw105 falling 1000..0: refused") << OrvDin105 << K << "1000"
                                                               << "0"
                                                               << "min";
        QTest::newRow("isolated Pt100 700..0: above the maximum") << OrvGalDin100 << 9 << "700"
                                                                  << "0"
                                                                  << "min";
        QTest::newRow("K 0..1500: upper above the maximum") << OrvHead130 << K << "0"
                                                            << "1500"
                                                            << "max";
        QTest::newRow("fw0 K 0..101: gain beyond 16 bits") << 0x0000 << K << "0"
                                                           << "101"
                                                           << "min";
    }
    void rangeCheck()
    {
        QFETCH(QString, focus);
        FakeWindow f;
        f.identify(data<int>("identity"));
        f.select(data<int>("position"));
        f.setLimits(data<QString>("lower"), data<QString>("upper"));
        f.registers.parameters[1] = 0;
        f.headRail->sendConfiguration();
        if (focus.isEmpty()) {
            QCOMPARE(f.warnings, QStringList {});
            QCOMPARE(f.registers.written().size(), 4);
            return;
        }
        QCOMPARE(f.warnings, QStringList { QStringLiteral("Os valores dos limites estão incorretos!") });
        QCOMPARE(f.focused(), editNamed(f, focus));
        QVERIFY(f.registers.attempts.isEmpty());
        QCOMPARE(f.registers.readsOf(1), 0);
    }

    void zeroCheck_data()
    {
        QTest::addColumn<QString>("correction");
        QTest::addColumn<QString>("zeroWritten");  // empty: refused
        QTest::newRow("exactly the upper bound") << "50,0"
                                                 << "15=512";
        QTest::newRow("exactly the lower bound") << "-50,0"
                                                 << "15=-512";
        QTest::newRow("beyond the upper bound") << "50,1"
                                                << "";
        QTest::newRow("lone minus") << "-"
                                    << "";
        QTest::newRow("lone separator") << ","
                                        << "";
        QTest::newRow("empty is sent as 0") << ""
                                            << "15=0";
    }
    void zeroCheck()
    {
        QFETCH(QString, correction);
        QFETCH(QString, zeroWritten);
        FakeWindow f;
        setUpK1000(f);
        f.hrw.EdtCorrigeZero->setText(correction);
        f.headRail->sendConfiguration();
        if (zeroWritten.isEmpty()) {
            QCOMPARE(f.warnings, QStringList { QStringLiteral("O valor da Correção de zero está fora dos limites!") });
            QCOMPARE(f.focused(), f.hrw.EdtCorrigeZero);
            QVERIFY(f.registers.attempts.isEmpty());
            return;
        }
        QCOMPARE(f.warnings, QStringList {});
        QCOMPARE(f.registers.written().last(), zeroWritten);
        if (correction.isEmpty())
            QCOMPARE(f.hrw.EdtCorrigeZero->text(), QStringLiteral("0"));
    }

    void sendingNotAllowed_data()
    {
        QTest::addColumn<int>("identity");
        QTest::newRow("OrvGalHead fw120") << OrvGalHead120;
        QTest::newRow("OrvHead fw140") << OrvHead140;
    }
    void sendingNotAllowed()
    {
        FakeWindow f;
        f.identify(data<int>("identity"));
        f.select(K);
        f.registers.parameters[1] = 0;
        f.headRail->sendConfiguration();
        QCOMPARE(f.registers.readsOf(1), 1);
        QVERIFY(!f.serial().isOpen());
        QVERIFY(f.registers.attempts.isEmpty());
        QCOMPARE(f.warnings, QStringList {});
    }

    void noContact()
    {
        FakeWindow silent;
        setUpK1000(silent);
        silent.registers.scriptedReads[2] = QList<Status>(8, Status::NoAnswer);
        silent.headRail->sendConfiguration();
        QCOMPARE(silent.registers.readsOf(2), 8);
        QCOMPARE(silent.warnings, QStringList { QStringLiteral("Erro de comunicação!") });
        QVERIFY(!silent.serial().isOpen());

        FakeWindow noPort;
        setUpK1000(noPort);
        noPort.usePortThatDoesNotOpen();
        noPort.registers.reads.clear();
        noPort.headRail->sendConfiguration();
        QVERIFY(noPort.registers.reads.isEmpty());
        QCOMPARE(noPort.warnings, QStringList {});
    }

    void rangeOffsetWriteFailure_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("frame not sent: the pair stops")
            << int(Status::NotSent) << QStringList {} << QStringList { "Erro de comunicação!" };
        // The gain is still written, but a gain that took does not stand for the offset: the step
        // is tried again, and a third failure is told.
        QTest::newRow("no answer: the gain is still written, the step fails")
            << int(Status::NoAnswer) << QStringList(3, "11=11947") << QStringList { "Erro de comunicação!" };
        QTest::newRow("no answer once: the step's next attempt writes both")
            << int(Status::NoAnswer) << QStringList { "11=11947", "10=2389", "11=11947", "1=1", "15=0" }
            << QStringList {};
    }
    void rangeOffsetWriteFailure()
    {
        QFETCH(int, status);
        FakeWindow f;
        setUpK1000(f);
        const int failures = QByteArray(QTest::currentDataTag()).contains("once") ? 1 : 3;
        f.registers.scriptedWrites[10] = QList<Status>(failures, Status(status));
        f.headRail->sendConfiguration();
        QCOMPARE(f.registers.written(), data<QStringList>("written"));
        QCOMPARE(f.warnings, data<QStringList>("warnings"));
    }

    void zeroWriteFailure()
    {
        FakeWindow f;
        setUpK1000(f);
        f.registers.scriptedWrites[15] = QList<Status>(3, Status::NoAnswer);
        f.headRail->sendConfiguration();
        QCOMPARE(f.registers.written(), (QStringList { "10=2389", "11=11947", "1=1" }));
        QCOMPARE(f.warnings, QStringList { QStringLiteral("Erro de escrita!") });
        QCOMPARE(f.hrw.EdtStatus->text(), QString());
    }

    void sendingWithoutSelection()
    {
        FakeWindow f;
        setUpK1000(f);
        f.select(-1);
        f.headRail->sendConfiguration();
        QCOMPARE(f.warnings, QStringList { QStringLiteral("Os valores dos limites estão incorretos!") });
        QCOMPARE(f.focused(), f.hrw.SensorRadioGroup);
        QVERIFY(f.registers.attempts.isEmpty());
    }

    void outputTypeLine_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("failureToMax");
        QTest::addColumn<bool>("filter50Hz");
        QTest::newRow("4 - 20 mA") << 0x0001 << "Tipo de saída: 4 - 20 mA" << false << false;
        QTest::newRow("0 - 10 V, failure to max") << 0x0141 << "Tipo de saída: 0 - 10 V" << true << false;
        QTest::newRow("0 - 5 V, 50 Hz") << 0x0281 << "Tipo de saída: 0 - 5 V" << false << true;
        QTest::newRow("type 3") << 0x03C1 << "Desconhecido" << true << true;
    }
    void outputTypeLine()
    {
        QFETCH(int, word);
        FakeWindow f;
        f.identify(OrvHead130);
        f.registers.parameters[1] = static_cast<qint16>(word);
        QCOMPARE(f.readStep(headrail::ReadConfigWordStep), Status::Ok);
        QCOMPARE(lastLine(f.hrw.Config_Transmissor), data<QString>("line"));
        QCOMPARE(f.session().ConfigWord, qint16(word));
        QCOMPARE(f.headRail->TransmitterSensorCode, K);
        QCOMPARE(f.hrw.SensorRadioGroup->itemIndex(), K);
        QCOMPARE(f.hrw.Forca_SaidaMax->isChecked(), data<bool>("failureToMax"));
        QCOMPARE(f.hrw.Forca_SaidaMin->isChecked(), !data<bool>("failureToMax"));
        QCOMPARE(f.hrw.Freq_50->isChecked(), data<bool>("filter50Hz"));
        QCOMPARE(f.hrw.Freq_60->isChecked(), !data<bool>("filter50Hz"));
    }

    void sendRereadLeavesTheForm()
    {
        // Register 1 holds another sensor and options under a 0 - 10 V output: the send writes the
        // form's choices under the transmitter's own upper bits, and the form keeps them.
        FakeWindow f;
        setUpK1000(f);
        f.registers.parameters[1] = 0x01C5;
        f.headRail->sendConfiguration();
        QCOMPARE(f.warnings, QStringList {});
        QCOMPARE(f.hrw.SensorRadioGroup->itemIndex(), K);
        QVERIFY(f.hrw.Forca_SaidaMin->isChecked());
        QVERIFY(f.hrw.Freq_60->isChecked());
        QCOMPARE(f.registers.parameters[1], qint16(0x0100 | K));
        QCOMPARE(lastLine(f.hrw.Config_Transmissor), QStringLiteral("Tipo de saída: 0 - 10 V"));

        // A re-read refused three times: the communication box, no memo line, nothing written.
        FakeWindow refused;
        setUpK1000(refused);
        refused.registers.scriptedReads[1] = QList<Status>(3, Status::Refused);
        refused.headRail->sendConfiguration();
        QCOMPARE(refused.warnings, QStringList { QStringLiteral("Erro de comunicação!") });
        QVERIFY(lastLine(refused.hrw.Config_Transmissor).isEmpty());
        QVERIFY(refused.registers.attempts.isEmpty());
    }

    void readingTwiceRunsTheHandlerTwice()
    {
        FakeWindow f;
        f.identify(OrvHead130);
        f.registers.parameters[1] = K;
        QCOMPARE(f.readStep(headrail::ReadConfigWordStep), Status::Ok);
        f.hrw.EdtLimitMaxSensor->setText(QStringLiteral("999"));
        f.hrw.Span_Minimo->clear();
        QCOMPARE(f.readStep(headrail::ReadConfigWordStep), Status::Ok);
        QCOMPARE(f.hrw.EdtLimitMaxSensor->text(), QStringLiteral("1370"));
        QCOMPARE(f.hrw.Span_Minimo->text(), QStringLiteral("100"));
    }

    void codeWithoutPosition_data()
    {
        QTest::addColumn<int>("identity");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("offsetA");
        QTest::addColumn<int>("gainB");
        QTest::newRow("code 12 on OrvHead") << OrvHead130 << 12 << 2389 << 11947;
        QTest::newRow("thermocouple B on a list without B") << OrvHead105 << 8 << 4778 << 4185;
    }
    void codeWithoutPosition()
    {
        FakeWindow f;
        f.identify(data<int>("identity"));
        f.select(K);
        f.hrw.EdtLimitMaxSensor->setText(QStringLiteral("500"));
        f.leave(f.hrw.EdtLimitMaxSensor);
        f.registers.parameters[1] = static_cast<qint16>(data<int>("code"));
        f.registers.parameters[10] = static_cast<qint16>(data<int>("offsetA"));
        f.registers.parameters[11] = static_cast<qint16>(data<int>("gainB"));
        QCOMPARE(f.readStep(headrail::ReadConfigWordStep), Status::Ok);
        QCOMPARE(f.hrw.SensorRadioGroup->itemIndex(), -1);
        QCOMPARE(f.hrw.Faixa_Maxima->text(), QStringLiteral("1370"));
        QCOMPARE(f.hrw.EdtLimitMaxSensor->text(), QStringLiteral("500"));
        QCOMPARE(text(f.hrw.LblZeroMax), QStringLiteral("25,0"));
        // The range is decoded on the K range still held.
        QCOMPARE(f.readStep(headrail::ReadRangeStep), Status::Ok);
        QCOMPARE(f.hrw.EdtLimitMinSensor->text(), QStringLiteral("0"));
        QCOMPARE(f.hrw.EdtLimitMaxSensor->text(), QStringLiteral("1000"));
    }

    void rangeNotDecoded_data()
    {
        QTest::addColumn<int>("identity");  // 0: no transmitter identified
        QTest::addColumn<int>("gainB");
        QTest::newRow("gain register 0") << OrvHead130 << 0;
        QTest::newRow("unknown model") << 0 << 11947;
    }
    void rangeNotDecoded()
    {
        QFETCH(int, identity);
        FakeWindow f;
        if (identity != 0)
            f.identify(identity);
        f.setLimits(QStringLiteral("10"), QStringLiteral("20"));
        f.registers.parameters[10] = 2389;
        f.registers.parameters[11] = static_cast<qint16>(data<int>("gainB"));
        QCOMPARE(f.readStep(headrail::ReadRangeStep), Status::Ok);
        QCOMPARE(f.hrw.EdtLimitMinSensor->text(), QStringLiteral("10"));
        QCOMPARE(f.hrw.EdtLimitMaxSensor->text(), QStringLiteral("20"));
    }

    void unitSwitch()
    {
        FakeWindow f;
        setUpK1000(f);
        f.leave(f.hrw.EdtLimitMaxSensor);
        f.fahrenheitUnit = true;
        f.headRail->unitChanged();
        const HeadRailWidgets& w = f.hrw;
        QCOMPARE(w.Faixa_Minima->text(), QStringLiteral("32"));
        QCOMPARE(w.Faixa_Maxima->text(), QStringLiteral("2498"));
        QCOMPARE(w.Span_Minimo->text(), QStringLiteral("180"));
        QCOMPARE(w.EdtLimitMinSensor->text(), QStringLiteral("0"));
        QCOMPARE(w.EdtLimitMaxSensor->text(), QStringLiteral("1000"));
        QCOMPARE(text(w.LblZeroMin), QStringLiteral("-50,0"));
        QCOMPARE(text(w.LblZeroMax), QStringLiteral("50,0"));
        QCOMPARE(w.unitLabels().front()->text(), QStringLiteral("°F"));

        // The same registers read in °F show the same physical range.
        f.registers.parameters[1] = K;
        f.registers.parameters[10] = 2389;
        f.registers.parameters[11] = 11947;
        QCOMPARE(f.readStep(headrail::ReadConfigWordStep), Status::Ok);
        QCOMPARE(f.readStep(headrail::ReadRangeStep), Status::Ok);
        QCOMPARE(w.EdtLimitMinSensor->text(), QStringLiteral("32"));
        QCOMPARE(w.EdtLimitMaxSensor->text(), QStringLiteral("1832"));

        f.fahrenheitUnit = false;
        f.headRail->unitChanged();
        QCOMPARE(w.Faixa_Maxima->text(), QStringLiteral("1370"));
        QCOMPARE(w.Span_Minimo->text(), QStringLiteral("100"));
        QCOMPARE(w.EdtLimitMaxSensor->text(), QStringLiteral("1832"));
        QCOMPARE(w.unitLabels().back()->text(), QStringLiteral("°C"));

        // An electrical input chosen in °F shows its own range, not the thermocouple's °F one.
        f.fahrenheitUnit = true;
        f.headRail->unitChanged();
        f.select(0);
        QCOMPARE((QStringList { w.Faixa_Minima->text(), w.Faixa_Maxima->text(), w.Span_Minimo->text() }),
            (QStringList { "0", "50", "5" }));
        QCOMPARE(w.unitLabels().front()->text(), QStringLiteral("mV"));
    }

    void unitSwitchWithoutSensorRange_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("0 - 50 mV") << 0;
        QTest::newRow("no selection") << -1;
    }
    void unitSwitchWithoutSensorRange()
    {
        FakeWindow f;
        f.identify(OrvHead130);
        f.select(K);
        f.select(data<int>("position"));
        const HeadRailWidgets& w = f.hrw;
        const QStringList before { w.Faixa_Minima->text(), w.Faixa_Maxima->text(), w.Span_Minimo->text(),
            w.EdtLimitMaxSensor->text(), w.unitLabels().front()->text(), text(w.LblZeroMax) };
        f.fahrenheitUnit = true;
        f.headRail->unitChanged();
        f.fahrenheitUnit = false;
        f.headRail->unitChanged();
        QCOMPARE((QStringList { w.Faixa_Minima->text(), w.Faixa_Maxima->text(), w.Span_Minimo->text(),
                     w.EdtLimitMaxSensor->text(), w.unitLabels().front()->text(), text(w.LblZeroMax) }),
            before);
    }
};

QTEST_MAIN(HeadRailPageTest)
#include "tst_headrail_page.moc"
