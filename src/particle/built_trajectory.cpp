// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/built_trajectory.h"

namespace voltaris {

BuiltTrajectory StartOfBuild(int32_t activeTab, const ParticleSlot& slot0) {
    BuiltTrajectory built;
    built.activeTab = activeTab;
    built.startDt = slot0.dt;
    return built;
}

bool ApplyBuiltTrajectory(const BuiltTrajectory& built, Project& project, int32_t& phaseCounter) {
    if (!built.result.built) return false;
    if (project.ActiveTab != built.activeTab) return false;
    const FieldTab& tab = project.Active();
    if (tab.ParticleCount > 0 && tab.particles[0].dt != built.startDt) return false;
    return ApplyTrajectoryResult(built.result, project, phaseCounter);
}

}  // namespace voltaris
