#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/graph_engine.h"
#include "render/scene_state.h"
#include "model/project.h"

namespace voltaris {

struct OffscreenImage {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;  // top row first
};

// What a headless frame may add to a view's default settings.
struct OffscreenSetup {
    // Adjusts the engine before its frame (overlay switches, a pointer position, ...).
    std::function<void(GraphEngine&)> configure;
    // Builds the traced lines and the particle path when the frame asks for them.
    std::function<void(GraphEngine&, const SceneState&)> rebuildLines;
    bool particleEnabled = false;
};

// Draws the project's active tab as the given view shows it, by default with its default
// settings and no mouse pointer, on a headless context of width x height pixels. False with
// a reason in `error` when no context can be made.
bool RenderActiveTab(const Project& project, EngineView view, int width, int height,
                     OffscreenImage& image, std::string& error, const OffscreenSetup& setup = {});

}  // namespace voltaris
