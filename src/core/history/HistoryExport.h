#pragma once

#include "core/history/HistoryEvent.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

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

}  // namespace korv::history
