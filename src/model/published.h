// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>

namespace voltaris {

// Hands a small value from one thread to others whole: the writer publishes a copy, readers
// take a copy. The lock is held only for the copy, never while the copy is used.
template <class T>
class Published {
public:
    void Publish(const T& value) {
        std::lock_guard<std::mutex> lock(mutex_);
        value_ = value;
        version_.fetch_add(1, std::memory_order_release);
    }
    T Read() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return value_;
    }
    // Grows by one with every Publish; lets a reader skip work when nothing changed.
    uint64_t Version() const { return version_.load(std::memory_order_acquire); }

private:
    mutable std::mutex mutex_;
    T value_{};
    std::atomic<uint64_t> version_{0};
};

}  // namespace voltaris
