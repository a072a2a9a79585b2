// SPDX-License-Identifier: GPL-3.0-or-later
// Edit-to-picture latency with everything on: both views drawn by their own threads through
// the engine's frame loop on headless contexts, while a charge is dragged as the top view's
// mouse handler drags it. For each move: the time until each view has presented the first
// frame whose surface, lines and particle path all come from it (p50_, p95_), and the first
// that shows its surface (surface_p95_). One "iteration" per scene runs 200 moves one after
// another, then a 1.5 s continuous drag (drag_fps_); frame_ms_ is the mean time per pass of
// each view's frame loop, rebuild_ms that of a rebuild of lines and path.
// Each scene runs twice: beside:1 as the program does it (lines rebuilt beside the frames by
// the lines rebuilder) and beside:0 the straightforward way, rebuilt by the 3D view's frame.
// The straightforward way is there to compare against and makes 50 moves, so that the whole
// run takes about a minute.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "arrangements.h"
#include "engine/engine_frame.h"
#include "engine/graph_engine.h"
#include "engine/lines_rebuilder.h"
#include "engine/redraw.h"
#include "model/project.h"
#include "model/top_view_editing.h"
#include "particle/built_trajectory.h"
#include "render/egl_offscreen.h"
#include "render/scene_drawing.h"

namespace voltaris {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int PanelWidth = 760, PanelHeight = 640;  // about a view's panel on a 1600 x 1000 screen
constexpr int Moves = 200, MovesToCompare = 50;
constexpr double DragSeconds = 1.5;
constexpr double MouseEventMs = 16;  // a mouse sends about 60 moves a second
constexpr auto GiveUpAfter = std::chrono::seconds(5);

int64_t NowNs() { return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count(); }

// Marks when a view first presents a frame built from scene `target` or later.
struct ArrivalWatch {
    std::atomic<uint64_t> target{0};
    std::atomic<uint64_t> reachedFor{0};
    std::atomic<int64_t> reachedAtNs{0};

    // Frame thread, right after a frame has been presented that shows scene `shown`.
    void Presented(uint64_t shown) {
        const uint64_t t = target.load(std::memory_order_acquire);
        if (t != 0 && shown >= t && reachedFor.load(std::memory_order_relaxed) != t) {
            reachedAtNs.store(NowNs(), std::memory_order_relaxed);
            reachedFor.store(t, std::memory_order_release);
        }
    }
    bool Reached(uint64_t t) const { return reachedFor.load(std::memory_order_acquire) == t; }
};

// One view drawn by its own thread on its own headless context until Stop.
class DrawingView {
public:
    DrawingView(GraphEngine& engine, const Published<SceneState>& scene, FrameHooks hooks,
                const std::atomic<uint64_t>& linesSerial)
        : engine_(engine), scene_(scene), hooks_(std::move(hooks)), linesSerial_(linesSerial) {}
    // With the lines rebuilt beside, or by this view's own frame, the frame knows which lines it drew.
    bool knowsItsLines = false;

    bool Start(std::string& error) {
        target_ = EglOffscreen::Create(PanelWidth, PanelHeight, error);
        if (!target_) return false;
        ReportPanelSize(engine_, PanelWidth, PanelHeight);
        thread_ = std::thread([this] { Run(); });
        return true;
    }
    void Stop() {
        RequestStop(engine_);
        if (thread_.joinable()) thread_.join();
    }
    ArrivalWatch watch;         // surface, lines and path of the edit all shown
    ArrivalWatch surfaceWatch;  // the surface (and the charge marker) shown
    std::atomic<int64_t> frameNs{0};  // time spent in frames, and their number
    std::atomic<int64_t> frames{0};
    double MeanFrameMs() const { return frames ? frameNs / 1e6 / frames : 0; }

private:
    void Run() {
        target_->MakeCurrent();
        InitialiseGlState(engine_.clearColour);
        uint64_t linesBefore = 0;
        FrameHooks hooks = hooks_;
        hooks.swapBuffers = [&] {
            target_->Present();
            // The frame drew the lines it knows, else those published when it began (or
            // newer ones).
            const uint64_t lines = knowsItsLines ? engine_.linesShownSerial : linesBefore;
            surfaceWatch.Presented(engine_.surfaceSerial);
            watch.Presented(std::min(engine_.surfaceSerial, lines));
        };
        while (!engine_.stopRequested) {
            linesBefore = linesSerial_.load(std::memory_order_acquire);
            const int64_t start = NowNs();
            RunFrame(engine_, scene_, hooks);
            frameNs.fetch_add(NowNs() - start, std::memory_order_relaxed);
            frames.fetch_add(1, std::memory_order_relaxed);
        }
        ReleaseGlResources(engine_);
        target_->ReleaseCurrent();
    }

