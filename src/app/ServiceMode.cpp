#include "app/ServiceMode.h"

#include "app/MainWindow.h"

namespace korv {

ServiceMode::ServiceMode(MainWindow& form)
    : bridge_(form, form.boxes())
    , window_(&bridge_, &form)
{
    QObject::connect(&form, &MainWindow::serviceModeRequested, &window_, [this, &form] {
        const ActivityScope service(form.activity(), Activity::Kind::ServiceWindow);
        if (service.began())
            window_.exec();
    });
}

}  // namespace korv
