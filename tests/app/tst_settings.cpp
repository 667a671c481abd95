#include "app/PortList.h"
#include "core/Settings.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace korv;

class SettingsTest : public QObject {
    Q_OBJECT

    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void writeAll(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private Q_SLOTS:
    void defaultsWithoutFile()
    {
        QTemporaryDir dir;
        const AppSettings s = readSettings(dir.filePath(QStringLiteral("none/OrvSetup.ini")));
        QCOMPARE(s.PortSetting, QStringLiteral("COM2"));
        QCOMPARE(s.UnitSetting, QStringLiteral("C"));
        QVERIFY(!s.fahrenheit());
    }

    void values_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("port");  // as read, and as written back
        QTest::addColumn<QString>("portToOpen");
        QTest::addColumn<bool>("fahrenheit");
        QTest::newRow("port 12, F") << QByteArray("[Parametros]\nPort=COM12\nTemperatura=F\n") << "COM12"
                                    << "COM12" << true;
        QTest::newRow("lower-case f counts as C") << QByteArray("[Parametros]\nPort=COM5\nTemperatura=f\n") << "COM5"
                                                  << "COM5" << false;
        QTest::newRow("device path") << QByteArray("[Parametros]\nPort=/dev/ttyUSB0\n") << "/dev/ttyUSB0"
                                     << "/dev/ttyUSB0" << false;
        // Only a setting with no number after its first three characters falls back; a number that
        // names no device is kept, and opening it fails.
        QTest::newRow("letters fall back") << QByteArray("[Parametros]\nPort=COMx\nTemperatura=F\n") << "COMx"
                                           << "COM2" << true;
        QTest::newRow("no number falls back") << QByteArray("[Parametros]\nPort=COM\n") << "COM"
                                              << "COM2" << false;
        QTest::newRow("empty falls back") << QByteArray("[Parametros]\nPort=\n") << ""
                                          << "COM2" << false;
        QTest::newRow("other prefix") << QByteArray("[Parametros]\nPort=XYZ5\n") << "XYZ5"
                                      << "XYZ5" << false;
        QTest::newRow("port 0") << QByteArray("[Parametros]\nPort=COM0\n") << "COM0"
                                << "COM0" << false;
        QTest::newRow("port 300") << QByteArray("[Parametros]\nPort=COM300\n") << "COM300"
                                  << "COM300" << false;
        QTest::newRow("signed port") << QByteArray("[Parametros]\nPort=COM+5\n") << "COM+5"
                                     << "COM+5" << false;
        QTest::newRow("lower-case section and keys") << QByteArray("[parametros]\nport=COM7\ntemperatura=F\n") << "COM7"
                                                     << "COM7" << true;
        QTest::newRow("upper-case section and keys") << QByteArray("[PARAMETROS]\nPORT=COM7\nTEMPERATURA=F\n") << "COM7"
                                                     << "COM7" << true;
        QTest::newRow("mixed case") << QByteArray("[paraMETROS]\npOrT=COM9\n") << "COM9"
                                    << "COM9" << false;
        QTest::newRow("exact spelling wins") << QByteArray("[Parametros]\nPORT=COM8\nPort=COM4\n") << "COM4"
                                             << "COM4" << false;
        QTest::newRow("other section ignored") << QByteArray("[Other]\nPort=COM7\n") << "COM2"
                                               << "COM2" << false;
        QTest::newRow("broken file") << QByteArray("\x00\xff[Parametros\n=\n==Port\n", 20) << "COM2"
                                     << "COM2" << false;
    }
    void values()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, port);
        QFETCH(QString, portToOpen);
        QFETCH(bool, fahrenheit);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
        writeAll(path, text);
        const AppSettings s = readSettings(path);
        QCOMPARE(s.PortSetting, port);
        QCOMPARE(s.portToOpen(), portToOpen);
        QCOMPARE(s.fahrenheit(), fahrenheit);
    }

    void writtenBackAsRead_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("defaults") << QByteArray("[Parametros]\nPort=COM2\nTemperatura=C\n");
        QTest::newRow("other prefix") << QByteArray("[Parametros]\nPort=XYZ5\nTemperatura=F\n");
        QTest::newRow("port 0") << QByteArray("[Parametros]\nPort=COM0\nTemperatura=C\n");
        QTest::newRow("port 300") << QByteArray("[Parametros]\nPort=COM300\nTemperatura=C\n");
        QTest::newRow("signed port") << QByteArray("[Parametros]\nPort=COM+5\nTemperatura=C\n");
        QTest::newRow("no number") << QByteArray("[Parametros]\nPort=COMx\nTemperatura=F\n");
        QTest::newRow("lower-case unit") << QByteArray("[Parametros]\nPort=COM5\nTemperatura=f\n");
        QTest::newRow("upper-case names") << QByteArray("[PARAMETROS]\nPORT=COM+5\nTEMPERATURA=F\n");
        QTest::newRow("lower-case names") << QByteArray("[parametros]\nport=XYZ5\ntemperatura=C\n");
    }
    void writtenBackAsRead()
    {
        // A file the program wrote, or one edited by hand in its form, comes back byte for byte
        // when nothing was changed, and with no second section or key in another case.
        QFETCH(QByteArray, text);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
        writeAll(path, text);
        QVERIFY(writeSettings(path, readSettings(path)));
        QCOMPARE(readAll(path), text);
    }

    void writtenFileKeepsSectionAndKeys()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new/folder/OrvSetup.ini"));
        QVERIFY(writeSettings(path, AppSettings {}));
        const QByteArray text = readAll(path);
        QVERIFY(text.contains("[Parametros]"));
        QVERIFY(text.contains("Port=COM2"));
        QVERIFY(text.contains("Temperatura=C"));
        AppSettings changed;
        changed.PortSetting = QStringLiteral("COM5");
        changed.UnitSetting = QStringLiteral("F");
        QVERIFY(writeSettings(path, changed));
        QCOMPARE(readSettings(path).PortSetting, QStringLiteral("COM5"));
        QVERIFY(readSettings(path).fahrenheit());
    }

    void writeReplacesTheFileWhole()
    {
        // The new text arrives by renaming a finished file over the old one: a reader holding the
        // old file sees it whole, and a write cut short can never leave a truncated file behind.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
        QVERIFY(writeSettings(path, AppSettings {}));
        const QByteArray before = readAll(path);
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        AppSettings changed;
        changed.PortSetting = QStringLiteral("/dev/ttyUSB3");
        QVERIFY(writeSettings(path, changed));
        QCOMPARE(old.readAll(), before);
        QVERIFY(readAll(path).contains("ttyUSB3"));
    }

    // A file the INI reader cannot read whole: the settings are saved, and the user's own text is
    // kept aside byte for byte (never replacing an earlier copy), since the rewrite drops the
    // lines the reader did not understand.
    void unreadableFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("a line without a key") << QByteArray("[Parametros]\r\nPort=COM3\r\nmy note about the bench\r\n");
        QTest::newRow("a section never closed") << QByteArray("[Parametros\r\nPort=COM3\r\n");
    }
    void unreadableFileIsKeptAside()
    {
        QFETCH(QByteArray, text);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
        writeAll(path + QStringLiteral(".bak"), "an earlier copy");
        writeAll(path, text);
        AppSettings changed;
        changed.PortSetting = QStringLiteral("/dev/ttyUSB1");
        changed.UnitSetting = QStringLiteral("F");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not be read whole")));
        QVERIFY(writeSettings(path, changed));
        QCOMPARE(readAll(path + QStringLiteral(".bak")), QByteArray("an earlier copy"));
        QCOMPARE(readAll(path + QStringLiteral(".bak2")), text);
        QCOMPARE(readSettings(path).PortSetting, QStringLiteral("/dev/ttyUSB1"));
        QVERIFY(readSettings(path).fahrenheit());
        // A file that reads whole is not copied again.
        QVERIFY(writeSettings(path, changed));
        QVERIFY(!QFile::exists(path + QStringLiteral(".bak3")));
    }

    void unwritableFolderIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const bool written = writeSettings(dir.filePath(QStringLiteral("OrvSetup.ini")), AppSettings {});
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (::geteuid() == 0)
            QSKIP("the superuser writes into any folder");
        QVERIFY(!written);
    }

    void portMenu()
    {
        const QList<PortDescription> ports = {
            { QStringLiteral("ttyS0"), QStringLiteral("/dev/ttyS0"), QString() },
            { QStringLiteral("ttyUSB0"), QStringLiteral("/dev/ttyUSB0"), QString(300, u'x') },
            { QStringLiteral("ttyACM0"), QStringLiteral("/dev/ttyACM0"), QStringLiteral("Interface") },
        };
        const auto entries = portMenuEntries(ports);
#ifndef Q_OS_WIN
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].caption, QStringLiteral("/dev/ttyS0"));
        QCOMPARE(entries[1].caption.size(), 300 + 15);  // a long friendly name is kept whole
        QCOMPARE(entries[2].caption, QStringLiteral("Interface (/dev/ttyACM0)"));
        QCOMPARE(entries[2].portSetting, QStringLiteral("/dev/ttyACM0"));
        QVERIFY(samePort(QStringLiteral("COM1"), QStringLiteral("/dev/ttyS0")));
        QVERIFY(samePort(QStringLiteral("COM12"), QStringLiteral("/dev/ttyS11")));
        QVERIFY(!samePort(QStringLiteral("COM2"), QStringLiteral("/dev/ttyS0")));
#endif
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
