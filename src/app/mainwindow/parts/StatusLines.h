#pragma once

#include <QElapsedTimer>
#include <QStringList>

#include <cstddef>
#include <optional>

namespace korv {

struct MainWindowUi;

// The window's three status lines (the head/rail page's and the humidity and ambient pages' two):
// what they show, one text on all three, and the step a long command is at.
class StatusLines {
public:
    explicit StatusLines(MainWindowUi& ui);

    QStringList texts() const;
    void restore(const QStringList& texts);
    void setAll(const QString& text);
    void clear();
    // A command's contact begins: its steps are shown once it has run for about a second.
    void commandBegins() { commandClock_.start(); }
    void showStepProgress(std::size_t step, std::size_t steps);

private:
    MainWindowUi& ui_;
    QElapsedTimer commandClock_;  // since the running command's contact began
    std::optional<QStringList> progressTexts_;  // the status lines under a step progress shown
};

}  // namespace korv
