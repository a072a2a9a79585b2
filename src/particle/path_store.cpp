// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/path_store.h"

#include <algorithm>

namespace voltaris {

PathSet& BeginPathBuild(const PathStore::Writer& writer, bool carryOver) {
    PathSet& back = writer.Back();
    if (!carryOver) return back;
    for (int s = 0; s < MaxParticleSlots; ++s) {
        const PathSlot& from = writer.Front().slots[s];
        PathSlot& to = back.slots[s];
        to.PathFloatCount = from.PathFloatCount;
        std::copy_n(from.PathPoints.begin(), from.PathFloatCount, to.PathPoints.begin());
    }
    return back;
}

}  // namespace voltaris