    GraphEngine& engine_;
    const Published<SceneState>& scene_;
    FrameHooks hooks_;
    const std::atomic<uint64_t>& linesSerial_;
    std::unique_ptr<EglOffscreen> target_;
    std::thread thread_;
};

struct SceneSetup {
    std::string source;  // "sample" or a file
    std::string tab;     // caption of the tab shown
    bool lines = false;  // both line kinds in both views
    bool particle = false;
};

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, static_cast<size_t>(std::ceil(p * v.size())) - 1);
    return v[i];
}

// The program's pieces around the two drawing threads, with this thread as its user-interface
// thread: the model, the hand-over, the path builds coming back.
class Rig {
public:
    Rig(const SceneSetup& setup, bool beside) : beside_(beside), engine3D_(CreateGraphEngine(EngineView::ThreeD)),
                                            engine2D_(CreateGraphEngine(EngineView::TopView)) {
        loaded_ = bench::LoadTab(project_, setup.source, setup.tab) && project_.Active().ChargeCount > 0;
        for (GraphEngine* e : {engine3D_.get(), engine2D_.get()}) {
            e->showEquipotentials = setup.lines;
            e->showFieldLines = setup.lines;
        }
        shared_.EquipotentialsWanted = shared_.FieldLinesWanted = setup.lines;
        shared_.switches.ParticleEnabled = setup.particle;
        project_.ChargeSelected = {};
        project_.ChargeSelected[0] = true;
        drag_.movingCharges = true;
        startX_ = project_.Active().charges[0].x / project_.unitLength;
        startZ_ = project_.Active().charges[0].y / project_.unitLength;
    }

    bool Start(std::string& error) {
        if (!loaded_) {
            error = "the scene cannot be loaded";
            return false;
        }
        PublishScene(shared_, project_);
        auto deliver = [this](const BuiltTrajectory& built) {
            std::lock_guard<std::mutex> lock(buildsMutex_);
            builds_.push_back(built);
        };
        FrameHooks hooks3D, hooks2D;
        if (beside_) {
            lines_ = std::make_unique<LinesRebuilder>(*engine3D_, shared_.published, ProcessTracedStores(), deliver);
            lines_->Start();
            hooks3D.linesBeside = hooks2D.linesBeside = lines_.get();
            hooks3D.goesAfter = engine2D_.get();
        } else {
            auto rebuild = LinesRebuildHook(ProcessTracedStores(), deliver);
            hooks3D.rebuildLines = [this, rebuild](GraphEngine& e, const SceneState& scene) {
                const int64_t start = NowNs();
                rebuild(e, scene);
                rebuildNs_ += NowNs() - start;
                ++rebuilds_;
                linesSerial_.store(scene.serial, std::memory_order_release);
            };
        }
        view3D_ = std::make_unique<DrawingView>(*engine3D_, shared_.published, hooks3D, linesSerial_);
        view2D_ = std::make_unique<DrawingView>(*engine2D_, shared_.published, hooks2D, linesSerial_);
        view3D_->knowsItsLines = true;
        view2D_->knowsItsLines = beside_;
        return view3D_->Start(error) && view2D_->Start(error);
    }

