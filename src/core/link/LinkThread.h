#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

namespace korv {

// A thread of its own for a serial link's blocking work. The thread that asks for the work keeps
// its event loop turning while it waits for it (a local event loop: timers, repaints, the desktop's
// questions, queued calls), so that a window stays alive during a ten-second silence of the
// transmitter. The caller still sees each call return only when the work is done, in order: the
// frames, their timing and what follows each of them do not change.
class LinkThread {
public:
    LinkThread();
    ~LinkThread();
    LinkThread(const LinkThread&) = delete;
    LinkThread& operator=(const LinkThread&) = delete;

    // How the calling thread waits: its event loop turning (an exchange, which may take seconds),
    // or blocked (opening and closing, which are short and happen where events must not run:
    // while a window closes or a link is destroyed).
    enum class Wait { Responsive, Blocked };
    // Runs `work` on the link thread and returns when it has run. On the link thread itself the
    // work runs at once. Only the thread that made this one waits here.
    void call(const std::function<void()>& work, Wait wait = Wait::Responsive);
    QThread* thread() { return &thread_; }
    // A caller is waiting in call(), its event loop turning.
    bool waiting() const { return waiting_ > 0; }

private:
    QThread thread_;
    std::unique_ptr<QObject> context_;  // lives on the link thread: the work is queued to it
    std::unique_ptr<QObject> home_;  // lives on the thread that made this one: woken through it
    int waiting_ = 0;  // calls waiting, on the calling thread (nested when a wait runs a call)
};

}  // namespace korv
