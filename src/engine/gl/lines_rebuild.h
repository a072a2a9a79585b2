#pragma once
#include <functional>

#include "engine/graph_engine.h"
#include "render/scene_state.h"
#include "engine/gl/traced_stores.h"
#include "particle/built_trajectory.h"
#include "particle/trajectory.h"

namespace voltaris {

// What the path build reads, taken from the scene the frame draws.
TrajectoryInputs TrajectoryInputsOf(const SceneState& scene);

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
