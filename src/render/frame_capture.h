// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hands the picture a view presents over to another thread: a caller asks for it, the view's
// frame thread reads its frame back right before presenting it and fulfils the request.
#include <atomic>
#include <cstdint>
#include <future>
#include <mutex>
#include <vector>

namespace voltaris {

struct FramePixels {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;  // top row first; empty when the view could not deliver
};

class FrameCapture {
public:
    FrameCapture() = default;
    FrameCapture(const FrameCapture&) = delete;
    FrameCapture& operator=(const FrameCapture&) = delete;

    // Any thread: the picture of the next frame that starts after the request (so it has
    // every size and setting handed over before). Several requests share one picture.
    std::future<FramePixels> Request();
    bool Pending() const { return pending_.load(); }

    // Frame thread, as a frame starts: takes the requests made so far.
    void StartFrame();
    // Frame thread, its context current, after drawing and before presenting: reads the whole
    // viewport back and fulfils the requests taken at the frame's start. Nothing to do when
    // there are none.
    void ServeIfRequested();
    // Frame thread: fulfils waiting requests with an empty picture (the thread ends).
    void Abandon();

private:
    void Fulfil(std::vector<std::promise<FramePixels>>& requests, const FramePixels& pixels);

    std::atomic<bool> pending_{false};  // a request waits or is taken
    std::mutex mutex_;
    std::vector<std::promise<FramePixels>> waiting_;  // made since the current frame started
    std::vector<std::promise<FramePixels>> taken_;    // frame thread only: for the current frame
};

// Reads the current viewport of the current context from the buffer being drawn, top row
// first.
FramePixels ReadViewportPixels();

}  // namespace voltaris
