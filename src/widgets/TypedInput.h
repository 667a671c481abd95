#pragma once

#include "common/KeyFilters.h"

#include <QString>

#include <functional>

class QKeyEvent;
class QLineEdit;

// Edits whose text the user may only type, key by key, through the page's key rules.
//
// QLineEdit::setMaxLength limits typing but also cuts every text the program sets, so a
// correction read as "-120,41" would be shown, and sent back, as "-120,". The limit here applies
// to typing only, as the edits of the transmitters' setup always behaved.
namespace korv {

// The most characters typing may leave in `edit` (0: no limit). Text the program sets is shown
// whole whatever its length.
void setTypedMaxLength(QLineEdit* edit, int maxLength);
int typedMaxLength(const QLineEdit* edit);

// Inserts `text` at the cursor as typing does, replacing the selection; refused whole (false)
// when the result would pass the typed limit.
bool insertTyped(QLineEdit* edit, const QString& text);

// Runs each character of a key press through `decide` and types what it lets through. Backspace
// is shown to `decide` and left to the edit; keys that type nothing (navigation, Delete, the
// control shortcuts) are left to the edit too. True when the key press is consumed.
bool typeFiltered(QLineEdit* edit, const QKeyEvent* event, const std::function<KeyDecision(QChar)>& decide);

// Text that arrives without a key press (paste by key or menu, the X11 middle-button selection,
// drag and drop) has passed no key rule; it is refused for as long as `applies` says the rules
// hold (always when no condition is given). An input method's commit is typed as a key press
// instead, through the same rules. Copy, cut, undo and select keep working.
void refuseUntypedText(QLineEdit* edit, std::function<bool()> applies = {});

}  // namespace korv
