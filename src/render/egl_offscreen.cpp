// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/egl_offscreen.h"
#include "render/offscreen_framebuffer.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <cstring>
#include <mutex>

namespace voltaris {

namespace {

bool HasExtension(const char* list, const char* name) {
    if (!list) return false;
    const size_t n = std::strlen(name);
    for (const char* p = std::strstr(list, name); p; p = std::strstr(p + n, name)) {
        if ((p == list || p[-1] == ' ') && (p[n] == ' ' || p[n] == '\0')) return true;
    }
    return false;
}

// One display for the process, initialised on first use and kept: EGL does not count
// initialisations, so terminating it would pull it from under every other context.
EGLDisplay SurfacelessDisplay(std::string& error) {
    static std::once_flag once;
    static EGLDisplay display = EGL_NO_DISPLAY;
    static std::string failure;
    std::call_once(once, [] {
        const char* clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
        if (!HasExtension(clientExtensions, "EGL_MESA_platform_surfaceless")) {
            failure = "EGL has no surfaceless platform";
            return;
        }
        auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
            eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (!getPlatformDisplay) {
            failure = "eglGetPlatformDisplayEXT is missing";
            return;
        }
        EGLDisplay d = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        EGLint major = 0, minor = 0;
        if (d == EGL_NO_DISPLAY || !eglInitialize(d, &major, &minor)) {
            failure = "the surfaceless EGL display cannot be initialised";
            return;
        }
        display = d;
    });
    if (display == EGL_NO_DISPLAY) error = failure;
    return display;
}

void* LoadGlFunction(const char* name) {
    // Through void*: the entry point's real type is only known to its user.
    return reinterpret_cast<void*>(eglGetProcAddress(name));
}

}  // namespace

struct EglOffscreen::Impl {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLContext context = EGL_NO_CONTEXT;
    EGLSurface surface = EGL_NO_SURFACE;  // pbuffer, or none when drawing into `framebuffer`
    OffscreenFramebuffer framebuffer;  // when there is no pbuffer

    bool Bind() const {
        eglBindAPI(EGL_OPENGL_API);
        if (!eglMakeCurrent(display, surface, surface, context)) return false;
        framebuffer.Bind();
        return true;
    }

    ~Impl() {
        if (context == EGL_NO_CONTEXT) return;
        if (framebuffer.Exists() && eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
            framebuffer.Destroy();
        }
        if (eglGetCurrentContext() == context) {
            eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        }
        if (surface != EGL_NO_SURFACE) eglDestroySurface(display, surface);
        eglDestroyContext(display, context);
    }
};

std::unique_ptr<EglOffscreen> EglOffscreen::Create(int width, int height, std::string& error,
                                                   OffscreenTarget target) {
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide) {
        error = "image size out of range";
        return nullptr;
    }
    auto impl = std::make_unique<Impl>();
    impl->display = SurfacelessDisplay(error);
    if (impl->display == EGL_NO_DISPLAY) return nullptr;
    if (!eglBindAPI(EGL_OPENGL_API)) {
        error = "EGL offers no desktop OpenGL";
        return nullptr;
    }

    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                       EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8,
                                       EGL_DEPTH_SIZE, 16, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configCount = 0;
    if (target == OffscreenTarget::Automatic) {
        eglChooseConfig(impl->display, configAttributes, &config, 1, &configCount);
    }
    const bool pbuffer = configCount > 0;
    if (!pbuffer && !HasExtension(eglQueryString(impl->display, EGL_EXTENSIONS), "EGL_KHR_no_config_context")) {
        error = "EGL offers neither a pbuffer nor a context without configuration";
        return nullptr;
    }

    const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                        EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    impl->context = eglCreateContext(impl->display, pbuffer ? config : EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT,
                                     contextAttributes);
    if (impl->context == EGL_NO_CONTEXT) {
        error = "no compatibility-profile OpenGL context";
        return nullptr;
    }
    if (pbuffer) {
        const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
        impl->surface = eglCreatePbufferSurface(impl->display, config, surfaceAttributes);
        if (impl->surface == EGL_NO_SURFACE) {
            error = "no pbuffer of that size";
            return nullptr;
        }
    }
    if (!eglMakeCurrent(impl->display, impl->surface, impl->surface, impl->context)) {
        error = "the OpenGL context cannot be made current";
        return nullptr;
    }
    if (!pbuffer && !impl->framebuffer.Create(LoadGlFunction, width, height)) {
        error = "no framebuffer object with colour and depth";
        return nullptr;
    }
    glViewport(0, 0, width, height);
    eglMakeCurrent(impl->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    return std::unique_ptr<EglOffscreen>(new EglOffscreen(std::move(impl), width, height));
}

EglOffscreen::EglOffscreen(std::unique_ptr<Impl> impl, int width, int height)
    : impl_(std::move(impl)), width_(width), height_(height) {}

EglOffscreen::~EglOffscreen() = default;

bool EglOffscreen::MakeCurrent() { return impl_->Bind(); }

void EglOffscreen::ReleaseCurrent() {
    eglMakeCurrent(impl_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
}

bool EglOffscreen::UsesPbuffer() const { return impl_->surface != EGL_NO_SURFACE; }

void EglOffscreen::Present() { glFinish(); }

void EglOffscreen::ReadPixels(std::vector<uint8_t>& rgba) const { ReadPixelsTopRowFirst(width_, height_, rgba); }

}  // namespace voltaris
