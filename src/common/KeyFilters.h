#pragma once

#include <QChar>
#include <QtCore/qnamespace.h>

namespace korv {

// What a key filter does with one typed character.
struct KeyDecision {
    bool accept = false;  // false: the key is discarded
    QChar key;  // the character to insert when accepted (may differ from the typed one)
    bool clearEditFirst = false;  // empty the edit before inserting the key
};

inline constexpr QChar Backspace = QChar(u'\b');

// Typing state of a zero-correction edit: whether the decimal separator has been typed and how
// many decimals follow it.
struct ZeroKeyState {
    bool separatorTyped = false;
    int decimalsTyped = 0;
};

// Zero-correction entry: a signed number with at most two decimals. "," and "." both become the
// user's separator; "-" starts a new number.
KeyDecision filterZeroCorrectionKey(ZeroKeyState& state, QChar key, QChar separator);

// Whole-number limit entry: digits and Backspace; "-" (when allowed) empties the edit and starts
// a new, negative number, so a minus sign can only stand first.
KeyDecision filterLimitKey(QChar key, bool minusAllowed);

// Focus changes the user makes between controls. A focus loss to a message box, a popup or the
// menu bar returns to the same control and is no exit from it, so the exit rules of the edits
// listen to these reasons only.
inline bool isUserFocusMove(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

}  // namespace korv
