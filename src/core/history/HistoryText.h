#pragma once

#include "core/history/HistoryEvent.h"

#include <QDateTime>
#include <QList>
#include <QString>

// An event as people read it: the labelled fields of the record window's detail pane and of the
// unit report, and its as found beside its as left. Both viewers take their words from here, so
// that the screen and the filed page never name a thing differently.
namespace korv::history {

// The moment as the bench's clock showed it, with the bench's offset: "03/05/2024 14:22:10 (UTC-03:00)".
QString benchTimeText(const QDateTime& utc, int utcOffsetSeconds);
QString offsetText(int utcOffsetSeconds);  // "UTC-03:00"
QString outcomeText(Outcome outcome);  // "Concluído", "Falhou", "Interrompido"
// The command's caption ("Ler configuração" for "read"); a name this program does not know, as it
// was recorded.
QString commandText(const QString& command);
QString registerListText(const QList<int>& registers);  // "1 2 3"
QString writesText(const Writes& writes);  // "confirmados 1 2; não mantidos 4; sem confirmação 5"
QString registerValueText(int value);  // "1234 (0x04D2)": configuration words read best in hex

struct Field {
    QString label;
    QString value;
};

// Who, where, when, on which unit and with what result, in the order a page lists them.
QList<Field> eventFields(const Event& event);
// The fields as "Label: value" lines.
QString eventText(const Event& event);

// One register, or one key of the configuration form, as found and as left.
struct Comparison {
    QString key;
    QString found;  // empty: that snapshot lacks it
    QString left;
    bool differs = false;  // only where both snapshots were taken
};

QString notReadText();  // "não lido", in the language in use
QString uncertainText();  // "incerto"

// Every register either snapshot holds, in address order; a register left without a confirmed
// value reads "incerto" and differs.
QList<Comparison> registerComparison(const Event& event);
// Every key of either configuration form, nested keys joined with a dot ("humidity.lower").
QList<Comparison> configurationComparison(const Event& event);
// Each value of a calibration apply, before and after.
QList<Comparison> calibrationComparison(const CalibrationChange& change);

}  // namespace korv::history
