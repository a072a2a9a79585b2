// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace voltaris {

// Tick count (ms) and frame count at a view's previous frame-rate readout.
struct FrameRateCounter {
    int64_t lastTick = 0;
    int32_t lastFrames = 0;
};

// "Engine1: 60 FPS; Total:1234": the frames drawn per second since the previous readout,
// with three significant digits and no decimals (scientific from 1000 on), then the total.
// Moves the counter on to (now, frameCount). The very first readout measures from tick 0,
// so it shows a meaningless small rate.
std::string FrameRateReadout(const std::string& engineName, int32_t frameCount, int64_t nowMs,
                             FrameRateCounter& counter);

// The rate part alone: "60", "999", "1E3", "1,23E3".
std::string FrameRateText(double framesPerSecond);

}  // namespace voltaris
