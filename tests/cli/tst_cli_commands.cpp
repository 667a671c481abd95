#include "CliFixture.h"
#include "core/history/HistoryStore.h"
#include "support/LanguageFixtures.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTest>

using namespace korv;
using namespace korv::test;
using emu::Fault;

namespace {

// The configuration part of a `read --json`, as a file of its own.
QByteArray configurationOf(const CliFixture::Result& read)
{
    const QJsonObject object = QJsonDocument::fromJson(read.out.toUtf8()).object();
    return QJsonDocument(object.value(QStringLiteral("configuration")).toObject()).toJson();
}

// A --json output without the texts for people: what a script reads.
QJsonValue machineValues(const QJsonValue& value)
{
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& item : value.toArray())
            array.append(machineValues(item));
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    object.remove(QStringLiteral("display"));
    for (auto it = object.begin(); it != object.end(); ++it)
        it.value() = machineValues(it.value());
    return object;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using Registers = QMap<int, int>;

const QByteArray HeadFile = R"({"format": 1, "family": "head-rail", "model": "OrvHead", "unit": "C",
    "sensor": "K", "lower": 0, "upper": 800, "zeroCorrection": 2.5, "sensorFailure": "maximum", "mainsFilter": 50})";
const QByteArray HumidityFile = R"({"format": 1, "family": "humidity", "model": "Orv-Hu", "unit": "C",
    "measure": "relative-humidity",
    "humidity": {"lower": 10, "upper": 90, "zeroCorrection": 0, "sensorFailure": "maximum"},
    "temperature": {"lower": -20, "upper": 80, "zeroCorrection": 0, "sensorFailure": "maximum"}})";

}  // namespace

