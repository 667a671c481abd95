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
        , created_(::mkfifo(name_.constData(), 0600) == 0)
    {
        if (!created_)
            return;
        watcher_ = std::thread([this] {
            while (!stop_) {
                // Opening for writing without blocking succeeds only while someone has it open to read.
                const int fd = ::open(name_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                opened_ = opened_ || fd >= 0;
                if (fd >= 0)
                    ::close(fd);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    ~FifoGuard()
    {
        stop_ = true;
        if (watcher_.joinable())
            watcher_.join();
    }

    bool created() const { return created_; }
    bool openedByReader() const { return opened_; }

private:
    const QByteArray name_;
    const bool created_;
    std::atomic<bool> stop_ { false };
    std::atomic<bool> opened_ { false };
    std::thread watcher_;
};

}  // namespace korv::test
