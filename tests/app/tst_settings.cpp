#include "app/PortList.h"
#include "app/Settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("fahrenheit");
        QTest::newRow("port 12, F") << QByteArray("[Parametros]\nPort=COM12\nTemperatura=F\n") << "COM12" << true;
        QTest::newRow("lower-case f counts as C") << QByteArray("[Parametros]\nPort=COM5\nTemperatura=f\n") << "COM5" << false;
        QTest::newRow("device path") << QByteArray("[Parametros]\nPort=/dev/ttyUSB0\n") << "/dev/ttyUSB0" << false;
        QTest::newRow("not a port falls back") << QByteArray("[Parametros]\nPort=COMx\nTemperatura=F\n") << "COM2" << true;
        QTest::newRow("port 0 falls back") << QByteArray("[Parametros]\nPort=COM0\n") << "COM2" << false;
        QTest::newRow("other section ignored") << QByteArray("[Other]\nPort=COM7\n") << "COM2" << false;
        QTest::newRow("broken file") << QByteArray("\x00\xff[Parametros\n=\n==Port\n", 20) << "COM2" << false;
    }
    void values()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, port);
        QFETCH(bool, fahrenheit);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
        writeAll(path, text);
        const AppSettings s = readSettings(path);
        QCOMPARE(s.PortSetting, port);
        QCOMPARE(s.fahrenheit(), fahrenheit);
    }

    void writtenFileKeepsSectionAndKeys()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new/folder/OrvSetup.ini"));
        QVERIFY(writeSettings(path, AppSettings{}));
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
        QVERIFY(writeSettings(path, AppSettings{}));
        const QByteArray before = readAll(path);
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        AppSettings changed;
        changed.PortSetting = QStringLiteral("/dev/ttyUSB3");
        QVERIFY(writeSettings(path, changed));
        QCOMPARE(old.readAll(), before);
        QVERIFY(readAll(path).contains("ttyUSB3"));
    }

    void portMenu()
    {
        const QList<PortDescription> ports = {
            {QStringLiteral("ttyS0"), QStringLiteral("/dev/ttyS0"), QString()},
            {QStringLiteral("ttyUSB0"), QStringLiteral("/dev/ttyUSB0"), QString(300, u'x')},
            {QStringLiteral("ttyACM0"), QStringLiteral("/dev/ttyACM0"), QStringLiteral("Interface")},
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
