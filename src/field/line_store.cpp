#include "field/line_store.h"

#include <mutex>

namespace voltaris {

LineStore::LineStore() : sets_(std::make_unique<LineSet[]>(2)) {
    for (int s = 0; s < 2; ++s) sets_[s].count.fill(0);
}

LineStore::Run::Run(LineStore& store) {
    bool expected = false;
    if (!store.busy_.compare_exchange_strong(expected, true, std::memory_order_acq_rel)) return;
    store_ = &store;
    // Only this run swaps, so reading front_ without the lock cannot race with a swap.
    set_ = &store.sets_[1 - store.front_];
    set_->last = -1;
}

LineStore::Run::~Run() {
    if (store_) store_->busy_.store(false, std::memory_order_release);
}

bool LineStore::Run::OpenSlot() {
    ++slot_;
    if (slot_ >= LineSlotCount) {
        set_->last = LineSlotCount - 1;
        return false;
    }
    set_->count[slot_] = 0;
    set_->last = slot_;
    return true;
}

void LineStore::Run::Publish() {
    std::lock_guard<std::mutex> lock(store_->swapMutex_);
    store_->front_ = 1 - store_->front_;
    // The former front set becomes the back set of the next run; no reader can still be on
    // it, because readers hold the lock while they read.
    set_ = &store_->sets_[1 - store_->front_];
}

LineStore& EquipotentialStore() {
    static LineStore store;
    return store;
}

LineStore& FieldLineStore() {
    static LineStore store;
    return store;
}

}  // namespace voltaris
