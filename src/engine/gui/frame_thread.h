#pragma once
#include <QThread>
#include <memory>

#include "engine/gl/engine_frame.h"

class QOpenGLContext;

namespace voltaris {

class ViewWindow;

// The drawing thread of one view: owns the view's OpenGL context and runs the engine's
// frame loop on it, back to back while the engine runs and blocked while it is paused,
// until Stop.
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

signals:
    // The context could not be bound to the window on the drawing thread; nothing is drawn.
    void contextFailed();

protected:
    void run() override;

private:
    GraphEngine& engine_;
    const Published<SceneState>& scene_;
    ViewWindow& window_;
    FrameHooks hooks_;
    std::unique_ptr<QOpenGLContext> context_;
};

}  // namespace voltaris
