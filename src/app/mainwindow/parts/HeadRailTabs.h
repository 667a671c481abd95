#pragma once

namespace korv {

struct MainWindowUi;

// The head/rail models share one set of controls, which follows the user to whichever head/rail
// tab is chosen; the humidity and ambient tabs have their own.
class HeadRailTabs {
public:
    explicit HeadRailTabs(MainWindowUi& ui);

    // The user chose a tab: a head/rail one takes the controls.
    void follow();
    // Controls the user took to another head/rail tab come back to the first.
    void comeHome();

private:
    void move(int from, int to);

    MainWindowUi& ui_;
    int shownOn_ = 0;  // the tab that holds the controls
};

}  // namespace korv
