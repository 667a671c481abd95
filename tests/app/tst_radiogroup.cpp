#include "headrail/RadioGroup.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace korv;

namespace {

QStringList numbered(int count)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QStringLiteral("item %1").arg(i);
    return items;
}

QList<int> checkedButtons(const RadioGroup& group)
{
    QList<int> checked;
    for (int i = 0; i < group.count(); ++i) {
        if (group.button(i)->isChecked())
            checked << i;
    }
    return checked;
}

}  // namespace

class RadioGroupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void itemsAndButtonsAgree()
    {
        RadioGroup group(QStringLiteral("Seleção de Sensor"));
        group.setObjectName(QStringLiteral("SensorRadioGroup"));
        QCOMPARE(group.count(), 0);
        QCOMPARE(group.itemIndex(), -1);
        group.setItems(numbered(3));
        group.addItem(QStringLiteral("last"));
        group.setItemText(1, QStringLiteral("renamed"));
        group.setItemText(7, QStringLiteral("past the end"));
        QCOMPARE(group.items(), QStringList({ "item 0", "renamed", "item 2", "last" }));
        QCOMPARE(group.itemText(3), QStringLiteral("last"));
        QVERIFY(group.itemText(4).isEmpty());
        QVERIFY(group.itemText(-1).isEmpty());
        const QList<QRadioButton*> buttons = group.findChildren<QRadioButton*>();
        QCOMPARE(buttons.size(), 4);
        for (int i = 0; i < group.count(); ++i) {
            QCOMPARE(group.button(i)->text(), group.itemText(i));
            QCOMPARE(group.button(i)->objectName(), QStringLiteral("SensorRadioGroupItem%1").arg(i));
        }
        QVERIFY(!group.button(4));
    }

    // The program's own changes of the selection are reported like the user's; repeating the
    // current selection is not a change.
    void setItemIndex_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("clicks");
        QTest::newRow("select another item") << 0 << 3 << 3 << 1;
        QTest::newRow("same item again") << 2 << 2 << 2 << 0;
        QTest::newRow("clear the selection") << 4 << -1 << -1 << 1;
        QTest::newRow("clear when nothing is selected") << -1 << -1 << -1 << 0;
        QTest::newRow("below minus one clears") << 1 << -5 << -1 << 1;
        QTest::newRow("past the list selects the last item") << 0 << 12 << 9 << 1;
        QTest::newRow("past the list while on the last item") << 9 << 10 << 9 << 0;
    }
    void setItemIndex()
    {
        QFETCH(int, start);
        QFETCH(int, requested);
        QFETCH(int, expected);
        QFETCH(int, clicks);
        RadioGroup group;
        group.setItems(numbered(10));
        group.setItemIndex(start);
        QSignalSpy spy(&group, &RadioGroup::clicked);
        group.setItemIndex(requested);
        QCOMPARE(group.itemIndex(), expected);
        QCOMPARE(spy.count(), clicks);
        QCOMPARE(checkedButtons(group), expected < 0 ? QList<int>() : QList<int>({ expected }));
    }

    void userClickSelects()
    {
        RadioGroup group;
        group.setItems(numbered(5));
        group.setItemIndex(1);
        group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&group));
        QSignalSpy spy(&group, &RadioGroup::clicked);
        QTest::mouseClick(group.button(4), Qt::LeftButton);
        QCOMPARE(group.itemIndex(), 4);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(checkedButtons(group), QList<int>({ 4 }));
        // A click on the selected item changes nothing and stays selected.
        QTest::mouseClick(group.button(4), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(checkedButtons(group), QList<int>({ 4 }));
        // After the program cleared the selection the user can pick again.
        group.setItemIndex(-1);
        QTest::mouseClick(group.button(0), Qt::LeftButton);
        QCOMPARE(group.itemIndex(), 0);
        QCOMPARE(checkedButtons(group), QList<int>({ 0 }));
    }

    // Editing the list keeps the selected position (moved back onto the list when it shrinks past
    // it) and never reports a click: the per-model set-up rebuilds the list without a user choice.
    void editingTheList_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<int>>("deletions");
        QTest::addColumn<int>("expectedIndex");
        QTest::addColumn<QStringList>("expectedItems");
        QTest::newRow("delete before the selection keeps the position")
            << 5 << QList<int> { 3 } << 5
            << QStringList { "item 0", "item 1", "item 2", "item 4", "item 5", "item 6", "item 7", "item 8", "item 9" };
        QTest::newRow("isolated head list of six")
            << 9 << QList<int> { 8, 7, 6, 3 } << 5
            << QStringList { "item 0", "item 1", "item 2", "item 4", "item 5", "item 9" };
        QTest::newRow("delete past the end is ignored") << 2 << QList<int> { 10, -1 } << 2 << numbered(10);
        QTest::newRow("no selection stays none") << -1 << QList<int> { 0 } << -1 << numbered(10).mid(1);
    }
    void editingTheList()
    {
        QFETCH(int, selected);
        QFETCH(QList<int>, deletions);
        QFETCH(int, expectedIndex);
        QFETCH(QStringList, expectedItems);
        RadioGroup group;
        group.setObjectName(QStringLiteral("List"));
        group.setItems(numbered(10));
        group.setItemIndex(selected);
        QSignalSpy spy(&group, &RadioGroup::clicked);
        for (int index : deletions)
            group.deleteItem(index);
        QCOMPARE(group.items(), expectedItems);
        QCOMPARE(group.itemIndex(), expectedIndex);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(checkedButtons(group), expectedIndex < 0 ? QList<int>() : QList<int>({ expectedIndex }));
        QCOMPARE(group.findChildren<QRadioButton*>().size(), expectedItems.size());
        for (int i = 0; i < group.count(); ++i) {
            QCOMPARE(group.button(i)->text(), expectedItems.at(i));
            QCOMPARE(group.button(i)->objectName(), QStringLiteral("ListItem%1").arg(i));
        }
    }

    void emptyingTheListClearsTheSelection()
    {
        RadioGroup group;
        group.setItems(numbered(3));
        group.setItemIndex(2);
        group.setItems({});
        QCOMPARE(group.itemIndex(), -1);
        group.setItemIndex(0);
        QCOMPARE(group.itemIndex(), -1);
    }

    // Two columns filled top to bottom, the first column taking the odd item; the box grows with the
    // list and shrinks again.
    void twoColumnsFilledColumnFirst_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rows");
        QTest::newRow("ten items") << 10 << 5;
        QTest::newRow("nine items") << 9 << 5;
        QTest::newRow("thirteen items") << 13 << 7;
        QTest::newRow("six items") << 6 << 3;
        QTest::newRow("one item") << 1 << 1;
    }
    void twoColumnsFilledColumnFirst()
    {
        QFETCH(int, count);
        QFETCH(int, rows);
        RadioGroup group;
        group.setItems(numbered(13));
        group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&group));
        group.setItems(numbered(count));
        group.resize(group.sizeHint());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (int i = 0; i < count; ++i) {
            const QRadioButton* button = group.button(i);
            QCOMPARE(button->y(), group.button(i % rows)->y());
            QCOMPARE(button->x(), group.button((i / rows) * rows)->x());
            QVERIFY(group.contentsRect().contains(button->geometry()));
        }
        RadioGroup fresh;
        fresh.setItems(numbered(count));
        QCOMPARE(group.sizeHint(), fresh.sizeHint());
        if (count > rows) {
            QVERIFY(group.button(rows)->x() > group.button(0)->x());
            QCOMPARE(group.button(rows)->y(), group.button(0)->y());
        }
        for (int i = 1; i < rows; ++i)
            QVERIFY(group.button(i)->y() > group.button(i - 1)->y());
    }
};

QTEST_MAIN(RadioGroupTest)
#include "tst_radiogroup.moc"
