#include "engine/gl/lines_rebuild.h"

#include "field/equipotential_lines.h"
#include "field/field_lines.h"

namespace voltaris {

TrajectoryInputs TrajectoryInputsOf(const SceneState& scene) {
    TrajectoryInputs in;
    in.field = scene.field;
    in.ParticleCount = scene.particleCount;
    in.slots = scene.particleSlots;
    in.ParticleEnabled = scene.particleEnabled;
    in.BremsstrahlungEnabled = scene.BremsstrahlungEnabled;
    in.BremsstrahlungFactor = scene.BremsstrahlungFactor;
    in.AcRunning = scene.acRunning;
    in.AcChunkDuration = scene.AcChunkDuration;
    return in;
}

BuiltTrajectory RebuildLinesAndPath(const SceneState& scene, const TracedStores& stores) {
    TraceEquipotentials(scene.field, scene.range, scene.EquipotentialsWanted, stores.equipotentials);
    TraceFieldLines(scene.field, scene.FieldLinesWanted, stores.fieldLines);
    BuiltTrajectory built = StartOfBuild(scene.activeTab, scene.particleSlots[0]);
    built.result = BuildParticleTrajectory(TrajectoryInputsOf(scene), stores.paths);
    return built;
}

std::function<void(GraphEngine&, const SceneState&)> LinesRebuildHook(
    const TracedStores& stores, std::function<void(const BuiltTrajectory&)> deliver) {
    return [stores, deliver = std::move(deliver)](GraphEngine&, const SceneState& scene) {
        const BuiltTrajectory built = RebuildLinesAndPath(scene, stores);
        if (built.result.built && deliver) deliver(built);
    };
}

}  // namespace voltaris
