#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

class QBoxLayout;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QWidget;

// Small builders for the hand-written forms: every control gets its object name on creation, and
// the sizes are derived from the texts the control has to show, so that nothing is cut off whatever
// font the desktop uses.
namespace korv::ui {

// Labels show their text as it is, never as markup.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text);

// A label whose text changes at run time keeps room for the widest of the texts it may get, so
// that a later text neither gets clipped nor pushes its neighbours around.
void reserveWidth(QLabel* label, const QStringList& texts);

// widestText sizes the edit: the longest value it is expected to show in full. maxLength limits
// typing only; a text the program sets is kept whole.
QLineEdit* makeEdit(
    QWidget* parent, const QString& name, const QString& text, const QString& widestText, int maxLength = 0);

// Read-only boxes that only show values: greyed, out of the tab order, no text cursor.
QLineEdit* makeDisplayBox(QWidget* parent, const QString& name, const QString& widestText);

// The status line of a page: a read-only, frameless strip in red bold text.
QLineEdit* makeStatusEdit(QWidget* parent, const QString& name);

// A read-only, frameless, greyed memo tall enough for visibleLines lines of text, out of the tab
// order.
QPlainTextEdit* makeMemo(QWidget* parent, const QString& name, int visibleLines);

// One of the radio buttons of `parent`, which Tab enters on the checked one.
QRadioButton* makeRadio(QWidget* parent, const QString& name, const QString& text);

QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& title);

// The transfer progress of a page: 0 to 10, no text, hidden until a transfer runs.
QProgressBar* makeTransferBar(QWidget* parent, const QString& name);

// Width of an edit that shows text in full, frame and margins included.
int editWidthFor(const QLineEdit* edit, const QString& text);

// Layouts with the compact spacing the fixed-size window needs.
QGridLayout* makeGrid(QWidget* box);
QHBoxLayout* makeRow(std::initializer_list<QWidget*> widgets, bool trailingStretch = true);

}  // namespace korv::ui
