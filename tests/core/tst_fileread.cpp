#include "FifoGuard.h"
#include "core/files/FileRead.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

#include <sys/socket.h>
#include <sys/un.h>

using namespace korv;

// Reading files the user names: only regular files are opened, and only up to a bound; anything
// else is named for what it is, and nothing blocks.
class FileReadTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsOnlyRegularFilesWithinTheBound_data()
    {
        QTest::addColumn<QString>("entry");  // what the test puts at the path
        QTest::addColumn<qint64>("bound");
        QTest::addColumn<QString>("error");  // a part of the reason, or empty when the read succeeds
        QTest::addColumn<QString>("kind");  // what nonRegularKind says
        QTest::newRow("regular file") << "file:abc" << qint64(16) << ""
                                      << "";
        QTest::newRow("empty file") << "file:" << qint64(16) << ""
                                    << "";
        QTest::newRow("exactly the bound") << "file:0123456789abcdef" << qint64(16) << ""
                                           << "";
        QTest::newRow("one byte over the bound")
            << "file:0123456789abcdefg" << qint64(16) << "o arquivo é grande demais (mais de 16 bytes)"
            << "";
        QTest::newRow("nothing there") << "none" << qint64(16) << "o arquivo não existe"
                                       << "";
        QTest::newRow("link to nothing") << "link:missing" << qint64(16) << "o arquivo não existe"
                                         << "";
        QTest::newRow("folder") << "folder" << qint64(16) << "é uma pasta, não um arquivo comum"
                                << "uma pasta";
        QTest::newRow("FIFO") << "fifo" << qint64(16) << "é um FIFO, não um arquivo comum"
                              << "um FIFO";
        QTest::newRow("link to a FIFO") << "link:fifo" << qint64(16) << "é um FIFO"
                                        << "um FIFO";
        QTest::newRow("link to /dev/zero") << "link:/dev/zero" << qint64(1 << 20) << "é um dispositivo"
                                           << "um dispositivo";
        QTest::newRow("socket") << "socket" << qint64(16) << "é um socket"
                                << "um socket";
        // Files of /proc give their size as 0 and have more: the bound still holds while reading.
        QTest::newRow("larger than its size says") << "link:/proc/self/status" << qint64(1 << 20) << ""
                                                   << "";
        QTest::newRow("past the bound beyond its size") << "link:/proc/self/status" << qint64(16) << "grande demais"
                                                        << "";
    }
    void readsOnlyRegularFilesWithinTheBound()
    {
        QFETCH(QString, entry);
        QFETCH(qint64, bound);
        QFETCH(QString, error);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("entry"));
        std::unique_ptr<test::FifoGuard> fifo;
        int socketFd = -1;
        auto closeSocket = qScopeGuard([&socketFd] {
            if (socketFd >= 0)
                ::close(socketFd);
        });
        QByteArray contents;
        if (entry.startsWith(QLatin1String("file:"))) {
            contents = entry.mid(5).toUtf8();
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        } else if (entry == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("entry")));
        } else if (entry == QLatin1String("fifo")) {
            fifo = std::make_unique<test::FifoGuard>(path);
        } else if (entry == QLatin1String("link:fifo")) {
            fifo = std::make_unique<test::FifoGuard>(dir.filePath(QStringLiteral("fifo")));
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("fifo")), path));
        } else if (entry.startsWith(QLatin1String("link:"))) {
            const QString target = entry.mid(5);
            QVERIFY(QFile::link(target.startsWith(u'/') ? target : dir.filePath(target), path));
        } else if (entry == QLatin1String("socket")) {
            socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address {};
            address.sun_family = AF_UNIX;
            const QByteArray name = QFile::encodeName(path);
            QVERIFY(socketFd >= 0 && size_t(name.size()) < sizeof(address.sun_path));
            std::copy(name.begin(), name.end(), address.sun_path);
            QCOMPARE(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        }
        if (fifo)
            QVERIFY(fifo->created());

        const FileBytes read = readRegularFile(path, bound);
        if (fifo)
            QVERIFY2(!fifo->openedByReader(), "the FIFO was opened");
        QVERIFY2(error.isEmpty() ? read.ok() : read.error.contains(error), qPrintable(read.error));
        QCOMPARE(read.missing, entry == QLatin1String("none") || entry == QLatin1String("link:missing"));
        QCOMPARE(nonRegularKind(path), kind);
        if (!read.ok()) {
            QVERIFY(read.bytes.isEmpty());
            return;
        }
        if (entry.startsWith(QLatin1String("file:")))
            QCOMPARE(read.bytes, contents);
        else
            QVERIFY(read.bytes.contains("Name:"));
        // The identity read with the bytes is that of the file at the path.
        QCOMPARE(std::optional<FileIdentity>(read.identity), fileIdentity(path));
    }

    void identityFollowsChanges()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("one") == 3);
        file.close();
        const auto first = fileIdentity(path);
        QVERIFY(first);
        QCOMPARE(fileIdentity(path), first);
        // The same size, a modification time set back by hand.
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(
            file.fileTime(QFileDevice::FileModificationTime).addSecs(-10), QFileDevice::FileModificationTime));
        file.close();
        const auto touched = fileIdentity(path);
        QVERIFY(touched != first);
        // Another file moved in under the same name.
        const QString other = dir.filePath(QStringLiteral("other"));
        QVERIFY(QFile::copy(path, other));
        QVERIFY(QFile::remove(path) && QFile::rename(other, path));
        QVERIFY(fileIdentity(path) != touched);
        QCOMPARE(fileIdentity(dir.filePath(QStringLiteral("none"))), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(FileReadTest)
#include "tst_fileread.moc"
