#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

namespace korv {

// What the window is doing: one thing at a time. The start-up, the start-up search, a command, a
// port change, a language or unit change, a configuration file, the connection check and the
// service window never run inside one another. Every way in (a click, a menu item, a key, a timer)
// asks here first: what arrives while something runs is refused quietly, its control disabled
// meanwhile, or, for the start-up search, waits its turn.
//
// A command still waits for the transmitter with the window's event loop turning (an exchange on
// the link thread, a pause between attempts), so that the window repaints and Cancelar, Sair and
// the boxes answer; this is what makes that safe: whatever that loop delivers finds the window busy.
class Activity : public QObject {
    Q_OBJECT

public:
    enum class Kind {
        StartUp,
        StartupSearch,
        Command,
        PortChange,
        Language,
        Unit,
        File,
        ConnectionCheck,
        ServiceWindow
    };

    // Something runs, or the start-up search is still to come.
    bool busy() const { return current_.has_value() || awaited_.has_value(); }
    std::optional<Kind> current() const { return current_; }

    // Begins `kind` when nothing runs; false, and nothing begun, otherwise. While a kind is awaited
    // only it, and the start-up it follows, may begin.
    [[nodiscard]] bool begin(Kind kind);
    void end();
    // `kind` comes next and keeps the window until it has run, or until it is given up.
    void await(Kind kind);
    void giveUpAwaited();
    // Runs `work` from the main loop once nothing runs (an awaited kind does not hold it back).
    void whenNothingRuns(QObject* context, std::function<void()> work);

Q_SIGNALS:
    void busyChanged(bool busy);

private:
    void changed(bool wasBusy);
    void runWaiting();

    std::optional<Kind> current_;
    std::optional<Kind> awaited_;
    struct Waiting {
        QPointer<QObject> context;  // the work is dropped when this is gone
        std::function<void()> work;
    };
    std::vector<Waiting> waiting_;
};

// Holds the window for one synchronous piece of work; `began()` is false when something else ran.
class ActivityScope {
public:
    ActivityScope(Activity& activity, Activity::Kind kind)
        : activity_(activity)
        , began_(activity.begin(kind))
    {
    }
    ~ActivityScope()
    {
        if (began_)
            activity_.end();
    }
    ActivityScope(const ActivityScope&) = delete;
    ActivityScope& operator=(const ActivityScope&) = delete;
    bool began() const { return began_; }

private:
    Activity& activity_;
    bool began_;
};

}  // namespace korv
