// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waits for the drawing threads without blocking the user-interface thread: each wait is an
// object that the frame thread's pass reports and a cap timer drive, and that hands its
// result to a continuation once, then deletes itself. No event loop runs inside another.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <future>
#include <vector>

#include "render/frame_capture.h"

namespace voltaris {

struct GraphEngine;
class FrameThread;

// A view a wait watches: its engine and the thread drawing it (either may be missing).
struct WatchedView {
    GraphEngine* engine = nullptr;
    FrameThread* thread = nullptr;
};

// Lets each view in turn draw `frames` more frames, then calls `then`. A view that is
// paused, stops or pauses meanwhile is not waited for, one that stalls at most `capMs`.
// `then` is dropped when `context` goes first; the wait goes with its parent.
class FrameCountWait : public QObject {
    Q_OBJECT
public:
    // May call `then` before it returns, when no view is drawing.
    static void Start(std::vector<WatchedView> views, int frames, int capMs, QObject* parent, QObject* context,
                      std::function<void()> then);

private Q_SLOTS:
    void CheckView();
    void NextView();

private:
    FrameCountWait(std::vector<WatchedView> views, int frames, int capMs, QObject* parent, QObject* context,
                   std::function<void()> then);
    void Finish();

    std::vector<WatchedView> views_;
    size_t next_ = 0;
    WatchedView current_;
    int32_t target_ = 0;
    const int frames_;
    QTimer cap_;
    QPointer<QObject> context_;
    std::function<void()> then_;
    bool finished_ = false;
};

// Takes the picture the view presents next (read back by its frame thread; a paused view
// draws its scene once more for it) and hands it to `then`, at the panel's pixel size; a
// null image when the view does not draw or has not answered within `capMs`. `then` is
// dropped when `context` goes first; the wait goes with its parent.
class NextPictureWait : public QObject {
    Q_OBJECT
public:
    // May call `then` before it returns, when the view does not draw.
    static void Start(WatchedView view, int capMs, QObject* parent, QObject* context,
                      std::function<void(const QImage&)> then);

private Q_SLOTS:
    void CheckPicture();
    void GiveUp();

private:
    NextPictureWait(WatchedView view, int capMs, QObject* parent, QObject* context,
                    std::function<void(const QImage&)> then);
    void Deliver(const QImage& picture);

    WatchedView view_;
    std::future<FramePixels> picture_;
    QTimer cap_;
    QPointer<QObject> context_;
    std::function<void(const QImage&)> then_;
    bool delivered_ = false;
};

}  // namespace voltaris
