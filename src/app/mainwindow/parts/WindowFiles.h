#pragma once

#include "core/protocol/Model.h"

#include <QString>

#include <functional>

class QWidget;

namespace korv {

class Activity;
class FileDialogs;
class PageHost;
class TransmitterPage;

// Configuration files from the window: what the form shows goes into a file, and a file comes back
// into the form the way a read of a transmitter holding it would bring it.
class WindowFiles {
public:
    struct Surroundings {
        QWidget& window;
        PageHost& host;
        Activity& activity;
        FileDialogs*& dialogs;  // read at each use: the window sets them up after this
        const QString& startDirectory;
        std::function<TransmitterPage&(Model)> pageFor;
    };
    explicit WindowFiles(Surroundings surroundings);

    void save();
    void open();
    // The configuration file the form shows, until a read brings the unit's own values back.
    const QString& opened() const { return opened_; }
    void forget() { opened_.clear(); }

private:
    Surroundings with_;
    QString opened_;
};

}  // namespace korv
