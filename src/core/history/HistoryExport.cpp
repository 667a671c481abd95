#include "core/history/HistoryExport.h"

#include "core/history/HistoryText.h"

#include <QJsonDocument>

namespace korv::history {

const QStringList CsvColumns { QStringLiteral("id"), QStringLiteral("time_utc"), QStringLiteral("utc_offset_seconds"),
    QStringLiteral("bench"), QStringLiteral("user"), QStringLiteral("program_version"), QStringLiteral("front_end"),
    QStringLiteral("port"), QStringLiteral("command"), QStringLiteral("result"), QStringLiteral("exit_code"),
    QStringLiteral("result_text"), QStringLiteral("serial_number"), QStringLiteral("model"), QStringLiteral("firmware"),
    QStringLiteral("output_type"), QStringLiteral("written_confirmed"), QStringLiteral("written_not_kept"),
    QStringLiteral("written_unconfirmed"), QStringLiteral("as_found"), QStringLiteral("as_left"),
    QStringLiteral("calibration") };

namespace {

// No apostrophe is put before a value that starts with "=", "+", "-" or "@": the file is a record,
// and a serial number or a message changed on the way out would no longer match the database.
// What reaches these fields comes from the bench and the transmitter, not from strangers; a
// spreadsheet that evaluates them is told to import the columns as text.
QByteArray field(const QString& value)
{
    QByteArray bytes = value.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')) {
        bytes.replace('"', "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

QString compact(const QJsonObject& object)
{
    return object.isEmpty() ? QString() : QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

void appendRow(QByteArray& out, const QStringList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ',';
        out += field(values[i]);
    }
    out += "\r\n";
}

}  // namespace

QByteArray csvHeaderRow()
{
    QByteArray out;
    appendRow(out, CsvColumns);
    return out;
}

QByteArray csvRow(const Event& event)
{
    QByteArray out;
    appendRow(out,
        { event.id, event.time.toUTC().toString(Qt::ISODateWithMs), QString::number(event.utcOffsetSeconds),
            event.bench, event.user, event.programVersion, event.frontEnd, event.port, event.command,
            outcomeName(event.outcome), QString::number(event.exitCode), event.resultText, event.unit.serialNumber,
            event.unit.model, QString::number(event.unit.firmware), event.unit.outputType,
            registerListText(event.written.confirmed), registerListText(event.written.notKept),
            registerListText(event.written.unconfirmed), compact(snapshotJson(event.asFound)),
            compact(snapshotJson(event.asLeft)), compact(calibrationJson(event.calibration)) });
    return out;
}

QByteArray eventsCsv(const QList<Event>& events)
{
    QByteArray out = csvHeaderRow();
    for (const Event& event : events)
        out += csvRow(event);
    return out;
}

SaveResult exportCsv(const QString& recordPath, const Filter& filter, const QString& path,
    const std::atomic_bool& cancel, std::atomic_int& written)
{
    static std::atomic_int exports { 0 };
    Store store(recordPath, QStringLiteral("korv-export-%1").arg(++exports));
    if (!store.open())
        return { SaveResult::Failed, store.problem() };
    return saveFile(path, [&](const SaveWriter& write) {
        if (!write(csvHeaderRow()))
            return QString();
        const QString problem = store.forEachEvent(filter, [&](const Event& event) {
            if (cancel)
                return false;
            ++written;
            return write(csvRow(event));
        });
        if (!problem.isEmpty())
            return problem;
        return cancel ? QStringLiteral("cancelled") : QString();
    });
}

}  // namespace korv::history
