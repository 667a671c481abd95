#include "widgets/FreshEntry.h"

#include <QLineEdit>
#include <QObject>
#include <QString>

namespace korv {

namespace {

constexpr char EntryName[] = "korvFreshEntry";

// What an edit held when the user entered it, and whether he has typed since. textEdited reports
// every change the user makes (typing, Backspace, Delete, cut, undo) and none the program makes,
// so emptying the edit on entry and restoring it are no typing.
class FreshEntry final : public QObject {
public:
    explicit FreshEntry(QLineEdit* edit)
        : QObject(edit)
    {
        setObjectName(QLatin1String(EntryName));
        connect(edit, &QLineEdit::textEdited, this, [this] { typed = true; });
    }

    static FreshEntry* of(QLineEdit* edit)
    {
        return static_cast<FreshEntry*>(
            edit->findChild<QObject*>(QLatin1String(EntryName), Qt::FindDirectChildrenOnly));
    }

    QString held;
    bool entered = false;
    bool typed = false;
};

}  // namespace

void startFreshEntry(QLineEdit* edit)
{
    FreshEntry* entry = FreshEntry::of(edit);
    if (!entry)
        entry = new FreshEntry(edit);
    const bool untouchedSinceEntry = entry->entered && !entry->typed && edit->text().isEmpty();
    if (!untouchedSinceEntry)
        entry->held = edit->text();
    entry->entered = true;
    entry->typed = false;
    edit->clear();
}

void endFreshEntry(QLineEdit* edit)
{
    FreshEntry* entry = FreshEntry::of(edit);
    if (!entry || !entry->entered)
        return;
    entry->entered = false;
    if (!entry->typed && edit->text().isEmpty())
        edit->setText(entry->held);
    entry->held.clear();
}

}  // namespace korv
