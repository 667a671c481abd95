#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QString>

namespace korv::test {

// The text a control shows, whatever kind of control it is: the title of a menu or group box, the
// text of an action, label, button, edit or memo.
inline QString captionOf(const QObject* object)
{
    if (auto* menu = qobject_cast<const QMenu*>(object))
        return menu->title();
    if (auto* action = qobject_cast<const QAction*>(object))
        return action->text();
    if (auto* box = qobject_cast<const QGroupBox*>(object))
        return box->title();
    if (auto* label = qobject_cast<const QLabel*>(object))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(object))
        return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(object))
        return edit->text();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(object))
        return memo->toPlainText();
    return {};
}

}  // namespace korv::test
