#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

namespace voltaris {

constexpr int LineSlotCount = 600;
constexpr int LineSlotFloats = 1000;  // three per point: graph x, potential in volts, graph z

// One complete set of traced lines.
struct LineSet {
    std::array<std::array<float, LineSlotFloats>, LineSlotCount> points;
    std::array<int32_t, LineSlotCount> count;  // floats used per slot
    int32_t last = -1;                         // highest slot opened by the run; -1 = none
};

// Read-only view of the lines of the last finished run. Slots 0 .. Last() are drawn; a slot
// with count 0 is an empty line.
class LineStoreView {
public:
    explicit LineStoreView(const LineSet& set) : set_(set) {}
    int Last() const { return set_.last; }
    int Count(int slot) const { return set_.count[slot]; }
    const float* Points(int slot) const { return set_.points[slot].data(); }

private:
    const LineSet& set_;
};

// Fixed store of traced lines, filled by the 3D engine's drawing thread and drawn by both
// drawing threads. It is double buffered: a run writes the back set while readers draw the
// front one, and only a finished run is swapped to the front, under a lock held just for the
// swap. Readers hold the lock while they read, so a set is never rewritten under them. (A
// plain mutex rather than a reader-writer lock: the two drawing threads read all the time and
// must not starve the swap.) Both sets are allocated once, at construction.
class LineStore {
public:
    LineStore();
    LineStore(const LineStore&) = delete;
    LineStore& operator=(const LineStore&) = delete;

    // Calls read(const LineStoreView&) on the lines of the last finished run.
    template <class F>
    void Read(F&& read) const {
        std::lock_guard<std::mutex> lock(swapMutex_);
        read(LineStoreView(sets_[front_]));
    }

    // True while a run fills the store.
    bool Busy() const { return busy_.load(std::memory_order_acquire); }

    class Run;

private:
    friend class Run;
    std::unique_ptr<LineSet[]> sets_;
    int front_ = 0;  // guarded by swapMutex_
    mutable std::mutex swapMutex_;
    std::atomic<bool> busy_{false};
};

// One tracing run over a LineStore: exclusive access to the back set. Construct it and check
// Started(); a run that did not start (another one is busy) must not touch the store.
// Publish() makes the filled set the one readers see; a run destroyed without Publish() leaves
// the previous lines visible.
class LineStore::Run {
public:
    explicit Run(LineStore& store);
    ~Run();
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    bool Started() const { return set_ != nullptr; }

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

    void Publish();

private:
    LineStore* store_ = nullptr;
    LineSet* set_ = nullptr;
    int slot_ = -1;
};

// The two process-wide stores that the views draw.
LineStore& EquipotentialStore();
LineStore& FieldLineStore();

}  // namespace voltaris
