#pragma once

#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace korv {

// Every text a user sees on a window and its controls, menus and actions included: titles, captions,
// tips, accessible names, tab and list-header texts, combo items, placeholders. Never what a user
// typed or a transmitter sent (edits' contents, logs). `where` names the object and what of it
// the text is, as "ObjectName.text".
using WindowTextVisitor = std::function<void(const QString& where, const QString& text)>;
void forEachWindowText(QWidget* window, const WindowTextVisitor& visit);

// Puts every text of the window that the translation sources know, in whatever language, into the
// language now in use; any other text stays as it is.
void retranslateWindow(QWidget* window);

// retranslateWindow for every top-level window of the application, hidden ones too.
void retranslateAllWindows();

}  // namespace korv
