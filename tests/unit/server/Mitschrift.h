#pragma once
// Lines that server threads record and a test waits for, with a timeout instead of a sleep.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

class Mitschrift {
public:
    void Add(std::string zeile) {
        std::lock_guard lock(m_);
        zeilen_.push_back(std::move(zeile));
        cv_.notify_all();
    }
    std::vector<std::string> Zeilen() {
        std::lock_guard lock(m_);
        return zeilen_;
    }
    // True once the line has been recorded (count times).
    bool WarteAuf(const std::string& zeile, size_t count = 1,
                  std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
        std::unique_lock lock(m_);
        return cv_.wait_for(lock, timeout, [&] {
            return static_cast<size_t>(std::count(zeilen_.begin(), zeilen_.end(), zeile)) >= count;
        });
    }

private:
    std::mutex m_;
    std::condition_variable cv_;
    std::vector<std::string> zeilen_;
};
