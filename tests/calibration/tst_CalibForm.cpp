#include "FakeCalibrationHost.h"
#include "WorkingDirectory.h"
#include "calibration/CalibForm.h"
#include "calibration/CalibrationSpinBox.h"
#include "calibration/LabelFit.h"
#include "support/FifoGuard.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <optional>

using namespace korv;
using namespace korv::test;

namespace {
using Writes = QList<QPair<int, int>>;
const QString CommunicationError = QStringLiteral("Erro de comunicação!");
const QString BackupFailed = QStringLiteral("Calibration backup failed: Apply is disabled.");
const QString Warning = QStringLiteral("Warning: Original calibration data will be modified");
QLineEdit* editOf(QWidget* field)
{
    return field->findChild<QLineEdit*>();
}
}  // namespace

class tst_CalibForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void init();
    void cleanup();

    void plainTemperatureReading();
    void fahrenheitThermocoupleUnit();
    void isolatedFourToTwentyUsesRegisters19And20();
    void humidityCaptionsAreRestored();
    void ambientWritesBackLastGain();
    void offsetBeyondRangeIsClampedAndWritten();
    void spinFieldReadsNonNumberAsMinimum();
    void spinFieldClampsWhenLeft();
    void spinFieldSteps();
    void readAllowanceIsShared_data();
    void readAllowanceIsShared();
    void failedLiveReadKeepsWriting();
    void writeMismatchIsNotRepeated();
    void failedWritesAreTriedThreeTimes();
    void secondOpeningKeepsFirstBackup();
    void unreadableTransmitterLeavesNoBackup_data();
    void unreadableTransmitterLeavesNoBackup();
    void unwritableDirectoryIsReported();
    void applyNeedsABackupOnDisk_data();
    void applyNeedsABackupOnDisk();
    void onlyThisTransmittersBackupCounts_data();
    void onlyThisTransmittersBackupCounts();
    void invalidModel();
    void unsupportedInputIsNeverAddressed();
    void showingRunsTheSequence();
    void textsAreNotClipped_data();
    void textsAreNotClipped();
    void wideFontsShrinkToFit_data();
    void wideFontsShrinkToFit();

private:
    template <typename T> T* child(const char* name) { return form->findChild<T*>(QLatin1String(name)); }
    QString text(const char* name) { return child<QLabel>(name)->text(); }
    CalibrationSpinBox* offsetField() { return child<CalibrationSpinBox>("CSpinOffset"); }
    CalibrationSpinBox* gainField() { return child<CalibrationSpinBox>("CSpinGanho"); }
    QPushButton* applyButton() { return child<QPushButton>("ApplyButton"); }
    QStringList plainBoxes() const;
    void verifyNothingClipped();

    FakeCalibrationHost* host = nullptr;
    CalibForm* form = nullptr;
    WorkingDirectory* dir = nullptr;
};

void tst_CalibForm::init()
{
    dir = new WorkingDirectory;
    QVERIFY(dir->isValid());
    host = new FakeCalibrationHost;
    host->setUp(Model::OrvHead, 1, 0, 1000);
    form = new CalibForm(host);
}

void tst_CalibForm::cleanup()
{
    delete form;
    delete host;
    delete dir;
}

QStringList tst_CalibForm::plainBoxes() const
{
    QStringList out;
    for (const auto& box : host->recorder.shown) {
        if (!box.isWarning)
            out << box.caption + u'|' + box.text;
    }
    return out;
}

void tst_CalibForm::plainTemperatureReading()
{
    form->FormShow();
    QCOMPARE(text("PVLabel"), QStringLiteral("500,0°C"));
    QCOMPARE(text("OffsLimitsLabel"), QStringLiteral("-3000 to -500"));
    QCOMPARE(text("GainLimitsLabel"), QStringLiteral("11000 to 15000"));
    QCOMPARE(offsetField()->value(), -1200);
    QCOMPARE(gainField()->value(), 13000);
    QVERIFY(host->warnings.isEmpty());
    QVERIFY(applyButton()->isEnabled());

    host->fake.memory[55] = 16369;
    form->RefreshCalibration();
    QCOMPARE(text("PVLabel"), QStringLiteral("Invalid Input"));
    QCOMPARE(host->fake.reads.last(), QStringLiteral("P9"));  // the internal values are still read
}

