// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "render/frame_capture.h"
#include "render/scene_drawing.h"

namespace voltaris {

struct SurfaceMesh;

// One view's drawing engine: camera, zoom, pan, rotation, render and colour mode, overlay
// switches, dirty flags, picking input and result, and the frame counter.
//
// Thread rules: the atomic fields are shared. The user-interface thread writes them one at a
// time (view parameters, flags, pick position); the engine's frame thread reads them at its
// next frame and writes back the picked point, the frame count and the cleared flags. The
// plain fields below "frame thread only" belong to the frame thread, which also owns the
// engine's GL context.
struct GraphEngine {
    GraphEngine();
    ~GraphEngine();
    GraphEngine(const GraphEngine&) = delete;
    GraphEngine& operator=(const GraphEngine&) = delete;

    std::atomic<int32_t> frameCount{0};  // frames drawn (and presented) since creation
    std::atomic<uint64_t> presentedSerial{0};  // serial of the scene presented last
    std::atomic<bool> running{true};     // frames are drawn only while set; use SetRunning to wake
    // New panel size in pixels; when either is non-zero the next frame redoes viewport and
    // projection and clears both. Write them with ReportPanelSize so a frame never takes the
    // width of one size with the height of another.
    std::atomic<int32_t> pendingWidth{0}, pendingHeight{0};
    // Window position of the mouse to unproject, y counted from the bottom edge. Any pickX at
    // or below -900 means "no mouse position" (the value tells who cleared it).
    std::atomic<int32_t> pickX{-999};
    std::atomic<int32_t> pickY{0};
    // Point of the scene under the mouse in graph coordinates; pickedX below -99 = none.
    std::atomic<float> pickedX{0}, pickedY{0}, pickedZ{0};

    std::atomic<int32_t> renderMode{0};  // 0 solid, 1 lines, 2 wireframe, 3 points; else reset to 0
    std::atomic<int32_t> colourMode{1};  // 0 continuous ramp, 1 five steps
    std::atomic<float> gridStep{0.07f};  // surface grid spacing, graph units, > 0

    std::atomic<float> eyeX{1.6f}, eyeY{0.8f}, eyeZ{1.6f};
    std::atomic<float> upX{0}, upY{1}, upZ{0};
    std::atomic<float> panX{0}, panY{0}, panZ{0};  // translation before the camera
    // Pending shading change: 1 = switch to flat (becomes 2), 3 = switch to smooth (becomes 0).
    std::atomic<int32_t> shadeRequest{0};
    std::atomic<uint32_t> clearColour{0xFFFFFF};  // RGB, red in the low byte

    std::atomic<bool> isTopView{false};
    std::atomic<float> planeHeight{-100};          // level plane potential (V); -100 = none
    std::atomic<float> markX{-100}, markZ{-100};   // mirrored pointer; markX -100 = none
    std::atomic<float> centreX{0.5f}, centreY{0}, centreZ{0.5f};
    std::atomic<int32_t> rotationDeg{0};

    std::atomic<bool> showFieldStrength{false};
    std::atomic<bool> showAllFieldStrengths{false};
    std::atomic<bool> showEquipotentials{false};
    std::atomic<bool> showFieldLines{false};
    std::atomic<bool> showAxisLabels{false};  // overlays, off at the start
    std::atomic<bool> showColourBar{false};   // drawn by the top view only
    std::atomic<float> scaleX{0.1f}, scaleY{0.1f}, scaleZ{0.1f};

    std::atomic<bool> linesDirty{false};  // traced lines and particle path need rebuilding
    std::atomic<bool> gridDirty{false};   // the surface display list needs rebuilding
    std::atomic<bool> listHidden{false};  // the surface is neither compiled nor drawn

    // Ends the frame loop (RunFrameLoop) after the frame in progress; see RequestStop.
    std::atomic<bool> stopRequested{false};

    // --- frame thread only ---
    PickCache pick;                            // position unprojected last, viewport
    uint32_t displayListId = 0;                // compiled surface; 0 = none
    uint64_t surfaceSerial = 0;                // serial of the scene it was compiled from
    // Serial of the scene whose lines the last frame drew, where the frame knows it: lines
    // rebuilt beside the frames or by this engine's own frame.
    uint64_t linesShownSerial = 0;
    uint64_t drawnSerial = 0;  // serial of the scene the last frame drew
    std::unique_ptr<SurfaceMesh> surfaceMesh;  // reused vertex buffer of BuildSurfaceList

    // --- guarded by their mutexes ---
    std::mutex sizeMutex;  // pairs pendingWidth with pendingHeight
    mutable std::mutex logMutex;
    std::string debugLog;
    std::mutex pauseMutex;
    std::condition_variable pauseWake;

    // Picture requests, served by the frame thread (RequestFrameCapture).
    FrameCapture capture;
};

enum class EngineView { ThreeD, TopView };

// A record with the defaults of its view: 3D = continuous colours, no arrow at the pointer;
// top view = five-step colours, looking straight down (eye and centre over graph point
// (4.5, 4.5), up -z), total field-strength arrow on. The background is white.
std::unique_ptr<GraphEngine> CreateGraphEngine(EngineView view);
// The camera of the view's defaults: eye, look-at centre, up, pan, zoom 0.1 and no turn.
void ApplyStartCamera(GraphEngine& engine, EngineView view);

// The kind of view and its overlay switches, as the drawing reads them. Any thread.
ViewFlags ViewFlagsOf(const GraphEngine& engine);

// Milliseconds of a monotonic clock (the system tick count of the debug log).
int64_t TickCountMs();

// Appends "\r\n" + tick count + ": " + text to the engine's debug log. Any thread.
void appendLog(GraphEngine& engine, const std::string& text);
// A copy of the debug log. Any thread.
std::string DebugLogOf(const GraphEngine& engine);

// Hands a new panel size to the engine's next frame. Any thread.
void ReportPanelSize(GraphEngine& engine, int width, int height);
// Takes the pending size (both zero: none) and clears it. Frame thread.
void TakePendingSize(GraphEngine& engine, int& width, int& height);

// Pauses or resumes drawing and wakes a frame thread waiting in WaitWhilePaused.
// (A plain store to `running` works too; the waiting thread then notices within 50 ms.)
void SetRunning(GraphEngine& engine, bool running);
// Asks the frame loop to end; wakes it if it is paused.
void RequestStop(GraphEngine& engine);
// Any thread: the picture of the view's next frame, read back on its frame thread before it
// is presented. A paused view draws its scene once more for the request, without presenting.
std::future<FramePixels> RequestFrameCapture(GraphEngine& engine);
// Blocks the calling frame thread while the engine is paused and no stop was requested.
void WaitWhilePaused(GraphEngine& engine);

}  // namespace voltaris
