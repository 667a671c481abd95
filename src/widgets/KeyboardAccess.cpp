#include "widgets/KeyboardAccess.h"

#include <QAbstractButton>
#include <QList>
#include <QWidget>

namespace korv::ui {

namespace {

// The buttons Qt itself treats as one group: the auto-exclusive ones anywhere under the parent.
QList<QAbstractButton*> exclusiveGroupIn(const QWidget* parent)
{
    QList<QAbstractButton*> group = parent->findChildren<QAbstractButton*>();
    group.removeIf([](const QAbstractButton* button) {
        return !button->autoExclusive() || !button->isCheckable() || button->group();
    });
    return group;
}

}  // namespace

void placeGroupTabStop(QWidget* parent)
{
    if (!parent)
        return;
    const QList<QAbstractButton*> group = exclusiveGroupIn(parent);
    if (group.isEmpty())
        return;
    QAbstractButton* stop = group.constFirst();
    for (QAbstractButton* button : group) {
        if (button->isChecked()) {
            stop = button;
            break;
        }
    }
    // The others keep their click focus: a click still focuses and checks the button clicked.
    for (QAbstractButton* button : group) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(
            button == stop ? Qt::FocusPolicy(policy | Qt::TabFocus) : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

void tabEntersOnChecked(QAbstractButton* radio)
{
    // A button checked by the program as well as by the user: both toggle.
    QObject::connect(radio, &QAbstractButton::toggled, radio, [radio] { placeGroupTabStop(radio->parentWidget()); });
    placeGroupTabStop(radio->parentWidget());
}

}  // namespace korv::ui