void tst_CalibForm::fahrenheitThermocoupleUnit()
{
    host->celsius = false;
    host->low = 32;
    host->high = 1832;
    form->FormShow();
    QCOMPARE(form->calibrationUnit(), QStringLiteral("°F"));
    QCOMPARE(text("PVLabel"), QStringLiteral("932,0°F"));
}

void tst_CalibForm::isolatedFourToTwentyUsesRegisters19And20()
{
    host->setUp(Model::OrvGalDin, 12, 4, 20);
    form->FormShow();
    QCOMPARE(text("OffsLimitsLabel"), QStringLiteral("-1000 to 3000"));
    QCOMPARE(form->calibrationUnit(), QStringLiteral("mA"));
    QCOMPARE(text("PVLabel"), QStringLiteral("12,0mA"));
    QCOMPARE(host->fake.reads.mid(host->fake.reads.size() - 3), QStringList({ "R103", "P19", "P20" }));
    offsetField()->setValue(300);
    gainField()->setValue(10050);
    QStringList duringWrites;
    host->fake.beforeWrite
        = [&] { duringWrites << text("PVLabel") + (applyButton()->isEnabled() ? " enabled" : " disabled"); };
    form->ApplyButtonClick();
    QCOMPARE(duringWrites, QStringList({ "Writing... disabled", "Writing... disabled" }));
    QVERIFY(applyButton()->isEnabled());
    QCOMPARE(host->fake.writes, Writes({ { 19, 300 }, { 20, 10050 } }));
    QCOMPARE(offsetField()->value(), 300);
}

void tst_CalibForm::humidityCaptionsAreRestored()
{
    host->setUp(Model::OrvHu, 0, 0, 0);
    form->FormShow();
    QCOMPARE(text("Label2"), QStringLiteral("RH offset limits"));
    QCOMPARE(text("Label3"), QStringLiteral("T offset limits"));
    QCOMPARE(text("PVLabel"), QStringLiteral("50,0%;  0,0ºC"));
    QCOMPARE(offsetField()->value(), 10);
    QCOMPARE(gainField()->value(), -20);

    host->setUp(Model::OrvGalHead, 9, -200, 600);
    form->FormShow();
    QCOMPARE(text("Label2"), QStringLiteral("Offset limits"));
    QCOMPARE(text("Label3"), QStringLiteral("Gain limits"));
    QCOMPARE(text("PVLabel"), QStringLiteral("200,0°C"));
}

void tst_CalibForm::ambientWritesBackLastGain()
{
    host->setUp(Model::OrvAmbient, 0, 0, 0);
    host->fake.parameters[18] = 25000;  // beyond what the gain field can hold
    host->fake.memory[60] = 8000;
    form->FormShow();
    QCOMPARE(text("PVLabel"), QStringLiteral("35 °C"));
    QCOMPARE(text("GainLimitsLabel"), QStringLiteral("Unavailable"));
    QVERIFY(!gainField()->isEnabled());
    QCOMPARE(gainField()->value(), 20000);
    offsetField()->setValue(-7);
    form->ApplyButtonClick();
    QCOMPARE(host->fake.writes, Writes({ { 17, -7 }, { 18, 25000 } }));
}

void tst_CalibForm::offsetBeyondRangeIsClampedAndWritten()
{
    host->fake.parameters[8] = -25000;
    form->FormShow();
    QCOMPARE(offsetField()->text(), QStringLiteral("-20000"));
    form->ApplyButtonClick();
    QCOMPARE(host->fake.writes, Writes({ { 8, -20000 }, { 9, 13000 } }));
    QCOMPARE(offsetField()->value(), -20000);  // what the transmitter now holds
}

void tst_CalibForm::spinFieldReadsNonNumberAsMinimum()
{
    form->FormShow();
    editOf(offsetField())->setText(QStringLiteral("12a"));
    editOf(gainField())->setText(QString());
    form->ApplyButtonClick();
    QCOMPARE(host->fake.writes, Writes({ { 8, -20000 }, { 9, -10000 } }));
}

