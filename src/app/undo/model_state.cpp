// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/undo/model_state.h"

#include <algorithm>

namespace voltaris {

namespace {

bool SameCharge(const Charge& a, const Charge& b) {
    return a.amount == b.amount && a.x == b.x && a.y == b.y && a.radius == b.radius;
}

bool SameSlot(const ParticleSlot& a, const ParticleSlot& b) {
    return a.dt == b.dt && a.x == b.x && a.y == b.y && a.charge == b.charge && a.mass == b.mass && a.speed == b.speed &&
           a.angle == b.angle && a.steps == b.steps;
}

// Every slot counts, in use or not: a state is put back whole.
bool SameTab(const FieldTab& a, const FieldTab& b) {
    return a.caption == b.caption && a.Resolution == b.Resolution && a.ChargeCount == b.ChargeCount &&
           a.ParticleCount == b.ParticleCount &&
           std::equal(a.charges.begin(), a.charges.end(), b.charges.begin(), SameCharge) &&
           std::equal(a.particles.begin(), a.particles.end(), b.particles.begin(), SameSlot);
}

}  // namespace

ModelState CaptureState(const Project& project, StepScope scope, int32_t tab, const RestingState& resting) {
    if (scope == StepScope::Tab) {
        TabState state{tab, project.tabs[tab]};
        if (resting) resting(tab, state.contents);
        return state;
    }
    ProjectState state{project.ProjectName, project.tabs, project.TabCount, project.ActiveTab, project.SignFactor};
    if (resting) {
        for (int32_t t = 0; t < state.tabCount; ++t) resting(t, state.tabs[t]);
    }
    return state;
}

bool SameState(const ModelState& a, const ModelState& b) {
    if (a.index() != b.index()) return false;
    if (const auto* ta = std::get_if<TabState>(&a)) {
        const auto& tb = std::get<TabState>(b);
        return ta->index == tb.index && SameTab(ta->contents, tb.contents);
    }
    const auto& pa = std::get<ProjectState>(a);
    const auto& pb = std::get<ProjectState>(b);
    return pa.name == pb.name && pa.tabCount == pb.tabCount && pa.activeTab == pb.activeTab &&
           pa.signFactor == pb.signFactor && std::equal(pa.tabs.begin(), pa.tabs.end(), pb.tabs.begin(), SameTab);
}

int32_t PutState(Project& project, const ModelState& state) {
    if (const auto* tab = std::get_if<TabState>(&state)) {
        project.tabs[tab->index] = tab->contents;
        return tab->index;
    }
    const auto& whole = std::get<ProjectState>(state);
    project.ProjectName = whole.name;
    project.tabs = whole.tabs;
    project.TabCount = whole.tabCount;
    project.SignFactor = whole.signFactor;
    return std::clamp(whole.activeTab, 0, whole.tabCount - 1);
}

}  // namespace voltaris
