#include "CliFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace korv;
using namespace korv::test;

// The connection check without a window, and the port names a bench types.
class CliCheckTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void check_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");  // each line starts so, in order
        QTest::newRow("a transmitter answers")
            << QStringList { "check" } << 0
            << QStringList { "✓ A porta existe", "✓ Você pode abrir a porta", "✓ Nenhum outro programa usa a porta",
                   "✓ A porta abre a 9600 baud", "✓ A interface devolve o eco", "✓ Um transmissor responde",
                   "✓ O transmissor se identifica" };
        QTest::newRow("a port relative to the working folder")
            << QStringList { "--port", "ttyKOrv", "check" } << 0 << QStringList { "✓ A porta existe" };
        QTest::newRow("no such port") << QStringList { "--port", "/dev/ttyKOrvNone", "check" } << 2
                                      << QStringList { "✗ A porta existe", "  /dev/ttyKOrvNone não existe" };
        QTest::newRow("the same as JSON") << QStringList { "check", "--json" } << 0 << QStringList {};
        QTest::newRow("version with more") << QStringList { "--version", "extra" } << 3 << QStringList {};
    }
    void check()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        CliFixture cli;
        QVERIFY(cli.start(0));
        const auto result = cli.run(arguments);
        QCOMPARE(result.code, exitCode);
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(result.lines().value(i).startsWith(lines.at(i)), qPrintable(result.out));
        if (arguments.contains(QStringLiteral("--json"))) {
            const QJsonObject object = QJsonDocument::fromJson(result.out.toUtf8()).object();
            QCOMPARE(object.value(QStringLiteral("passed")).toBool(), true);
            QCOMPARE(object.value(QStringLiteral("steps")).toArray().size(), 7);
        }
        if (exitCode == 3)
            QVERIFY2(result.err.contains(QStringLiteral("argumento inesperado: extra")), qPrintable(result.err));
    }
};

QTEST_GUILESS_MAIN(CliCheckTest)
#include "tst_cli_check.moc"
