// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/scene_state.h"

#include <algorithm>

#include "field/line_store.h"
#include "particle/path_store.h"

namespace voltaris {

SceneState SceneOf(const Project& project, const SharedScene& shared) {
    SceneState s;
    s.field = SnapshotOfActiveTab(project);
    s.range = shared.range;
    s.activeTab = project.ActiveTab;
    s.chargeSelected = project.ChargeSelected;
    s.interaction = shared.interaction;
    const FieldTab& tab = project.Active();
    s.particleCount = std::clamp(tab.ParticleCount, 0, MaxParticleSlots);
    for (int i = 0; i < s.particleCount; ++i) {
        s.particleSlots[i] = tab.particles[i];
    }
    s.switches = shared.switches;
    s.modelEpoch = shared.modelEpoch;
    s.EquipotentialsWanted = shared.EquipotentialsWanted;
    s.FieldLinesWanted = shared.FieldLinesWanted;
    return s;
}

TracedStores ProcessTracedStores() {
    static PathStore paths;
    return TracedStores{EquipotentialStore(), FieldLineStore(), paths};
}

}  // namespace voltaris
