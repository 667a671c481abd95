#include "app/ServiceMode.h"

#include "app/Form1.h"

namespace korv {

ServiceMode::ServiceMode(TForm1& form)
    : bridge_(form, form.boxes())
    , window_(&bridge_, &form)
{
    QObject::connect(&form, &TForm1::serviceModeRequested, &window_, [this] { window_.exec(); });
}

}  // namespace korv
