// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <atomic>
#include <cstdint>

#include "model/double_buffered.h"
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
    // Joules the amplified Bremsstrahlung has taken from the particle since the start of the
    // build (0 without radiation): the kinetic energy the steps removed.
    std::array<float, PathSampleCapacity> PathRadiated;
};

struct PathSet {
    std::array<PathSlot, MaxParticleSlots> slots;
};

// The particle paths of the active tab, built on the 3D engine's drawing thread (one
// Writer at a time) and read by both drawing threads and the slow-motion timer through
// Read(const PathSet&). A build publishes its paths whole when it ends, so a reader never
// sees a path half rewritten; nothing is allocated per build.
class PathStore : public DoubleBuffered<PathSet> {
public:
    PathStore() {
        for (auto& index : PlaybackIndex) index = -1;
    }

    // The slow-motion position per slot: -1 shows the whole path, n the first n points.
    // Written by the user-interface thread, read by the drawing threads.
    std::array<std::atomic<int32_t>, MaxParticleSlots> PlaybackIndex;
};

// The set a build writes into. With `carryOver` it starts from the published paths, which an
// alternating-voltage build continues; otherwise it holds stale paths that the build resets.
PathSet& BeginPathBuild(const PathStore::Writer& writer, bool carryOver);

}  // namespace voltaris
