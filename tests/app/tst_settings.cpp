#include "app/PortList.h"
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

    static void runAsNobody(const QString& testFunction)
    {
        constexpr uint Nobody = 65534;
        constexpr int CouldNotDrop = 77;
        QProcess copy;
        copy.setChildProcessModifier([] {
            const gid_t groups[] = { Nobody };
            if (::setgroups(1, groups) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                ::_exit(CouldNotDrop);
        });
        copy.setProcessChannelMode(QProcess::MergedChannels);
        copy.start(QCoreApplication::applicationFilePath(), { testFunction });
        if (!copy.waitForStarted())
            QSKIP(qPrintable(QStringLiteral("This test could not start as \"nobody\": %1").arg(copy.errorString())));
        QVERIFY(copy.waitForFinished(60000));
        if (copy.exitCode() == CouldNotDrop)
            QSKIP("This machine does not let the test drop root's privileges.");
        QVERIFY2(copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0, copy.readAll().constData());
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
        // Bytes with a NUL are no text: the defaults, and the user is told.
        if (text.contains('\0'))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("não é um arquivo de texto")));
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

    // The update changes the program's values and nothing else: garbage lines, a broken header,
    // another encoding and the line endings of a Windows editor stay as they were, with no copy
    // aside; a file that is no text is left alone (the user is told once, at the read); a link
    // stays a link, its target taking the update.
    void updateKeepsEveryOtherByte_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("updated");  // null: left alone
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("a line without a key")
            << QByteArray("[Parametros]\r\nPort=COM3\r\nmy note about the bench\r\n")
            << QByteArray("[Parametros]\r\nPort=/dev/ttyUSB1\r\nTemperatura=F\r\nmy note about the bench\r\n") << false;
        QTest::newRow("a section never closed")
            << QByteArray("[Parametros\r\nPort=COM3\r\n")
            << QByteArray("[Parametros\r\nPort=COM3\r\n\r\n[Parametros]\r\nPort=/dev/ttyUSB1\r\nTemperatura=F\r\n")
            << false;
        QTest::newRow("garbage lines") << QByteArray(
            "; bench 3\n[Parametros]\nPort=COM3\n%%%\n=\n==Port\nTemperatura=C\n"
            "[Outra]\nPort=COM9\n")
                                       << QByteArray("; bench 3\n[Parametros]\nPort=/dev/ttyUSB1\n%%%\n=\n==Port\n"
                                                     "Temperatura=F\n[Outra]\nPort=COM9\n")
                                       << false;
        QTest::newRow("brackets") << QByteArray("[[[\n[Parametros]\nPort=COM3\nTemperatura=F")
                                  << QByteArray("[[[\n[Parametros]\nPort=/dev/ttyUSB1\nTemperatura=F") << false;
        QTest::newRow("Latin-1 value") << QByteArray("[Parametros]\r\nPort=COM3\r\n[Outra]\r\nOutra=\xe7\xe3o\r\n")
                                       << QByteArray("[Parametros]\r\nPort=/dev/ttyUSB1\r\nTemperatura=F\r\n[Outra]\r\n"
                                                     "Outra=\xe7\xe3o\r\n")
                                       << false;
        QTest::newRow("Notepad: mark, blanks, quotes")
            << QByteArray("\xef\xbb\xbf[parametros]\r\nport = COM3\r\n; unit below\r\nTEMPERATURA = \"C\"\r\n")
            << QByteArray("\xef\xbb\xbf[parametros]\r\nport = /dev/ttyUSB1\r\n; unit below\r\nTEMPERATURA = F\r\n")
            << false;
        QTest::newRow("fast exchange turned off")
            << QByteArray("[Parametros]\nRapida=1\nPort=COM3\nrapida=1\n")
            << QByteArray("[Parametros]\nPort=/dev/ttyUSB1\nTemperatura=F\n") << false;
        QByteArray utf16("\xff\xfe", 2);
        for (const char c : QByteArray("[Parametros]\r\nPort=COM3\r\n"))
            utf16 += QByteArray(1, c) + QByteArray(1, '\0');
        QTest::newRow("UTF-16") << utf16 << QByteArray() << false;
        QTest::newRow("binary") << QByteArray("\x7f"
                                              "ELF\x02\x01\x01\x00\x00\x00[Parametros]\n",
            20) << QByteArray() << false;
        QTest::newRow("link to notes") << QByteArray("bench notes\nnothing else")
                                       << QByteArray("bench notes\nnothing else\n\n[Parametros]\nPort=/dev/ttyUSB1\n"
                                                     "Temperatura=F\n")
                                       << true;
    }
    void updateKeepsEveryOtherByte()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, updated);
        QFETCH(bool, throughLink);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
        const QString target = throughLink ? dir.filePath(QStringLiteral("notes.txt")) : path;
        writeAll(target, text);
        if (throughLink)
            QVERIFY(QFile::link(QStringLiteral("notes.txt"), path));
        const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
        const QRegularExpression told(
            QStringLiteral("^%1: não é um arquivo de texto").arg(QRegularExpression::escape(path)));
        if (updated.isNull()) {
            QTest::ignoreMessage(QtWarningMsg, told);
            QTest::failOnWarning(told);
        }
        AppSettings settings = readSettings(path);
        settings.PortSetting = QStringLiteral("/dev/ttyUSB1");
        settings.UnitSetting = QStringLiteral("F");
        settings.FastExchange = false;
        QCOMPARE(writeSettings(path, settings), !updated.isNull());
        QCOMPARE(readAll(target), updated.isNull() ? text : updated);
        QCOMPARE(QFileInfo(path).isSymLink(), throughLink);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden), files);
        if (!updated.isNull()) {
            QCOMPARE(readSettings(path).PortSetting, settings.PortSetting);
            QVERIFY(readSettings(path).fahrenheit());
        }
    }

    // What is not a regular file of at most 1 MiB is never opened for reading as one (a FIFO would
    // hang the program) and never replaced: the defaults stand in for it, the user is told once
    // what it is, and the write at exit leaves it alone.
    void unusableFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told");
        QTest::newRow("FIFO") << "fifo"
                              << "é um FIFO, não um arquivo comum";
        QTest::newRow("folder") << "folder"
                                << "é uma pasta, não um arquivo comum";
        QTest::newRow("link to /dev/zero") << "zero"
                                           << "é um dispositivo, não um arquivo comum";
        QTest::newRow("over 1 MiB") << "large"
                                    << "o arquivo é grande demais";
    }
    void unusableFileIsLeftAlone()
    {
        QFETCH(QString, kind);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
        const QByteArray large = QByteArray("[Parametros]\nPort=COM3\n") + QByteArray(1024 * 1024, ';');
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (kind == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        else
            writeAll(path, large);
        const QFileInfo before(path);

        const QString message = QStringLiteral("%1: %2").arg(path, told);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(message)));
        QTest::failOnWarning(QRegularExpression(QRegularExpression::escape(path)));
        AppSettings settings = readSettings(path);
        QCOMPARE(settings.PortSetting, AppSettings::DefaultPort);
        settings.PortSetting = QStringLiteral("/dev/ttyUSB1");
        QVERIFY(!writeSettings(path, settings));

        const QFileInfo after(path);
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.lastModified(), before.lastModified());
        if (kind == QLatin1String("large"))
            QCOMPARE(readAll(path), large);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), 1);
    }

    // The superuser writes into any folder: as root, this case runs in a copy of this test under
    // the unprivileged account "nobody".
    void unwritableFolderIsReported()
    {
        if (::geteuid() == 0) {
            runAsNobody(QStringLiteral("unwritableFolderIsReported"));
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
