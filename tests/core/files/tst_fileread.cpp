#include "core/files/FileRead.h"
#include "support/FifoGuard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>

using namespace korv;

// Files the user names are read only when they are regular files, and only up to a bound; anything
// else is named for what it is, and nothing blocks.
class FileReadTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsOnlyRegularFilesWithinTheBound_data()
    {
        // "file:" and its bytes, "link:" and its target, "fifo", "folder", "socket"; or nothing.
        QTest::addColumn<QString>("entry");
        QTest::addColumn<qint64>("bound");
        QTest::addColumn<QString>("error");  // a part of the reason; empty when the read succeeds
        QTest::newRow("empty file") << "file:" << qint64(16) << "";
        QTest::newRow("exactly the bound") << "file:0123456789abcdef" << qint64(16) << "";
        QTest::newRow("a byte over the bound")
            << "file:0123456789abcdefg" << qint64(16) << "o arquivo é grande demais (mais de 16 bytes)";
        QTest::newRow("nothing there") << "" << qint64(16) << "o arquivo não existe";
        QTest::newRow("link to nothing") << "link:missing" << qint64(16) << "o arquivo não existe";
        QTest::newRow("folder") << "folder" << qint64(16) << "é uma pasta, não um arquivo comum";
        QTest::newRow("FIFO") << "fifo" << qint64(16) << "é um FIFO, não um arquivo comum";
        QTest::newRow("link to a FIFO") << "link:fifo" << qint64(16) << "é um FIFO";
        QTest::newRow("link to /dev/zero") << "link:/dev/zero" << qint64(1 << 20) << "é um dispositivo";
        QTest::newRow("socket") << "socket" << qint64(16) << "é um socket";
        // Files of /proc give their size as 0 and have more: the bound holds while reading.
        QTest::newRow("larger than its size says") << "link:/proc/self/status" << qint64(1 << 20) << "";
        QTest::newRow("past the bound beyond its size") << "link:/proc/self/status" << qint64(16) << "grande demais";
    }
    void readsOnlyRegularFilesWithinTheBound()
    {
        QFETCH(QString, entry);
        QFETCH(qint64, bound);
        QFETCH(QString, error);
        QTemporaryDir dir;
        test::FifoGuard fifo(dir.filePath(QStringLiteral("fifo")));  // for the rows that name it
        QVERIFY(fifo.created());
        const QString path = dir.filePath(entry == u"fifo" ? QStringLiteral("fifo") : QStringLiteral("entry"));
        const QString argument = entry.section(u':', 1);
        if (entry.startsWith(u"file:")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(argument.toUtf8()) == argument.size());
        } else if (entry.startsWith(u"link:")) {
            QVERIFY(QFile::link(argument, path));
        } else if (entry == u"folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (entry == u"socket") {
            // The socket's entry stays when the socket is closed.
            sockaddr_un address { AF_UNIX, {} };
            qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const int bindResult = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
            ::close(fd);
            QCOMPARE(bindResult, 0);
        }

        const FileBytes read = readRegularFile(path, bound);
        QVERIFY2(!fifo.openedByReader(), "the FIFO was opened");
        QVERIFY2(error.isEmpty() ? read.ok() : read.error.contains(error), qPrintable(read.error));
        QCOMPARE(read.missing, error.contains(u"não existe"));
        QCOMPARE(fileIdentity(path).has_value(), !read.missing);
        QCOMPARE(nonRegularKind(path), error.startsWith(u"é ") ? error.mid(2).section(u',', 0, 0) : QString());
        QCOMPARE(read.bytes.isEmpty(), !read.ok() || entry == u"file:");
        if (read.ok()) {
            QVERIFY(entry.startsWith(u"file:") ? read.bytes == argument.toUtf8() : read.bytes.contains("Name:"));
            // The identity read with the bytes is that of the file at the path.
            QCOMPARE(std::optional<FileIdentity>(read.identity), fileIdentity(path));
        }
    }
};

QTEST_GUILESS_MAIN(FileReadTest)
#include "tst_fileread.moc"
