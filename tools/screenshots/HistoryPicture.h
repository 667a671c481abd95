#pragma once

#include <QString>

// The record window over a few events made up for the picture, the send that changed a unit
// selected; no transmitter is needed. Runs the event loop until the picture is saved; the exit code.
int saveHistoryPicture(const QString& path);
