// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace voltaris {

// A compatibility-profile desktop OpenGL context without a window (Mesa's surfaceless EGL
// platform), drawing into a width x height target with a colour and a 16-bit depth buffer:
// for the command-line renderer, tests and benchmarks. One per thread that draws.
enum class OffscreenTarget {
    Automatic,          // a pbuffer where EGL offers one, else a framebuffer object
    FramebufferObject,  // always a framebuffer object on a context without surface
};

class EglOffscreen {
public:
    static constexpr int MaxSide = 16384;

    // Null with a reason in `error` when no such context can be made on this machine. Leaves
    // no context current on the calling thread.
    static std::unique_ptr<EglOffscreen> Create(int width, int height, std::string& error,
                                                OffscreenTarget target = OffscreenTarget::Automatic);
    ~EglOffscreen();
    EglOffscreen(const EglOffscreen&) = delete;
    EglOffscreen& operator=(const EglOffscreen&) = delete;

    // Binds the context and its target to the calling thread.
    bool MakeCurrent();
    // Unbinds whatever context the calling thread has. The context must not be current on
    // another thread when the object is destroyed.
    void ReleaseCurrent();
    bool UsesPbuffer() const;
    // Completes the frame (the offscreen counterpart of a buffer swap).
    void Present();

    int width() const { return width_; }
    int height() const { return height_; }
    // The drawn pixels as RGBA, top row first. The context must be current.
    void ReadPixels(std::vector<uint8_t>& rgba) const;

    struct Impl;

private:
    explicit EglOffscreen(std::unique_ptr<Impl> impl, int width, int height);
    std::unique_ptr<Impl> impl_;
    int width_, height_;
};

}  // namespace voltaris
