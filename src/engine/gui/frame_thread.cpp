// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/gui/frame_thread.h"

#include <QCoreApplication>
#include <QOpenGLContext>

#include "engine/gui/view_presentation.h"
#include "engine/gui/view_window.h"

namespace voltaris {

FrameThread::FrameThread(GraphEngine& engine, const Published<SceneState>& scene, ViewWindow& window, FrameHooks hooks)
    : engine_(engine), scene_(scene), window_(window), hooks_(std::move(hooks)) {}

FrameThread::~FrameThread() { Stop(); }

bool FrameThread::Start() {
    if (!window_.handle()) window_.create();
    if (window_.Presentation() == ViewPresentation::Image) imagePresenter_ = std::make_unique<ImagePresenter>(window_);
    context_ = std::make_unique<QOpenGLContext>();
    context_->setFormat(ViewSurfaceFormat());
    if (!context_->create()) {
        context_.reset();
        return false;
    }
    // Created here, where the platform expects it; from now on only the frame thread uses it.
    context_->moveToThread(this);
    start();
    return true;
}

void FrameThread::Stop() {
    if (!isRunning()) return;
    RequestStop(engine_);
    wait();
}

void FrameThread::run() {
    QSurface* surface = imagePresenter_ ? imagePresenter_->Surface() : &window_;
    if (!context_->makeCurrent(surface) || (imagePresenter_ && !imagePresenter_->Begin())) {
        context_->doneCurrent();
        context_->moveToThread(QCoreApplication::instance()->thread());
        Q_EMIT contextFailed();
        return;
    }
    InitialiseGlState(engine_.clearColour);
    FrameHooks hooks = hooks_;
    if (imagePresenter_) {
        hooks.swapBuffers = [this] { imagePresenter_->Present(); };
    } else {
        hooks.swapBuffers = [this] {
            if (window_.WasExposed()) context_->swapBuffers(&window_);
        };
    }
    hooks.passEnded = [this] {
        if (reportRequested_.exchange(false)) Q_EMIT passReported();
    };
    RunFrameLoop(engine_, scene_, hooks);
    if (reportRequested_.exchange(false)) Q_EMIT passReported();
    if (imagePresenter_) imagePresenter_->End();
    context_->doneCurrent();
    // Back to the thread that will delete it.
    context_->moveToThread(QCoreApplication::instance()->thread());
}

}  // namespace voltaris
