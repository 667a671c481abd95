#include "FakeCalibrationHost.h"
#include "WorkingDirectory.h"
#include "core/calibration/CalibrationBackup.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <thread>

using namespace korv;
using namespace korv::test;

class tst_CalibrationBackup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsInOrderAndAppends_data();
    void readsInOrderAndAppends();
    void failedReadAppendsNothing();
    void retriesUntilComplete();
    void fiveInputFileBytes();
    void humidityValueLinesEndInTabs();
    void existingFileIsNeverReplaced();
    void unwritableDirectory();
    void racingWritersLeaveOneWholeFile();
};

void tst_CalibrationBackup::readsInOrderAndAppends_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("reads");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("three inputs") << int(BackupVariant::ThreeInputs) << "P4 P5 P8 P9 P6 P7"
                                  << QStringList { "0-50mV:", "Offset: -3250\t\tGain: 12875", "",
                                         "TC:", "Offset: -1200\t\tGain: 13000", "",
                                         "Pt100:", "Offset: -300\t\tGain: 15000" };
    QTest::newRow("ambient") << int(BackupVariant::Ambient) << "P17 P18"
                             << QStringList { "Temperature Sensor:", "Offset: -20\t\tGain: 9500" };
    QTest::newRow("humidity") << int(BackupVariant::Humidity) << "P16 P17"
                              << QStringList { "RH Sensor:", "Offset: 10\t\t", "",
                                     "Temperature Sensor:", "Offset: -20\t\t" };
}

void tst_CalibrationBackup::readsInOrderAndAppends()
{
    QFETCH(int, variant);
    QFETCH(QString, reads);
    QFETCH(QStringList, lines);
    FakeCalibrationHost host;
    host.setUp(Model::OrvGalHead, 1, 0, 1000);
    QStringList list = backupHeaderLines();
    QCOMPARE(AddBackupLines(BackupVariant(variant), host.fake, Model::OrvGalHead, QStringLiteral("00012345"), list),
        Status::Ok);
    QCOMPARE(host.fake.reads.join(u' '), reads);
    const QStringList expected = QStringList { "OrvSetup - Calibration mode", "", "Transmitter model: OrvGalHead",
        "Serial number: 00012345", "", "Calibration data backup:" }
        + lines;
    QCOMPARE(list, expected);
}

void tst_CalibrationBackup::failedReadAppendsNothing()
{
    FakeCalibrationHost host;
    host.setUp(Model::OrvGalDin, 1, 0, 1000);
    host.fake.failingReads = { 9 };  // the very last register, 20
    QStringList list = backupHeaderLines();
    QCOMPARE(AddBackupLines(BackupVariant::FiveInputs, host.fake, host.transmitterModel, host.serial, list),
        Status::NoAnswer);
    QCOMPARE(list, backupHeaderLines());
    QCOMPARE(host.fake.reads.size(), 10);

    host.fake.parameters.remove(6);
    QCOMPARE(AddBackupLines(BackupVariant::FiveInputs, host.fake, host.transmitterModel, host.serial, list),
        Status::Refused);
    QCOMPARE(host.fake.reads.last(), QStringLiteral("P6"));
    QCOMPARE(list, backupHeaderLines());
}

void tst_CalibrationBackup::retriesUntilComplete()
{
    FakeCalibrationHost host;
    host.setUp(Model::OrvAmbient, 0, 0, 0);
    host.fake.failingReads = { 0, 3 };  // first call fails at 17, second at 18, third succeeds
    QStringList list = backupHeaderLines();
    QCOMPARE(addBackupLinesWithRetries(BackupVariant::Ambient, host.fake, host.transmitterModel, host.serial, list),
        Status::Ok);
    QCOMPARE(list.size(), 8);

    host.fake.failingReads = {};
    host.fake.failEveryRead = true;
    host.fake.reads.clear();
    list = backupHeaderLines();
    QCOMPARE(addBackupLinesWithRetries(BackupVariant::Ambient, host.fake, host.transmitterModel, host.serial, list),
        Status::NoAnswer);
    QCOMPARE(host.fake.reads.size(), 3);
    QCOMPARE(list, backupHeaderLines());
}

