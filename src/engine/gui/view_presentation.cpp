// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/gui/view_presentation.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QScreen>
#include <thread>

#include "engine/gui/view_window.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace voltaris {

namespace {

bool RunsUnderWine() {
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

void* LoadFromCurrentContext(const char* name) {
    // Through void*: the entry point's real type is only known to its user.
    return reinterpret_cast<void*>(QOpenGLContext::currentContext()->getProcAddress(name));
}

// A swap waits for the display's refresh; the read-back keeps to about the same pace
// instead of burning a core.
constexpr std::chrono::microseconds FrameInterval{16667};

}  // namespace

ViewPresentation ChosenViewPresentation() {
    static const ViewPresentation chosen = [] {
        const QByteArray asked = qgetenv("VOLTARIS_VIEW_PRESENTATION");
        if (asked == "image") return ViewPresentation::Image;
        if (asked == "window") return ViewPresentation::WindowSwap;
        return RunsUnderWine() ? ViewPresentation::Image : ViewPresentation::WindowSwap;
    }();
    return chosen;
}

QImage& LatestFrame::WriteBuffer(int width, int height) {
    QImage& picture = pictures_[writing_];
    // RGBX: the clear colour's alpha means nothing on the screen.
    if (picture.width() != width || picture.height() != height)
        picture = QImage(width, height, QImage::Format_RGBX8888);
    return picture;
}

void LatestFrame::Publish() { writing_ = between_.exchange(writing_ | Fresh) & ~Fresh; }

QImage& LatestFrame::Latest() {
    if (between_.load() & Fresh) showing_ = between_.exchange(showing_) & ~Fresh;
    return pictures_[showing_];
}

ImagePresenter::ImagePresenter(ViewWindow& window)
    : window_(window), surface_(std::make_unique<QOffscreenSurface>(window.screen())) {
    surface_->setFormat(ViewSurfaceFormat());
    surface_->create();
    // A view is never larger than its screen, so the framebuffer object rarely has to grow.
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    framebufferSize_ = screen ? screen->virtualSize() * screen->devicePixelRatio() : QSize(1920, 1200);
}

ImagePresenter::~ImagePresenter() = default;

QSurface* ImagePresenter::Surface() const { return surface_.get(); }

bool ImagePresenter::Begin() {
    if (!framebuffer_.Create(LoadFromCurrentContext, framebufferSize_.width(), framebufferSize_.height())) return false;
    framebuffer_.Bind();
    lastPresent_ = std::chrono::steady_clock::now();
    return true;
}

void ImagePresenter::Present() {
    GLint viewport[4] = {0, 0, 0, 0};
    QOpenGLContext::currentContext()->functions()->glGetIntegerv(GL_VIEWPORT, viewport);
    const int width = viewport[2], height = viewport[3];
    if (width <= 0 || height <= 0) return;
    if (width > framebufferSize_.width() || height > framebufferSize_.height()) {
        // A view larger than the screen: this frame was cut off; the next one has room.
        framebuffer_.Destroy();
        framebufferSize_ = framebufferSize_.expandedTo(QSize(width, height));
        if (framebuffer_.Create(LoadFromCurrentContext, framebufferSize_.width(), framebufferSize_.height()))
            framebuffer_.Bind();
        return;
    }
    QImage& picture = window_.Frames().WriteBuffer(width, height);
    ReadPixelsTopRowFirst(width, height, picture.bits());
    window_.Frames().Publish();
    window_.ShowLatestFrameLater();
    std::this_thread::sleep_until(lastPresent_ + FrameInterval);
    lastPresent_ = std::chrono::steady_clock::now();
}

void ImagePresenter::End() { framebuffer_.Destroy(); }

}  // namespace voltaris
