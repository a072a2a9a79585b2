// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <memory>
#include <mutex>
#include <utility>

namespace voltaris {

// Hands a large value from one writing thread to reading threads without copying it: the
// writer fills the back buffer while readers read the front one, and only a finished value is
// swapped to the front, under a lock held just for the swap. Readers hold the lock while they
// read, so a buffer is never rewritten under them. (A plain mutex rather than a reader-writer
// lock: readers that read all the time must not starve the swap.) Both buffers are allocated
// once, at construction; for small values that readers copy, see Published.
template <class T>
class DoubleBuffered {
public:
    DoubleBuffered() : front_(std::make_unique<T>()), back_(std::make_unique<T>()) {}
    DoubleBuffered(const DoubleBuffered&) = delete;
    DoubleBuffered& operator=(const DoubleBuffered&) = delete;

    // Calls read(const T&) with the value last published; it stays unchanged while `read`
    // runs, so keep `read` short (one frame's worth of drawing).
    template <class F>
    void Read(F&& read) const {
        std::lock_guard<std::mutex> lock(swapMutex_);
        read(std::as_const(*front_));
    }

    // True while a writer holds the back buffer.
    bool Busy() const { return busy_.load(std::memory_order_acquire); }

    // Exclusive access to the back buffer, one writer at a time. Construct it and check
    // Started(); a writer that did not start (another one holds the buffer) must not touch it.
    // Publish() makes the back buffer the one readers see; a writer that ends without
    // Publish() leaves the previous value visible.
    class Writer {
    public:
        explicit Writer(DoubleBuffered& buffers) {
            bool expected = false;
            if (buffers.busy_.compare_exchange_strong(expected, true, std::memory_order_acq_rel)) buffers_ = &buffers;
        }
        ~Writer() {
            if (buffers_) buffers_->busy_.store(false, std::memory_order_release);
        }
        Writer(const Writer&) = delete;
        Writer& operator=(const Writer&) = delete;

        bool Started() const { return buffers_ != nullptr; }
        // The buffer being written; it holds whatever was published two swaps ago.
        T& Back() const { return *buffers_->back_; }
        // The value readers see. Only the writer swaps, so it reads it without the lock.
        const T& Front() const { return *buffers_->front_; }
        // Swaps: readers see the back buffer from now on, and Back() is the former front,
        // which no reader can still be on, because readers hold the lock while they read.
        void Publish() const {
            std::lock_guard<std::mutex> lock(buffers_->swapMutex_);
            std::swap(buffers_->front_, buffers_->back_);
        }

    private:
        DoubleBuffered* buffers_ = nullptr;
    };

private:
    std::unique_ptr<T> front_, back_;  // swapped under swapMutex_, by the writer only
    mutable std::mutex swapMutex_;
    std::atomic<bool> busy_{false};
};

}  // namespace voltaris
