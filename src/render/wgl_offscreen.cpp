// SPDX-License-Identifier: GPL-3.0-or-later
// The offscreen context on Windows. There an OpenGL context needs a window: a hidden one,
// never shown, lends the context its pixel format, and the picture is drawn into a
// framebuffer object of the asked size, since a hidden window has no pixels of its own. Where
// no window can be made (a service without a desktop), Create says the renderer needs one.
#include "render/egl_offscreen.h"
#include "render/offscreen_framebuffer.h"

#include <windows.h>
#include <GL/gl.h>

#include <mutex>

namespace voltaris {

namespace {

const wchar_t* const WindowClass = L"VoltarisOffscreenWindow";

bool RegisterWindowClass() {
    static std::once_flag once;
    static bool registered = false;
    std::call_once(once, [] {
        WNDCLASSW windowClass = {};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = WindowClass;
        registered = RegisterClassW(&windowClass) != 0;
    });
    return registered;
}

void* LoadGlFunction(const char* name) {
    // Through void*: the entry point's real type is only known to its user.
    return reinterpret_cast<void*>(wglGetProcAddress(name));
}

}  // namespace

struct EglOffscreen::Impl {
    HWND window = nullptr;
    HDC deviceContext = nullptr;
    HGLRC context = nullptr;
    OffscreenFramebuffer framebuffer;

    bool Bind() const {
        if (!wglMakeCurrent(deviceContext, context)) return false;
        framebuffer.Bind();
        return true;
    }

    ~Impl() {
        if (context) {
            if (framebuffer.Exists() && wglMakeCurrent(deviceContext, context)) framebuffer.Destroy();
            if (wglGetCurrentContext() == context) wglMakeCurrent(nullptr, nullptr);
            wglDeleteContext(context);
        }
        if (window) DestroyWindow(window);  // also frees its own device context
    }
};

std::unique_ptr<EglOffscreen> EglOffscreen::Create(int width, int height, std::string& error,
                                                   OffscreenTarget /*always a framebuffer object*/) {
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide) {
        error = "image size out of range";
        return nullptr;
    }
    auto impl = std::make_unique<Impl>();
    if (RegisterWindowClass()) {
        impl->window = CreateWindowExW(0, WindowClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    }
    if (impl->window) impl->deviceContext = GetDC(impl->window);
    PIXELFORMATDESCRIPTOR format = {};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 32;
    format.cDepthBits = 16;
    format.iLayerType = PFD_MAIN_PLANE;
    const int formatIndex = impl->deviceContext ? ChoosePixelFormat(impl->deviceContext, &format) : 0;
    if (formatIndex == 0 || !SetPixelFormat(impl->deviceContext, formatIndex, &format) ||
        !(impl->context = wglCreateContext(impl->deviceContext))) {
        error = "no OpenGL window can be made: drawing pictures needs a desktop (a display)";
        return nullptr;
    }
    if (!wglMakeCurrent(impl->deviceContext, impl->context)) {
        error = "the OpenGL context cannot be made current";
        return nullptr;
    }
    if (!impl->framebuffer.Create(LoadGlFunction, width, height)) {
        error = "no framebuffer object with colour and depth";
        return nullptr;
    }
    glViewport(0, 0, width, height);
    wglMakeCurrent(nullptr, nullptr);
    return std::unique_ptr<EglOffscreen>(new EglOffscreen(std::move(impl), width, height));
}

EglOffscreen::EglOffscreen(std::unique_ptr<Impl> impl, int width, int height)
    : impl_(std::move(impl)), width_(width), height_(height) {}

EglOffscreen::~EglOffscreen() = default;

bool EglOffscreen::MakeCurrent() { return impl_->Bind(); }

void EglOffscreen::ReleaseCurrent() { wglMakeCurrent(nullptr, nullptr); }

bool EglOffscreen::UsesPbuffer() const { return false; }

void EglOffscreen::Present() { glFinish(); }

void EglOffscreen::ReadPixels(std::vector<uint8_t>& rgba) const { ReadPixelsTopRowFirst(width_, height_, rgba); }

}  // namespace voltaris
