// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWindow>
#include <atomic>
#include <memory>

#include "engine/gui/view_presentation.h"

class QBackingStore;

namespace voltaris {

// Receives the mouse of a view window, on the user-interface thread. Positions are in the
// window's own pixels, y counted from the top edge.
class ViewMouseHandler {
public:
    virtual ~ViewMouseHandler() = default;
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) = 0;
    virtual void MouseMove(int x, int y) = 0;
    virtual void MouseUp(Qt::MouseButton button, int x, int y) = 0;
    // The mouse went onto another control or out of the main window.
    virtual void MouseLeave() = 0;
};

// Double buffer, 16-bit depth, no stencil, legacy OpenGL, swap interval 1: what every view draws with.
QSurfaceFormat ViewSurfaceFormat();

// The native surface one view is shown on; the widget tree holds it through a window
// container. Its frame thread draws into it, or, with the Image presentation, hands it
// finished frames that it paints as pictures. Mouse input goes to the handler; the right
// button asks for the view's pop-up menu.
class ViewWindow : public QWindow {
    Q_OBJECT
public:
    ViewWindow();
    ~ViewWindow() override;
    void SetMouseHandler(ViewMouseHandler* handler) { handler_ = handler; }
    // Presenting into a window that was never exposed is undefined; the frame thread asks
    // this first. Any thread.
    bool WasExposed() const { return exposed_.load(); }

    ViewPresentation Presentation() const { return presentation_; }
    // The Image presentation's hand-over of finished frames.
    LatestFrame& Frames() { return frames_; }
    // Any thread: paints the latest frame soon, on the user-interface thread; frames that
    // arrive meanwhile are skipped for the newest.
    void ShowLatestFrameLater();

Q_SIGNALS:
    void contextMenuRequested(const QPoint& globalPosition);

protected:
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PaintLatestFrame();

    ViewMouseHandler* handler_ = nullptr;
    std::atomic<bool> exposed_{false};
    const ViewPresentation presentation_;
    std::unique_ptr<QBackingStore> backingStore_;  // Image presentation only
    LatestFrame frames_;
    std::atomic<bool> paintPosted_{false};
};

}  // namespace voltaris
