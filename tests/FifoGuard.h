#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korv::test {

// A FIFO for code that must never open one. Should the code open it after all and wait there for a
// writer, a watcher plays the writer for a moment: the wait ends, the reader finds nothing, and the
// test fails on openedByReader() instead of hanging.
class FifoGuard {
public:
    explicit FifoGuard(const QString& path)
        : name_(QFile::encodeName(path))
    {
        created_ = ::mkfifo(name_.constData(), 0600) == 0;
        if (created_)
            watcher_ = std::thread([this] { watch(); });
    }
    ~FifoGuard()
    {
        stop_ = true;
        if (watcher_.joinable())
            watcher_.join();
    }
    FifoGuard(const FifoGuard&) = delete;
    FifoGuard& operator=(const FifoGuard&) = delete;

    bool created() const { return created_; }
    bool openedByReader() const { return opened_; }

private:
    void watch()
    {
        using namespace std::chrono_literals;
        while (!stop_) {
            // Opening for writing without blocking succeeds only while someone has it open to read.
            const int fd = ::open(name_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                opened_ = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(20ms);
        }
    }

    QByteArray name_;
    bool created_ = false;
    std::atomic<bool> stop_ { false };
    std::atomic<bool> opened_ { false };
    std::thread watcher_;
};

}  // namespace korv::test
