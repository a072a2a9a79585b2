// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/vector_level.h"

#include <atomic>

namespace voltaris {

namespace {

VectorLevel ProcessorLevel() {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f")) return VectorLevel::Avx512;
    if (__builtin_cpu_supports("avx")) return VectorLevel::Avx;
    return VectorLevel::Portable;
}

std::atomic<VectorLevel> limit{VectorLevel::Avx512};

}  // namespace

VectorLevel FieldVectorLevel() {
    static const VectorLevel processor = ProcessorLevel();
    const VectorLevel cap = limit.load(std::memory_order_relaxed);
    return cap < processor ? cap : processor;
}

void LimitFieldVectorLevel(VectorLevel cap) { limit.store(cap, std::memory_order_relaxed); }

}  // namespace voltaris
