#include "app/mainwindow/MainWindow.h"
#include "app/record/HistoryWindow.h"

namespace korv {

void MainWindow::onHistory()
{
    // Opening the record failed: historyStore() has said why.
    history::Store* store = historyStore();
    if (!store)
        return;
    auto* window = findChild<HistoryWindow*>(QStringLiteral("HistoryWindow"), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HistoryWindow(*store, *boxes_, *fileDialogs_, this);
    window->show();
    window->refresh();
    window->raise();
    window->activateWindow();
}

}  // namespace korv
