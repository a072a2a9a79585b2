// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <vector>

namespace voltaris {

constexpr int SpeedRingSize = 2048;

// The speeds of the last 2048 diagram steps. The index names the newest sample; the first
// sample goes to index 1.
class SpeedRing {
public:
    void Reset() {
        index_ = 0;
        wrapped_ = false;
    }
    void Push(float speed) {
        if (++index_ == SpeedRingSize) {
            index_ = 0;
            wrapped_ = true;
        }
        samples_[index_] = speed;
    }
    // A negative j stands for j + 2048 (j >= -2048).
    float At(int j) const { return samples_[j < 0 ? j + SpeedRingSize : j]; }
    int Index() const { return index_; }
    bool Wrapped() const { return wrapped_; }

private:
    std::array<float, SpeedRingSize> samples_{};
    int index_ = 0;
    bool wrapped_ = false;
};

struct DiagramLine {
    int x1, y1, x2, y2;
};

// The curve of a scrolling time-velocity diagram of width x height pixels: one pixel per
// sample, the newest ending at the right edge, speed 0 at the bottom and `maxSpeed` at the
// top. Before the ring has wrapped the part left of its first sample stays empty; a box wider
// than the ring shows each sample once. At a maximum of 0 the curve lies on the bottom line.
void DiagramCurve(const SpeedRing& ring, int width, int height, float maxSpeed, std::vector<DiagramLine>& out);

}  // namespace voltaris
