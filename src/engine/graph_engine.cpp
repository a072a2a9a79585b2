#include "engine/graph_engine.h"

#include <chrono>

#include "field/surface_mesh.h"

namespace voltaris {

GraphEngine::GraphEngine() : surfaceMesh(std::make_unique<SurfaceMesh>()) {}
GraphEngine::~GraphEngine() = default;

std::unique_ptr<GraphEngine> CreateGraphEngine(EngineView view) {
    auto engine = std::make_unique<GraphEngine>();
    GraphEngine& e = *engine;
    if (view == EngineView::ThreeD) {
        e.colourMode = 0;
        e.isTopView = false;
        e.showFieldStrength = false;
        return engine;
    }
    e.colourMode = 1;
    e.isTopView = true;
    e.showFieldStrength = true;
    // Straight down onto graph point (4.5, 4.5); with the scene's fixed 90 degree turn the
    // model's x axis points up the screen and its y axis to the right.
    e.upX = 0;
    e.upY = 0;
    e.upZ = -1;
    e.eyeX = 0.45f;
    e.eyeY = 1.6f;
    e.eyeZ = 0.55f;
    e.centreX = 0.45f;
    e.centreY = 0;
    e.centreZ = 0.55f;
    return engine;
}

ViewFlags ViewFlagsOf(const GraphEngine& engine) {
    ViewFlags flags;
    flags.topView = engine.isTopView;
    flags.showFieldStrength = engine.showFieldStrength;
    flags.showAllFieldStrengths = engine.showAllFieldStrengths;
    flags.showEquipotentials = engine.showEquipotentials;
    flags.showFieldLines = engine.showFieldLines;
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
