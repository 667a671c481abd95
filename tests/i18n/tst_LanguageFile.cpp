#include "i18n/LanguageFile.h"
#include "support/FifoGuard.h"
#include "support/LanguageFixtures.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace korv;

class TestLanguageFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decoding_data();
    void decoding();
    void splitting_data();
    void splitting();
    void fileFromDisk_data();
    void fileFromDisk();
    void missingOrUnreadableFile_data();
    void missingOrUnreadableFile();
    void unchangedFileIsNotReadAgain_data();
    void unchangedFileIsNotReadAgain();
    void shortFileLeavesLaterLinesAbsent();
    void linesPastTheLayoutAreIgnored();
    void nameIsFoundWhateverItsCase();
    void currentDirectoryIsTheDefault();
};

void TestLanguageFile::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("Read OK") << QStringLiteral("Read OK");
    QTest::newRow("utf8") << QByteArray("Configura\xC3\xA7\xC3\xA3o") << QStringLiteral("Configuração");
    QTest::newRow("utf8 with byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                             "Aten\xC3\xA7\xC3\xA3o")
                                               << QStringLiteral("Atenção");
    QTest::newRow("1252 latin letters") << QByteArray("Configura\xE7\xE3o") << QStringLiteral("Configuração");
    QTest::newRow("1252 lead byte at the very end") << QByteArray("For\xE7") << QStringLiteral("Forç");
    QTest::newRow("1252 euro and quotes")
        << QByteArray("\x80 \x93x\x94 \x85") << QStringLiteral("€ \u201Cx\u201D \u2026");
    QTest::newRow("1252 last of the high block") << QByteArray("\x9F\x8A\x9E") << QStringLiteral("ŸŠž");
    QTest::newRow("1252 undefined byte kept") << QByteArray("a\x81"
                                                            "b")
                                              << QStringLiteral("a\u0081b");
    QTest::newRow("overlong utf8 is not utf8") << QByteArray("\xC0\x80") << QStringLiteral("À€");
    QTest::newRow("one bad byte sends the whole file to 1252") << QByteArray("\xC3\xA7 \xE7") << QStringLiteral("Ã§ ç");
}

void TestLanguageFile::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
#ifdef Q_OS_WIN
    // Windows reads the file in the system's ANSI code page, whatever the bytes look like.
    text = QString::fromLocal8Bit(bytes);
#endif
    QCOMPARE(decodeLanguageText(bytes), text);
}

void TestLanguageFile::splitting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList { "a", "b" };
    QTest::newRow("lf only") << "a\nb\n" << QStringList { "a", "b" };
    QTest::newRow("cr only") << "a\rb\r" << QStringList { "a", "b" };
    QTest::newRow("mixed") << "a\r\nb\rc\nd" << QStringList { "a", "b", "c", "d" };
    QTest::newRow("last line without ending") << "a\nb" << QStringList { "a", "b" };
    QTest::newRow("empty line kept") << "a\r\n\r\nb\r\n" << QStringList { "a", "", "b" };
    QTest::newRow("empty last line") << "a\n\n" << QStringList { "a", "" };
    QTest::newRow("cr then crlf") << "a\r\r\nb" << QStringList { "a", "", "b" };
    QTest::newRow("lf then cr is two endings") << "a\n\rb" << QStringList { "a", "", "b" };
    QTest::newRow("blanks kept") << "Modelo: \r\n" << QStringList { "Modelo: " };
    QTest::newRow("nothing") << "" << QStringList {};
    QTest::newRow("only an ending") << "\r\n" << QStringList { "" };
}

void TestLanguageFile::splitting()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLanguageLines(text), lines);
}

void TestLanguageFile::fileFromDisk_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("windows-1252") << QByteArray("Arquivo\r\nConfigura\xE7\xE3o\r\n")
                                  << QStringList { "Arquivo", "Configuração" };
    QTest::newRow("utf8 with mark") << QByteArray("\xEF\xBB\xBF"
                                                  "File\nConfigura\xC3\xA7\xC3\xA3o")
                                    << QStringList { "File", "Configuração" };
    QTest::newRow("empty file") << QByteArray() << QStringList {};
}

void TestLanguageFile::fileFromDisk()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QVERIFY(test::writeFile(dir.path(), bytes));
    const LanguageLines language = loadLanguageFile(dir.path());
    QVERIFY(language.loaded);
#ifdef Q_OS_WIN
    lines = splitLanguageLines(QString::fromLocal8Bit(bytes));
#endif
    QCOMPARE(language.lines, lines);
}

void TestLanguageFile::missingOrUnreadableFile_data()
{
    QTest::addColumn<QString>("entry");  // what stands where the file is looked for
    QTest::addColumn<QString>("problem");  // what the user is told after the path; empty: nothing
    QTest::newRow("no file") << "none" << QString();
    QTest::newRow("a folder by that name") << "folder" << QStringLiteral("é uma pasta, não um arquivo comum");
    QTest::newRow("a FIFO") << "fifo" << QStringLiteral("é um FIFO, não um arquivo comum");
    QTest::newRow("a byte over 1 MiB") << "large"
                                       << QStringLiteral("o arquivo é grande demais (mais de 1048576 bytes)");
}

