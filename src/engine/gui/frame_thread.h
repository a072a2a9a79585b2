// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QThread>
#include <atomic>
#include <memory>

#include "engine/engine_frame.h"

class QOpenGLContext;

namespace voltaris {

class ImagePresenter;
class ViewWindow;

// The drawing thread of one view: owns the view's OpenGL context and runs the engine's
// frame loop on it, back to back while the engine runs and blocked while it is paused,
// until Stop. It presents each frame as the window asks: by a buffer swap into the window,
// or, where OpenGL in child windows is not shown (Wine), drawn offscreen and handed to the
// window as a picture (view_presentation.h).
class FrameThread : public QThread {
    Q_OBJECT
public:
    FrameThread(GraphEngine& engine, const Published<SceneState>& scene, ViewWindow& window, FrameHooks hooks);
    ~FrameThread() override;

    // Creates the context on the calling (user-interface) thread, hands it over and starts
    // drawing. False when no context could be created; nothing is started then.
    bool Start();
    // Ends the frame loop after the frame in progress and waits for the thread.
    void Stop();
    // Any thread: passReported is emitted once, after the next pass of the frame loop ends (a
    // frame presented, or the pass of a paused view) or when the loop ends. Calls made before
    // that share one signal. The frame thread thus reports only while someone waits for it,
    // instead of flooding the event queue at every frame.
    void ReportNextPass() { reportRequested_ = true; }

Q_SIGNALS:
    // The context could not be bound to the window on the drawing thread; nothing is drawn.
    void contextFailed();
    // Emitted on the frame thread; a receiver on another thread gets it queued.
    void passReported();

protected:
    void run() override;

private:
    GraphEngine& engine_;
    const Published<SceneState>& scene_;
    ViewWindow& window_;
    FrameHooks hooks_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<ImagePresenter> imagePresenter_;  // Image presentation only
    std::atomic<bool> reportRequested_{false};
};

}  // namespace voltaris
