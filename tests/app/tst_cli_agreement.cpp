#include "support_appfixture.h"

#include "support/FifoGuard.h"

#include "app/shared/FileDialogs.h"
#include "cli/Cli.h"
#include "core/configuration/ConfigurationFile.h"
#include "headrail/RadioGroup.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <optional>

using namespace korv;

namespace {

using Registers = QMap<int, int>;

// Answers every file dialog with one path, and counts how often it was asked.
struct FixedFileDialogs final : FileDialogs {
    QString path;
    int asked = 0;
    QString openFileName(QWidget*, const QString&, const QString&) override { return answer(); }
    QString saveFileName(QWidget*, const QString&, const QString&, FileKind) override { return answer(); }
    QString answer()
    {
        ++asked;
        return path;
    }
};

struct CliResult {
    int code = -1;
    QString out;
    QString err;
};

// The command line, in this process, on the window's own settings and language folder. The window
// lets go of the port first, as two programs never share one.
CliResult runCli(AppFixture& app, const QStringList& arguments)
{
    app.form->session().link().Close();
    CliResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    cli::Environment environment;
    environment.settingsPath = app.settingsPath();
    environment.languageDirectory = app.dir.path();
    environment.historyPath = app.historyPath();
    result.code = cli::run(QStringList { QStringLiteral("korvsetup-cli") } + arguments, environment, out, err);
    return result;
}

QStringList nonEmptyLines(const QString& text)
{
    return text.split(u'\n', Qt::SkipEmptyParts);
}

QString checkedText(const QRadioButton* first, const QRadioButton* second)
{
    return first->isChecked() ? first->text() : second->text();
}

// The window's captions for the values the command line lists; the humidity and ambient pages
// share the head/rail page's words for them.
struct Captions {
    QString sensor, sensorRange, minimumSpan, lower, upper, zero, zeroMin, zeroMax, failure, filter;
    explicit Captions(const MainWindowUi& ui)
        : sensor(ui.SensorRadioGroup->title())
        , sensorRange(ui.sensorRangeTitle->text())
        , minimumSpan(ui.minimumSpanTitle->text())
        , lower(ui.lowerLimitLabel->text().trimmed())
        , upper(ui.upperLimitLabel->text().trimmed())
        , zero(ui.Corrzero->title())
        , zeroMin(ui.zeroMinTitle->text())
        , zeroMax(ui.zeroMaxTitle->text())
        , failure(ui.failureGroup->title())
        , filter(ui.filterGroup->title())
    {
    }
};

QString line(const QString& caption, const QString& value)
{
    return caption + QStringLiteral(": ") + value;
}

struct InputWidgets {
    QString title;
    const QLabel* range;
    const QLabel* minimumSpan;
    const QLineEdit* lower;
    const QLabel* lowerUnit;
    const QLineEdit* upper;
    const QLabel* upperUnit;
    const QLineEdit* zero;
    const QLabel* zeroUnit;
    const QLabel* zeroMin;
    const QLabel* zeroMinUnit;
    const QLabel* zeroMax;
    const QLabel* zeroMaxUnit;
    QString failure;
};

QStringList inputLines(const Captions& c, const InputWidgets& w)
{
    const QString indent = QStringLiteral("  ");
    return { w.title, indent + line(c.sensorRange, w.range->text()),
        indent + line(c.minimumSpan, w.minimumSpan->text()),
        indent + line(c.lower, w.lower->text() + u' ' + w.lowerUnit->text()),
        indent + line(c.upper, w.upper->text() + u' ' + w.upperUnit->text()),
        indent
            + line(c.zero,
                QStringLiteral("%1 %2 (%3 %4 %5, %6 %7 %8)")
                    .arg(w.zero->text(), w.zeroUnit->text(), c.zeroMin, w.zeroMin->text(), w.zeroMinUnit->text(),
                        c.zeroMax, w.zeroMax->text(), w.zeroMaxUnit->text())),
        indent + line(c.failure, w.failure) };
}

// Everything the window shows of the identified transmitter, in the command line's order and
// words: the information memo, any warning the read raised, then the page's values.
QStringList windowLines(AppFixture& app, bool withLive = true)
{
    const MainWindowUi& ui = app.form->ui;
    const Captions c(ui);
    const Model model = app.form->identification().TransmitterModel;
    QStringList lines;
    if (isHeadRail(model)) {
        lines << nonEmptyLines(ui.Config_Transmissor->toPlainText()) << app.boxTexts();
        const QString unit = ui.UnidMinSensor->text();
        lines << line(c.sensor, ui.SensorRadioGroup->itemText(ui.SensorRadioGroup->itemIndex()))
              << line(c.sensorRange,
                     ui.Faixa_Minima->text() + QStringLiteral(" a ") + ui.Faixa_Maxima->text() + u' ' + unit)
              << line(c.minimumSpan, ui.Span_Minimo->text() + u' ' + ui.UnidFaixaMinima->text())
              << line(c.lower, ui.EdtLimitMinSensor->text() + u' ' + ui.UnidMinFaixaUsuario->text())
              << line(c.upper, ui.EdtLimitMaxSensor->text() + u' ' + ui.UnidMaxFaixaUsuario->text())
              << line(c.zero,
                     QStringLiteral("%1 %2 (%3 %4 %5, %6 %7 %8)")
                         .arg(ui.EdtCorrigeZero->text(), ui.UnidZero->text(), c.zeroMin, ui.LblZeroMin->text(),
                             ui.UnidZeroLimitMin->text(), c.zeroMax, ui.LblZeroMax->text(),
                             ui.UnidZeroLimitMax->text()))
              << line(c.failure, checkedText(ui.Forca_SaidaMax, ui.Forca_SaidaMin))
              << line(c.filter, checkedText(ui.Freq_50, ui.Freq_60));
        return lines;
    }
    if (isHumidity(model)) {
        lines << nonEmptyLines(ui.Config_OrvHu->toPlainText()) << app.boxTexts();
        const bool dewPoint = app.form->DewPointItem && app.form->DewPointItem->isChecked();
        lines << line(QStringLiteral("Medida de Umidade"),
            dewPoint ? QStringLiteral("Ponto de Orvalho") : QStringLiteral("Umidade Relativa"));
        lines << inputLines(c,
            { ui.UmidadeGroupBox->title(), ui.humiditySensorRange, ui.humidityMinimumSpan, ui.EdtLimInfRH,
                ui.humidityLowerUnit, ui.EdtLimSupRH, ui.humidityUpperUnit, ui.EdtCorrZeroRH, ui.humidityZeroUnit,
                ui.ValorMinZeroRHLb, ui.humidityZeroMinUnit, ui.ValorMaxZeroRHLb, ui.humidityZeroMaxUnit,
                checkedText(ui.MaxRHRadioButton, ui.MinRHRadioButton) });
        if (hasHumidityTemperature(model))
            lines << inputLines(c,
                { ui.TemperaturaGroupBox->title(), ui.temperatureSensorRange, ui.temperatureMinimumSpan,
                    ui.EdtLimInfTemp, ui.temperatureLowerUnit, ui.EdtLimSupTemp, ui.temperatureUpperUnit,
                    ui.EdtCorrZeroTemp, ui.temperatureZeroUnit, ui.ValorMinZeroTempLb, ui.temperatureZeroMinUnit,
                    ui.ValorMaxZeroTempLb, ui.temperatureZeroMaxUnit,
                    checkedText(ui.MaxTempRadioButton, ui.MinTempRadioButton) });
        if (withLive)
            lines << nonEmptyLines(ui.ShowPVsMemo->toPlainText());
        return lines;
    }
    lines << nonEmptyLines(ui.Config_TxT->toPlainText()) << app.boxTexts();
    lines << inputLines(c,
        { ui.TemperaturaGroupBox->title(), ui.ambientSensorRange, ui.ambientMinimumSpan, ui.EdtTempLowLimit,
            ui.ambientLowerUnit, ui.EdtTempHighLimit, ui.ambientUpperUnit, ui.EdtTempZeroCorrection, ui.ambientZeroUnit,
            ui.TempUserOffsetInfValLb, ui.ambientZeroMinUnit, ui.TempUserOffsetSupValLb, ui.ambientZeroMaxUnit,
            checkedText(ui.MaxFailOptionRadioButton, ui.MinFailOptionRadioButton) });
    if (withLive)
        lines << nonEmptyLines(ui.ShowTempPVMemo->toPlainText());
    return lines;
}

config::Configuration parsedFile(const QString& path)
{
    const config::Parsed parsed = config::readConfigurationFile(path);
    return parsed.configuration.value_or(config::Configuration {});
}

QList<qint16> configurationRegisters(const emu::TransmitterEmulator& emulator)
{
    QList<qint16> values;
    for (int address : { 1, 6, 7, 8, 9, 10, 11, 14, 15 })
        values << emulator.parameter(address);
    return values;
}

}  // namespace

