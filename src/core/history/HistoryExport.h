#pragma once

#include "core/files/FileSave.h"
#include "core/history/HistoryEvent.h"
#include "core/history/HistoryStore.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <atomic>

// Events as a spreadsheet reads them, for a plant's own records and audits.
namespace korv::history {

// The header row's keys, in column order: stable, English, and the same in every language the
// program speaks, so that whatever reads the file never has to follow the program's texts.
extern const QStringList CsvColumns;

// RFC 4180: a header row, then one row per event in the list's order; fields with a comma, a
// quote or a line break are quoted, quotes doubled; CRLF after every row; UTF-8 without a BOM.
// Every value is written exactly as recorded.
QByteArray eventsCsv(const QList<Event>& events);
// The same file a row at a time, for lists too long to hold: the header row, then each event's.
QByteArray csvHeaderRow();
QByteArray csvRow(const Event& event);

// The events of the record at `recordPath` that the filter lets through, written a row at a time
// as that file at `path` through the one save, on a connection of its own (so on any thread).
// Stops at the next row once `cancel` is set, leaving whatever was at the path as it was;
// `written` counts the rows so far, for a progress bar on another thread.
SaveResult exportCsv(const QString& recordPath, const Filter& filter, const QString& path,
    const std::atomic_bool& cancel, std::atomic_int& written);

}  // namespace korv::history