void tst_CalibForm::spinFieldClampsWhenLeft()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    offsetField()->setFocus();
    editOf(offsetField())->clear();
    QTest::keyClicks(offsetField(), QStringLiteral("25000"));
    QCOMPARE(offsetField()->text(), QStringLiteral("25000"));
    gainField()->setFocus();
    QCOMPARE(offsetField()->text(), QStringLiteral("20000"));
    QTest::keyClicks(gainField(), QStringLiteral("x"));  // letters are not taken
    QCOMPARE(gainField()->text(), QStringLiteral("13000"));
}

void tst_CalibForm::spinFieldSteps()
{
    CalibrationSpinBox field(-10000, 20000);
    field.setValue(19999);
    QTest::keyClick(&field, Qt::Key_Up);
    QCOMPARE(field.value(), 20000);
    QTest::keyClick(&field, Qt::Key_Up);
    QCOMPARE(field.value(), 20000);
    field.stepBy(-3);
    QCOMPARE(field.value(), 19997);
    field.setValue(-10000);
    QTest::keyClick(&field, Qt::Key_Down);
    QCOMPARE(field.value(), -10000);
}

void tst_CalibForm::readAllowanceIsShared_data()
{
    QTest::addColumn<QList<int>>("failing");  // read numbers counted from the refresh's first read
    QTest::addColumn<bool>("internalValuesRead");
    QTest::newRow("live read at third attempt leaves one") << QList<int> { 0, 1, 3 } << false;
    QTest::newRow("live read at second attempt leaves two") << QList<int> { 0, 2 } << true;
    QTest::newRow("first attempts succeed") << QList<int> {} << true;
}

void tst_CalibForm::readAllowanceIsShared()
{
    QFETCH(QList<int>, failing);
    QFETCH(bool, internalValuesRead);
    offsetField()->setValue(77);
    for (int number : failing)
        host->fake.failingReads.insert(number);
    form->RefreshCalibration();
    QCOMPARE(text("PVLabel"), QStringLiteral("500,0°C"));
    QCOMPARE(offsetField()->value(), internalValuesRead ? -1200 : 77);
    QCOMPARE(host->warnings, internalValuesRead ? QStringList() : QStringList { CommunicationError });
}

void tst_CalibForm::failedLiveReadKeepsWriting()
{
    form->FormShow();
    host->fake.memory.remove(55);
    form->ApplyButtonClick();
    QCOMPARE(text("PVLabel"), QStringLiteral("Writing..."));
    QCOMPARE(host->warnings, QStringList { CommunicationError });
    QVERIFY(applyButton()->isEnabled());
}

void tst_CalibForm::writeMismatchIsNotRepeated()
{
    form->FormShow();
    host->fake.notKept = { 8 };
    offsetField()->setValue(-900);
    form->ApplyButtonClick();
    QCOMPARE(host->fake.writes, Writes({ { 8, -900 }, { 9, 13000 } }));
    QCOMPARE(host->warnings, QStringList { QStringLiteral("Erro de escrita!") });
    QCOMPARE(offsetField()->value(), -1200);  // what the transmitter kept
}

void tst_CalibForm::failedWritesAreTriedThreeTimes()
{
    form->FormShow();
    host->fake.failingWrites = 3;
    form->ApplyButtonClick();
    QVERIFY(host->fake.writes.isEmpty());
    QCOMPARE(host->fake.failingWrites, 0);
    QVERIFY(host->warnings.isEmpty());
    QCOMPARE(text("PVLabel"), QStringLiteral("500,0°C"));
}

void tst_CalibForm::secondOpeningKeepsFirstBackup()
{
    form->FormShow();
    const QByteArray first = WorkingDirectory::contents(QStringLiteral("00012345.txt"));
    QVERIFY(first.startsWith("OrvSetup - Calibration mode\r\n\r\nTransmitter model: OrvHead\r\n"));
    QVERIFY(plainBoxes().isEmpty());

    host->fake.parameters[4] = 1;
    form->FormShow();
    QCOMPARE(WorkingDirectory::contents(QStringLiteral("00012345.txt")), first);
    QCOMPARE(plainBoxes(), QStringList { "Warning|Calibration backup file already exists!" });
    QVERIFY(applyButton()->isEnabled());
}

void tst_CalibForm::unreadableTransmitterLeavesNoBackup_data()
{
    QTest::addColumn<bool>("refreshFails");
    QTest::addColumn<QStringList>("warnings");
    // Only the refresh reports a failed read; the backup gives up without a box of its own.
    QTest::newRow("nothing answers") << true << QStringList { CommunicationError };
    QTest::newRow("only the backup's reads fail") << false << QStringList {};
}