// The window and the command line over the same transmitter: they show the same values, and a
// configuration saved by one is written and judged by the other exactly as the window's send would.
class CliAgreementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readShowsTheSameValues_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<Registers>("registers");
        QTest::newRow("OrvHead K") << 0 << 130 << "C" << Registers { { 15, 7 } };
        QTest::newRow("OrvHead Pt100, old firmware, F") << 0 << 105 << "F" << Registers { { 1, 9 }, { 15, -20 } };
        QTest::newRow("OrvDin Pt100 without B") << 1 << 130 << "C" << Registers { { 1, 9 | 0x40 }, { 15, 300 } };
        QTest::newRow("OrvGalHead S, short list") << 2 << 100 << "C" << Registers { { 1, 4 | 0x80 } };
        QTest::newRow("OrvGalDin 4-20 mA") << 3 << 110 << "F" << Registers { { 1, 12 }, { 10, 0 }, { 11, 10000 } };
        QTest::newRow("OrvGalDin falling Pt100")
            << 3 << 110 << "C" << Registers { { 1, 9 }, { 10, -8625 }, { 11, -1250 }, { 15, 150 } };
        QTest::newRow("Orv-Hu relative") << 4 << 101 << "C"
                                         << Registers { { 6, -1200 }, { 7, 8000 }, { 14, 500 }, { 15, 7 } };
        QTest::newRow("Orv-Hu dew point, F") << 4 << 101 << "F" << Registers { { 1, 0x3040 }, { 14, -300 } };
        QTest::newRow("Orv-Hu without the measure menu") << 4 << 100 << "C" << Registers { { 1, 0x2000 } };
        QTest::newRow("Orv-H") << 5 << 101 << "C" << Registers { { 1, 0x1040 }, { 14, 250 } };
        QTest::newRow("OrvAmbient F") << 6 << 100 << "F" << Registers { { 8, -4706 }, { 9, 5882 }, { 15, 100 } };
        QTest::newRow("OrvAmbient maximum") << 6 << 100 << "C" << Registers { { 1, 0x1000 }, { 15, -1001 } };
    }
    void readShowsTheSameValues()
    {
        QFETCH(int, code);
        QFETCH(int, firmware);
        QFETCH(QString, unit);
        QFETCH(Registers, registers);
        AppFixture app;
        FixedFileDialogs dialogs;
        dialogs.path = app.dir.filePath(QStringLiteral("saved.json"));
        app.fileDialogs = &dialogs;
        QVERIFY(app.start(seedFor(code, firmware), unit));
        for (auto it = registers.begin(); it != registers.end(); ++it)
            app.emulator->setParameter(it.key(), qint16(it.value()));
        app.read();

        const CliResult read = runCli(app, { QStringLiteral("read") });
        QCOMPARE(read.code, 0);
        QCOMPARE(nonEmptyLines(read.out), windowLines(app));

        // What the window saves is the configuration part of the command line's JSON.
        app.boxes.clear();
        app.form->onSaveConfiguration();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        const CliResult json
            = runCli(app, { QStringLiteral("read"), QStringLiteral("--json"), QStringLiteral("--unit"), unit });
        const QJsonObject configuration
            = QJsonDocument::fromJson(json.out.toUtf8()).object().value(QStringLiteral("configuration")).toObject();
        const config::Parsed fromCli = config::parseConfiguration(QJsonDocument(configuration).toJson());
        QVERIFY2(fromCli.configuration, qPrintable(fromCli.error));
        QVERIFY(*fromCli.configuration == parsedFile(dialogs.path));
    }

    // A configuration the window saves, written by the command line to a second transmitter of the
    // same kind, leaves it as the window's own send leaves the first; verify then finds them equal.
    void windowSaveCliWriteCliVerify_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("unit");
        QTest::newRow("head, F") << 0 << 130 << "F";
        QTest::newRow("isolated rail") << 3 << 110 << "C";
        QTest::newRow("humidity") << 4 << 101 << "C";
        QTest::newRow("humidity only") << 5 << 101 << "F";
        QTest::newRow("ambient") << 6 << 100 << "C";
    }
    void windowSaveCliWriteCliVerify()
    {
        QFETCH(int, code);
        QFETCH(int, firmware);
        QFETCH(QString, unit);
        AppFixture app;
        FixedFileDialogs dialogs;
        dialogs.path = app.dir.filePath(QStringLiteral("bench.json"));
        app.fileDialogs = &dialogs;
        QVERIFY(app.start(seedFor(code, firmware), unit));
        app.read();
        MainWindowUi& ui = app.form->ui;
        const Model model = app.form->identification().TransmitterModel;
        // A technician's edits, each made as the window takes them.
        if (isHeadRail(model)) {
            ui.EdtLimitMaxSensor->setText(QStringLiteral("800"));
            app.form->headRail().AtualizaZero();
            ui.EdtCorrigeZero->setText(QStringLiteral("-2,5"));
            ui.Forca_SaidaMax->setChecked(true);
            ui.Freq_50->setChecked(true);
        } else if (isHumidity(model)) {
            ui.EdtLimInfRH->setText(QStringLiteral("80"));
            ui.EdtLimSupRH->setText(QStringLiteral("20"));
            app.form->humidity().AtualizaZeroRH();
            ui.EdtCorrZeroRH->setText(QStringLiteral("1,5"));
            ui.MaxRHRadioButton->setChecked(true);
            ui.MaxTempRadioButton->setChecked(true);
            if (hasHumidityTemperature(model)) {
                ui.EdtLimSupTemp->setText(QStringLiteral("60"));
                app.form->humidity().AtualizaZeroTemp();
                ui.EdtCorrZeroTemp->setText(QStringLiteral("0,75"));
            }
        } else {
            ui.EdtTempLowLimit->setText(QStringLiteral("0"));
            ui.EdtTempHighLimit->setText(QStringLiteral("100"));
            app.form->ambient().EdtTempLowLimitExit();
            ui.EdtTempZeroCorrection->setText(QStringLiteral("-1,2"));
            ui.MaxFailOptionRadioButton->setChecked(true);
        }
        app.boxes.clear();
        app.form->onSaveConfiguration();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(dialogs.asked, 1);

        emu::TransmitterEmulator second(seedFor(code, firmware));
        QVERIFY(second.setLinkPath(app.dir.filePath(QStringLiteral("ttySecond"))) && second.start());
        const QString port = QStringLiteral("--port");
        const CliResult written = runCli(app, { port, second.devicePath(), QStringLiteral("write"), dialogs.path });
        QVERIFY2(written.code == 0, qPrintable(written.out + written.err));
        const CliResult verified = runCli(app, { port, second.devicePath(), QStringLiteral("verify"), dialogs.path });
        QVERIFY2(verified.code == 0, qPrintable(verified.out + verified.err));

        app.send();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(configurationRegisters(second), configurationRegisters(*app.emulator));
        // And the first transmitter, written by the window, matches the file as well.
        QCOMPARE(runCli(app, { QStringLiteral("verify"), dialogs.path }).code, 0);
    }

    // Opening a file shows what a read of a transmitter holding it shows, and writes nothing.
    void openShowsWhatAReadOfTheFileShows_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("head, file in C, window in F")
            << 0 << 130 << "F"
            << QByteArray(R"({"format": 1, "family": "head-rail", "model": "OrvHead", "unit": "C", "sensor": "J",
                "lower": 100, "upper": 600, "zeroCorrection": 1.5, "sensorFailure": "maximum", "mainsFilter": 50})");
        QTest::newRow("humidity dew point")
            << 4 << 101 << "C"
            << QByteArray(R"({"format": 1, "family": "humidity", "model": "Orv-Hu", "unit": "F", "measure": "dew-point",
                "humidity": {"lower": -40, "upper": 200, "zeroCorrection": -2, "sensorFailure": "maximum"},
                "temperature": {"lower": 32, "upper": 212, "zeroCorrection": 0.5, "sensorFailure": "minimum"}})");
        QTest::newRow("ambient") << 6 << 100 << "C"
                                 << QByteArray(R"({"format": 1, "family": "ambient", "model": "OrvAmbient", "unit": "C",
                "temperature": {"lower": 0, "upper": 100, "zeroCorrection": 0.25, "sensorFailure": "maximum"}})");
    }
    void openShowsWhatAReadOfTheFileShows()
    {
        QFETCH(int, code);
        QFETCH(int, firmware);
        QFETCH(QString, unit);
        QFETCH(QByteArray, file);
        AppFixture app;
        FixedFileDialogs dialogs;
        dialogs.path = app.dir.filePath(QStringLiteral("wanted.json"));
        QFile out(dialogs.path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        app.fileDialogs = &dialogs;
        QVERIFY(app.start(seedFor(code, firmware), unit));
        app.read();
        app.emulator->clearLog();
        app.boxes.clear();

        app.form->onOpenConfiguration();
        QVERIFY2(app.boxes.shown.isEmpty(), qPrintable(app.boxTexts().join(u'|')));
        QCOMPARE(app.emulator->framesReceived(), 0);
        const QStringList opened = windowLines(app, false);

        QCOMPARE(runCli(app, { QStringLiteral("write"), dialogs.path }).code, 0);
        app.read();
        QCOMPARE(windowLines(app, false), opened);
    }

    void openRefusals_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("box");
        QTest::newRow("another family") << QByteArray(
            R"({"format": 1, "family": "ambient", "model": "OrvAmbient", "unit": "C",
                "temperature": {"lower": 0, "upper": 100, "zeroCorrection": 0, "sensorFailure": "maximum"}})")
                                        << "O arquivo é para um OrvAmbient, mas o transmissor é um OrvHead.";
        QTest::newRow("not JSON") << QByteArray("[Parametros]\nPort=COM2\n") << "não é um arquivo JSON válido";
        QTest::newRow("beyond the sensor")
            << QByteArray(R"({"format": 1, "family": "head-rail", "model": "OrvHead", "unit": "C", "sensor": "K",
                "lower": 0, "upper": 1500, "zeroCorrection": 0, "sensorFailure": "minimum", "mainsFilter": 60})")
            << "Os valores dos limites estão incorretos!\nupper = 1500";
    }
    void openRefusals()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, box);
        AppFixture app;
        FixedFileDialogs dialogs;
        dialogs.path = app.dir.filePath(QStringLiteral("other.json"));
        QFile out(dialogs.path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        app.fileDialogs = &dialogs;
        QVERIFY(app.start(seedFor(0, 130)));
        app.read();
        app.boxes.clear();
        const QStringList before = windowLines(app);
        app.emulator->clearLog();
        app.form->onOpenConfiguration();
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY2(app.boxes.shown[0].text.contains(box), qPrintable(app.boxes.shown[0].text));
        app.boxes.clear();
        QCOMPARE(windowLines(app), before);
        QCOMPARE(app.emulator->framesReceived(), 0);
    }

    // What the dialog gives may be no file, or too large for one: the box names it and why, the
    // window stays as it was, and a FIFO is never opened.
    void openRefusesWhatIsNoFile_data()
    {
        QTest::addColumn<bool>("fifo");  // else a file one byte larger than any configuration
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << true << QStringLiteral("é um FIFO, não um arquivo comum");
        QTest::newRow("one byte too large") << false << QStringLiteral("o arquivo é grande demais");
    }
    void openRefusesWhatIsNoFile()
    {
        QFETCH(bool, fifo);
        QFETCH(QString, reason);
        AppFixture app;
        FixedFileDialogs dialogs;
        dialogs.path = app.dir.filePath(QStringLiteral("other.json"));
        std::optional<test::FifoGuard> guard;
        QFile large(dialogs.path);
        QVERIFY(fifo ? guard.emplace(dialogs.path).created()
                     : large.open(QIODevice::WriteOnly) && large.resize(config::MaximumFileSize + 1));
        app.fileDialogs = &dialogs;
        QVERIFY(app.start(seedFor(0, 130)));
        app.read();
        app.boxes.clear();
        const QStringList before = windowLines(app);
        app.form->onOpenConfiguration();
        QCOMPARE(app.boxTexts().size(), 1);
        QVERIFY2(
            app.boxTexts()[0].startsWith(dialogs.path + QStringLiteral(": ") + reason), qPrintable(app.boxTexts()[0]));
        app.boxes.clear();
        QCOMPARE(windowLines(app), before);
        QVERIFY2(!guard || !guard->openedByReader(), "the FIFO was opened");
    }

    void saveAndOpenNeedAnIdentifiedTransmitter()
    {
        AppFixture app;
        FixedFileDialogs dialogs;
        dialogs.path = app.dir.filePath(QStringLiteral("none.json"));
        app.fileDialogs = &dialogs;
        QVERIFY(app.start(seedFor(0, 130)));
        app.form->onSaveConfiguration();
        app.form->onOpenConfiguration();
        QCOMPARE(app.boxTexts(),
            QStringList(2,
                QStringLiteral("Leia a configuração do transmissor antes de abrir ou "
                               "salvar uma configuração.")));
        QCOMPARE(dialogs.asked, 0);
    }

    // A form no send would take is not saved: the send's message, its focus, and no file.
    void saveRefusesWhatASendRefuses()
    {
        AppFixture app;
        FixedFileDialogs dialogs;
        dialogs.path = app.dir.filePath(QStringLiteral("refused.json"));
        app.fileDialogs = &dialogs;
        QVERIFY(app.start(seedFor(0, 130)));
        app.read();
        app.form->ui.EdtLimitMaxSensor->setText(QStringLiteral("1500"));
        app.boxes.clear();
        app.form->onSaveConfiguration();
        QCOMPARE(app.boxTexts(), QStringList { QStringLiteral("Os valores dos limites estão incorretos!") });
        QCOMPARE(dialogs.asked, 0);
        QVERIFY(!QFile::exists(dialogs.path));
    }
};

QTEST_MAIN(CliAgreementTest)
#include "tst_cli_agreement.moc"
