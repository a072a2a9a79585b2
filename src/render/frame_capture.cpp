// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/frame_capture.h"

#include <GL/gl.h>

#include <cstring>

namespace voltaris {

std::future<FramePixels> FrameCapture::Request() {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_.emplace_back();
    pending_ = true;
    return waiting_.back().get_future();
}

void FrameCapture::StartFrame() {
    if (!pending_.load()) return;
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto& promise : waiting_) taken_.push_back(std::move(promise));
    waiting_.clear();
}

void FrameCapture::ServeIfRequested() {
    if (taken_.empty()) return;
    Fulfil(taken_, ReadViewportPixels());
}

void FrameCapture::Abandon() {
    StartFrame();
    Fulfil(taken_, FramePixels{});
}

void FrameCapture::Fulfil(std::vector<std::promise<FramePixels>>& requests, const FramePixels& pixels) {
    for (auto& promise : requests) promise.set_value(pixels);
    requests.clear();
    std::lock_guard<std::mutex> lock(mutex_);
    pending_ = !waiting_.empty();
}

FramePixels ReadViewportPixels() {
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    FramePixels out;
    out.width = viewport[2];
    out.height = viewport[3];
    if (out.width <= 0 || out.height <= 0) return FramePixels{};
    const size_t row = static_cast<size_t>(out.width) * 4;
    std::vector<uint8_t> bottomUp(row * out.height);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(viewport[0], viewport[1], out.width, out.height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    out.rgba.resize(bottomUp.size());
    for (int y = 0; y < out.height; ++y)
        std::memcpy(out.rgba.data() + row * y, bottomUp.data() + row * (out.height - 1 - y), row);
    return out;
}

}  // namespace voltaris
