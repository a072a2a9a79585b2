// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "engine/gui/frame_rate_readout.h"
#include "engine/gui/view_window.h"
#include "engine/lines_rebuilder.h"
#include "engine/redraw.h"
#include "model/project.h"
#include "model/user_dialogs.h"
#include "particle/particle_switches.h"

namespace voltaris {

class FrameThread;
struct BuiltTrajectory;
class PathStore;
struct FrameHooks;

// The two views of the main window: their windows, their engines (created once, at the
// first show of the main window) and drawing threads, the scene both draw from, and the
// frame-rate readouts, and the rebuilder that traces the lines and the particle paths
// (ProcessTracedStores) beside the drawing threads; what a path build changes in the model is
// applied here, on the user-interface thread.
class GraphViews : public QObject {
    Q_OBJECT
public:
    GraphViews(Project& project, UserDialogs& dialogs, QObject* parent = nullptr);
    ~GraphViews() override;

    // The windows exist from the start; the widget tree takes them over.
    ViewWindow& Window3D() { return *window3D_; }
    ViewWindow& Window2D() { return *window2D_; }

    // Creates the 3D engine, then the 2D engine, each with its drawing thread and its
    // frame-rate timer, and reports the panel sizes. Once only; the windows must be shown.
    // A view whose context cannot be made shows "ERROR" and stays empty.
    void CreateEngines();
    bool Created() const { return engine3D_ != nullptr; }
    GraphEngine* Engine3D() const { return engine3D_.get(); }
    GraphEngine* Engine2D() const { return engine2D_.get(); }
    EngineSet Engines() const { return {engine3D_.get(), engine2D_.get(), lines_.get()}; }

    // After every change of the model or of a setting that alters geometry.
    void RequestRedraw(bool surfaceToo);
    // Hands the current scene over without recomputing anything (selection, drag state).
    void PublishScene();
    // An earlier state of the model was put back: builds still running from the state before
    // change nothing in the model when they end.
    void DropBuildsInFlight() { ++shared_.modelEpoch; }
    SharedScene& Shared() { return shared_; }

    // A view panel's new size (logical pixels) goes to its engine's next frame, once the
    // engine exists.
    void ReportPanelSize3D(QSize panel);
    void ReportPanelSize2D(QSize panel);

    // Calls `then` once every running view has drawn `frames` more frames, the 3D view first,
    // each given at most `capMs`. A paused view, or one that pauses meanwhile, is not waited
    // for; with none drawing, `then` runs before this returns. Nothing is called when
    // `context` goes first.
    void AfterFrames(int frames, int capMs, QObject* context, std::function<void()> then);

    // Hands `then` the picture the 3D (or the top) view presents next, at its panel's pixel
    // size, read back by its own thread: a null image when the view does not draw or has not
    // answered within 20 s. Nothing is called when `context` goes first.
    void CaptureNextPicture(bool threeD, QObject* context, std::function<void(const QImage&)> then);

    // Pauses or resumes both views.
    void SetBothRunning(bool running);

    // Ends both drawing threads and the rebuilder (before the windows go away).
    void StopDrawing();

    // Hands the particle switches to the views' next scene without asking for a rebuild.
    void PublishParticleSwitches(const ParticleSwitches& switches);
    // The particle paths both views draw (the program's store).
    PathStore& Paths();
    // Phase steps made by alternating-voltage path builds, counted as their results arrive.
    int32_t& AcPhaseCounter() { return acPhaseCounter_; }
    // The Bremsstrahlung factor suggested by the last path build.
    double SuggestedAmplification() const { return suggestedAmplification_; }

Q_SIGNALS:
    void frameRate3D(const QString& text);
    void frameRate2D(const QString& text);
    // A path build has reached the model (AcPhaseCounter, SuggestedAmplification).
    void pathBuilt();

private Q_SLOTS:
    void TimerFPS_3DEngineTimer();
    void TimerFPS_2DEngineTimer();
    void ContextFailed();

private:
    std::unique_ptr<FrameThread> StartDrawing(GraphEngine& engine, ViewWindow& window, FrameHooks hooks);
    void ApplyPathBuild(const BuiltTrajectory& built);

    Project& project_;
    UserDialogs& dialogs_;
    QPointer<ViewWindow> window3D_;  // owned by the widget tree once embedded
    QPointer<ViewWindow> window2D_;
    std::unique_ptr<GraphEngine> engine3D_, engine2D_;
    std::unique_ptr<LinesRebuilder> lines_;
    std::unique_ptr<FrameThread> thread3D_, thread2D_;
    SharedScene shared_;
    QTimer timerFPS3D_, timerFPS2D_;
    FrameRateCounter counter3D_, counter2D_;
    int32_t acPhaseCounter_ = 0;
    double suggestedAmplification_ = 1.0;
};

}  // namespace voltaris
