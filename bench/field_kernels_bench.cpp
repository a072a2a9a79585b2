// SPDX-License-Identifier: GPL-3.0-or-later
// Potential evaluation and surface generation over twenty charges, fast against plain.
#include <benchmark/benchmark.h>

#include <vector>

#include "arrangements.h"
#include "field/kernels.h"
#include "field/potential_batch.h"
#include "field/surface_mesh.h"
#include "field/value_range.h"

namespace voltaris {
namespace {

// 1024 points along a row of the square, as the surface evaluates them.
std::vector<float> RowPoints() {
    std::vector<float> xs(1024);
    for (size_t i = 0; i < xs.size(); ++i) xs[i] = 10.0f * static_cast<float>(i) / xs.size();
    return xs;
}

void BM_PotentialAtScalar(benchmark::State& state) {
    const FieldSnapshot f = bench::TwentyCharges();
    const std::vector<float> xs = RowPoints();
    std::vector<double> out(xs.size());
    for (auto _ : state) {
        for (size_t i = 0; i < xs.size(); ++i) out[i] = PotentialAt(f, xs[i], 4.3f);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * xs.size());
}

void BM_PotentialAtBatchedRow(benchmark::State& state) {
    const FieldSnapshot f = bench::TwentyCharges();
    const std::vector<float> xs = RowPoints();
    std::vector<double> out(xs.size());
    for (auto _ : state) {
        PotentialsAlongRow(f, xs.data(), static_cast<int>(xs.size()), 4.3f, out.data());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * xs.size());
}

// The same points, each with its own y.
void BM_PotentialAtBatchedPoints(benchmark::State& state) {
    const FieldSnapshot f = bench::TwentyCharges();
    const std::vector<float> xs = RowPoints();
    const std::vector<float> ys(xs.size(), 4.3f);
    std::vector<double> out(xs.size());
    for (auto _ : state) {
        PotentialAtPoints(f, xs.data(), ys.data(), static_cast<int>(xs.size()), out.data());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * xs.size());
}

template <bool Fast>
void SurfaceOfTwentyCharges(benchmark::State& state) {
    const FieldSnapshot f = bench::TwentyCharges();
    ValueRange range;
    ComputeValueRange(f, false, range);
    const SurfaceSettings settings{0.07f, 0, false};
    SurfaceMesh mesh;
    for (auto _ : state) {
        Fast ? GenerateSurface(f, range, settings, mesh) : GenerateSurfaceReference(f, range, settings, mesh);
        benchmark::DoNotOptimize(mesh.xyz.data());
    }
    state.counters["vertices"] = static_cast<double>(mesh.xyz.size() / 3);
}

void BM_SurfaceFast(benchmark::State& s) { SurfaceOfTwentyCharges<true>(s); }
void BM_SurfaceReference(benchmark::State& s) { SurfaceOfTwentyCharges<false>(s); }

BENCHMARK(BM_PotentialAtScalar);
BENCHMARK(BM_PotentialAtBatchedRow);
BENCHMARK(BM_PotentialAtBatchedPoints);
BENCHMARK(BM_SurfaceFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SurfaceReference)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voltaris
