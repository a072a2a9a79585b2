// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/lines_rebuilder.h"

#include "engine/redraw.h"

namespace voltaris {

namespace {

int64_t NowNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

// A look at the flags this often catches a request raised without Wake, or a resumed 3D view.
constexpr std::chrono::milliseconds LookInterval{50};

}  // namespace

// A thread kept for one kind of tracing, so its scratch memory stays warm from one rebuild
// to the next: Run hands it a job, Wait returns when the job is done. One job at a time.
class SideThread {
public:
    SideThread() : thread_([this] { Loop(); }) {}
    ~SideThread() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }

    void Run(std::function<void()> job) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            job_ = std::move(job);
        }
        wake_.notify_all();
    }

    void Wait() {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [this] { return !job_; });
    }

private:
    void Loop() {
        std::unique_lock<std::mutex> lock(mutex_);
        while (true) {
            wake_.wait(lock, [this] { return stop_ || job_; });
            if (stop_) return;
            lock.unlock();
            job_();
            lock.lock();
            job_ = nullptr;
            wake_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::function<void()> job_;
    bool stop_ = false;
    std::thread thread_;
};

LinesRebuilder::LinesRebuilder(GraphEngine& engine3D, const Published<SceneState>& scene,
                               const TracedStores& stores, std::function<void(const BuiltTrajectory&)> deliver)
    : engine3D_(engine3D), scene_(scene), stores_(stores), deliver_(std::move(deliver)) {}

LinesRebuilder::~LinesRebuilder() { Stop(); }

void LinesRebuilder::Start() {
    if (thread_.joinable()) return;
    fieldLineThread_ = std::make_unique<SideThread>();
    pathThread_ = std::make_unique<SideThread>();
    stop_ = false;
    thread_ = std::thread([this] { Run(); });
}

void LinesRebuilder::Stop() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
    fieldLineThread_.reset();
    pathThread_.reset();
}

void LinesRebuilder::Wake() {
    const int64_t now = NowNs();
    requestGapNs_ = now - lastRequestNs_.exchange(now);
    { std::lock_guard<std::mutex> lock(mutex_); }  // a look at the flag under way ends first
    wake_.notify_all();
}

bool LinesRebuilder::RequestsStreaming() const {
    constexpr int64_t StreamGapNs = 25'000'000;
    return requestGapNs_ < StreamGapNs && NowNs() - lastRequestNs_ < StreamGapNs;
}

bool LinesRebuilder::LinesComing(uint64_t serial) const {
    if (tracing_ != 0) return tracing_ >= serial;
    // Nothing traced right now: a raised request is served next, from the newest scene.
    return engine3D_.linesDirty && engine3D_.running && built_ < serial;
}

void LinesRebuilder::WaitForLinesOf(uint64_t serial, std::chrono::milliseconds longest,
                                    const std::atomic<bool>& stop) {
    // Slices short enough that a stop is seen soon; the rebuild's end wakes at once.
    constexpr std::chrono::milliseconds Slice{10};
    const auto deadline = std::chrono::steady_clock::now() + longest;
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop && LinesComing(serial) && std::chrono::steady_clock::now() < deadline) {
        built_wake_.wait_for(lock, std::min<std::chrono::steady_clock::duration>(
                                       Slice, deadline - std::chrono::steady_clock::now()));
    }
}

void LinesRebuilder::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        wake_.wait_for(lock, LookInterval, [this] { return stop_ || (engine3D_.linesDirty && engine3D_.running); });
        if (stop_) break;
        if (!engine3D_.running || !engine3D_.linesDirty.exchange(false)) continue;
        // Flag first, scene second: the scene is at least as new as the request.
        const SceneState scene = scene_.Read();
        tracing_ = scene.serial;
        lock.unlock();
        RebuildFrom(scene);
        lock.lock();
        tracing_ = 0;
        built_.store(scene.serial, std::memory_order_release);
        built_wake_.notify_all();
        if (RequestsStreaming()) LetTheViewsCatchUp(lock);
    }
}

void LinesRebuilder::LetTheViewsCatchUp(std::unique_lock<std::mutex>& lock) {
    // While edits stream in, lines traced faster than the 3D view draws would never be shown:
    // the next rebuild starts once it has drawn a frame since (as if its frames traced them),
    // which leaves the cores to the frames and the surface keeps following the mouse.
    constexpr std::chrono::milliseconds Longest{100};
    const int32_t frames = engine3D_.frameCount;
    const auto deadline = std::chrono::steady_clock::now() + Longest;
    while (!stop_ && engine3D_.frameCount == frames && engine3D_.running &&
           std::chrono::steady_clock::now() < deadline) {
        wake_.wait_for(lock, std::chrono::milliseconds(2));
    }
}

void LinesRebuilder::RebuildFrom(const SceneState& scene) {
    const int64_t start = NowNs();
    BuiltTrajectory built;
    if (RequestsStreaming()) {
        // Edits keep coming (a drag): one core traces, the other is left to the views, so the
        // surface keeps following the mouse.
        built = RebuildLinesAndPath(scene, stores_);
    } else {
        // The kinds read only the scene and each writes its own store, so they run side by
        // side while the views wait for them; each store shows its lines once its kind is done.
        fieldLineThread_->Run([&] { RebuildFieldLines(scene, stores_); });
        pathThread_->Run([&] { built = RebuildPaths(scene, stores_); });
        RebuildEquipotentials(scene, stores_);
        fieldLineThread_->Wait();
        pathThread_->Wait();
    }
    if (built.result.built && deliver_) deliver_(built);
    rebuildNs_.fetch_add(NowNs() - start, std::memory_order_relaxed);
    rebuilds_.fetch_add(1, std::memory_order_release);
}

}  // namespace voltaris
