#include "particle/path_store.h"

#include <algorithm>

namespace voltaris {

PathStore::PathStore() : front_(std::make_unique<PathSet>()), back_(std::make_unique<PathSet>()) {
    for (auto& index : PlaybackIndex) index = -1;
}

PathSet& PathStore::BeginBuild(bool carryOver) {
    if (!carryOver) return *back_;
    std::lock_guard<std::mutex> lock(mutex_);
    for (int s = 0; s < MaxParticleSlots; ++s) {
        const PathSlot& from = front_->slots[s];
        PathSlot& to = back_->slots[s];
        to.PathFloatCount = from.PathFloatCount;
        std::copy_n(from.PathPoints.begin(), from.PathFloatCount, to.PathPoints.begin());
    }
    return *back_;
}

void PathStore::Publish() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::swap(front_, back_);
}

}  // namespace voltaris
