#include "engine/gl/traced_stores.h"

namespace voltaris {

TracedStores ProcessTracedStores() {
    static PathStore paths;
    return TracedStores{EquipotentialStore(), FieldLineStore(), paths};
}

}  // namespace voltaris
