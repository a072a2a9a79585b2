// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/line_store.h"

namespace voltaris {

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

LineStore& EquipotentialStore() {
    static LineStore store;
    return store;
}

LineStore& FieldLineStore() {
    static LineStore store;
    return store;
}

}  // namespace voltaris