void tst_CalibForm::unreadableTransmitterLeavesNoBackup()
{
    QFETCH(bool, refreshFails);
    QFETCH(QStringList, warnings);
    if (refreshFails)
        host->fake.failEveryRead = true;
    else
        host->fake.failingReads = { 0, 1, 2 };
    form->FormShow();
    QVERIFY(!QFile::exists(QStringLiteral("00012345.txt")));
    QCOMPARE(host->fake.reads.mid(0, 3), QStringList({ "P4", "P4", "P4" }));
    QCOMPARE(host->warnings, warnings);
    QVERIFY(host->recorder.shown.isEmpty());
    QCOMPARE(offsetField()->value() == -1200, !refreshFails);

    host->fake.failEveryRead = false;
    form->FormShow();
    QCOMPARE(WorkingDirectory::contents(QStringLiteral("00012345.txt")).count("\r\n"), 14);
}

void tst_CalibForm::unwritableDirectoryIsReported()
{
    QVERIFY(WorkingDirectory::enterUnwritableDirectory(dir->path()));
    form->FormShow();
    QFile::setPermissions(dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QStringList boxes = plainBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes[0].startsWith(QStringLiteral("Warning|Calibration backup file could not be created: ")),
        qPrintable(boxes[0]));
    QVERIFY(boxes[0].size() > 60);  // the reason follows
    QCOMPARE(text("PVLabel"), QStringLiteral("500,0°C"));  // the refresh still ran
    QVERIFY(!applyButton()->isEnabled());
    QCOMPARE(text("Label1"), BackupFailed);
}

void tst_CalibForm::applyNeedsABackupOnDisk_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("sensorCode");
    QTest::addColumn<int>("refused");
    const QList<int> inputs = { 4, 5, 8, 9, 6, 7 };
    const QList<std::tuple<Model, int, QList<int>>> models
        = { { Model::OrvHead, 1, inputs }, { Model::OrvDin, 1, inputs }, { Model::OrvGalHead, 9, inputs },
              { Model::OrvGalDin, 12, inputs + QList<int> { 17, 18, 19, 20 } }, { Model::OrvAmbient, 0, { 17, 18 } },
              { Model::OrvHu, 0, { 16, 17 } } };
    for (const auto& [model, sensorCode, registers] : models) {
        for (int address : registers)
            QTest::addRow("%s register %d", qPrintable(modelString(model)), address) << model << sensorCode << address;
    }
}

// Refused, answered, then refused again once a backup is on disk: Apply is offered with the backup.
void tst_CalibForm::applyNeedsABackupOnDisk()
{
    QFETCH(Model, model);
    QFETCH(int, sensorCode);
    QFETCH(int, refused);
    host->setUp(model, sensorCode, 0, 100);
    const auto open = [this] {
        host->recorder.clear();
        form->FormShow();
        return QStringList { text("Label1"), applyButton()->isEnabled() ? "Apply" : "no Apply",
            QFile::exists(QStringLiteral("00012345.txt")) ? "backup" : "no backup" }
        + plainBoxes();
    };
    const qint16 kept = host->fake.parameters.take(refused);
    QCOMPARE(open(), (QStringList { BackupFailed, "no Apply", "no backup" }));
    form->ApplyButtonClick();
    QVERIFY(host->fake.writes.isEmpty());
    host->fake.parameters[refused] = kept;
    QCOMPARE(open(), (QStringList { Warning, "Apply", "backup" }));
    host->fake.parameters.remove(refused);
    QCOMPARE(open(), (QStringList { Warning, "Apply", "backup", "Warning|Calibration backup file already exists!" }));
}

namespace {
// An OrvHead backup as the window writes it, for the serial number given.
QByteArray headBackup(const char* serial)
{
    return QByteArray("OrvSetup - Calibration mode\r\n\r\nTransmitter model: OrvHead\r\nSerial number: ") + serial
        + "\r\n\r\nCalibration data backup:\r\n0-50mV:\r\nOffset: -3000\t\tGain: 12000\r\n\r\nTC:\r\n"
          "Offset: -1800\t\tGain: 13100\r\n\r\nPt100:\r\nOffset: 0\t\tGain: 15000\r\n";
}
}  // namespace

