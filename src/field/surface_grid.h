// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid walk shared by both surface generators, in metres and float32 as the surface is
// drawn: columns while x <= x1 + h (the last one moved back to end at x1), rows while
// y <= y1 + h (the last one clamped to y1).
#include <vector>

namespace voltaris::surface_grid {

struct Grid {
    float unitLength;
    float x1;  // the square's side in metres
    float h;   // grid step in metres
};

inline Grid MakeGrid(float unitLength, float gridStep) {
    // A step that is not positive would never reach the square's end.
    if (!(gridStep > 0)) gridStep = 0.01f;
    return Grid{unitLength, 10 * unitLength, gridStep * unitLength};
}

// The left x of every column, in drawing order.
inline void ColumnStarts(const Grid& g, std::vector<float>& xs) {
    xs.clear();
    float x = 0;
    while (x <= g.x1 + g.h) {
        if (x >= g.x1 - g.h) {
            xs.push_back(g.x1 - g.h);
            return;
        }
        xs.push_back(x);
        x += g.h;
    }
}

// The y of every row, in drawing order.
inline void RowPositions(const Grid& g, std::vector<float>& ys) {
    ys.clear();
    float y = 0;
    while (y <= g.x1 + g.h) {
        if (y >= g.x1) y = g.x1;
        ys.push_back(y);
        if (y >= g.x1) return;
        y += g.h;
    }
}

}  // namespace voltaris::surface_grid
