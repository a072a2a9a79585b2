// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/slow_motion.h"

#include "model/number_format.h"
#include "particle/path_store.h"

namespace voltaris {

float SlowMotion::FactorOfSlider(int position) { return static_cast<float>(position * 1e-6); }

std::string SlowMotion::FactorLabelText(float factor) {
    return "Zeitlupe: 1 s entspricht " + FormatShownNumber(factor, 3) + " s";
}

void SlowMotion::Start(PathStore& store) {
    store.PlaybackIndex[0] = 0;
    clock_ = 0;
    searchIndex_ = 0;
    maxSpeed_ = 0;
    ring_.Reset();
}

void SlowMotion::Stop(PathStore& store) { store.PlaybackIndex[0] = -1; }

SlowMotionStep SlowMotion::Tick(int intervalMs, PathStore& store) {
    clock_ = static_cast<float>(clock_ + intervalMs * static_cast<double>(SlowMotionFactor) * 0.001);
    SlowMotionStep step;
    bool found = false;
    store.Read([&](const PathSet& paths) {
        const PathSlot& path = paths.slots[0];
        const int32_t points = path.PathFloatCount / 3;
        // A rebuild may have left a shorter path than the one searched so far.
        if (searchIndex_ > points) searchIndex_ = 0;
        for (int32_t i = searchIndex_; i < points; ++i) {
            if (path.PathTime[i] > clock_) {
                searchIndex_ = i;
                found = true;
                break;
            }
        }
        step.currentSpeed = path.PathSpeed[searchIndex_];
    });
    if (step.currentSpeed > maxSpeed_) maxSpeed_ = step.currentSpeed;
    step.maxSpeed = maxSpeed_;
    if (!found) {
        step.ended = true;
        searchIndex_ = 0;
        clock_ = 0;
        store.PlaybackIndex[0] = -1;
        return step;
    }
    step.playbackIndex = searchIndex_;
    store.PlaybackIndex[0] = searchIndex_;
    ring_.Push(step.currentSpeed);
    return step;
}

}  // namespace voltaris
