// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's rebuild of traced lines and particle paths on threads of its own, beside the
// two frame threads: an edit starts it at once instead of at the 3D view's next frame, the
// three kinds are traced side by side, and the views wait for it only while it is tracing the
// scene they are about to draw.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

#include "engine/graph_engine.h"
#include "model/published.h"
#include "particle/built_trajectory.h"
#include "render/scene_state.h"

namespace voltaris {

class SideThread;

class LinesRebuilder {
public:
    // Rebuilds into `stores` whenever the 3D engine's linesDirty is raised and that engine is
    // running (a paused 3D view keeps the request for later, as its frames do), from the scene
    // published last. Every path build goes to `deliver`, on the rebuild thread, in the order
    // the builds finish.
    LinesRebuilder(GraphEngine& engine3D, const Published<SceneState>& scene, const TracedStores& stores,
                   std::function<void(const BuiltTrajectory&)> deliver);
    ~LinesRebuilder();
    LinesRebuilder(const LinesRebuilder&) = delete;
    LinesRebuilder& operator=(const LinesRebuilder&) = delete;

    void Start();
    // Waits for a rebuild under way, then ends the threads.
    void Stop();
    // Any thread, after raising linesDirty: starts the rebuild now rather than at the next
    // look (which comes within 50 ms anyway).
    void Wake();
    // True while requests come less than 25 ms apart, as the mouse sends them while a charge
    // is dragged. Any thread.
    bool RequestsStreaming() const;

    // Serial of the scene whose lines and paths the stores hold (0: none built yet). Any thread.
    uint64_t BuiltSerial() const { return built_.load(std::memory_order_acquire); }
    // Frame threads: while the lines of scene `serial` (or of a newer one) are being traced or
    // about to be, waits for them, at most `longest` and not past a raised `stop`. Returns at
    // once when they are there or when the rebuild is busy with an older scene (its lines
    // would not show this scene anyway).
    void WaitForLinesOf(uint64_t serial, std::chrono::milliseconds longest, const std::atomic<bool>& stop);

    // Rebuilds finished (their paths delivered) and the time they took. Any thread.
    int64_t RebuildCount() const { return rebuilds_.load(std::memory_order_acquire); }
    int64_t RebuildNanoseconds() const { return rebuildNs_.load(std::memory_order_relaxed); }

private:
    void Run();
    void RebuildFrom(const SceneState& scene);
    void LetTheViewsCatchUp(std::unique_lock<std::mutex>& lock);
    // Under mutex_: lines for scene `serial` are being traced or will be by the next rebuild.
    bool LinesComing(uint64_t serial) const;

    GraphEngine& engine3D_;
    const Published<SceneState>& scene_;
    TracedStores stores_;
    std::function<void(const BuiltTrajectory&)> deliver_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;   // the rebuild thread: a request or the stop
    std::condition_variable built_wake_;  // frame threads: a rebuild has finished
    bool stop_ = false;
    uint64_t tracing_ = 0;  // serial of the scene being traced; 0 = none
    std::atomic<uint64_t> built_{0};
    std::atomic<int64_t> rebuilds_{0}, rebuildNs_{0};
    std::atomic<int64_t> lastRequestNs_{0}, requestGapNs_{INT64_MAX};

    std::unique_ptr<SideThread> fieldLineThread_, pathThread_;
    std::thread thread_;
};

}  // namespace voltaris
