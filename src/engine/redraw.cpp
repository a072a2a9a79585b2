// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/redraw.h"

#include "engine/lines_rebuilder.h"

#include "field/equipotential_lines.h"
#include "field/field_lines.h"
#include "field/value_range.h"
#include "particle/built_trajectory.h"
#include "particle/trajectory.h"

namespace voltaris {

void RequestRedraw(const EngineSet& engines, SharedScene& shared, const Project& project,
                   bool surfaceToo, bool acRunning) {
    shared.switches.AcRunning = acRunning;
    ComputeValueRange(SnapshotOfActiveTab(project), acRunning, shared.range);
    // Publish before raising the flags: a frame that sees a flag then reads this scene.
    PublishScene(shared, project);
    if (surfaceToo) {
        if (engines.engine3D) engines.engine3D->gridDirty = true;
        if (engines.engine2D) engines.engine2D->gridDirty = true;
    }
    // The lines and the particle path are stored once for the program and drawn by both
    // views; they are rebuilt on the 3D engine's request, by its frame or beside the frames.
    if (engines.engine3D) {
        engines.engine3D->linesDirty = true;
        if (engines.lines) engines.lines->Wake();
    }
}

void PublishScene(SharedScene& shared, const Project& project) {
    SceneState scene = SceneOf(project, shared);
    scene.serial = ++shared.publishCount;
    shared.published.Publish(scene);
}

TrajectoryInputs TrajectoryInputsOf(const SceneState& scene) {
    TrajectoryInputs in;
    in.field = scene.field;
    in.ParticleCount = scene.particleCount;
    in.slots = scene.particleSlots;
    in.switches = scene.switches;
    return in;
}

void RebuildEquipotentials(const SceneState& scene, const TracedStores& stores) {
    TraceEquipotentials(scene.field, scene.range, scene.EquipotentialsWanted, stores.equipotentials);
}

void RebuildFieldLines(const SceneState& scene, const TracedStores& stores) {
    TraceFieldLines(scene.field, scene.FieldLinesWanted, stores.fieldLines);
}

BuiltTrajectory RebuildPaths(const SceneState& scene, const TracedStores& stores) {
    BuiltTrajectory built = StartOfBuild(scene.activeTab, scene.particleSlots[0]);
    built.modelEpoch = scene.modelEpoch;
    built.result = BuildParticleTrajectory(TrajectoryInputsOf(scene), stores.paths);
    return built;
}

BuiltTrajectory RebuildLinesAndPath(const SceneState& scene, const TracedStores& stores) {
    RebuildEquipotentials(scene, stores);
    RebuildFieldLines(scene, stores);
    return RebuildPaths(scene, stores);
}

std::function<void(GraphEngine&, const SceneState&)> LinesRebuildHook(
    const TracedStores& stores, std::function<void(const BuiltTrajectory&)> deliver) {
    return [stores, deliver = std::move(deliver)](GraphEngine&, const SceneState& scene) {
        const BuiltTrajectory built = RebuildLinesAndPath(scene, stores);
        if (built.result.built && deliver) deliver(built);
    };
}

}  // namespace voltaris
