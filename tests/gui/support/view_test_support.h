#pragma once
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

namespace voltaris {
class GraphViews;
class ViewWindow;
struct GraphEngine;
}

namespace voltaris::test {

// Waits (processing events) until `done` holds or `timeoutMs` passed; true when it holds.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 20000);

// Waits until the engine has drawn `frames` more frames.
bool WaitForFrames(GraphEngine& engine, int frames, int timeoutMs = 20000);

// Shows both view windows side by side in a host widget of 640 x 320, creates the engines and
// waits until each has drawn its first frames; the host (which owns the windows' containers)
// is empty on a timeout.
std::unique_ptr<QWidget> ShowViewsDrawing(GraphViews& views);

// The picture the view presents next, as the picture export takes it; null on a timeout.
QImage CaptureNextPicture(GraphViews& views, bool threeD, int timeoutMs = 30000);

// The view window's pixels as they are on the screen.
QImage GrabView(ViewWindow& window);

// Number of different colours in the image (stops counting at `enough`).
int DistinctColours(const QImage& image, int enough = 16);

}  // namespace voltaris::test
