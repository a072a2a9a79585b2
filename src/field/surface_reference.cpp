// SPDX-License-Identifier: GPL-3.0-or-later
#include <vector>

#include "field/colour_ramp.h"
#include "field/kernels.h"
#include "field/surface_grid.h"
#include "field/surface_mesh.h"

namespace voltaris {

void GenerateSurfaceReference(const FieldSnapshot& field, const ValueRange& range,
                              const SurfaceSettings& settings, SurfaceMesh& out) {
    out.xyz.clear();
    out.rgb.clear();
    out.columnEnds.clear();
    const surface_grid::Grid g = surface_grid::MakeGrid(field.unitLength, settings.gridStep);
    std::vector<float> columns, rows;
    surface_grid::ColumnStarts(g, columns);
    surface_grid::RowPositions(g, rows);
    auto vertex = [&](float x, float y) {
        const double v = PotentialAt(field, x, y);
        float r, gr, b;
        ColourOf(settings.colourMode, range, static_cast<float>(v), r, gr, b);
        out.rgb.insert(out.rgb.end(), {r, gr, b});
        const float height = settings.isTopView ? 0.0f : static_cast<float>(v * range.HeightScale);
        out.xyz.insert(out.xyz.end(), {x / g.unitLength, height, y / g.unitLength});
    };
    for (const float x : columns) {
        for (const float y : rows) {
            vertex(x, y);
            vertex(x + g.h, y);
        }
        out.columnEnds.push_back(static_cast<uint32_t>(out.xyz.size() / 3));
    }
}

}  // namespace voltaris
