// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <vector>

#include "field/colour_ramp.h"
#include "field/fast_field.h"
#include "field/potential_batch.h"
#include "field/potential_estimate.h"
#include "field/surface_grid.h"
#include "field/surface_mesh.h"

namespace voltaris {

namespace {

// Working buffers of one thread's surface builds; they keep their capacity between builds.
struct Scratch {
    std::vector<float> columns, rows;
    std::vector<float> sampleX;                     // distinct x of all vertices, metres
    std::vector<uint32_t> leftSample, rightSample;  // per column: index into sampleX
    std::vector<double> potential, bound;           // of one row: [sample]
    std::vector<float> height, rgb;                 // [row][sample], rgb three per entry
};

}  // namespace

// The right edge of a column is bit for bit the left edge of the next one (both are x + h in
// float32), so every vertex but those of the clamped last column is shared by two columns:
// each distinct point is evaluated once, a whole row of them at a time.
void GenerateSurface(const FieldSnapshot& field, const ValueRange& range, const SurfaceSettings& settings,
                     SurfaceMesh& out) {
    thread_local Scratch s;
    const surface_grid::Grid g = surface_grid::MakeGrid(field.unitLength, settings.gridStep);
    surface_grid::ColumnStarts(g, s.columns);
    surface_grid::RowPositions(g, s.rows);

    s.sampleX.clear();
    s.leftSample.clear();
    s.rightSample.clear();
    for (size_t k = 0; k < s.columns.size(); ++k) {
        const float left = s.columns[k];
        if (k > 0 && s.sampleX[s.rightSample[k - 1]] == left) {
            s.leftSample.push_back(s.rightSample[k - 1]);
        } else {
            s.leftSample.push_back(static_cast<uint32_t>(s.sampleX.size()));
            s.sampleX.push_back(left);
        }
        s.rightSample.push_back(static_cast<uint32_t>(s.sampleX.size()));
        s.sampleX.push_back(left + g.h);
    }

    const size_t samples = s.sampleX.size(), rows = s.rows.size();
    s.potential.resize(samples);
    s.bound.resize(samples);
    s.height.resize(samples * rows);
    s.rgb.resize(3 * samples * rows);
    const PotentialEstimator estimator(field);
    const FastField exact(field);
    for (size_t r = 0; r < rows; ++r) {
        double* pot = s.potential.data();
        float* height = s.height.data() + r * samples;
        float* rgb = s.rgb.data() + 3 * r * samples;
        if (estimator.Available()) {
            estimator.AlongRow(s.sampleX.data(), static_cast<int>(samples), s.rows[r], pot, s.bound.data());
        } else {
            PotentialsAlongRow(field, s.sampleX.data(), static_cast<int>(samples), s.rows[r], pot);
            std::fill(s.bound.begin(), s.bound.end(), 0.0);
        }
        for (size_t j = 0; j < samples; ++j) {
            // The surface keeps float32 potentials and heights: an estimate serves when every
            // potential within its bound rounds to the same ones.
            const PotentialEstimate p{pot[j], s.bound[j]};
            float v, h = 0;
            if (!(p.RoundsSurely(v) && (settings.isTopView || p.ScaledRoundsSurely(range.HeightScale, h)))) {
                const double potential = p.bound == 0 ? p.value : exact.Potential(s.sampleX[j], s.rows[r]);
                v = static_cast<float>(potential);
                h = static_cast<float>(potential * range.HeightScale);
            }
            ColourOf(settings.colourMode, range, v, rgb[3 * j], rgb[3 * j + 1], rgb[3 * j + 2]);
            height[j] = settings.isTopView ? 0.0f : h;
        }
    }

    const size_t vertices = 2 * rows * s.columns.size();
    out.xyz.resize(3 * vertices);
    out.rgb.resize(3 * vertices);
    out.columnEnds.clear();
    float* xyz = out.xyz.data();
    float* rgb = out.rgb.data();
    for (size_t k = 0; k < s.columns.size(); ++k) {
        const uint32_t pair[2] = {s.leftSample[k], s.rightSample[k]};
        const float gx[2] = {s.sampleX[pair[0]] / g.unitLength, s.sampleX[pair[1]] / g.unitLength};
        for (size_t r = 0; r < rows; ++r) {
            const float gz = s.rows[r] / g.unitLength;
            for (int side = 0; side < 2; ++side) {
                const size_t at = r * samples + pair[side];
                *xyz++ = gx[side];
                *xyz++ = s.height[at];
                *xyz++ = gz;
                const float* c = s.rgb.data() + 3 * at;
                *rgb++ = c[0];
                *rgb++ = c[1];
                *rgb++ = c[2];
            }
        }
        out.columnEnds.push_back(static_cast<uint32_t>(2 * rows * (k + 1)));
    }
}

}  // namespace voltaris
