#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/gl/graph_engine.h"
#include "model/project.h"

namespace voltaris {

struct OffscreenImage {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;  // top row first
};

// Draws the project's active tab as the given view shows it with its default settings (no
// mouse pointer) on a headless context of width x height pixels. False with a reason in
// `error` when no context can be made.
bool RenderActiveTab(const Project& project, EngineView view, int width, int height,
                     OffscreenImage& image, std::string& error);

}  // namespace voltaris
