#pragma once

#include <QGroupBox>
#include <QList>
#include <QString>
#include <QStringList>

class QGridLayout;
class QRadioButton;

namespace korv {

// A titled box of radio buttons laid out in two columns, filled column by column, that is driven by
// an item list and a selected index rather than by the buttons themselves. clicked() reports every
// change of the selection, whether the user or the program made it, so that one handler keeps the
// page consistent in both cases.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int Columns = 2;

    explicit RadioGroup(QWidget* parent = nullptr);
    explicit RadioGroup(const QString& title, QWidget* parent = nullptr);

    int count() const { return static_cast<int>(items_.size()); }
    QStringList items() const { return items_; }
    // Empty for a position the list does not have.
    QString itemText(int index) const;

    // Editing the list never emits clicked(): the selection keeps its position, moved back to the
    // last item when the list gets shorter than it.
    void setItems(const QStringList& items);
    void setItemText(int index, const QString& text);
    void addItem(const QString& text);
    void deleteItem(int index);

    // -1 when nothing is selected.
    int itemIndex() const { return index_; }
    // -1 (or less) clears the selection; a position past the list selects the last item.
    void setItemIndex(int index);

    // The button that shows one item, for focus and for tests; nullptr past the list.
    QRadioButton* button(int index) const;

Q_SIGNALS:
    void clicked();

private:
    void syncButtons();
    void showSelection();
    void buttonClicked(QRadioButton* button);
    void renameButtons();

    QStringList items_;
    QList<QRadioButton*> buttons_;
    QGridLayout* grid_ = nullptr;
    int index_ = -1;
};

}  // namespace korv
