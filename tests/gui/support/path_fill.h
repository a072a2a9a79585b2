#pragma once

namespace voltaris {
class PathStore;
}

namespace voltaris::test {

// Publishes a path of `points` points for slot 0, their times evenly spread up to `duration`
// seconds, each with the speed `speed` (the test acting as the path build).
void PublishEvenPath(PathStore& store, int points, float duration, float speed);

}  // namespace voltaris::test
