#include "report/UnitReport.h"

#include "core/files/FileSave.h"
#include "core/history/HistoryText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace korv::report {

using namespace korv::history;

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(korv::UnitReport)
};

QString title()
{
    return Tr::tr("Relatório de configuração");
}
// Paper, not a screen theme: a light grey survives a black-and-white printer and a photocopy.
const QString DiffersBackground = QStringLiteral("#e0e0e0");
const QString Dash = QStringLiteral("—");

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString heading(const QString& text)
{
    // The space a heading keeps above it is lost after a table.
    return QStringLiteral("<p style='font-size:4pt'>&nbsp;</p><h3>%1</h3>").arg(escaped(text));
}

QString fieldsTable(const QList<Field>& fields)
{
    QString html = QStringLiteral("<table cellspacing='0' cellpadding='2'>");
    for (const Field& field : fields)
        html
            += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(escaped(field.label), escaped(field.value));
    return html + QStringLiteral("</table>");
}

// As found beside as left; a row that differs is bold, shaded and marked "≠" in its own column,
// so that it stands out on any printer.
QString comparisonTable(const QString& keyHeader, const QList<Comparison>& rows, const QString& foundHeader,
    const QString& leftHeader, const QString& missing)
{
    QString html = QStringLiteral("<table border='1' cellspacing='0' cellpadding='3' width='100%'>"
                                  "<tr><th align='left' width='22%'>%1</th><th align='left' width='36%'>%2</th>"
                                  "<th align='left' width='36%'>%3</th><th width='6%'></th></tr>")
                       .arg(escaped(keyHeader), escaped(foundHeader), escaped(leftHeader));
    for (const Comparison& row : rows) {
        const auto cell = [&](const QString& text) {
            const QString shown = escaped(text.isEmpty() ? missing : text);
            return row.differs ? QStringLiteral("<b>%1</b>").arg(shown) : shown;
        };
        html
            += QStringLiteral("<tr%1><td>%2</td><td>%3</td><td>%4</td><td align='center'>%5</td></tr>")
                   .arg(row.differs ? QStringLiteral(" bgcolor='%1'").arg(DiffersBackground) : QString(), cell(row.key),
                       cell(row.found), cell(row.left), row.differs ? QStringLiteral("<b>≠</b>") : QString());
    }
    return html + QStringLiteral("</table>");
}

QString snapshotNote(const Event& event)
{
    if (!event.asFound && !event.asLeft)
        return Tr::tr("<p>Nenhum registro do transmissor foi lido nem escrito.</p>");
    QString note;
    if (!event.asFound)
        note += Tr::tr("Como encontrado: não lido. ");
    if (!event.asLeft)
        note += Tr::tr("Como deixado: não lido. ");
    if (event.asLeft && !event.asLeft->uncertain.isEmpty())
        note += Tr::tr("Registros sem confirmação (podem ter o valor enviado ou o anterior): %1. ")
                    .arg(registerListText(event.asLeft->uncertain));
    return note.isEmpty() ? QString() : QStringLiteral("<p>%1</p>").arg(escaped(note.trimmed()));
}

}  // namespace

QString unitReportHtml(const Event& event)
{
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h2>%1</h2>").arg(escaped(title()));
    html += fieldsTable(eventFields(event));

    html += heading(Tr::tr("Registros: como encontrado e como deixado"));
    html += snapshotNote(event);
    const QList<Comparison> registers = registerComparison(event);
    if (!registers.isEmpty())
        html += comparisonTable(
            Tr::tr("Registro"), registers, Tr::tr("Como encontrado"), Tr::tr("Como deixado"), notReadText());

    const QList<Comparison> configuration = configurationComparison(event);
    if (!configuration.isEmpty()) {
        html += heading(Tr::tr("Configuração: como encontrada e como deixada"));
        html += comparisonTable(Tr::tr("Item"), configuration, Tr::tr("Como encontrada"), Tr::tr("Como deixada"), Dash);
    }

    if (event.calibration) {
        const QList<Comparison> calibration = calibrationComparison(*event.calibration);
        html += heading(Tr::tr("Calibração"));
        if (!calibration.isEmpty())
            html += comparisonTable(Tr::tr("Valor"), calibration, Tr::tr("Antes"), Tr::tr("Depois"), Dash);
        if (!event.calibration->backupText.isEmpty()) {
            html += Tr::tr("<p><b>Cópia da calibração</b></p>");
            html += QStringLiteral("<pre>%1</pre>").arg(escaped(event.calibration->backupText));
        }
    }

    html += Tr::tr("<p><br/>Conferido por: ______________________________ &nbsp; "
                   "Data: ____/____/________</p>");
    html += QStringLiteral("<p><small>%1 — KOrvSetup %2</small></p>")
                .arg(escaped(Tr::tr("Gerado em %1")
                                 .arg(QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm")))),
                    escaped(event.programVersion));
    return html + QStringLiteral("</body></html>");
}

QByteArray unitReportPdf(const Event& event)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // No margins of the page: the document keeps 2 cm of its own and numbers the pages in them.
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setTitle(event.unit.serialNumber.isEmpty()
                ? title()
                : QStringLiteral("%1 — %2").arg(title(), event.unit.serialNumber));
        writer.setCreator(QStringLiteral("KOrvSetup"));
        QTextDocument document;
        QFont font = document.defaultFont();
        font.setPointSize(9);
        document.setDefaultFont(font);
        document.setHtml(unitReportHtml(event));
        document.print(&writer);
    }
    buffer.close();
    return bytes;
}

QString writeUnitReport(const Event& event, const QString& pdfPath)
{
    const QByteArray pdf = unitReportPdf(event);
    if (!pdf.startsWith("%PDF"))
        return Tr::tr("o relatório não pôde ser gerado");
    const SaveResult result = saveFile(pdfPath, pdf);
    return result.saved() ? QString() : result.reason;
}

}  // namespace korv::report
