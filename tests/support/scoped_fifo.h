// A FIFO in place of a file, for the tests of readers that must refuse it
// without waiting for a writer.
#ifndef TESTS_SUPPORT_SCOPED_FIFO_H
#define TESTS_SUPPORT_SCOPED_FIFO_H

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace testutil {

// A FIFO at `path` for the scope. Should a reader wait on it all the same, a
// writer comes after three seconds and goes at once: the reader sees an
// empty file and Waited() is true, so the test fails instead of hanging.
class ScopedFifo {
public:
    explicit ScopedFifo(std::string path) : path_(std::move(path)) {
        made_ = mkfifo(path_.c_str(), 0600) == 0;
        if (made_) watcher_ = std::thread([this] { Watch(); });
    }
    ~ScopedFifo() {
        stop_ = true;
        if (watcher_.joinable()) watcher_.join();
        std::error_code ec;
        if (made_) std::filesystem::remove(path_, ec);
    }
    bool Made() const { return made_; }
    bool Waited() const { return waited_; }
    ScopedFifo(const ScopedFifo&) = delete;
    ScopedFifo& operator=(const ScopedFifo&) = delete;

private:
    void Watch() {
        for (int ms = 0; !stop_; ms += 20) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (ms < 3000) continue;
            // The writing end opens only while a reader has the FIFO open.
            const int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                waited_ = true;
                close(fd);
            }
        }
    }
    std::string path_;
    bool made_ = false;
    std::atomic<bool> stop_{false}, waited_{false};
    std::thread watcher_;
};

}  // namespace testutil

#endif
