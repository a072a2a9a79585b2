// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/graph_engine.h"

#include <chrono>

#include "field/surface_mesh.h"

namespace voltaris {

GraphEngine::GraphEngine() : surfaceMesh(std::make_unique<SurfaceMesh>()) {}
GraphEngine::~GraphEngine() = default;

void ApplyStartCamera(GraphEngine& e, EngineView view) {
    const bool top = view == EngineView::TopView;
    // The top view looks straight down onto graph point (4.5, 4.5); with the scene's fixed 90
    // degree turn the model's x axis points up the screen and its y axis to the right.
    e.upX = 0;
    e.upY = top ? 0.0f : 1.0f;
    e.upZ = top ? -1.0f : 0.0f;
    e.eyeX = top ? 0.45f : 1.6f;
    e.eyeY = top ? 1.6f : 0.8f;
    e.eyeZ = top ? 0.55f : 1.6f;
    e.centreX = top ? 0.45f : 0.5f;
    e.centreY = 0;
    e.centreZ = top ? 0.55f : 0.5f;
    e.panX = 0;
    e.panY = 0;
    e.panZ = 0;
    e.scaleX = 0.1f;
    e.scaleY = 0.1f;
    e.scaleZ = 0.1f;
    e.rotationDeg = 0;
}

std::unique_ptr<GraphEngine> CreateGraphEngine(EngineView view) {
    auto engine = std::make_unique<GraphEngine>();
    GraphEngine& e = *engine;
    const bool top = view == EngineView::TopView;
    e.colourMode = top ? 1 : 0;
    e.isTopView = top;
    e.showFieldStrength = top;
    ApplyStartCamera(e, view);
    return engine;
}

ViewFlags ViewFlagsOf(const GraphEngine& engine) {
    ViewFlags flags;
    flags.topView = engine.isTopView;
    flags.showFieldStrength = engine.showFieldStrength;
    flags.showAllFieldStrengths = engine.showAllFieldStrengths;
    flags.showEquipotentials = engine.showEquipotentials;
    flags.showFieldLines = engine.showFieldLines;
    flags.showAxisLabels = engine.showAxisLabels;
    flags.showColourBar = engine.showColourBar;
    flags.colourMode = engine.colourMode;
    return flags;
}

int64_t TickCountMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void appendLog(GraphEngine& engine, const std::string& text) {
    const std::string line = "\r\n" + std::to_string(TickCountMs()) + ": " + text;
    std::lock_guard<std::mutex> lock(engine.logMutex);
    engine.debugLog += line;
}

std::string DebugLogOf(const GraphEngine& engine) {
    std::lock_guard<std::mutex> lock(engine.logMutex);
    return engine.debugLog;
}

void ReportPanelSize(GraphEngine& engine, int width, int height) {
    std::lock_guard<std::mutex> lock(engine.sizeMutex);
    engine.pendingWidth = width;
    engine.pendingHeight = height;
}

void TakePendingSize(GraphEngine& engine, int& width, int& height) {
    std::lock_guard<std::mutex> lock(engine.sizeMutex);
    width = engine.pendingWidth.exchange(0);
    height = engine.pendingHeight.exchange(0);
}

void SetRunning(GraphEngine& engine, bool running) {
    {
        std::lock_guard<std::mutex> lock(engine.pauseMutex);
        engine.running = running;
    }
    engine.pauseWake.notify_all();
}

void RequestStop(GraphEngine& engine) {
    {
        std::lock_guard<std::mutex> lock(engine.pauseMutex);
        engine.stopRequested = true;
    }
    engine.pauseWake.notify_all();
}

std::future<FramePixels> RequestFrameCapture(GraphEngine& engine) {
    std::future<FramePixels> picture = engine.capture.Request();
    {
        std::lock_guard<std::mutex> lock(engine.pauseMutex);
    }
    engine.pauseWake.notify_all();
    return picture;
}

void WaitWhilePaused(GraphEngine& engine) {
    std::unique_lock<std::mutex> lock(engine.pauseMutex);
    // The timeout catches a plain store to `running` that came without a notification.
    while (!engine.running && !engine.stopRequested && !engine.capture.Pending()) {
        engine.pauseWake.wait_for(lock, std::chrono::milliseconds(50));
    }
}

}  // namespace voltaris
