#pragma once

#include "humidity_ambient/HumAmbPages.h"
#include "temperature/HeadRailPage.h"

namespace korv {

struct Form1Ui;

// The controls of each page, picked out of the main window's widget tree.
HeadRailWidgets headRailWidgets(const Form1Ui& ui);
HumidityWidgets humidityWidgets(const Form1Ui& ui);
AmbientWidgets ambientWidgets(const Form1Ui& ui);

}  // namespace korv
