// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace voltaris {

// A framebuffer object with an RGBA colour and a 16-bit depth buffer: where an offscreen
// context has no pixels of its own (a surfaceless EGL context, a hidden Windows window), the
// picture is drawn into one of these. Its entry points are GL extensions, looked up through
// the platform's loader. Every call needs the owning context current.
class OffscreenFramebuffer {
public:
    using ProcLoader = void* (*)(const char* name);

    OffscreenFramebuffer();
    ~OffscreenFramebuffer();
    OffscreenFramebuffer(const OffscreenFramebuffer&) = delete;
    OffscreenFramebuffer& operator=(const OffscreenFramebuffer&) = delete;

    // False when the entry points are missing or the buffers are not complete.
    bool Create(ProcLoader load, int width, int height);
    bool Exists() const { return framebuffer_ != 0; }
    // Directs drawing into the framebuffer; does nothing before Create.
    void Bind() const;
    // Frees what Create made; the owner calls it before the context goes away.
    void Destroy();

private:
    struct Functions;
    std::unique_ptr<Functions> gl_;
    unsigned framebuffer_ = 0, colourBuffer_ = 0, depthBuffer_ = 0;
};

// The drawn pixels of the current read buffer as RGBA, top row first.
void ReadPixelsTopRowFirst(int width, int height, std::vector<uint8_t>& rgba);
// The same into width * height * 4 bytes the caller owns.
void ReadPixelsTopRowFirst(int width, int height, uint8_t* rgba);

}  // namespace voltaris
