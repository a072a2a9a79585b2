// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The round trip of a change: the user-interface thread publishes the scene and marks what is
// stale; the lines rebuilder (or the 3D engine's frame thread) rebuilds the traced lines and
// the particle paths from that scene and hands every path build back.
#include <functional>

#include "engine/graph_engine.h"
#include "model/project.h"
#include "particle/built_trajectory.h"
#include "particle/trajectory.h"
#include "render/scene_state.h"

namespace voltaris {

class LinesRebuilder;

// The two engines of the program; either is null until it is created.
struct EngineSet {
    GraphEngine* engine3D = nullptr;
    GraphEngine* engine2D = nullptr;
    // Rebuilds the lines beside the frames, woken by every request; null: the 3D engine's
    // frame rebuilds them.
    LinesRebuilder* lines = nullptr;
};

// After every change of the model or of a setting that alters geometry (user-interface
// thread): recomputes the value range at once, publishes the new scene, marks the surface of
// both engines stale when surfaceToo, and marks the lines and the particle path of the 3D
// engine stale. The engines rebuild their surfaces at their next frames; the lines are rebuilt
// by the lines rebuilder at once when there is one, else by the 3D engine's next frame.
void RequestRedraw(const EngineSet& engines, SharedScene& shared, const Project& project,
                   bool surfaceToo, bool acRunning);

// Publishes the scene without recomputing or marking anything: for changes that only alter
// what is drawn from it (selection, drag state, particle switch).
void PublishScene(SharedScene& shared, const Project& project);

// What the path build reads, taken from the scene the frame draws.
TrajectoryInputs TrajectoryInputsOf(const SceneState& scene);

// The three kinds of a rebuild from `scene` into `stores`, each writing only its own store:
// a kind that is not wanted (no view shows it, the particle is off) keeps its previous run.
void RebuildEquipotentials(const SceneState& scene, const TracedStores& stores);
void RebuildFieldLines(const SceneState& scene, const TracedStores& stores);
// result.built is false when no path was built.
BuiltTrajectory RebuildPaths(const SceneState& scene, const TracedStores& stores);

// Rebuilds from `scene` into `stores`, in this order: the equipotential lines when a view
// shows them, the field lines when a view shows them, the particle paths when the particle is
// on. A kind that is not wanted keeps the lines of its previous run. The returned build has
// result.built false when no path was built.
BuiltTrajectory RebuildLinesAndPath(const SceneState& scene, const TracedStores& stores);

// The 3D engine's rebuild hook (FrameHooks::rebuildLines): rebuilds into `stores` and hands
// every path build to `deliver`, on the frame thread. The receiver applies it to the model on
// the user-interface thread (ApplyBuiltTrajectory) and requests a redraw when the time step was
// cut; the frame thread itself never writes the model.
std::function<void(GraphEngine&, const SceneState&)> LinesRebuildHook(
    const TracedStores& stores, std::function<void(const BuiltTrajectory&)> deliver);

}  // namespace voltaris
