#pragma once

class QLineEdit;

// The zero-correction edits are emptied when the user enters them, so that a correction is always
// typed anew. Passing through one must not change the value it showed, or a click into it followed
// by a send would write a correction of 0 over the transmitter's own: left with nothing typed, the
// edit shows again what it held. An edit the user typed into, even one he then emptied, keeps what
// he left in it.
namespace korv {

// The user enters `edit`: it is emptied, and what it showed is kept for the way out. Entering again
// before leaving (after a message box, say) keeps the first text.
void startFreshEntry(QLineEdit* edit);

// The user leaves `edit`: when nothing was typed into it since it was entered and it is still
// empty (the program may have put a text of its own in it meanwhile), it shows again what it held.
void endFreshEntry(QLineEdit* edit);

}  // namespace korv
