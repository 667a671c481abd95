#include "app/shared/WindowTexts.h"

#include "i18n/Translation.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace korv {

namespace {

// One text of an object: read it, and (when retranslating) write it back.
struct TextSlot {
    QString name;
    QString text;
    std::function<void(const QString&)> set;
};

QString nameOf(const QObject* object)
{
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

void addSlots(QObject* object, QList<TextSlot>& slots)
{
    const QString name = nameOf(object);
    const auto add = [&](const char* what, const QString& text, std::function<void(const QString&)> set) {
        if (!text.isEmpty())
            slots.append({ name + QLatin1Char('.') + QLatin1String(what), text, std::move(set) });
    };
    if (auto* action = qobject_cast<QAction*>(object)) {
        if (action->isSeparator())
            return;
        add("text", action->text(), [action](const QString& t) { action->setText(t); });
        if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
            add("toolTip", action->toolTip(), [action](const QString& t) { action->setToolTip(t); });
        add("statusTip", action->statusTip(), [action](const QString& t) { action->setStatusTip(t); });
        return;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return;
    if (widget->isWindow())
        add("windowTitle", widget->windowTitle(), [widget](const QString& t) { widget->setWindowTitle(t); });
    add("toolTip", widget->toolTip(), [widget](const QString& t) { widget->setToolTip(t); });
    add("accessibleName", widget->accessibleName(), [widget](const QString& t) { widget->setAccessibleName(t); });
    add("accessibleDescription", widget->accessibleDescription(),
        [widget](const QString& t) { widget->setAccessibleDescription(t); });
    if (auto* menu = qobject_cast<QMenu*>(widget))
        add("title", menu->title(), [menu](const QString& t) { menu->setTitle(t); });
    else if (auto* label = qobject_cast<QLabel*>(widget))
        add("text", label->text(), [label](const QString& t) { label->setText(t); });
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        add("text", button->text(), [button](const QString& t) { button->setText(t); });
    else if (auto* box = qobject_cast<QGroupBox*>(widget))
        add("title", box->title(), [box](const QString& t) { box->setTitle(t); });
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        add("placeholderText", edit->placeholderText(), [edit](const QString& t) { edit->setPlaceholderText(t); });
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i) {
            add("tab", tabs->tabText(i), [tabs, i](const QString& t) { tabs->setTabText(i, t); });
            add("tabToolTip", tabs->tabToolTip(i), [tabs, i](const QString& t) { tabs->setTabToolTip(i, t); });
        }
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // An editable combo's items are what the user typed before.
        for (int i = 0; !combo->isEditable() && i < combo->count(); ++i)
            add("item", combo->itemText(i), [combo, i](const QString& t) { combo->setItemText(i, t); });
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
        QAbstractItemModel* model = view->model();
        for (const Qt::Orientation orientation : { Qt::Horizontal, Qt::Vertical }) {
            const int count = orientation == Qt::Horizontal ? model->columnCount() : 0;
            for (int i = 0; i < count; ++i) {
                add("header", model->headerData(i, orientation).toString(),
                    [model, i, orientation](const QString& t) { model->setHeaderData(i, orientation, t); });
            }
        }
    }
}

QList<TextSlot> slotsOf(QWidget* window)
{
    QList<TextSlot> slots;
    if (!window)
        return slots;
    addSlots(window, slots);
    for (QObject* child : window->findChildren<QObject*>())
        addSlots(child, slots);
    return slots;
}

}  // namespace

void forEachWindowText(QWidget* window, const WindowTextVisitor& visit)
{
    for (const TextSlot& slot : slotsOf(window))
        visit(slot.name, slot.text);
}

void retranslateWindow(QWidget* window)
{
    for (const TextSlot& slot : slotsOf(window)) {
        const QString text = retranslated(slot.text);
        if (text != slot.text)
            slot.set(text);
    }
    // Qt's tab bars name their scroll buttons once, when they are made, in the language of then.
    if (!window)
        return;
    for (QTabBar* bar : window->findChildren<QTabBar*>()) {
        for (const auto& [name, text] :
            { std::pair { "ScrollLeftButton", "Scroll Left" }, std::pair { "ScrollRightButton", "Scroll Right" } }) {
            if (auto* button = bar->findChild<QToolButton*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
                button->setAccessibleName(QTabBar::tr(text));
        }
    }
}

void retranslateAllWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // Menus are reached through the windows that own them.
        if (!window->parentWidget())
            retranslateWindow(window);
    }
}

}  // namespace korv
