// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/offscreen_framebuffer.h"

#ifdef _WIN32
#include <windows.h>  // gl.h needs its calling conventions
#endif
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>

namespace voltaris {

struct OffscreenFramebuffer::Functions {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;

    bool Load(ProcLoader load) {
        return Get(load, genFramebuffers, "glGenFramebuffers") && Get(load, bindFramebuffer, "glBindFramebuffer") &&
               Get(load, deleteFramebuffers, "glDeleteFramebuffers") &&
               Get(load, genRenderbuffers, "glGenRenderbuffers") &&
               Get(load, bindRenderbuffer, "glBindRenderbuffer") &&
               Get(load, deleteRenderbuffers, "glDeleteRenderbuffers") &&
               Get(load, renderbufferStorage, "glRenderbufferStorage") &&
               Get(load, framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
               Get(load, checkFramebufferStatus, "glCheckFramebufferStatus");
    }

private:
    template <typename Function>
    static bool Get(ProcLoader load, Function& function, const char* name) {
        function = reinterpret_cast<Function>(load(name));
        return function != nullptr;
    }
};

OffscreenFramebuffer::OffscreenFramebuffer() : gl_(std::make_unique<Functions>()) {}

OffscreenFramebuffer::~OffscreenFramebuffer() = default;

bool OffscreenFramebuffer::Create(ProcLoader load, int width, int height) {
    if (!gl_->Load(load)) return false;
    gl_->genRenderbuffers(1, &colourBuffer_);
    gl_->bindRenderbuffer(GL_RENDERBUFFER, colourBuffer_);
    gl_->renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    gl_->genRenderbuffers(1, &depthBuffer_);
    gl_->bindRenderbuffer(GL_RENDERBUFFER, depthBuffer_);
    gl_->renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
    gl_->genFramebuffers(1, &framebuffer_);
    gl_->bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl_->framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colourBuffer_);
    gl_->framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer_);
    return gl_->checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void OffscreenFramebuffer::Bind() const {
    if (framebuffer_ != 0) gl_->bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

void OffscreenFramebuffer::Destroy() {
    if (framebuffer_) gl_->deleteFramebuffers(1, &framebuffer_);
    if (colourBuffer_) gl_->deleteRenderbuffers(1, &colourBuffer_);
    if (depthBuffer_) gl_->deleteRenderbuffers(1, &depthBuffer_);
    framebuffer_ = colourBuffer_ = depthBuffer_ = 0;
}

void ReadPixelsTopRowFirst(int width, int height, std::vector<uint8_t>& rgba) {
    rgba.resize(static_cast<size_t>(width) * 4 * height);
    ReadPixelsTopRowFirst(width, height, rgba.data());
}

void ReadPixelsTopRowFirst(int width, int height, uint8_t* rgba) {
    const size_t row = static_cast<size_t>(width) * 4;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    // GL counts rows from the bottom; images count them from the top.
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(rgba + top * row, rgba + (top + 1) * row, rgba + bottom * row);
    }
}

}  // namespace voltaris