// Whatever holds the backup's name counts only when it is this transmitter's backup: anything else
// is named, keeps Apply disabled and stays as it was.
void tst_CalibForm::onlyThisTransmittersBackupCounts_data()
{
    QTest::addColumn<QString>("occupant");  // "folder", "fifo", "->target" or the file's bytes
    QTest::addColumn<QString>("reason");  // empty: it is the backup
    const QString notOurs = QStringLiteral("não é uma cópia de calibração deste transmissor");
    QTest::newRow("empty file") << QString() << "está vazio";
    QTest::newRow("folder") << "folder"
                            << "é uma pasta";
    QTest::newRow("FIFO") << "fifo"
                          << "é um FIFO";
    QTest::newRow("link to /dev/null") << "->/dev/null"
                                       << "é um dispositivo";
    QTest::newRow("dangling link") << "->gone.txt"
                                   << "é um link para";
    QTest::newRow("garbage") << "OrvSetup - Calibration mode\r\n\xff\x01" << notOurs;
    QTest::newRow("another transmitter's backup") << QString::fromLatin1(headBackup("00012346")) << notOurs;
    QTest::newRow("a backup cut short") << QString::fromLatin1(headBackup("00012345").chopped(2)) << notOurs;
    QTest::newRow("this transmitter's backup") << QString::fromLatin1(headBackup("00012345")) << QString();
}

void tst_CalibForm::onlyThisTransmittersBackupCounts()
{
    QFETCH(QString, occupant);
    QFETCH(QString, reason);
    const QString name = QStringLiteral("00012345.txt");
    std::optional<FifoGuard> fifo;
    if (occupant == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(name));
    else if (occupant == QLatin1String("fifo"))
        QVERIFY(fifo.emplace(name).created());
    else if (occupant.startsWith(QLatin1String("->")))
        QVERIFY(QFile::link(occupant.mid(2), name));
    else
        QVERIFY(dir->writeFile(name, occupant.toLatin1()));
    const QFileInfo before(name);
    form->FormShow();
    form->ApplyButtonClick();

    const QFileInfo after(name);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isDir(), before.isDir());
    if (before.isFile())
        QCOMPARE(WorkingDirectory::contents(name), occupant.toLatin1());
    QVERIFY(!fifo || !fifo->openedByReader());
    QVERIFY(host->recorded);
    if (reason.isEmpty()) {
        QCOMPARE(plainBoxes(), QStringList { "Warning|Calibration backup file already exists!" });
        QCOMPARE(host->fake.writes.size(), 2);
        QCOMPARE(host->recorded->backupText, occupant);
        return;
    }
    QCOMPARE(plainBoxes().size(), 1);
    QVERIFY2(plainBoxes()[0].startsWith(QStringLiteral("Warning|Calibration backup failed: %1: %2").arg(name, reason)),
        qPrintable(plainBoxes()[0]));
    QCOMPARE(text("Label1"), BackupFailed);
    QVERIFY(!applyButton()->isEnabled());
    QVERIFY(host->fake.writes.isEmpty());
    QVERIFY(host->recorded->backupText.isEmpty());
}

void tst_CalibForm::invalidModel()
{
    host->setUp(Model::OrvH, 1, -50, 150);
    form->FormShow();
    QCOMPARE(plainBoxes(), QStringList { "Invalid model!|Invalid model for calibration!" });
    QVERIFY(!applyButton()->isEnabled());
    QVERIFY(QDir().entryList(QDir::Files).isEmpty());
    QCOMPARE(host->fake.reads, QStringList({ "R103", "P8", "P9" }));  // the refresh reads as for an isolated model
    QCOMPARE(text("PVLabel"), QStringLiteral("50,0°C"));

    form->ApplyButtonClick();
    QVERIFY(host->fake.writes.isEmpty());

    // A later opening for a supported model offers Apply again.
    host->setUp(Model::OrvGalHead, 1, -50, 150);
    form->FormShow();
    QVERIFY(applyButton()->isEnabled());
}

