// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

#include "particle/path_store.h"
#include "particle/speed_ring.h"

namespace voltaris {

// What one replay step shows.
struct SlowMotionStep {
    bool ended = false;          // the clock has passed the last point: the replay stopped
    int32_t playbackIndex = -1;  // the point the views draw up to (-1: the whole path)
    float currentSpeed = 0;      // m/s
    float maxSpeed = 0;          // m/s, the highest so far
};

// Replays slot 0's stored path against a simulated clock that runs SlowMotionFactor
// simulated seconds per real second. Reads the published path; writes only PlaybackIndex.
class SlowMotion {
public:
    static constexpr float DefaultFactor = 2.5e-5f;

    // The factor a slider position (1 .. 100) stands for.
    static float FactorOfSlider(int position);

    float SlowMotionFactor = DefaultFactor;

    // Clock, search and maximum back to the start; the views draw nothing of the path yet.
    void Start(PathStore& store);
    // Shows the whole path again.
    void Stop(PathStore& store);
    // Advances the clock by `intervalMs` of real time and finds the point reached. At the end
    // of the path the replay stops and shows the whole path; otherwise the speed of the point
    // reached goes into the diagram's ring.
    SlowMotionStep Tick(int intervalMs, PathStore& store);

    const SpeedRing& Ring() const { return ring_; }
    float Clock() const { return clock_; }

private:
    float clock_ = 0;  // simulated seconds
    int32_t searchIndex_ = 0;
    float maxSpeed_ = 0;
    SpeedRing ring_;
};

}  // namespace voltaris
