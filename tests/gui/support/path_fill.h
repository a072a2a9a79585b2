#pragma once

namespace voltaris {
class PathStore;
}

namespace voltaris::test {

// Helpers for tests that cannot name the store's members (Qt's keyword macro takes `slots`).

// Publishes a path of `points` points for slot 0, their times evenly spread up to `duration`
// seconds, each with the speed `speed` (the test acting as the path build).
void PublishEvenPath(PathStore& store, int points, float duration, float speed);

// Points of the published path of `slot`.
int StoredPoints(const PathStore& store, int slot);

}  // namespace voltaris::test
