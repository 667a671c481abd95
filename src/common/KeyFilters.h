#pragma once

#include <QChar>

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

}  // namespace korv
