#include "cli/bench/Bench.h"

#include "cli/Cli.h"
#include "cli/CliTexts.h"
#include "cli/commands/Commands.h"
#include "cli/record/HistoryCommands.h"
#include "common/NumberFormat.h"
#include "common/StopRequest.h"
#include "core/configuration/ConfigurationFile.h"
#include "core/files/FileRead.h"
#include "core/files/FileSave.h"
#include "core/history/CommandRecord.h"
#include "core/link/SerialLink.h"
#include "core/protocol/Identification.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

namespace korv::cli {

namespace {

// One short attempt, no pause: a slot without a transmitter costs a fraction of a second, not
// the eight seconds of a command's contact.
constexpr ContactPolicy ProbeContact { 1, 0, false };
constexpr int ProbePeriodMs = 500;
// A unit that has not answered for this long has been taken off the bench.
constexpr int RemovedAfterMs = 1000;
// A bench log is one short line per unit; anything much larger is not one.
constexpr qint64 MaximumLogBytes = 16 * 1024 * 1024;

enum class UnitResult { Passed, Failed, Refused };

struct UnitLine {
    QDateTime time;
    QString serialNumber;
    QString unitKey;  // tells units apart where the serial number text cannot
    QString model;
    UnitResult result = UnitResult::Passed;
    QString message;
    double seconds = 0;
};

QString resultKey(UnitResult result)
{
    switch (result) {
    case UnitResult::Passed:
        return QStringLiteral("ok");
    case UnitResult::Failed:
        return QStringLiteral("failed");
    case UnitResult::Refused:
        return QStringLiteral("refused");
    }
    return {};
}

QString csvField(const QString& value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    return u'"' + QString(value).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// Registers 2 and 3 as read decide whether the unit on the bench is still the one done last: two
// units the serial number text shows alike are still two units.
QString unitKey(const IdentificationRecord& unit)
{
    return unit.serialRegisters ? serialIdentityText(*unit.serialRegisters) : unit.SerialNumberText;
}

// Sleeps in short slices, so that a signal ends the wait at once.
void pause(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms && !finishRequested())
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(50, ms - clock.elapsed())));
}

class BenchRun {
public:
    BenchRun(const Options& options, TransmitterSession& session, const CliTexts& texts, const RecordPlace& record,
        const AppSettings& settings, QTextStream& out, QTextStream& err)
        : options_(options)
        , session_(session)
        , texts_(texts)
        , record_(record)
        , settings_(settings)
        , out_(out)
        , err_(err)
    {
    }

    int run();

private:
    std::optional<int> prepare();
    UnitLine doUnit();
    void report(const UnitLine& line);
    void summary();

    const Options& options_;
    TransmitterSession& session_;
    const CliTexts& texts_;
    const RecordPlace& record_;
    const AppSettings& settings_;
    QTextStream& out_;
    QTextStream& err_;
    QByteArray log_;  // the log file's whole text, rewritten after each unit
    int passed_ = 0;
    int failed_ = 0;
    double seconds_ = 0;
};

std::optional<int> BenchRun::prepare()
{
    // Everything the run needs is judged before the first unit is touched.
    const config::Parsed parsed = config::readConfigurationFile(options_.file);
    if (!parsed.configuration) {
        err_ << QStringLiteral("%1: %2").arg(options_.file, parsed.error) << '\n';
        return ExitBadInput;
    }
    if (!options_.backupDirectory.isEmpty() && !QFileInfo(options_.backupDirectory).isDir()) {
        err_ << CliText::tr("A pasta %1 não existe ou não é uma pasta.").arg(options_.backupDirectory) << '\n';
        return ExitBadInput;
    }
    if (!options_.log.isEmpty() && QFileInfo::exists(options_.log)) {
        const FileBytes earlier = readRegularFile(options_.log, MaximumLogBytes);
        if (!earlier.ok()) {
            err_ << QStringLiteral("%1: %2").arg(options_.log, earlier.error) << '\n';
            return ExitBadInput;
        }
        log_ = earlier.bytes;
    }
    if (!options_.log.isEmpty() && log_.isEmpty())
        log_ = "time,serial_number,model,result,message,seconds\r\n";
    // A log that cannot be written is found now, not after the first unit: the header (or the
    // earlier rows, unchanged) goes to the log as each unit's row will.
    if (!options_.log.isEmpty()) {
        const SaveResult saved = saveFile(options_.log, log_);
        if (!saved.saved()) {
            err_ << CliText::tr("O registro %1 não pôde ser salvo: %2").arg(options_.log, saved.reason) << '\n';
            return ExitBadInput;
        }
    }
    return std::nullopt;
}

