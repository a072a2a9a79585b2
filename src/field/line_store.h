// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

#include "model/double_buffered.h"

namespace voltaris {

constexpr int LineSlotCount = 600;
constexpr int LineSlotFloats = 1000;  // three per point: graph x, potential in volts, graph z

// One complete set of traced lines. Slots 0 .. Last() are drawn; a slot with count 0 is an
// empty line.
struct LineSet {
    int Last() const { return last; }
    int Count(int slot) const { return count[slot]; }
    const float* Points(int slot) const { return points[slot].data(); }

    std::array<std::array<float, LineSlotFloats>, LineSlotCount> points{};
    std::array<int32_t, LineSlotCount> count{};  // floats used per slot
    int32_t last = -1;                           // highest slot opened by the run; -1 = none
};

// Fixed store of traced lines, filled by the 3D engine's drawing thread (one Run at a time)
// and read by both drawing threads through Read(const LineSet&), which sees the lines of the
// last finished run.
class LineStore : public DoubleBuffered<LineSet> {
public:
    class Run;
};

// One tracing run over a LineStore: exclusive access to the back set. Construct it and check
// Started(); a run that did not start (another one is busy) must not touch the store.
// Publish() makes the filled set the one readers see; a run destroyed without Publish() leaves
// the previous lines visible.
class LineStore::Run {
public:
    explicit Run(LineStore& store) : writer_(store) {
        if (!writer_.Started()) return;
        set_ = &writer_.Back();
        set_->last = -1;
    }

    bool Started() const { return writer_.Started(); }

    // Opens the next slot (count 0); false when all slots are used, in which case `last`
    // stands at the final slot.
    bool OpenSlot();
    // The slot opened last is given back: the next OpenSlot reuses it. `last` stays.
    void GiveBackSlot() { --slot_; }
    int Slot() const { return slot_; }
    int Count(int slot) const { return set_->count[slot]; }
    const float* Points(int slot) const { return set_->points[slot].data(); }
    void Append(float graphX, float potential, float graphZ) {
        float* p = set_->points[slot_].data() + set_->count[slot_];
        p[0] = graphX;
        p[1] = potential;
        p[2] = graphZ;
        set_->count[slot_] += 3;
    }

    void Publish() {
        writer_.Publish();
        set_ = &writer_.Back();
    }

private:
    LineStore::Writer writer_;
    LineSet* set_ = nullptr;
    int slot_ = -1;
};

// The two process-wide stores that the views draw.
LineStore& EquipotentialStore();
LineStore& FieldLineStore();

}  // namespace voltaris
