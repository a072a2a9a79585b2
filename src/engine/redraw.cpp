#include "engine/redraw.h"

#include "field/value_range.h"

namespace voltaris {

void RequestRedraw(const EngineSet& engines, SharedScene& shared, const Project& project,
                   bool surfaceToo, bool acRunning) {
    shared.acRunning = acRunning;
    ComputeValueRange(SnapshotOfActiveTab(project), acRunning, shared.range);
    // Publish before raising the flags: a frame that sees a flag then reads this scene.
    PublishScene(shared, project);
    if (surfaceToo) {
        if (engines.engine3D) engines.engine3D->gridDirty = true;
        if (engines.engine2D) engines.engine2D->gridDirty = true;
    }
    // The lines and the particle path are stored once for the program; the 3D engine's
    // thread rebuilds them and both views draw them.
    if (engines.engine3D) engines.engine3D->linesDirty = true;
}

void PublishScene(SharedScene& shared, const Project& project) {
    shared.published.Publish(SceneOf(project, shared));
}

}  // namespace voltaris