// The command line's commands against the emulated transmitters: what each prints, what it writes,
// and the exit code of every outcome.
class CliCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void identifyEachFamily_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("output");
        QTest::addColumn<QStringList>("tail");  // the lines after the serial number and firmware
        QTest::newRow("head") << 0 << 130 << 0 << QStringList { "Modelo: KOrvHead", "Tipo de saída: 4 - 20 mA" };
        QTest::newRow("isolated head, incompatible firmware")
            << 2 << 120 << 1
            << QStringList { "Modelo: KOrvGalHead", "Tipo de saída: 0 - 10 V", "Versão de Firmware incompatível!" };
        QTest::newRow("humidity, 0 - 5 V unknown to it")
            << 4 << 101 << 2 << QStringList { "Modelo: OrvHygrom", "Desconhecido" };
        QTest::newRow("ambient") << 6 << 100 << 1 << QStringList { "Modelo: OrvAmbient", "Tipo de saída: 0 - 10 V" };
        QTest::newRow("unknown model") << 9 << 100 << 0
                                       << QStringList { "Modelo: Desconhecido", "Tipo de saída: 4 - 20 mA" };
    }
    void identifyEachFamily()
    {
        QFETCH(int, code);
        QFETCH(int, firmware);
        QFETCH(int, output);
        QFETCH(QStringList, tail);
        CliFixture cli;
        QVERIFY(cli.start(code, firmware, output));
        const auto result = cli.run({ QStringLiteral("identify") });
        QCOMPARE(result.code, 0);
        QCOMPARE(result.lines(),
            QStringList({ "Número de série: 00123045",
                QStringLiteral("Versão do Firmware: %1.%2")
                    .arg(firmware / 100)
                    .arg(firmware % 100, 2, 10, QLatin1Char('0')) })
                + tail);
        QCOMPARE(cli.writesReceived(), 0);
    }

    // Each family's configuration as read goes back unchanged: the JSON of a read is a file that
    // write and verify take, and writing it changes no register.
    void readWriteVerifyEachFamily_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("unit");
        QTest::newRow("OrvHead") << 0 << 130 << "C";
        QTest::newRow("OrvDin in F") << 1 << 105 << "F";
        QTest::newRow("OrvGalHead") << 2 << 110 << "C";
        QTest::newRow("OrvGalDin") << 3 << 110 << "F";
        QTest::newRow("Orv-Hu") << 4 << 101 << "C";
        QTest::newRow("Orv-H in F") << 5 << 101 << "F";
        QTest::newRow("OrvAmbient") << 6 << 100 << "F";
    }
    void readWriteVerifyEachFamily()
    {
        QFETCH(int, code);
        QFETCH(int, firmware);
        QFETCH(QString, unit);
        CliFixture cli;
        QVERIFY(cli.start(code, firmware, 1));
        cli.emulator->setParameter(15, 7);
        const auto read = cli.run({ QStringLiteral("read"), QStringLiteral("--json"), QStringLiteral("--unit"), unit });
        QCOMPARE(read.code, 0);
        const QString file = cli.file(QStringLiteral("unit.json"), configurationOf(read));
        QMap<int, qint16> before;
        for (int address : { 1, 6, 7, 8, 9, 10, 11, 14, 15 })
            before.insert(address, cli.emulator->parameter(address));

        const auto verified = cli.run({ QStringLiteral("verify"), file });
        QVERIFY2(verified.code == 0, qPrintable(verified.out + verified.err));
        cli.emulator->clearLog();
        const auto written = cli.run({ QStringLiteral("write"), file });
        QVERIFY2(written.code == 0, qPrintable(written.out + written.err));
        QVERIFY(cli.writesReceived() > 0);
        QVERIFY(written.lines().contains(QStringLiteral("Envio OK")));
        for (auto it = before.begin(); it != before.end(); ++it)
            QCOMPARE(cli.emulator->parameter(it.key()), it.value());
    }

    void writeChangesAndVerifyTells_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Registers>("registers");
        QTest::addColumn<QStringList>("differences");
        QTest::newRow("head") << 0 << 130 << HeadFile
                              << Registers { { 10, 1911 }, { 11, 9557 }, { 1, 0xC1 }, { 15, 32 } }
                              << QStringList { "Falha de Sensor: arquivo Máximo, transmissor Mínimo",
                                     "Otimização: arquivo 50 Hz, transmissor 60 Hz",
                                     "Limite Inferior / Limite Superior: arquivo 0 a 800 °C [1911, 9557], "
                                     "transmissor 0 a 1000 °C [2389, 11947]",
                                     "Correção do Zero: arquivo 2,50 °C [32], transmissor 0,00 °C [0]" };
        QTest::newRow("humidity") << 4 << 101
                                  << QByteArray(R"({"format": 1, "family": "humidity", "model": "Orv-Hu", "unit": "C",
            "measure": "dew-point",
            "humidity": {"lower": -60, "upper": 105, "zeroCorrection": 0, "sensorFailure": "maximum"},
            "temperature": {"lower": -40, "upper": 120, "zeroCorrection": 1.5, "sensorFailure": "minimum"}})")
                                  << Registers { { 6, 0 }, { 7, 10000 }, { 1, 0x2040 }, { 15, 94 } }
                                  << QStringList {
                                         "Medida de Umidade: arquivo Ponto de Orvalho, transmissor Umidade Relativa",
                                         "Entrada de Umidade, Falha de Sensor: arquivo Máximo, transmissor Mínimo",
                                         "Entrada de Temperatura, Correção do Zero: arquivo 1,50 °C [94], "
                                         "transmissor 0,00 °C [0]"
                                     };
        QTest::newRow("ambient") << 6 << 100
                                 << QByteArray(R"({"format": 1, "family": "ambient", "model": "OrvAmbient", "unit": "C",
            "temperature": {"lower": 20, "upper": 30, "zeroCorrection": 0, "sensorFailure": "maximum"}})")
                                 << Registers { { 8, -6588 }, { 9, 588 }, { 1, 0x1000 } }
                                 << QStringList {
                                        "Entrada de Temperatura, Falha de Sensor: arquivo Máximo, transmissor Mínimo",
                                        "Limite Inferior / Limite Superior: arquivo 20 a 30 °C [-6588, 588], "
                                        "transmissor -50 a 120 °C [0, 10000]"
                                    };
    }
    void writeChangesAndVerifyTells()
    {
        QFETCH(int, code);
        QFETCH(int, firmware);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, differences);
        QFETCH(Registers, registers);
        CliFixture cli;
        QVERIFY(cli.start(code, firmware));
        const QString path = cli.file(QStringLiteral("wanted.json"), file);

        const auto before = cli.run({ QStringLiteral("verify"), path });
        QCOMPARE(before.code, 1);
        QStringList listed = before.lines().mid(1);
        listed = listed.mid(0, listed.indexOf(QStringLiteral("Uma escrita do arquivo mudaria:")));
        for (QString& line : listed)
            line = line.trimmed();
        QCOMPARE(listed, differences);
        QCOMPARE(cli.writesReceived(), 0);

        const auto written = cli.run({ QStringLiteral("write"), path });
        QVERIFY2(written.code == 0, qPrintable(written.out + written.err));
        for (auto it = registers.begin(); it != registers.end(); ++it)
            QCOMPARE(cli.emulator->parameter(it.key()), qint16(it.value()));
        QCOMPARE(cli.run({ QStringLiteral("verify"), path }).code, 0);
    }

    // A value the window cannot show does not survive writing back what a read gave: verify names
    // the register, the value a write leaves and why, and a write leaves just that.
    void writeBackOfAReadChangesWhatVerifyNames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<Registers>("held");
        QTest::addColumn<QString>("change");
        QTest::addColumn<Registers>("written");
        QTest::addColumn<QString>("reason");  // verify --json's, for each register written
        QTest::newRow("range pair of firmware 1.05")
            << 0 << 105 << Registers { { 10, 6131 }, { 11, 3261 } }
            << "registros 10, 11: 6131, 3261 → 6136, 3259 (o par do transmissor não é o que os limites mostrados, "
               "0 a 1284 °C, dão nesta versão de firmware)"
            << Registers { { 10, 6136 }, { 11, 3259 } } << "not-carried-by-read";
        QTest::newRow("Orv-H bit 12") << 5 << 101 << Registers { { 1, 0x1000 } }
                                      << "registro 1: 0x1000 → 0x0000 (bits que a escrita não mantém)"
                                      << Registers { { 1, 0 } } << "bits-not-kept";
        QTest::newRow("Orv-Hu kind bits 0x4000")
            << 4 << 101 << Registers { { 1, 0x4000 } } << "registro 1: 0x4000 → 0x0000 (bits que a escrita não mantém)"
            << Registers { { 1, 0 } } << "bits-not-kept";
    }
    void writeBackOfAReadChangesWhatVerifyNames()
    {
        QFETCH(int, code);
        QFETCH(int, firmware);
        QFETCH(Registers, held);
        QFETCH(QString, change);
        QFETCH(Registers, written);
        QFETCH(QString, reason);
        CliFixture cli;
        QVERIFY(cli.start(code, firmware));
        for (auto it = held.begin(); it != held.end(); ++it)
            cli.emulator->setParameter(it.key(), qint16(it.value()));
        const auto read = cli.run({ QStringLiteral("read"), QStringLiteral("--json") });
        QCOMPARE(read.code, 0);
        const QString path = cli.file(QStringLiteral("read.json"), configurationOf(read));

        const auto verified = cli.run({ QStringLiteral("verify"), path });
        QCOMPARE(verified.code, 1);
        const QStringList lines = verified.lines();
        const qsizetype section = lines.indexOf(QStringLiteral("Uma escrita do arquivo mudaria:"));
        QVERIFY2(section > 0, qPrintable(verified.out));
        QCOMPARE(lines.mid(section + 1), QStringList { QStringLiteral("  ") + change });
        const QJsonObject json = QJsonDocument::fromJson(
            cli.run({ QStringLiteral("verify"), path, QStringLiteral("--json") }).out.toUtf8())
                                     .object();
        Registers told;
        for (const QJsonValue& entry : json.value("registers").toArray()) {
            told.insert(entry["address"].toInt(), entry["file"].toInt());
            QCOMPARE(entry["reason"].toString(), reason);
            QCOMPARE(entry["transmitter"].toInt(), held.value(entry["address"].toInt()));
        }
        QCOMPARE(told, written);

        const auto writeBack = cli.run({ QStringLiteral("write"), path });
        QVERIFY2(writeBack.code == 0, qPrintable(writeBack.out + writeBack.err));
        for (auto it = written.begin(); it != written.end(); ++it)
            QCOMPARE(cli.emulator->parameter(it.key()), qint16(it.value()));
        QCOMPARE(cli.run({ QStringLiteral("verify"), path }).code, 0);
    }

    // Every kind of bad file is refused with exit 3 before anything reaches the transmitter.
    void badFilesWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not JSON") << QByteArray("sensor=K\n") << "não é um arquivo JSON válido";
        QTest::newRow("truncated") << HeadFile.left(60) << "truncado";
        QTest::newRow("unknown key") << QByteArray(HeadFile).replace("\"unit\"", "\"gain\": 3, \"unit\"")
                                     << R"(chave desconhecida "gain")";
        QTest::newRow("wrong type") << QByteArray(HeadFile).replace("\"upper\": 800", "\"upper\": [800]")
                                    << R"("upper" deve ser um número inteiro)";
        QTest::newRow("another family") << QByteArray(
            R"({"format": 1, "family": "ambient", "model": "OrvAmbient", "unit": "C",
            "temperature": {"lower": 20, "upper": 30, "zeroCorrection": 0, "sensorFailure": "maximum"}})")
                                        << "O arquivo é para um OrvAmbient, mas o transmissor é um OrvHead.";
        QTest::newRow("another model") << QByteArray(HeadFile).replace("OrvHead", "OrvDin")
                                       << "O arquivo é para um OrvDin, mas o transmissor é um OrvHead.";
        QTest::newRow("beyond the sensor") << QByteArray(HeadFile).replace("\"upper\": 800", "\"upper\": 1500")
                                           << "Os valores dos limites estão incorretos! (upper = 1500)";
        QTest::newRow("zero beyond its bounds") << QByteArray(HeadFile).replace(
            "2.5", "40.5") << "O valor da Correção de zero está fora dos limites! (zeroCorrection = 40.5)";
    }
    void badFilesWriteNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        CliFixture cli;
        QVERIFY(cli.start(0));
        const QString path = cli.file(QStringLiteral("bad.json"), file);
        for (const QString& command : { QStringLiteral("write"), QStringLiteral("verify") }) {
            const auto result = cli.run({ command, path });
            QCOMPARE(result.code, 3);
            QVERIFY2(result.err.contains(reason), qPrintable(result.err));
        }
        QCOMPARE(cli.writesReceived(), 0);
    }

    void communicationFailures()
    {
        CliFixture cli;
        QVERIFY(cli.start(0));
        const QString path = cli.file(QStringLiteral("head.json"), HeadFile);

        const auto noPort = cli.run({ QStringLiteral("--port"), QStringLiteral("COM99"), QStringLiteral("identify") });
        QCOMPARE(noPort.code, 2);
        // The window's message, then the cause as the connection check finds it.
        QCOMPARE(noPort.err.section(u'\n', 0, 0), QStringLiteral("Erro na configuração da porta serial! (COM99)"));
        QVERIFY2(noPort.err.section(u'\n', 1, 1).startsWith(QStringLiteral("/dev/ttyS98 não existe")),
            qPrintable(noPort.err));

        cli.emulator->setFault(Fault::Silence);
        const auto silent = cli.run({ QStringLiteral("read") });
        QCOMPARE(silent.code, 2);
        QCOMPARE(silent.err.trimmed(), QStringLiteral("Erro de comunicação!"));
        const auto json = cli.run({ QStringLiteral("read"), QStringLiteral("--json") });
        QCOMPARE(json.code, 2);
        QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8()).object(),
            QJsonObject({ { "error", QJsonObject { { "code", 2 }, { "message", "Erro de comunicação!" } } } }));
        cli.emulator->setFault(Fault::None);

        cli.emulator->setFault(Fault::None);
    }

    // A write that stops names every register it changed and every one it may have changed: the
    // transmitter stores a write frame on arrival, answered or not, and the range gain is written
    // even when the offset's answer is lost.
    void halfDoneWriteNamesEveryRegister_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("faultAddress");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("changed");  // registers the file changes that the fault leaves changed
        QTest::newRow("OrvHead, offset refused")
            << 0 << int(Fault::Refuse) << 10
            << "O registro 10 não foi confirmado; registros já escritos: 11; enviados sem confirmação (podem ter "
               "mudado): 10."
            << QList<int> { 11 };
        QTest::newRow("OrvHead, gain refused")
            << 0 << int(Fault::Refuse) << 11
            << "O registro 11 não foi confirmado; registros já escritos: 10; enviados sem confirmação (podem ter "
               "mudado): 11."
            << QList<int> { 10 };
        QTest::newRow("OrvHead, offset silent")
            << 0 << int(Fault::Silence) << 10
            << "O registro 10 não foi confirmado; registros já escritos: 11; enviados sem confirmação (podem ter "
               "mudado): 10."
            << QList<int> { 11 };
        QTest::newRow("Orv-Hu, humidity gain refused")
            << 4 << int(Fault::Refuse) << 7
            << "O registro 7 não foi confirmado; registros já escritos: 6, 8, 9; enviados sem confirmação (podem "
               "ter mudado): 7."
            << QList<int> { 6, 8, 9 };
    }
    void halfDoneWriteNamesEveryRegister()
    {
        QFETCH(int, modelCode);
        QFETCH(int, fault);
        QFETCH(int, faultAddress);
        QFETCH(QString, message);
        QFETCH(QList<int>, changed);
        CliFixture cli;
        QVERIFY(cli.start(modelCode));
        const QByteArray file = modelCode == 0 ? HeadFile : HumidityFile;
        QMap<int, qint16> before;
        for (int address : changed)
            before[address] = cli.emulator->parameter(address);
        cli.emulator->setFault(Fault(fault), -1, faultAddress, emu::FaultFrames::Writes);
        const auto result = cli.run({ QStringLiteral("write"), cli.file(QStringLiteral("unit.json"), file) });
        QCOMPARE(result.code, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        for (int address : changed)
            QVERIFY2(cli.emulator->parameter(address) != before[address], qPrintable(QString::number(address)));
        // Each confirmed register is on the output as it was confirmed, each unconfirmed one after.
        for (int address : changed)
            QVERIFY2(result.out.contains(QStringLiteral("registro %1 = ").arg(address)), qPrintable(result.out));
    }

    // write --json: each register once with what became of it, the result, and the error beside them.
    void writeJsonTellsEachRegister_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("faultAddress");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("registers");  // "address result", for those not confirmed and kept
        QTest::newRow("written") << int(Fault::None) << -1 << 0 << "written" << QStringList {};
        QTest::newRow("register 15 not kept")
            << int(Fault::DropWrite) << 15 << 1 << "not-kept" << QStringList { "15 not-kept" };
        QTest::newRow("offset refused") << int(Fault::Refuse) << 10 << 2 << "interrupted"
                                        << QStringList { "10 unconfirmed" };
    }
    void writeJsonTellsEachRegister()
    {
        QFETCH(int, fault);
        QFETCH(int, faultAddress);
        QFETCH(int, exitCode);
        QFETCH(QString, result);
        QFETCH(QStringList, registers);
        CliFixture cli;
        QVERIFY(cli.start(0));
        cli.emulator->setFault(Fault(fault), -1, faultAddress, emu::FaultFrames::Writes);
        const auto written = cli.run(
            { QStringLiteral("write"), cli.file(QStringLiteral("head.json"), HeadFile), QStringLiteral("--json") });
        QCOMPARE(written.code, exitCode);
        const QJsonObject json = QJsonDocument::fromJson(written.out.toUtf8()).object();
        QCOMPARE(json["result"].toString(), result);
        QCOMPARE(json["error"]["code"].toInt(), exitCode);
        QStringList told;
        QSet<int> addresses;
        for (const QJsonValue& entry : json["registers"].toArray()) {
            addresses.insert(entry["address"].toInt());
            if (entry["result"] != QJsonValue("confirmed"))
                told << QStringLiteral("%1 %2").arg(entry["address"].toInt()).arg(entry["result"].toString());
        }
        QCOMPARE(told, registers);
        QCOMPARE(addresses.size(), json["registers"].toArray().size());
        QCOMPARE(addresses.contains(15), fault != int(Fault::Refuse));
    }

    // Another unit put behind the port during a write: the write stops naming both units, and
    // neither its output nor its event calls a register confirmed that the other unit may have got.
    void writeToASwappedUnitStops_data()
    {
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("thenReadOf");
        QTest::newRow("before the first write frame") << 0 << 3;
        QTest::newRow("in the middle of the write") << 3 << -1;
        QTest::newRow("before it says done") << 1 << 2;
    }
    void writeToASwappedUnitStops()
    {
        QFETCH(int, writes);
        QFETCH(int, thenReadOf);
        CliFixture cli;
        QVERIFY(cli.start(0));
        emu::Seed other = test::seedFor(0, 130);
        other.serialHigh = 1;
        other.serialLow = 2;
        cli.rig.swapUnitAfter(test::afterWrites(writes, thenReadOf), other);
        const auto result = cli.run(
            { QStringLiteral("write"), cli.file(QStringLiteral("head.json"), HeadFile), QStringLiteral("--json") });
        QCOMPARE(result.code, 2);
        QVERIFY2(result.err.contains(QStringLiteral("o comando era para 00123045, mas 00001002 responde agora")),
            qPrintable(result.err));
        QCOMPARE(cli.writesReceived() == 0, writes == 0);
        const QJsonObject json = QJsonDocument::fromJson(result.out.toUtf8()).object();
        for (const QJsonValue& entry : json["registers"].toArray())
            QCOMPARE(entry["result"].toString(), QStringLiteral("unconfirmed"));

        // No check found the unit in place after any frame: each may have reached either unit.
        history::Store store(cli.historyPath(), QStringLiteral("test-reader"));
        QVERIFY(store.open());
        const history::Event event = store.events({}).value(0);
        QCOMPARE(event.unit.serialNumber, QStringLiteral("00123045"));
        QVERIFY(event.written.confirmed.isEmpty());
        for (int address : cli.rig.writtenTo(true) + cli.rig.writtenTo(false))
            QVERIFY2(event.written.unconfirmed.contains(address), qPrintable(event.resultText));
    }

    void writeNotKept()
    {
        CliFixture cli;
        QVERIFY(cli.start(0));
        cli.emulator->setFault(Fault::DropWrite, -1, 15);
        const auto result = cli.run({ QStringLiteral("write"), cli.file(QStringLiteral("head.json"), HeadFile) });
        QCOMPARE(result.code, 1);
        QVERIFY(result.lines().contains(QStringLiteral("registro 15 = 32: lido de volta 0")));
        QVERIFY2(result.err.contains(QStringLiteral("Erro de escrita!")), qPrintable(result.err));
        QCOMPARE(cli.emulator->parameter(1), qint16(0xC1));
    }

    // The service window's backup, byte for byte: sections of offset (and gain) registers.
    void backupBytesEachFamily_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("sections");  // "title offset gain", gain -1 for none
        const QStringList temperature { "0-50mV: 4 5", "TC: 8 9", "Pt100: 6 7" };
        QTest::newRow("head") << 0 << 130 << "OrvHead" << temperature;
        QTest::newRow("isolated rail") << 3 << 110 << "OrvGalDin"
                                       << temperature + QStringList { "0-10V: 17 18", "0-20mA: 19 20" };
        QTest::newRow("humidity") << 4 << 101 << "Orv-Hu"
                                  << QStringList { "RH Sensor: 16 -1", "Temperature Sensor: 17 -1" };
        QTest::newRow("ambient") << 6 << 100 << "OrvAmbient" << QStringList { "Temperature Sensor: 17 18" };
    }
    void backupBytesEachFamily()
    {
        QFETCH(int, code);
        QFETCH(int, firmware);
        QFETCH(QString, model);
        QFETCH(QStringList, sections);
        CliFixture cli;
        QVERIFY(cli.start(code, firmware));
        QStringList lines { "OrvSetup - Calibration mode", "", "Transmitter model: " + model, "Serial number: 00123045",
            "", "Calibration data backup:" };
        for (const QString& section : sections) {
            const QStringList parts = section.split(u' ');
            const int gain = parts.constLast().toInt();
            if (lines.size() > 6)
                lines << QString();
            lines << parts.mid(0, parts.size() - 2).join(u' ')
                  << "Offset: " + QString::number(cli.emulator->parameter(parts[parts.size() - 2].toInt())) + "\t\t"
                    + (gain < 0 ? QString() : "Gain: " + QString::number(cli.emulator->parameter(gain)));
        }
        QCOMPARE(cli.run({ QStringLiteral("backup") }).code, 0);
        QCOMPARE(fileBytes(cli.dir.filePath(QStringLiteral("00123045.txt"))),
            (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
        QCOMPARE(cli.writesReceived(), 0);
    }

    void backupKeepsTheFirstFile()
    {
        CliFixture cli;
        QVERIFY(cli.start(0));
        QCOMPARE(cli.run({ QStringLiteral("backup") }).code, 0);
        const QString path = cli.dir.filePath(QStringLiteral("00123045.txt"));
        const QByteArray first = fileBytes(path);

        const auto again = cli.run({ QStringLiteral("backup") });
        QCOMPARE(again.code, 0);
        QVERIFY(again.out.contains(QStringLiteral("já existe com esta mesma calibração")));
        cli.emulator->setParameter(4, qint16(cli.emulator->parameter(4) + 1));
        const auto changed = cli.run({ QStringLiteral("backup") });
        QCOMPARE(changed.code, 1);
        QVERIFY(changed.err.contains(QStringLiteral("foi mantido como estava")));
        QCOMPARE(fileBytes(path), first);

        QVERIFY(QDir(cli.dir.path()).mkdir(QStringLiteral("elsewhere")));
        QCOMPARE(cli.run({ QStringLiteral("backup"), QStringLiteral("--dir"), QStringLiteral("elsewhere") }).code, 0);
        QVERIFY(QFile::exists(cli.dir.filePath(QStringLiteral("elsewhere/00123045.txt"))));

        cli.emulator->clearLog();
        const auto noFolder = cli.run({ QStringLiteral("backup"), QStringLiteral("--dir"), QStringLiteral("missing") });
        QCOMPARE(noFolder.code, 3);
        QCOMPARE(cli.emulator->framesReceived(), 0);
    }

    void unknownModelIsIdentifiedButNotRead()
    {
        CliFixture cli;
        QVERIFY(cli.start(9, 100));
        for (const QStringList& arguments : { QStringList { QStringLiteral("read") },
                 QStringList { QStringLiteral("verify"), cli.file(QStringLiteral("head.json"), HeadFile) } }) {
            const auto result = cli.run(arguments);
            QCOMPARE(result.code, 3);
            QVERIFY2(result.err.contains(QStringLiteral("não foi identificado como um modelo conhecido")),
                qPrintable(result.err));
        }
    }

    void backupOfAModelWithoutCalibration()
    {
        CliFixture cli;
        QVERIFY(cli.start(5, 101));
        const auto result = cli.run({ QStringLiteral("backup") });
        QCOMPARE(result.code, 3);
        QVERIFY(result.err.contains(QStringLiteral("Orv-H não tem calibração")));
        QVERIFY(QDir(cli.dir.path()).entryList({ QStringLiteral("*.txt") }).isEmpty());
    }

    void languageFileIsHonoured()
    {
        CliFixture cli;
        QVERIFY(cli.start(0));
        QVERIFY(writeFile(cli.dir.path(), joinLines(englishLines())));
        const auto identified = cli.run({ QStringLiteral("identify") });
        QCOMPARE(identified.code, 0);
        QCOMPARE(identified.lines().value(0), QStringLiteral("EN 4800123045"));
        const auto read = cli.run({ QStringLiteral("read") });
        QVERIFY(read.lines().contains(QStringLiteral("EN 20: 0 °C")));
        cli.emulator->setFault(Fault::Silence);
        QCOMPARE(cli.run({ QStringLiteral("identify") }).err.trimmed(), QStringLiteral("Communication error!"));
    }

    // What a script reads of identify, read and verify is the same whatever the language file, the
    // decimal separator and the unit the window saved; only "display" follows them.
    void jsonIsFreeOfLanguageLocaleAndSavedUnit_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<Registers>("registers");
        QTest::addColumn<QByteArray>("file");  // verify's: one that differs
        QTest::newRow("head, Pt100 with a correction") << 0 << 130 << Registers { { 1, 0xC9 }, { 15, 32 } } << HeadFile;
        QTest::newRow("humidity with live values") << 4 << 101 << Registers { { 14, 500 }, { 15, 7 } } << HumidityFile;
        QTest::newRow("ambient") << 6 << 100 << Registers { { 15, 100 } }
                                 << QByteArray(R"({"format": 1, "family": "ambient", "model": "OrvAmbient", "unit": "C",
            "temperature": {"lower": 20, "upper": 30, "zeroCorrection": 0.5, "sensorFailure": "maximum"}})");
    }
    void jsonIsFreeOfLanguageLocaleAndSavedUnit()
    {
        QFETCH(int, code);
        QFETCH(int, firmware);
        QFETCH(Registers, registers);
        QFETCH(QByteArray, file);
        CliFixture cli;
        QVERIFY(cli.start(code, firmware));
        for (auto it = registers.begin(); it != registers.end(); ++it)
            cli.emulator->setParameter(it.key(), qint16(it.value()));
        const QString path = cli.file(QStringLiteral("wanted.json"), file);
        QStringList displays;
        const auto outputs = [&] {
            QJsonArray all;
            displays.clear();
            for (const QStringList& arguments : { QStringList { "identify", "--json" },
                     QStringList { "read", "--json" }, QStringList { "verify", path, "--json" } }) {
                const QJsonObject output = QJsonDocument::fromJson(cli.run(arguments).out.toUtf8()).object();
                displays << QJsonDocument(output.value("display").toObject()).toJson();
                all.append(machineValues(output));
            }
            return all;
        };
        const QJsonArray portuguese = outputs();
        const QStringList portugueseDisplays = displays;
        QCOMPARE(portuguese.at(2)["match"], QJsonValue(false));

        // Sensor names with a decimal point, every other text in English.
        QStringList english = englishLines();
        english[18] = QStringLiteral("Pt100 (0.00385)");
        QVERIFY(writeFile(cli.dir.path(), joinLines(english)));
        QCOMPARE(outputs(), portuguese);
        QVERIFY(displays != portugueseDisplays);
        QVERIFY(!cli.rig.writeFile(QStringLiteral("config/OrvSetup.ini"), cli.rig.settingsText("F")).isEmpty());
        QCOMPARE(outputs(), portuguese);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(outputs(), portuguese);
    }

    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no command") << QStringList {} << "falta o comando";
        QTest::newRow("unknown command") << QStringList { "flash" } << "comando desconhecido: flash";
        QTest::newRow("write without a file") << QStringList { "write" } << "precisa de exatamente um arquivo";
        QTest::newRow("verify with two files")
            << QStringList { "verify", "a.json", "b.json" } << "precisa de exatamente um arquivo";
        QTest::newRow("read with a file") << QStringList { "read", "a.json" } << "argumento inesperado: a.json";
        QTest::newRow("unknown unit") << QStringList { "read", "--unit", "K" } << "unidade inválida";
        QTest::newRow("unit for identify")
            << QStringList { "identify", "--unit", "F" } << "a opção --unit só vale para o comando read";
        QTest::newRow("json for backup") << QStringList { "backup",
            "--json" } << "a opção --json só vale para os comandos identify, read, write, verify, check e history";
        QTest::newRow("csv for read") << QStringList { "read", "--csv" }
                                      << "a opção --csv só vale para o comando history";
        QTest::newRow("json and csv") << QStringList { "history", "--json", "--csv" } << "não os dois";
        QTest::newRow("date that is none") << QStringList { "history", "--since", "7/12/2026" } << "data inválida";
        QTest::newRow("report without a pdf") << QStringList { "report", "00123045" } << "precisa da opção --pdf";
        QTest::newRow("dir for read") << QStringList { "read", "--dir", "." }
                                      << "a opção --dir só vale para o comando backup";
        QTest::newRow("port without a value")
            << QStringList { "identify", "--port" } << "falta o valor da opção --port";
        QTest::newRow("port that names none") << QStringList { "--port", "COMx", "identify" } << "porta inválida";
        QTest::newRow("unknown option") << QStringList { "read", "--fast" } << "opção desconhecida: --fast";
        QTest::newRow("bench log in no folder")
            << QStringList { "bench", "unit.json", "--log", "missing/run.csv" } << "O registro missing/run.csv não";
    }
    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        CliFixture cli;
        QVERIFY(!cli.file(QStringLiteral("unit.json"), HeadFile).isEmpty());
        const auto result = cli.run(arguments);
        QCOMPARE(result.code, 3);
        QVERIFY2(result.err.contains(reason), qPrintable(result.err));
        // Asked for JSON, the refusal is JSON as well; otherwise nothing is printed on the output.
        const QJsonObject error = QJsonDocument::fromJson(result.out.toUtf8()).object().value("error").toObject();
        QCOMPARE(error.value("code").toInt(-1), arguments.contains("--json") ? 3 : -1);
        QCOMPARE(result.out.isEmpty(), !arguments.contains("--json"));
    }

    void helpAndVersion()
    {
        CliFixture cli;
        const auto help = cli.run({ QStringLiteral("--help") });
        QCOMPARE(help.code, 0);
        QVERIFY(help.out.startsWith(QStringLiteral("Uso: korvsetup-cli")));
        const auto version = cli.run({ QStringLiteral("--version") });
        QCOMPARE(version.code, 0);
        QCOMPARE(version.out, QStringLiteral("korvsetup-cli %1\n").arg(QStringLiteral(KORV_VERSION)));
    }
};

QTEST_GUILESS_MAIN(CliCommandsTest)
#include "tst_cli_commands.moc"
