#include "headrail/RadioGroup.h"

#include "widgets/KeyboardAccess.h"

#include <QGridLayout>
#include <QRadioButton>

#include <utility>

namespace korv {

RadioGroup::RadioGroup(QWidget* parent)
    : RadioGroup(QString(), parent)
{
}

RadioGroup::RadioGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(4, 2, 4, 4);
    grid_->setHorizontalSpacing(6);
    grid_->setVerticalSpacing(0);
    for (int column = 0; column < Columns; ++column)
        grid_->setColumnStretch(column, 1);
    connect(this, &QObject::objectNameChanged, this, &RadioGroup::renameButtons);
}

QString RadioGroup::itemText(int index) const
{
    return index >= 0 && index < items_.size() ? items_.at(index) : QString();
}

QRadioButton* RadioGroup::button(int index) const
{
    return index >= 0 && index < buttons_.size() ? buttons_.at(index) : nullptr;
}

void RadioGroup::setItems(const QStringList& items)
{
    items_ = items;
    syncButtons();
}

void RadioGroup::setItemText(int index, const QString& text)
{
    if (index < 0 || index >= items_.size())
        return;
    items_[index] = text;
    buttons_.at(index)->setText(text);
}

void RadioGroup::addItem(const QString& text)
{
    items_.append(text);
    syncButtons();
}

void RadioGroup::deleteItem(int index)
{
    if (index < 0 || index >= items_.size())
        return;
    items_.removeAt(index);
    syncButtons();
}

void RadioGroup::setItemIndex(int index)
{
    if (index < -1)
        index = -1;
    if (index >= items_.size())
        index = static_cast<int>(items_.size()) - 1;
    if (index == index_)
        return;
    index_ = index;
    showSelection();
    Q_EMIT clicked();
}

// The buttons are positional: button i always shows item i, so a deletion re-texts the buttons after
// it and drops the last one. The dropped button may be the one whose click is being handled, hence
// deleteLater.
void RadioGroup::syncButtons()
{
    while (buttons_.size() > items_.size()) {
        QRadioButton* extra = buttons_.takeLast();
        grid_->removeWidget(extra);
        extra->hide();
        extra->setParent(nullptr);
        extra->deleteLater();
    }
    const bool growing = buttons_.size() < items_.size();
    while (buttons_.size() < items_.size()) {
        auto* button = new QRadioButton(this);
        connect(button, &QAbstractButton::clicked, this, [this, button] { buttonClicked(button); });
        ui::tabEntersOnChecked(button);
        buttons_.append(button);
    }
    // A button made after the window was built joins the end of the window's tab order; it belongs
    // after its neighbour in the list.
    if (growing) {
        for (int i = 1; i < buttons_.size(); ++i)
            setTabOrder(buttons_.at(i - 1), buttons_.at(i));
    }
    for (QRadioButton* button : std::as_const(buttons_))
        grid_->removeWidget(button);
    const int n = static_cast<int>(buttons_.size());
    const int rows = (n + Columns - 1) / Columns;
    for (int i = 0; i < n; ++i) {
        buttons_.at(i)->setText(items_.at(i));
        grid_->addWidget(buttons_.at(i), i % rows, i / rows);
        buttons_.at(i)->show();
    }
    renameButtons();
    if (index_ >= n)
        index_ = n - 1;
    showSelection();
}

void RadioGroup::showSelection()
{
    for (int i = 0; i < buttons_.size(); ++i) {
        QRadioButton* button = buttons_.at(i);
        if (i == index_) {
            button->setChecked(true);
        } else if (button->isChecked()) {
            // An auto-exclusive button refuses to be unchecked while it is the checked one.
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
    }
    // A button unchecked above toggled while it was out of the group, where its own handler could
    // not move the group's Tab stop off it.
    ui::placeGroupTabStop(this);
}

void RadioGroup::buttonClicked(QRadioButton* button)
{
    const int index = static_cast<int>(buttons_.indexOf(button));
    if (index < 0 || index == index_)
        return;
    index_ = index;
    Q_EMIT clicked();
}

void RadioGroup::renameButtons()
{
    const QString base = objectName();
    for (int i = 0; i < buttons_.size(); ++i)
        buttons_.at(i)->setObjectName(base.isEmpty() ? QString() : base + QStringLiteral("Item%1").arg(i));
}

}  // namespace korv
