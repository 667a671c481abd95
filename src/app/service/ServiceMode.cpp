#include "app/service/ServiceMode.h"

#include "app/mainwindow/MainWindow.h"

namespace korv {

ServiceMode::ServiceMode(MainWindow& form)
    : bridge_(form, form.boxes())
    , window_(&bridge_, &form)
{
    // The service window is modal, and its loop runs while it is open: it holds the main window
    // for as long, so nothing that loop delivers (a menu, a timer, a key) starts anything there.
    QObject::connect(&form, &MainWindow::serviceModeRequested, &window_, [this, &form] {
        const ActivityScope service(form.activity(), Activity::Kind::ServiceWindow);
        if (service.began())
            window_.exec();
    });
}

}  // namespace korv
