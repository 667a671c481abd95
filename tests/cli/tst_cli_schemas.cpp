#include "CliFixture.h"
#include "SchemaValidator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace korv;
using namespace korv::test;

namespace {

// `value` with the member at `path` ("shown/sensor", array indices as numbers) set to `replacement`.
QJsonValue replaced(const QJsonValue& value, QStringList path, const QJsonValue& replacement)
{
    if (path.isEmpty())
        return replacement;
    const QString key = path.takeFirst();
    if (value.isArray()) {
        QJsonArray array = value.toArray();
        array[key.toInt()] = replaced(array.at(key.toInt()), path, replacement);
        return array;
    }
    QJsonObject object = value.toObject();
    object[key] = replaced(object.value(key), path, replacement);
    return object;
}

const QByteArray HeadFile = R"({"format": 1, "family": "head-rail", "model": "OrvHead", "unit": "C",
    "sensor": "K", "lower": 0, "upper": 800, "zeroCorrection": 2.5, "sensorFailure": "maximum", "mainsFilter": 50})";

}  // namespace

// The schemas in docs/schemas: valid schemas themselves, and strict enough that a value in the
// words or the number format of a language file, or in the unit the window saved, is refused.
// That the program's own outputs satisfy them is checked by the fixture on every --json run.
class CliSchemasTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void schemasAreValid_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name :
            { "common", "configuration", "identify", "read", "write", "verify", "check", "history" })
            QTest::newRow(name) << QStringLiteral("%1.schema.json").arg(QLatin1String(name));
        QCOMPARE(schemas::files().size(), 8);
    }
    void schemasAreValid()
    {
        QFETCH(QString, file);
        const QString problem = schemas::schemaProblem(file);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // A real output with one value as a language file or another locale would have made it.
    void localeLeaksAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonValue>("leak");
        const QStringList read { "read", "--json" };
        QTest::newRow("sensor caption") << read << "shown/sensor" << QJsonValue("Pt 100 (0,00385)");
        QTest::newRow("decimal comma") << read << "shown/zeroLimits/min" << QJsonValue("-1,0");
        QTest::newRow("unit label") << read << "shown/unit" << QJsonValue("°C");
        QTest::newRow("file's correction as text") << read << "configuration/zeroCorrection" << QJsonValue("0,00");
        QTest::newRow("file's sensor caption") << read << "configuration/sensor" << QJsonValue("Termopar K");
        QTest::newRow("output type line") << read << "transmitter/outputType" << QJsonValue("4 - 20 mA");
        QTest::newRow("model caption") << read << "transmitter/model" << QJsonValue("KOrvHead");
        QTest::newRow("values in another unit than said") << read << "unit" << QJsonValue("F");
        QTest::newRow("text beside the machine values") << read << "shown/caption" << QJsonValue("KOrvHead");
        QTest::newRow("firmware with a comma")
            << QStringList { "identify", "--json" } << "transmitter/firmware" << QJsonValue("1,30");
        QTest::newRow("register value as text")
            << QStringList { "write", "head.json", "--json" } << "registers/0/value" << QJsonValue("1911");
        QTest::newRow("register word in hex")
            << QStringList { "verify", "head.json", "--json" } << "registers/0/transmitter" << QJsonValue("0x00C1");
        QTest::newRow("step result in words")
            << QStringList { "check", "--json" } << "steps/0/result" << QJsonValue("passou");
        QTest::newRow("error code as text")
            << QStringList { "read", "--json", "--unit", "K" } << "error/code" << QJsonValue("3");
        // The record's events, whose keys the databases keep.
        const QStringList history { "history", "--json" };
        QTest::newRow("event's firmware as text") << history << "0/firmware" << QJsonValue("1.30");
        QTest::newRow("event's configuration with a decimal comma")
            << history << "0/asFound/configuration/zeroCorrection" << QJsonValue("0,00");
        QTest::newRow("event's register in hex") << history << "0/asFound/registers/1" << QJsonValue("0x00C1");
    }
    void localeLeaksAreRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QFETCH(QJsonValue, leak);
        CliFixture cli;
        QVERIFY(cli.start(0));
        cli.file(QStringLiteral("head.json"), HeadFile);
        if (arguments.contains(QStringLiteral("history")))
            QCOMPARE(cli.run({ QStringLiteral("read") }).code, 0);
        const QJsonDocument document = QJsonDocument::fromJson(cli.run(arguments).out.toUtf8());
        const QJsonValue output = document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
        const QJsonValue leaked = replaced(output, path.split(u'/'), leak);
        QVERIFY2(leaked != output, "nothing replaced");
        const QString problem = schemas::problem(schemas::forCommandLine(arguments),
            (leaked.isArray() ? QJsonDocument(leaked.toArray()) : QJsonDocument(leaked.toObject())).toJson());
        QVERIFY2(!problem.isEmpty(), qPrintable(path));
    }
};

QTEST_GUILESS_MAIN(CliSchemasTest)
#include "tst_cli_schemas.moc"
