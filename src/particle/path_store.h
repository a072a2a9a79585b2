#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "model/project.h"

namespace voltaris {

constexpr int PathFloatCapacity = 100000;   // three floats per point: graph x, potential, graph z
constexpr int PathSampleCapacity = 33343;   // time, speed and direction of each stored point

// The stored path of one particle slot.
struct PathSlot {
    std::array<float, PathFloatCapacity> PathPoints;
    int32_t PathFloatCount = 0;
    std::array<float, PathSampleCapacity> PathTime;   // seconds since the start of the build
    std::array<float, PathSampleCapacity> PathSpeed;  // m/s
    std::array<float, PathSampleCapacity> PathAngle;  // direction of motion, radians
};

struct PathSet {
    std::array<PathSlot, MaxParticleSlots> slots;
};

// The particle paths of the active tab, built on the 3D engine's drawing thread and read by
// both drawing threads and the slow-motion timer. Double buffered: a build writes the back
// set and publishes it whole when it ends, so a reader never sees a path half rewritten.
// Both sets are allocated once; nothing is allocated per build.
class PathStore {
public:
    PathStore();

    // The builder's set. With `carryOver` it starts from the published paths, which an
    // alternating-voltage build continues. Only the building thread calls these two.
    PathSet& BeginBuild(bool carryOver);
    void Publish();

    // Calls read(const PathSet&) with the published paths; the set stays unchanged while
    // `read` runs, so keep it short (drawing one frame's worth).
    template <class Reader>
    void Read(Reader&& read) const {
        std::lock_guard<std::mutex> lock(mutex_);
        read(*front_);
    }

    // The slow-motion position per slot: -1 shows the whole path, n the first n points.
    // Written by the user-interface thread, read by the drawing threads.
    std::array<std::atomic<int32_t>, MaxParticleSlots> PlaybackIndex;

    // Set while a build runs, so two builds never overlap.
    std::atomic<bool> busy{false};

private:
    std::unique_ptr<PathSet> front_, back_;
    mutable std::mutex mutex_;
};

}  // namespace voltaris
