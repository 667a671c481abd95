#include "widgets/TypedInput.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QObject>

#include <utility>

namespace korv {

namespace {

constexpr char TypedMaxLengthProperty[] = "korvTypedMaxLength";

class UntypedTextGuard final : public QObject {
public:
    UntypedTextGuard(QLineEdit* edit, std::function<bool()> applies)
        : QObject(edit)
        , applies_(std::move(applies))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (!edit || edit->isReadOnly() || !refusing(event) || (applies_ && !applies_()))
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::ContextMenu) {
            showMenuWithoutPaste(edit, static_cast<QContextMenuEvent*>(event));
            return true;
        }
        if (event->type() == QEvent::InputMethod) {
            // Some systems deliver even plain typing as an input method's commit: it is typed
            // again as a key press, so that the edit's key rules see every character of it.
            QKeyEvent typed(
                QEvent::KeyPress, 0, Qt::NoModifier, static_cast<QInputMethodEvent*>(event)->commitString());
            QCoreApplication::sendEvent(edit, &typed);
            return true;
        }
        event->ignore();
        return true;
    }

private:
    static bool refusing(QEvent* event)
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            return static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste);
        case QEvent::MouseButtonRelease:
            // X11 pastes the primary selection on a middle click.
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::ContextMenu:
            return true;
        case QEvent::InputMethod:
            return !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty();
        default:
            return false;
        }
    }

    // The standard menu's items have no names; the paste item is told by the caption the edit gives
    // it (in the user's language) or by its shortcut.
    static bool isPasteItem(const QAction* action)
    {
        const QString shortcut
            = QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        return action->text().startsWith(QLineEdit::tr("&Paste")) || action->text().endsWith(shortcut);
    }

    // The edit's own menu, opened the way the edit opens it, with its paste item disabled.
    static void showMenuWithoutPaste(QLineEdit* edit, const QContextMenuEvent* event)
    {
        QMenu* menu = edit->createStandardContextMenu();
        for (QAction* action : menu->actions()) {
            if (isPasteItem(action))
                action->setEnabled(false);
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }

    std::function<bool()> applies_;
};

}  // namespace

void setTypedMaxLength(QLineEdit* edit, int maxLength)
{
    edit->setProperty(TypedMaxLengthProperty, maxLength);
}

int typedMaxLength(const QLineEdit* edit)
{
    return edit->property(TypedMaxLengthProperty).toInt();
}

bool insertTyped(QLineEdit* edit, const QString& text)
{
    const int limit = typedMaxLength(edit);
    if (limit > 0 && edit->text().size() - edit->selectedText().size() + text.size() > limit)
        return false;
    edit->insert(text);
    return true;
}

bool typeFiltered(QLineEdit* edit, const QKeyEvent* event, const std::function<KeyDecision(QChar)>& decide)
{
    if (event->key() == Qt::Key_Backspace)
        return !decide(Backspace).accept;
    // Some platforms give the editing shortcuts the letter as text (Cmd+C is "c").
    for (const auto shortcut :
        { QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll }) {
        if (event->matches(shortcut))
            return false;
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.front().isPrint())
        return false;
    for (const QChar key : text) {
        const KeyDecision decision = decide(key);
        if (!decision.accept)
            continue;
        if (decision.clearEditFirst)
            edit->clear();
        insertTyped(edit, QString(decision.key));
    }
    return true;
}

void refuseUntypedText(QLineEdit* edit, std::function<bool()> applies)
{
    edit->installEventFilter(new UntypedTextGuard(edit, std::move(applies)));
}

}  // namespace korv