void tst_CalibForm::unsupportedInputIsNeverAddressed()
{
    form->FormShow();
    host->setUp(Model::OrvGalDin, 13, 0, 100);
    host->fake.reads.clear();
    form->FormShow();
    QCOMPARE(text("PVLabel"), QStringLiteral("Unsupported input"));
    QVERIFY(!applyButton()->isEnabled());
    QCOMPARE(host->fake.reads.size(), 10);  // the backup only
    QCOMPARE(text("OffsLimitsLabel"), QStringLiteral("-3000 to -500"));  // nothing new to show
    form->ApplyButtonClick();
    QVERIFY(host->fake.writes.isEmpty());

    // A plain model reporting 0-10 V has registers in the map but no row of limits: the limit
    // texts keep what they showed and the registers are read.
    host->setUp(Model::OrvDin, 10, 0, 10);
    form->FormShow();
    QVERIFY(text("PVLabel") != QStringLiteral("Unsupported input"));
    QCOMPARE(text("OffsLimitsLabel"), QStringLiteral("-3000 to -500"));
    QVERIFY(applyButton()->isEnabled());
}

void tst_CalibForm::showingRunsTheSequence()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(host->fake.reads.count(QStringLiteral("R55")), 1);
    QVERIFY(QFile::exists(QStringLiteral("00012345.txt")));
    QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
}

void tst_CalibForm::textsAreNotClipped_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("raw");
    QTest::newRow("humidity") << Model::OrvHu << 0 << 1000;
    QTest::newRow("isolated mV") << Model::OrvGalDin << 0 << 21000;
    QTest::newRow("isolated 0-10 V") << Model::OrvGalDin << 10 << 21000;
    QTest::newRow("ambient") << Model::OrvAmbient << 0 << -32768;
    QTest::newRow("unsupported input") << Model::OrvGalDin << 20 << 0;
    QTest::newRow("invalid input") << Model::OrvHead << 9 << -1;
}

void tst_CalibForm::textsAreNotClipped()
{
    QFETCH(Model, model);
    QFETCH(int, code);
    QFETCH(int, raw);
    host->setUp(model, code, -200, 1800);
    host->celsius = false;
    host->fake.memory[58] = 11000;
    host->fake.memory[60] = qint16(raw);
    host->fake.memory[103] = qint16(raw);
    host->fake.memory[55] = qint16(raw);
    form->show();  // lays the spin fields out
    QVERIFY(QTest::qWaitForWindowExposed(form));
    verifyNothingClipped();
}

void tst_CalibForm::wideFontsShrinkToFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<int>("basePixelSize");
    QTest::newRow("one line") << "Warning: Original calibration data will be modified" << QSize(347, 16) << false << 13;
    QTest::newRow("wrapped") << "RH offset limits" << QSize(78, 28) << true << 16;
    QTest::newRow("already fits") << "Close" << QSize(76, 25) << false << 11;
}

void tst_CalibForm::wideFontsShrinkToFit()
{
    QFETCH(QString, text);
    QFETCH(QSize, size);
    QFETCH(bool, wordWrap);
    QFETCH(int, basePixelSize);
    QLabel label(text);
    QFont wide(QStringLiteral("DejaVu Sans"));
    wide.setBold(true);
    wide.setPixelSize(basePixelSize);
    label.setFont(wide);
    label.setWordWrap(wordWrap);
    label.resize(size);
    const bool fittedAtFirst = labelTextFits(&label);
    fitLabelFont(&label, basePixelSize);
    QVERIFY(labelTextFits(&label));
    QCOMPARE(label.font().pixelSize() < basePixelSize, !fittedAtFirst);
    QCOMPARE(label.font().bold(), true);
}

void tst_CalibForm::verifyNothingClipped()
{
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        QVERIFY(form->rect().contains(label->geometry()));
        if (label->wordWrap())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
        else
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->contentsRect().width(),
                qPrintable(label->text()));
    }
    for (CalibrationSpinBox* field : { offsetField(), gainField() }) {
        const QLineEdit* edit = editOf(field);
        QVERIFY(
            QFontMetrics(edit->font()).horizontalAdvance(QStringLiteral("-20000")) + 4 <= edit->contentsRect().width());
    }
    const QLabel* pv = child<QLabel>("PVLabel");
    QVERIFY2(QFontMetrics(pv->font()).horizontalAdvance(pv->text()) <= pv->width(), qPrintable(pv->text()));
}

QTEST_MAIN(tst_CalibForm)
#include "tst_CalibForm.moc"
