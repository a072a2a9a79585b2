// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a view's finished frame reaches the screen. Normally the frame thread's context draws
// into the view's own native window and a buffer swap shows it. Wine does not show OpenGL
// drawn into a child window (it draws into an offscreen X drawable whose copy into the parent
// fails), and every view is a child window of the main window. There the frame thread draws
// into a framebuffer object instead, reads each finished frame back and hands it to the
// user-interface thread, where the view window shows it as an ordinary picture.
#include <QImage>
#include <QSize>
#include <atomic>
#include <chrono>
#include <memory>

#include "render/offscreen_framebuffer.h"

class QOffscreenSurface;
class QSurface;

namespace voltaris {

class ViewWindow;

enum class ViewPresentation {
    WindowSwap,  // OpenGL draws into the view's window; swapBuffers shows it
    Image,       // drawn offscreen, read back and painted into the window as a picture
};

// Chosen once per process: Image under Wine (its ntdll exports wine_get_version) or where
// VOLTARIS_VIEW_PRESENTATION=image asks for it, WindowSwap otherwise.
ViewPresentation ChosenViewPresentation();

// Hands the latest frame from the frame thread to the user-interface thread without either
// waiting: three pictures, one being written, one being shown, one in between that each side
// swaps with its own.
class LatestFrame {
public:
    // Frame thread: the picture to write the next frame into, width x height device pixels.
    QImage& WriteBuffer(int width, int height);
    // Frame thread: the written picture becomes the latest.
    void Publish();
    // User-interface thread: the latest published picture (null before the first); it stays
    // this side's own until the next call.
    QImage& Latest();

private:
    static constexpr int Fresh = 4;  // added to the index in between: published, not yet taken
    QImage pictures_[3];
    int writing_ = 0;  // frame thread only
    int showing_ = 1;  // user-interface thread only
    std::atomic<int> between_{2};
};

// The frame thread's end of the Image presentation: an offscreen surface to make the context
// current on, the framebuffer object the frames are drawn into and their read-back into the
// view window.
class ImagePresenter {
public:
    // User-interface thread (the surface is made there); `window` outlives the presenter.
    explicit ImagePresenter(ViewWindow& window);
    ~ImagePresenter();
    QSurface* Surface() const;

    // Frame thread, context current: makes the framebuffer object and draws into it.
    bool Begin();
    // Frame thread: reads the finished frame (the current viewport) back, hands it to the
    // window and keeps to about the display's refresh rate, as a swap would.
    void Present();
    // Frame thread, context current: frees the framebuffer object.
    void End();

private:
    ViewWindow& window_;
    std::unique_ptr<QOffscreenSurface> surface_;
    OffscreenFramebuffer framebuffer_;
    QSize framebufferSize_;  // at least the screen's size; grows when a view outgrows it
    std::chrono::steady_clock::time_point lastPresent_;
};

}  // namespace voltaris