    ~Rig() {
        if (view3D_) view3D_->Stop();
        if (view2D_) view2D_->Stop();
        if (lines_) lines_->Stop();
    }

    // Mean milliseconds of a frame of each view and of a rebuild of lines and path; read
    // once the views have stopped.
    void Stop() {
        view3D_->Stop();
        view2D_->Stop();
        if (lines_) lines_->Stop();
    }
    double MeanFrameMs3D() const { return view3D_->MeanFrameMs(); }
    double MeanFrameMs2D() const { return view2D_->MeanFrameMs(); }
    double MeanRebuildMs() const {
        if (lines_) return lines_->RebuildCount() ? lines_->RebuildNanoseconds() / 1e6 / lines_->RebuildCount() : 0;
        return rebuilds_ ? rebuildNs_ / 1e6 / rebuilds_ : 0;
    }

    // Drags the selected charge to the next point of a small circle around its start, as the
    // top view's move handler does, and returns the serial of the scene that carries it.
    uint64_t Move(int step) {
        const double a = step * 0.05;
        const float gx = startX_ + static_cast<float>(0.3 * std::cos(a));
        const float gz = startZ_ + static_cast<float>(0.3 * std::sin(a));
        engine2D_->pickX = PanelWidth / 2 + step % 50;
        engine2D_->pickY = PanelHeight / 2;
        engine3D_->pickX = -996;  // the mouse is over the top view
        TopViewDragTo(project_, drag_, gx, gz);
        RequestRedraw(Engines(), shared_, project_, true, false);
        return shared_.publishCount;
    }

    // The user-interface thread's share of waiting: path builds that came back are applied.
    void ServeBuilds() {
        std::deque<BuiltTrajectory> builds;
        {
            std::lock_guard<std::mutex> lock(buildsMutex_);
            builds.swap(builds_);
        }
        for (const BuiltTrajectory& built : builds) {
            if (ApplyBuiltTrajectory(built, project_, phase_)) {
                RequestRedraw(Engines(), shared_, project_, false, false);
            }
        }
    }

