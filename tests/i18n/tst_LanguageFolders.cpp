#include "i18n/LanguageFile.h"
#include "support/LanguageFixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace korv;

// Where the file is taken from when the working directory and the user's configuration folder
// both may hold one.
class TestLanguageFolders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstFolderHasPriority_data();
    void firstFolderHasPriority();
    void workingDirectoryBeforeFallback();
};

void TestLanguageFolders::firstFolderHasPriority_data()
{
    QTest::addColumn<QString>("first");  // name of the entry in the first folder, "" for none
    QTest::addColumn<QString>("fallback");  // name of the file in the fallback folder, "" for none
    QTest::addColumn<bool>("fallbackGiven");
    QTest::addColumn<QString>("expected");  // line 0, "" when nothing loads
    QTest::newRow("first only") << "LANGUAGE.TRL"
                                << "" << true << "first";
    QTest::newRow("fallback only") << ""
                                   << "LANGUAGE.TRL" << true << "fallback";
    QTest::newRow("both: first wins") << "LANGUAGE.TRL"
                                      << "LANGUAGE.TRL" << true << "first";
    QTest::newRow("fallback name in other case") << ""
                                                 << "Language.trl" << true << "fallback";
    QTest::newRow("first in other case still wins") << "language.TRL"
                                                    << "LANGUAGE.TRL" << true << "first";
    QTest::newRow("neither") << ""
                             << "" << true << "";
    QTest::newRow("no fallback folder given") << ""
                                              << "LANGUAGE.TRL" << false << "";
    // A folder where the file should be cannot be read as one; the user's choice of folder still
    // stands instead of quietly taking another file.
    QTest::newRow("unreadable entry in first") << "dir:LANGUAGE.TRL"
                                               << "LANGUAGE.TRL" << true << "";
}

void TestLanguageFolders::firstFolderHasPriority()
{
    QFETCH(QString, first);
    QFETCH(QString, fallback);
    QFETCH(bool, fallbackGiven);
    QFETCH(QString, expected);
    QTemporaryDir firstDir;
    QTemporaryDir fallbackDir;
    if (first.startsWith(QLatin1String("dir:")))
        QVERIFY(QDir(firstDir.path()).mkdir(first.mid(4)));
    else if (!first.isEmpty())
        QVERIFY(test::writeFile(firstDir.path(), "first\r\n", first));
    if (!fallback.isEmpty())
        QVERIFY(test::writeFile(fallbackDir.path(), "fallback\r\n", fallback));

    const LanguageLines language = loadLanguageFile(firstDir.path(), fallbackGiven ? fallbackDir.path() : QString());
    QCOMPARE(language.loaded, !expected.isEmpty());
    if (!expected.isEmpty())
        QCOMPARE(language.line(0), std::optional<QString>(expected));
}

void TestLanguageFolders::workingDirectoryBeforeFallback()
{
    QTemporaryDir working;
    QTemporaryDir config;
    QVERIFY(test::writeFile(config.path(), "config\n"));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(working.path()));
    const LanguageLines fromConfig = loadLanguageFile({}, config.path());
    QVERIFY(test::writeFile(working.path(), "working\n"));
    const LanguageLines fromWorking = loadLanguageFile({}, config.path());
    QDir::setCurrent(previous);
    QCOMPARE(fromConfig.line(0), std::optional<QString>(QStringLiteral("config")));
    QCOMPARE(fromWorking.line(0), std::optional<QString>(QStringLiteral("working")));
}

QTEST_GUILESS_MAIN(TestLanguageFolders)
#include "tst_LanguageFolders.moc"
