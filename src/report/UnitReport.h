#pragma once

#include "core/history/HistoryEvent.h"

#include <QByteArray>
#include <QString>

namespace korv::report {

// The event's page as HTML: identity, result, who, where and when, as found beside as left per
// register and per configuration key (those that differ marked), the registers written, the
// calibration before and after and the backup's text.
QString unitReportHtml(const history::Event& event);

// The page as an A4 PDF. Needs a QGuiApplication (fonts); the caller provides it.
QByteArray unitReportPdf(const history::Event& event);

// Writes the PDF through the program's one save routine: whatever was at the path stays as it was
// unless the whole report took its place. Empty on success, else the reason.
QString writeUnitReport(const history::Event& event, const QString& pdfPath);

}  // namespace korv::report
