#include "app/mainwindow/parts/HeadRailTabs.h"

#include "app/mainwindow/MainWindowUi.h"

namespace korv {

HeadRailTabs::HeadRailTabs(MainWindowUi& ui)
    : ui_(ui)
{
}

void HeadRailTabs::follow()
{
    auto* tabs = ui_.tabs;
    const int active = tabs->currentIndex();
    if (active == tabs->indexOf(ui_.humiditySheet) || active == tabs->indexOf(ui_.ambientSheet) || active == shownOn_)
        return;
    move(shownOn_, active);
}

void HeadRailTabs::comeHome()
{
    move(shownOn_, ui_.tabs->indexOf(ui_.headRailSheet));
}

void HeadRailTabs::move(int from, int to)
{
    auto* tabs = ui_.tabs;
    QWidget* source = tabs->widget(from);
    QWidget* target = tabs->widget(to);
    if (!source || !target || source == target) {
        shownOn_ = to;
        return;
    }
    // The last remaining child first, as the controls were created in tab order.
    const auto children = source->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        QWidget* child = *it;
        const QRect geometry = child->geometry();
        const bool visible = child->isVisibleTo(source);
        child->setParent(target);
        child->setGeometry(geometry);
        child->setVisible(visible);
    }
    shownOn_ = to;
}

}  // namespace korv
