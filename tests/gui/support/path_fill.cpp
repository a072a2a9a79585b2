#include "support/path_fill.h"

#include "particle/path_store.h"

namespace voltaris::test {

void PublishEvenPath(PathStore& store, int points, float duration, float speed) {
    const PathStore::Writer writer(store);
    PathSlot& path = writer.Back().slots[0];
    path.PathFloatCount = 3 * points;
    for (int i = 0; i < points; ++i) {
        path.PathTime[i] = duration * static_cast<float>(i + 1) / static_cast<float>(points);
        path.PathSpeed[i] = speed;
    }
    writer.Publish();
}

int StoredPoints(const PathStore& store, int slot) {
    int points = 0;
    store.Read([&](const PathSet& paths) { points = paths.slots[slot].PathFloatCount / 3; });
    return points;
}

}  // namespace voltaris::test
