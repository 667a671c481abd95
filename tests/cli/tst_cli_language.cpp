#include "CliFixture.h"
#include "i18n/Translation.h"
#include "support/PortugueseLeft.h"

#include <QTest>

using namespace korv;
using namespace korv::test;

// The command line in the language chosen in the window: its own texts, not only the language
// file's, leave no Portuguese behind.
class CliLanguageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void outputHasNoPortuguese_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        for (const char* language : { "en", "es" }) {
            QTest::addRow("%s, help", language) << language << QStringList { "--help" } << 0;
            QTest::addRow("%s, unknown command", language) << language << QStringList { "frobnicate" } << 3;
            QTest::addRow("%s, misplaced option", language) << language << QStringList { "read", "--dir", "x" } << 3;
            QTest::addRow("%s, missing file", language) << language << QStringList { "write", "none.json" } << 3;
            QTest::addRow("%s, no such event", language)
                << language << QStringList { "report", "KOrvNone", "--pdf", "x.pdf" } << 3;
            QTest::addRow("%s, check", language) << language << QStringList { "check" } << 0;
            QTest::addRow("%s, backup to no folder", language)
                << language << QStringList { "backup", "--dir", "/nonexistent/korv" } << 3;
            QTest::addRow("%s, no such port", language)
                << language << QStringList { "--port", "/dev/ttyKOrvNone", "check" } << 2;
        }
    }
    void outputHasNoPortuguese()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        CliFixture cli;
        QVERIFY(cli.start(0));
        QVERIFY(!cli.rig
                     .writeFile(QStringLiteral("config/OrvSetup.ini"),
                         cli.rig.settingsText() + QByteArrayLiteral("Idioma=") + language.toLatin1() + '\n')
                     .isEmpty());
        const auto result = cli.run(arguments);
        useLanguage(PortugueseCode, {});
        QCOMPARE(result.code, exitCode);
        const QString output = result.out + result.err;
        QVERIFY(!output.trimmed().isEmpty());
        const QStringList left = portugueseLeft(output, portuguesePieces(language));
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n') + QStringLiteral("\n---\n") + output));
    }
};

QTEST_GUILESS_MAIN(CliLanguageTest)
#include "tst_cli_language.moc"
