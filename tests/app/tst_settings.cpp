#include "app/shared/PortList.h"
#include "core/files/FileRead.h"
#include "core/files/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <sys/stat.h>
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
        if (text.contains('\0'))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("não é um arquivo de texto")));
        const AppSettings s = readSettings(path);
        QCOMPARE(s.PortSetting, port);
        QCOMPARE(s.portToOpen(), portToOpen);
        QCOMPARE(s.fahrenheit(), fahrenheit);
    }

    // The plant's server is read as the program's keys are, and never with a password.
    void plantServer_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("server");
        QTest::addColumn<bool>("refused");
        QTest::newRow("none") << QByteArray("[Parametros]\nPort=COM3\n") << "" << false;
        QTest::newRow("any case, blanks, quotes")
            << QByteArray("[REGISTRO]\r\nservidor = \"host=db dbname=korv\" \r\n") << "host=db dbname=korv" << false;
        QTest::newRow("exact spelling wins")
            << QByteArray("[registro]\nSERVIDOR=host=a\n[Registro]\nServidor=host=b\n") << "host=b" << false;
        QTest::newRow("password") << QByteArray("[Registro]\nServidor=host=db password =x\n") << "" << true;
    }
    void plantServer()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, server);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
        writeAll(path, text);
        if (refused)
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression(QStringLiteral("\\[Registro\\] Servidor traz uma senha")));
        const AppSettings s = readSettings(path);
        QCOMPARE(s.PlantServer, server);
        QCOMPARE(s.PlantServerRefused, refused);
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

    // The update changes the program's values and nothing else: unknown lines, a broken header,
    // another encoding and the line endings of a Windows editor stay as they were, with no copy
    // aside; a link stays a link, its target taking the update.
    void updateKeepsEveryOtherByte_data()
    {
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("updated");
        QTest::newRow("a section never closed")
            << false << QByteArray("[Parametros\r\nPort=COM3\r\n")
            << QByteArray("[Parametros\r\nPort=COM3\r\n\r\n[Parametros]\r\nPort=/dev/ttyUSB1\r\nTemperatura=F\r\n");
        QTest::newRow("garbage lines")
            << false
            << QByteArray(
                   "; bench 3\n[[[\n[Parametros]\nPort=COM3\n%%%\n=\n==Port\nTemperatura=C\n[Outra]\nPort=COM9\n")
            << QByteArray("; bench 3\n[[[\n[Parametros]\nPort=/dev/ttyUSB1\n%%%\n=\n==Port\n"
                          "Temperatura=F\n[Outra]\nPort=COM9\n");
        QTest::newRow("Latin-1 value")
            << false << QByteArray("[Parametros]\r\nPort=COM3\r\n[Outra]\r\nOutra=\xe7\xe3o\r\n")
            << QByteArray("[Parametros]\r\nPort=/dev/ttyUSB1\r\nTemperatura=F\r\n[Outra]\r\nOutra=\xe7\xe3o\r\n");
        QTest::newRow("Notepad: mark, blanks, quotes")
            << false << QByteArray("\xef\xbb\xbf[parametros]\r\nport = COM3\r\n; unit below\r\nTEMPERATURA = \"C\"\r\n")
            << QByteArray("\xef\xbb\xbf[parametros]\r\nport = /dev/ttyUSB1\r\n; unit below\r\nTEMPERATURA = F\r\n");
        QTest::newRow("the plant's server, read only")
            << false << QByteArray("[registro]\r\nservidor = 'host=db'\r\n[Parametros]\r\nPort=COM3\r\n")
            << QByteArray(
                   "[registro]\r\nservidor = 'host=db'\r\n[Parametros]\r\nPort=/dev/ttyUSB1\r\nTemperatura=F\r\n");
        QTest::newRow("fast exchange turned off")
            << false << QByteArray("[Parametros]\nRapida=1\nPort=COM3\nrapida=1\n")
            << QByteArray("[Parametros]\nPort=/dev/ttyUSB1\nTemperatura=F\n");
        QTest::newRow("link to notes without a last line end")
            << true << QByteArray("bench notes\nnothing else")
            << QByteArray("bench notes\nnothing else\n\n[Parametros]\nPort=/dev/ttyUSB1\nTemperatura=F\n");
    }
    void updateKeepsEveryOtherByte()
    {
        QFETCH(bool, throughLink);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, updated);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
        const QString target = throughLink ? dir.filePath(QStringLiteral("notes.txt")) : path;
        writeAll(target, text);
        QVERIFY(!throughLink || QFile::link(QStringLiteral("notes.txt"), path));
        const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
        AppSettings settings = readSettings(path);
        settings.PortSetting = QStringLiteral("/dev/ttyUSB1");
        settings.UnitSetting = QStringLiteral("F");
        settings.FastExchange = false;
        QVERIFY(writeSettings(path, settings));
        QCOMPARE(readAll(target), updated);
        QCOMPARE(QFileInfo(path).isSymLink(), throughLink);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden), files);
        const AppSettings back = readSettings(path);
        QVERIFY(back.PortSetting == settings.PortSetting && back.fahrenheit());
    }

    // What is not a regular text file of at most 1 MiB is never opened for reading as one (a FIFO
    // would hang the program) and never replaced: the defaults stand in for it, the user is told
    // once what it is, and the write at exit leaves it alone.
    void unusableFileIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("entry");  // "fifo", "folder", "->" and a link's target, or a file's bytes
        QTest::addColumn<QString>("told");
        QByteArray utf16("\xff\xfe", 2);
        for (const char c : QByteArray("[Parametros]\r\nPort=COM3\r\n"))
            utf16 += QByteArray(1, c) + '\0';
        QTest::newRow("FIFO") << QByteArray("fifo") << "é um FIFO, não um arquivo comum";
        QTest::newRow("folder") << QByteArray("folder") << "é uma pasta, não um arquivo comum";
        QTest::newRow("link to /dev/zero") << QByteArray("->/dev/zero") << "é um dispositivo, não um arquivo comum";
        QTest::newRow("1 MiB and a byte")
            << QByteArray("[Parametros]\nPort=COM3\n").leftJustified(MaxSettingsFileBytes + 1, ';')
            << "o arquivo é grande demais";
        QTest::newRow("UTF-16") << utf16 << "não é um arquivo de texto";
    }
    void unusableFileIsLeftAlone()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
        if (entry == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (entry == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (entry.startsWith("->"))
            QVERIFY(QFile::link(QString::fromUtf8(entry.mid(2)), path));
        else
            writeAll(path, entry);
        const auto before = fileIdentity(path);
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(u'^' + QRegularExpression::escape(QStringLiteral("%1: %2").arg(path, told))));
        QTest::failOnWarning(QRegularExpression(QRegularExpression::escape(path)));
        AppSettings settings = readSettings(path);
        QCOMPARE(settings.PortSetting, AppSettings::DefaultPort);
        settings.PortSetting = QStringLiteral("/dev/ttyUSB1");
        QVERIFY(!writeSettings(path, settings));
        QCOMPARE(fileIdentity(path), before);  // the same entry, untouched
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), 1);
    }

    // The superuser writes into any folder: as root, this case runs in a copy of this test under
    // the unprivileged account "nobody".
    void unwritableFolderIsReported()
    {
        if (::geteuid() == 0) {
            constexpr uint Nobody = 65534;
            QProcess copy;
            copy.setChildProcessModifier([] {
                const gid_t groups[] = { Nobody };
                if (::setgroups(1, groups) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                    ::_exit(77);
            });
            copy.setProcessChannelMode(QProcess::MergedChannels);
            copy.start(QCoreApplication::applicationFilePath(), { QString::fromLatin1(QTest::currentTestFunction()) });
            if (!copy.waitForStarted())
                QSKIP(qPrintable(copy.errorString()));
            QVERIFY(copy.waitForFinished(60000));
            if (copy.exitCode() == 77)
                QSKIP("This machine does not let the test drop root's privileges.");
            QVERIFY2(copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0, copy.readAll().constData());
            return;
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(QStringLiteral("^Não foi possível salvar as configurações em %1: ")
                                   .arg(QRegularExpression::escape(path))));
        const bool written = writeSettings(path, AppSettings {});
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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
