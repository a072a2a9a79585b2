// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

#include "field/field_snapshot.h"

namespace voltaris {

struct SurfaceSettings {
    float gridStep = 0.07f;  // graph units between grid lines
    int colourMode = 0;
    bool isTopView = false;  // flat surface at height 0
};

// The coloured surface as columns of vertex-pair strips along y, ready to be submitted to a
// display list. The buffers keep their capacity between builds.
struct SurfaceMesh {
    std::vector<float> xyz;             // 3 floats per vertex, graph coordinates
    std::vector<float> rgb;             // 3 floats per vertex (alpha is always 1)
    std::vector<uint32_t> columnEnds;   // one past the last vertex of each column
};

// Fills `out` with the surface over the square [0, 10]^2 (graph units): each column is a strip
// between x and x + h running along y, the last column and row clamped to end exactly at the
// square's edge. Height = potential x HeightScale (0 in the top view), colour from the ramp.
void GenerateSurface(const FieldSnapshot& field, const ValueRange& range, const SurfaceSettings& settings,
                     SurfaceMesh& out);

// The same surface, one PotentialAt call per vertex: the yardstick for the fast version.
void GenerateSurfaceReference(const FieldSnapshot& field, const ValueRange& range,
                              const SurfaceSettings& settings, SurfaceMesh& out);

}  // namespace voltaris