void TestLanguageFile::missingOrUnreadableFile()
{
    QFETCH(QString, entry);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(LanguageFileName);
    std::optional<test::FifoGuard> fifo;
    QFile large(path);
    if (entry == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(LanguageFileName));
    else if (entry == QLatin1String("fifo"))
        QVERIFY(fifo.emplace(path).created());
    else if (entry == QLatin1String("large"))  // sparse: no disk is spent on it
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(LanguageFileMaximumSize + 1));
    const LanguageLines language = loadLanguageFile(dir.path());
    QVERIFY(!language.loaded);
    QVERIFY(language.lines.isEmpty());
    QVERIFY(!language.line(0));
    QCOMPARE(language.problem,
        problem.isEmpty() ? QString() : QStringLiteral("%1: %2 (usando os textos embutidos)").arg(path, problem));
    QVERIFY2(!fifo || !fifo->openedByReader(), "the FIFO was opened");
}

void TestLanguageFile::unchangedFileIsNotReadAgain_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<qint64>("settleMs");
    QTest::addColumn<bool>("unchanged");
    QTest::addColumn<QString>("firstLine");  // after the change; empty: a FIFO, never opened
    QTest::newRow("untouched") << "none" << qint64(0) << true << "first";
    QTest::newRow("modification time set back") << "touch" << qint64(0) << false << "first";
    QTest::newRow("replaced by another file of its size") << "replace" << qint64(0) << false << "other";
    // Two writes in the same tick of the file system's clock look alike; a file that young is
    // always read again.
    QTest::newRow("same size rewritten at once") << "rewrite" << LanguageFileMemo::DefaultSettleMs << false << "again";
    QTest::newRow("untouched but too young to trust")
        << "none" << LanguageFileMemo::DefaultSettleMs << false << "first";
    QTest::newRow("unchanged FIFO keeps its problem") << "fifo" << qint64(0) << true << "";
}

void TestLanguageFile::unchangedFileIsNotReadAgain()
{
    QFETCH(QString, change);
    QFETCH(qint64, settleMs);
    QFETCH(bool, unchanged);
    QFETCH(QString, firstLine);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(LanguageFileName);
    std::optional<test::FifoGuard> fifo;
    if (change == QLatin1String("fifo"))
        fifo.emplace(path);
    else
        QVERIFY(test::writeFile(dir.path(), "first\n"));
    LanguageFileMemo memo(settleMs);
    const LanguageLines before = memo.read(path);
    QVERIFY(!before.unchanged);

    QFile file(path);
    if (change == QLatin1String("touch")) {
        QVERIFY(file.open(QIODevice::ReadWrite)
            && file.setFileTime(
                file.fileTime(QFileDevice::FileModificationTime).addSecs(-10), QFileDevice::FileModificationTime));
    } else if (change == QLatin1String("replace")) {
        QVERIFY(test::writeFile(dir.path(), "other\n", QStringLiteral("new")));
        QVERIFY(QFile::remove(path) && QFile::rename(QDir(dir.path()).filePath(QStringLiteral("new")), path));
    } else if (change == QLatin1String("rewrite")) {
        QVERIFY(test::writeFile(dir.path(), "again\n"));
    }
    file.close();

    const LanguageLines after = memo.read(path);
    QCOMPARE(after.unchanged, unchanged);
    QCOMPARE(after.problem, before.problem);
    QCOMPARE(after.line(0), fifo ? std::nullopt : std::optional<QString>(firstLine));
    QVERIFY(!fifo || (!after.problem.isEmpty() && !fifo->openedByReader()));
}

void TestLanguageFile::shortFileLeavesLaterLinesAbsent()
{
    QTemporaryDir dir;
    QVERIFY(test::writeFile(dir.path(), "File\r\n\r\nOptions"));
    const LanguageLines language = loadLanguageFile(dir.path());
    QVERIFY(language.loaded);
    QCOMPARE(language.line(1), std::optional<QString>(QString()));
    QCOMPARE(language.line(2), std::optional<QString>(QStringLiteral("Options")));
    QVERIFY(!language.line(3));
    QVERIFY(!language.line(-1));
}

void TestLanguageFile::linesPastTheLayoutAreIgnored()
{
    QStringList lines = test::englishLines();
    lines << "extra 72"
          << "extra 73";
    QTemporaryDir dir;
    QVERIFY(test::writeFile(dir.path(), test::joinLines(lines)));
    const LanguageLines language = loadLanguageFile(dir.path());
    QCOMPARE(language.lines.size(), LanguageLineCount);
    QCOMPARE(language.line(71), std::optional<QString>(QStringLiteral("EN 71")));
    QVERIFY(!language.line(72));
}

void TestLanguageFile::nameIsFoundWhateverItsCase()
{
    QTemporaryDir dir;
    QVERIFY(test::writeFile(dir.path(), "lower\n", "language.trl"));
    QCOMPARE(loadLanguageFile(dir.path()).line(0), std::optional<QString>(QStringLiteral("lower")));
    QVERIFY(test::writeFile(dir.path(), "exact\n"));
    QCOMPARE(loadLanguageFile(dir.path()).line(0), std::optional<QString>(QStringLiteral("exact")));
}

void TestLanguageFile::currentDirectoryIsTheDefault()
{
    QTemporaryDir dir;
    QVERIFY(test::writeFile(dir.path(), "here\n"));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const LanguageLines language = loadLanguageFile();
    QDir::setCurrent(previous);
    QCOMPARE(language.line(0), std::optional<QString>(QStringLiteral("here")));
}

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_LanguageFile.moc"