    // Milliseconds until each view presents scene `serial` whole (GiveUpAfter when it does
    // not), and until it presents its surface.
    struct Arrival {
        double ms3D = 0, ms2D = 0, surfaceMs3D = 0, surfaceMs2D = 0;
    };
    Arrival WaitShown(uint64_t serial, int64_t startNs) {
        for (DrawingView* view : {view3D_.get(), view2D_.get()}) {
            view->surfaceWatch.target = serial;
            view->watch.target = serial;
        }
        const auto deadline = Clock::now() + GiveUpAfter;
        while (!(view3D_->watch.Reached(serial) && view2D_->watch.Reached(serial)) && Clock::now() < deadline) {
            ServeBuilds();
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        auto ms = [&](const ArrivalWatch& w) {
            return w.Reached(serial) ? (w.reachedAtNs.load() - startNs) / 1e6
                                     : std::chrono::duration<double, std::milli>(GiveUpAfter).count();
        };
        return {ms(view3D_->watch), ms(view2D_->watch), ms(view3D_->surfaceWatch), ms(view2D_->surfaceWatch)};
    }

    // Frames per second of each view while the charge is dragged without waiting.
    void Drag(double& fps3D, double& fps2D) {
        const int32_t frames3D = engine3D_->frameCount, frames2D = engine2D_->frameCount;
        const auto start = Clock::now();
        int step = 0;
        while (std::chrono::duration<double>(Clock::now() - start).count() < DragSeconds) {
            Move(step++);
            ServeBuilds();
            std::this_thread::sleep_until(start + std::chrono::microseconds(static_cast<int64_t>(step * MouseEventMs * 1000)));
        }
        const double s = std::chrono::duration<double>(Clock::now() - start).count();
        fps3D = (engine3D_->frameCount - frames3D) / s;
        fps2D = (engine2D_->frameCount - frames2D) / s;
    }

private:
    EngineSet Engines() const { return {engine3D_.get(), engine2D_.get(), lines_.get()}; }

    bool beside_;
    Project project_;
    bool loaded_ = false;
    SharedScene shared_;
    TopViewDrag drag_;
    float startX_ = 0, startZ_ = 0;
    int32_t phase_ = 0;
    std::unique_ptr<GraphEngine> engine3D_, engine2D_;
    std::atomic<uint64_t> linesSerial_{0};
    int64_t rebuildNs_ = 0, rebuilds_ = 0;  // 3D frame thread only; read after Stop
    std::unique_ptr<LinesRebuilder> lines_;  // declared before the views: they wait on it
    std::unique_ptr<DrawingView> view3D_, view2D_;
    std::mutex buildsMutex_;
    std::deque<BuiltTrajectory> builds_;
};

void EditToPicture(benchmark::State& state, const SceneSetup& setup) {
    for (auto _ : state) {
        Rig rig(setup, state.range(0) == 1);
        std::string error;
        if (!rig.Start(error)) {
            state.SkipWithError(("cannot start the views: " + error).c_str());
            return;
        }
        const int64_t warmStart = NowNs();
        rig.WaitShown(rig.Move(0), warmStart);

        std::vector<double> ms3D, ms2D, surfaceMs3D, surfaceMs2D;
        const auto start = Clock::now();
        const int moves = state.range(0) == 1 ? Moves : MovesToCompare;
        for (int i = 1; i <= moves; ++i) {
            const int64_t t0 = NowNs();
            const uint64_t serial = rig.Move(i);
            const Rig::Arrival a = rig.WaitShown(serial, t0);
            ms3D.push_back(a.ms3D);
            ms2D.push_back(a.ms2D);
            surfaceMs3D.push_back(a.surfaceMs3D);
            surfaceMs2D.push_back(a.surfaceMs2D);
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        double fps3D = 0, fps2D = 0;
        rig.Drag(fps3D, fps2D);

        state.counters["p50_2D_ms"] = Percentile(ms2D, 0.50);
        state.counters["p95_2D_ms"] = Percentile(ms2D, 0.95);
        state.counters["p50_3D_ms"] = Percentile(ms3D, 0.50);
        state.counters["p95_3D_ms"] = Percentile(ms3D, 0.95);
        state.counters["surface_p95_2D_ms"] = Percentile(surfaceMs2D, 0.95);
        state.counters["surface_p95_3D_ms"] = Percentile(surfaceMs3D, 0.95);
        state.counters["drag_fps_2D"] = fps2D;
        state.counters["drag_fps_3D"] = fps3D;
        rig.Stop();
        state.counters["frame_ms_2D"] = rig.MeanFrameMs2D();
        state.counters["frame_ms_3D"] = rig.MeanFrameMs3D();
        state.counters["rebuild_ms"] = rig.MeanRebuildMs();
    }
}

const SceneSetup Mountains{"sample", "Ladungsgebirge", true, false};
const SceneSetup RollerCoaster{"sample", "Achterbahn!", false, true};
const SceneSetup TwentyCharges{VOLTARIS_TEST_DATA "/twenty_charges.psf", "20 Ladungen", true, true};

void BM_EditToPicture_Ladungsgebirge_Lines(benchmark::State& s) { EditToPicture(s, Mountains); }
void BM_EditToPicture_Achterbahn_Particle(benchmark::State& s) { EditToPicture(s, RollerCoaster); }
void BM_EditToPicture_TwentyCharges_Lines_Particle(benchmark::State& s) { EditToPicture(s, TwentyCharges); }

BENCHMARK(BM_EditToPicture_Ladungsgebirge_Lines)->ArgName("beside")->Arg(1)->Arg(0)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_EditToPicture_Achterbahn_Particle)->ArgName("beside")->Arg(1)->Arg(0)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_EditToPicture_TwentyCharges_Lines_Particle)->ArgName("beside")->Arg(1)->Arg(0)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace voltaris
