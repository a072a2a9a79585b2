// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>

#include "model/project.h"

namespace voltaris {

// What a step of the edit history covers: the contents of one tab (its charges, square size
// and particle settings), or the whole project (tab list, captions, project name, sign swap).
enum class StepScope { Tab, Project };

struct TabState {
    int32_t index = 0;
    FieldTab contents;
};

struct ProjectState {
    std::string name;
    std::array<FieldTab, MaxTabs> tabs{};
    int32_t tabCount = 0;
    int32_t activeTab = 0;
    int32_t signFactor = 1;
};

// The model as a step found it before, or left it after.
using ModelState = std::variant<TabState, ProjectState>;

// Puts into a copy of tab `index` what that tab holds once whatever runs on it has stopped
// (an alternating-voltage run puts its saved amounts and particle state back).
using RestingState = std::function<void(int32_t index, FieldTab& tab)>;

// Tab `tab` (Tab scope) or the whole project, each tab as it rests.
ModelState CaptureState(const Project& project, StepScope scope, int32_t tab, const RestingState& resting);

// Whether two states hold the same model; the integration's working values do not count.
bool SameState(const ModelState& a, const ModelState& b);

// Writes `state` back into the project and returns the tab to show: the tab of a Tab state,
// the tab that was shown with a Project state. The shown tab itself is left to the caller.
int32_t PutState(Project& project, const ModelState& state);

}  // namespace voltaris