void tst_CalibrationBackup::fiveInputFileBytes()
{
    WorkingDirectory dir;
    QVERIFY(dir.isValid());
    FakeCalibrationHost host;
    host.setUp(Model::OrvGalDin, 12, 0, 20);
    QStringList list = backupHeaderLines();
    QCOMPARE(
        AddBackupLines(BackupVariant::FiveInputs, host.fake, host.transmitterModel, QStringLiteral("00012345"), list),
        Status::Ok);
    QCOMPARE(list.size(), 20);
    QCOMPARE(backupFileName(QStringLiteral("00012345")), QStringLiteral("00012345.txt"));
    QCOMPARE(saveBackupFile(QStringLiteral("00012345.txt"), list).outcome, BackupSaveResult::Saved);

    const QByteArray expected = "OrvSetup - Calibration mode\r\n"
                                "\r\n"
                                "Transmitter model: OrvGalDin\r\n"
                                "Serial number: 00012345\r\n"
                                "\r\n"
                                "Calibration data backup:\r\n"
                                "0-50mV:\r\n"
                                "Offset: -3250\t\tGain: 12875\r\n"
                                "\r\n"
                                "TC:\r\n"
                                "Offset: -1200\t\tGain: 13000\r\n"
                                "\r\n"
                                "Pt100:\r\n"
                                "Offset: -300\t\tGain: 15000\r\n"
                                "\r\n"
                                "0-10V:\r\n"
                                "Offset: -20\t\tGain: 9500\r\n"
                                "\r\n"
                                "0-20mA:\r\n"
                                "Offset: 250\t\tGain: 10100\r\n";
    QCOMPARE(WorkingDirectory::contents(QStringLiteral("00012345.txt")), expected);
}

void tst_CalibrationBackup::humidityValueLinesEndInTabs()
{
    FakeCalibrationHost host;
    host.setUp(Model::OrvHu, 0, 0, 0);
    host.fake.parameters[16] = -32768;
    QStringList list;
    QCOMPARE(AddBackupLines(BackupVariant::Humidity, host.fake, host.transmitterModel, host.serial, list), Status::Ok);
    const QByteArray bytes = backupFileContents(list);
    QVERIFY(bytes.contains("RH Sensor:\r\nOffset: -32768\t\t\r\n\r\nTemperature Sensor:\r\nOffset: -20\t\t\r\n"));
    QVERIFY(bytes.endsWith("\t\t\r\n"));
}

void tst_CalibrationBackup::existingFileIsNeverReplaced()
{
    WorkingDirectory dir;
    QVERIFY(dir.isValid());
    const QByteArray earlier = "earlier backup\r\n";
    {
        QFile file(QStringLiteral("00054321.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(earlier);
    }
    const BackupSaveResult result = saveBackupFile(QStringLiteral("00054321.txt"), { QStringLiteral("new") });
    QCOMPARE(result.outcome, BackupSaveResult::AlreadyExists);
    QCOMPARE(WorkingDirectory::contents(QStringLiteral("00054321.txt")), earlier);
}

void tst_CalibrationBackup::unwritableDirectory()
{
    WorkingDirectory dir;
    QVERIFY(dir.isValid());
    QVERIFY(WorkingDirectory::enterUnwritableDirectory(dir.path()));
    const BackupSaveResult result = saveBackupFile(QStringLiteral("00012345.txt"), backupHeaderLines());
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(result.outcome, BackupSaveResult::NotCreated);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/00012345.txt")));
}

// Two writers of the same backup at once, many times over: one saves, the other is told the file
// exists, and whoever is told so finds it whole; no temporary file is left behind.
void tst_CalibrationBackup::racingWritersLeaveOneWholeFile()
{
    WorkingDirectory dir;
    QVERIFY(dir.isValid());
    const QStringList first { QStringLiteral("first writer"), QString(200, u'a') };
    const QStringList second { QStringLiteral("second writer"), QString(300, u'b') };
    QStringList wrong;
    for (int round = 0; round < 200; ++round) {
        const QString name = QStringLiteral("%1.txt").arg(round, 8, 10, QLatin1Char('0'));
        BackupSaveResult results[2];
        QByteArray seenWhenTold[2];
        auto write = [&](int writer) {
            results[writer] = saveBackupFile(name, writer == 0 ? first : second);
            if (results[writer].outcome == BackupSaveResult::AlreadyExists)
                seenWhenTold[writer] = WorkingDirectory::contents(name);
        };
        std::thread other(write, 1);
        write(0);
        other.join();
        const QByteArray onDisk = WorkingDirectory::contents(name);
        const bool firstSaved = results[0].outcome == BackupSaveResult::Saved;
        const bool secondSaved = results[1].outcome == BackupSaveResult::Saved;
        const QByteArray expected = backupFileContents(firstSaved ? first : second);
        const bool oneSaved = firstSaved != secondSaved;
        const bool toldFindsIt
            = (firstSaved || seenWhenTold[0] == expected) && (secondSaved || seenWhenTold[1] == expected);
        if (!oneSaved || onDisk != expected || !toldFindsIt)
            wrong << QStringLiteral("round %1: outcomes %2/%3")
                         .arg(round)
                         .arg(int(results[0].outcome))
                         .arg(int(results[1].outcome));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 200);
}

QTEST_GUILESS_MAIN(tst_CalibrationBackup)
#include "tst_CalibrationBackup.moc"
