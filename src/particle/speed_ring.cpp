// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/speed_ring.h"

#include <algorithm>

namespace voltaris {

void DiagramCurve(const SpeedRing& ring, int width, int height, float maxSpeed, std::vector<DiagramLine>& out) {
    out.clear();
    const int newest = ring.Index();
    const float scale = maxSpeed > 0 ? static_cast<float>(height) / maxSpeed : 0.0f;
    auto y = [&](int j) { return static_cast<int>(static_cast<float>(height) - scale * ring.At(j)); };
    // Reaching further back than the ring holds would repeat its samples (or read outside).
    const int oldest = std::max(newest - width + 1, newest - SpeedRingSize);
    for (int i = newest - 1; i > oldest; --i) {
        if (i <= 0 && !ring.Wrapped()) break;
        const int x = width + i - newest;
        out.push_back(DiagramLine{x, y(i), x + 1, y(i + 1)});
    }
}

}  // namespace voltaris
