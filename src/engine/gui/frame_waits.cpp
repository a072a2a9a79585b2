// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/gui/frame_waits.h"

#include "engine/graph_engine.h"
#include "engine/gui/frame_thread.h"

namespace voltaris {

namespace {

bool Drawing(const WatchedView& view) {
    return view.engine && view.thread && view.thread->isRunning() && view.engine->running;
}

}  // namespace

FrameCountWait::FrameCountWait(std::vector<WatchedView> views, int frames, int capMs, QObject* parent,
                               QObject* context, std::function<void()> then)
    : QObject(parent), views_(std::move(views)), frames_(frames), context_(context), then_(std::move(then)) {
    cap_.setSingleShot(true);
    cap_.setInterval(capMs);
    connect(&cap_, &QTimer::timeout, this, &FrameCountWait::NextView);
}

void FrameCountWait::Start(std::vector<WatchedView> views, int frames, int capMs, QObject* parent,
                           QObject* context, std::function<void()> then) {
    auto* wait = new FrameCountWait(std::move(views), frames, capMs, parent, context, std::move(then));
    wait->NextView();
}

void FrameCountWait::NextView() {
    if (finished_) return;
    cap_.stop();
    if (current_.thread) disconnect(current_.thread, nullptr, this, nullptr);
    current_ = {};
    while (next_ < views_.size()) {
        const WatchedView view = views_[next_++];
        if (!Drawing(view)) continue;
        current_ = view;
        target_ = view.engine->frameCount + frames_;
        connect(view.thread, &FrameThread::passReported, this, &FrameCountWait::CheckView);
        connect(view.thread, &QThread::finished, this, &FrameCountWait::CheckView);
        view.thread->ReportNextPass();
        cap_.start();
        return;
    }
    Finish();
}

void FrameCountWait::CheckView() {
    // A report queued before the wait moved on to the next view is answered for the current one.
    if (finished_ || !current_.engine) return;
    if (!Drawing(current_) || current_.engine->frameCount >= target_) {
        NextView();
        return;
    }
    current_.thread->ReportNextPass();
}

void FrameCountWait::Finish() {
    finished_ = true;
    // The continuation may take the wait's parent, and with it the wait, along.
    QPointer<FrameCountWait> alive(this);
    if (context_) then_();
    if (alive) deleteLater();
}

NextPictureWait::NextPictureWait(WatchedView view, int capMs, QObject* parent, QObject* context,
                                 std::function<void(const QImage&)> then)
    : QObject(parent), view_(view), context_(context), then_(std::move(then)) {
    cap_.setSingleShot(true);
    cap_.setInterval(capMs);
    connect(&cap_, &QTimer::timeout, this, &NextPictureWait::GiveUp);
}

void NextPictureWait::Start(WatchedView view, int capMs, QObject* parent, QObject* context,
                            std::function<void(const QImage&)> then) {
    auto* wait = new NextPictureWait(view, capMs, parent, context, std::move(then));
    if (!view.engine || !view.thread || !view.thread->isRunning()) {
        wait->Deliver({});
        return;
    }
    connect(view.thread, &FrameThread::passReported, wait, &NextPictureWait::CheckPicture);
    connect(view.thread, &QThread::finished, wait, &NextPictureWait::CheckPicture);
    // Asked for before the request: the pass that serves it reports, even a paused view's.
    view.thread->ReportNextPass();
    wait->picture_ = RequestFrameCapture(*view.engine);
    wait->cap_.start();
}

void NextPictureWait::CheckPicture() {
    if (delivered_) return;
    const auto ready = [this] { return picture_.wait_for(std::chrono::seconds(0)) == std::future_status::ready; };
    if (!ready()) {
        view_.thread->ReportNextPass();
        // Served between the look and the new report request: the serving pass has reported
        // already, and a paused view makes no other.
        if (!ready()) return;
    }
    const FramePixels pixels = picture_.get();
    if (pixels.rgba.empty()) {
        Deliver({});
        return;
    }
    // The background's alpha means nothing on screen.
    Deliver(QImage(pixels.rgba.data(), pixels.width, pixels.height, pixels.width * 4, QImage::Format_RGBX8888)
                .convertToFormat(QImage::Format_RGB32));
}

void NextPictureWait::GiveUp() { Deliver({}); }

void NextPictureWait::Deliver(const QImage& picture) {
    if (delivered_) return;
    delivered_ = true;
    cap_.stop();
    if (view_.thread) disconnect(view_.thread, nullptr, this, nullptr);
    QPointer<NextPictureWait> alive(this);
    if (context_) then_(picture);
    if (alive) deleteLater();
}

}  // namespace voltaris
