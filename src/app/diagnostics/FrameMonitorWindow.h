#pragma once

#include "core/diagnostics/FrameDescription.h"
#include "core/link/LinkEvent.h"

#include <QDateTime>
#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace korv {

class MessageBoxes;
class FileDialogs;

// Every frame sent and every answer received, one line each with its time, direction, bytes and
// meaning. It listens only while it is open: closed, the link has no listener and pays nothing.
// Paused, it keeps recording and holds the new lines back until it goes on, so that nothing is
// lost while the technician reads.
class FrameMonitorWindow : public QDialog {
    Q_OBJECT

public:
    FrameMonitorWindow(MessageBoxes& boxes, FileDialogs& saveDialog, QWidget* parent = nullptr);

    // What the link should tell while the window is open; empty while it is closed.
    LinkListener listener();
    bool isListening() const { return listening_; }

    void setPaused(bool paused);
    bool isPaused() const { return paused_; }
    void clearLines();
    // Asks where, then writes every line recorded (those held back by a pause too). False when
    // the user cancelled or the file could not be written (which is told in a box).
    bool saveAsText();

    int lineCount() const { return static_cast<int>(lines_.size()); }
    int shownLineCount() const;
    // The whole record as it is saved.
    QString text() const;

Q_SIGNALS:
    // The owner attaches `listener()` to its link, or detaches it.
    void listeningChanged(bool listening);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Line {
        QDateTime time;
        frame::MonitorLine content;
    };

    void record(const LinkEvent& event);
    void append(Line line);
    void showHeldLines();
    void updateStatus();

    MessageBoxes& boxes_;
    FileDialogs& saveDialog_;
    QTreeWidget* view_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* pause_ = nullptr;
    std::vector<Line> lines_;
    std::size_t shown_ = 0;
    bool listening_ = false;
    bool paused_ = false;
    bool everShown_ = false;
};

}  // namespace korv
