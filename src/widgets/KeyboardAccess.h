#pragma once

class QAbstractButton;
class QWidget;

// How the keyboard moves through the hand-written forms, for those who cannot use a mouse.
namespace korv::ui {

// A group of auto-exclusive radio buttons (those of one parent) is one Tab stop, entered on its
// checked button, or on its first one while none is checked; the next Tab leaves the group and the
// arrows move within it, as Qt makes them. Left to itself, Qt enters such a group on whichever of
// its buttons last had the focus, and on the first one before any had it: after the program checks
// another button the user would land on the old one and, with the arrows, check its neighbour.
void tabEntersOnChecked(QAbstractButton* radio);

// Moves the Tab stop of the group in `parent` onto its checked button; for changes of the checked
// button that no toggle reports.
void placeGroupTabStop(QWidget* parent);

}  // namespace korv::ui