UnitLine BenchRun::doUnit()
{
    QElapsedTimer clock;
    clock.start();
    UnitLine line;
    line.time = QDateTime::currentDateTime();
    // What the commands print goes into the unit's line, not onto the terminal one by one.
    QString said;
    QString failure;
    QTextStream saidStream(&said);
    QTextStream failureStream(&failure);
    const QString port = session_.portName();
    Commands commands(session_, port, texts_, saidStream, failureStream);
    history::CommandRecord record(session_, history::CommandLineFrontEnd, QStringLiteral("bench"), port);
    commands.setRecord(&record);
    commands.contactMade();

    int code = ExitOk;
    if (!options_.backupDirectory.isEmpty())
        code = commands.backup(options_.backupDirectory);
    // An earlier backup with another calibration is kept and said; the unit is configured all the same.
    if (code == ExitOk || code == ExitDiffers)
        code = commands.write(options_.file);
    // What verify finds (a match or differences) belongs to the unit written only while that unit
    // is still the one in place.
    if (code == ExitOk) {
        code = commands.verify(options_.file);
        if (const auto failed = commands.confirmUnit())
            code = *failed;
    }

    const IdentificationRecord& unit = session_.identification();
    line.serialNumber = unit.SerialNumberText;
    line.unitKey = unitKey(unit);
    line.model = unit.ModelString();
    line.result = code == ExitOk ? UnitResult::Passed : code == ExitBadInput ? UnitResult::Refused : UnitResult::Failed;
    line.message = failure.trimmed().section(u'\n', 0, 0);
    if (line.result == UnitResult::Failed && line.message.isEmpty())
        line.message = said.trimmed().section(u'\n', -1);
    if (StopRequest::requested())
        record.setResult(history::Outcome::Stopped, record.resultText(), code);
    const history::Event event = record.finish(texts_.messages());
    for (const QString& problem : keepEvent(event, record_, settings_))
        err_ << problem << '\n';
    line.seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    return line;
}

void BenchRun::report(const UnitLine& line)
{
    const QString seconds = QString::number(line.seconds, 'f', 1);
    QString result;
    switch (line.result) {
    case UnitResult::Passed:
        result = QStringLiteral("ok");
        ++passed_;
        break;
    case UnitResult::Failed:
        result = CliText::tr("FALHOU: ") + line.message;
        ++failed_;
        break;
    case UnitResult::Refused:
        result = CliText::tr("RECUSADO: ") + line.message;
        ++failed_;
        break;
    }
    seconds_ += line.seconds;
    out_ << QStringLiteral("%1  %2  %3  %4  %5 s")
                .arg(line.time.toString(QStringLiteral("HH:mm:ss")), line.serialNumber, line.model, result,
                    QString(seconds).replace(u'.', decimalSeparator()))
         << '\n';
    out_.flush();
    // The terminal's bell calls the operator to a unit that needs a look.
    if (line.result != UnitResult::Passed) {
        err_ << '\a';
        err_.flush();
    }
    if (options_.log.isEmpty())
        return;
    const QStringList fields { line.time.toOffsetFromUtc(line.time.offsetFromUtc()).toString(Qt::ISODate),
        line.serialNumber, line.model, resultKey(line.result), line.message, QString::number(line.seconds, 'f', 2) };
    QStringList quoted;
    for (const QString& field : fields)
        quoted << csvField(field);
    log_ += quoted.join(u',').toUtf8() + "\r\n";
    const SaveResult saved = saveFile(options_.log, log_);
    if (!saved.saved())
        err_ << CliText::tr("O registro %1 não pôde ser salvo: %2").arg(options_.log, saved.reason) << '\n';
}

void BenchRun::summary()
{
    const int units = passed_ + failed_;
    const QString mean = QString::number(units > 0 ? seconds_ / units : 0.0, 'f', 1).replace(u'.', decimalSeparator());
    err_ << '\n'
         << CliText::tr("Unidades: %1 (certas: %2, com falha: %3); tempo médio %4 s.")
                .arg(units)
                .arg(passed_)
                .arg(failed_)
                .arg(mean)
         << '\n';
    err_.flush();
}

int BenchRun::run()
{
    if (const auto refused = prepare())
        return *refused;
    finishAfterUnitOnSignals();
    // The unit last done, until it has been taken off: it is never written twice in a row.
    QString present;
    QElapsedTimer silence;
    silence.start();
    bool waitingSaid = false;
    bool portLostSaid = false;
    while (!finishRequested()) {
        QElapsedTimer probe;
        probe.start();
        const ContactOutcome contact = session_.contact(ProbeContact);
        if (contact == ContactOutcome::PortUnavailable) {
            // Named as the other commands name it: the program holding the port, the group to join.
            const auto text = [this] { return portUnavailableText(session_, session_.portName(), texts_); };
            // A port that never opened is a mistake in the command; one lost during the run (an
            // adapter pulled out) may come back, and the run waits for it.
            if (passed_ + failed_ == 0) {
                err_ << text() << '\n';
                return ExitCommunication;
            }
            if (!portLostSaid) {
                err_ << text() << '\n';
                err_.flush();
                portLostSaid = true;
            }
            pause(ProbePeriodMs);
            continue;
        }
        portLostSaid = false;
        const bool answered = contact == ContactOutcome::Made;
        const QString serial = answered ? unitKey(session_.identification()) : QString();
        if (answered && serial != present) {
            waitingSaid = false;
            const UnitLine line = doUnit();
            report(line);
            present = line.unitKey.isEmpty() ? serial : line.unitKey;
            silence.restart();
            continue;
        }
        if (answered)
            silence.restart();
        else if (!present.isEmpty() && silence.elapsed() >= RemovedAfterMs)
            present.clear();
        if (!waitingSaid && present.isEmpty()) {
            err_ << CliText::tr("Aguardando um transmissor em %1… (Ctrl+C termina)").arg(session_.portName()) << '\n';
            err_.flush();
            waitingSaid = true;
        }
        pause(ProbePeriodMs - static_cast<int>(std::min<qint64>(probe.elapsed(), ProbePeriodMs)));
    }
    summary();
    return failed_ == 0 ? ExitOk : ExitDiffers;
}

}  // namespace

int runBench(const Options& options, TransmitterSession& session, const CliTexts& texts, const RecordPlace& record,
    const AppSettings& settings, QTextStream& out, QTextStream& err)
{
    return BenchRun(options, session, texts, record, settings, out, err).run();
}

}  // namespace korv::cli
