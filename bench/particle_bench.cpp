// SPDX-License-Identifier: GPL-3.0-or-later
// Path builds, fast against plain: 1,000,001 steps among twenty charges, and the sample
// project's "Achterbahn!" (two charges) with its time step settled as the program shows it.
#include <benchmark/benchmark.h>

#include <memory>

#include "arrangements.h"
#include "particle/settled_paths.h"
#include "particle/trajectory.h"

namespace voltaris {
namespace {

// A heavy, slow particle drifting through the middle of the arrangement: it neither leaves
// the region nor touches a charge within the million steps, so every step is made.
TrajectoryInputs DriftAmongTwentyCharges() {
    TrajectoryInputs in;
    in.field = bench::TwentyCharges();
    in.switches.ParticleEnabled = true;
    in.ParticleCount = 1;
    ParticleSlot& s = in.slots[0];
    s.charge = -1.6e-19;
    s.mass = 1e-15;
    s.speed = 1;
    s.angle = 0.4;
    s.x = 4.2f;
    s.y = 5.6f;
    s.dt = 1e-6;
    s.steps = 1000000;
    return in;
}

template <bool Fast>
void BuildMillionSteps(benchmark::State& state) {
    const TrajectoryInputs in = DriftAmongTwentyCharges();
    auto store = std::make_unique<PathStore>();
    for (auto _ : state) {
        const TrajectoryResult r =
            Fast ? BuildParticleTrajectory(in, *store) : BuildParticleTrajectoryReference(in, *store);
        benchmark::DoNotOptimize(r);
    }
    float lastTime = 0;
    store->Read([&](const PathSet& p) {
        const int n = p.slots[0].PathFloatCount / 3;
        lastTime = n > 0 ? p.slots[0].PathTime[n - 1] : 0;
    });
    state.counters["simulated_s"] = lastTime;  // about 1 s when all steps were made
}

// The roller coaster's path as a move of a charge rebuilds it: the time step already cut.
TrajectoryInputs RollerCoaster() {
    Project project;
    TrajectoryInputs in;
    if (!bench::LoadTab(project, "sample", "Achterbahn!")) return in;
    in.switches.ParticleEnabled = true;
    auto store = std::make_unique<PathStore>();
    BuildSettledPaths(project, in.switches, *store);
    in.field = SnapshotOfActiveTab(project);
    in.ParticleCount = project.Active().ParticleCount;
    in.slots = project.Active().particles;
    return in;
}

template <bool Fast>
void BuildRollerCoaster(benchmark::State& state) {
    const TrajectoryInputs in = RollerCoaster();
    if (in.field.ChargeCount != 2) {
        state.SkipWithError("the sample's roller coaster cannot be loaded");
        return;
    }
    auto store = std::make_unique<PathStore>();
    for (auto _ : state) {
        const TrajectoryResult r =
            Fast ? BuildParticleTrajectory(in, *store) : BuildParticleTrajectoryReference(in, *store);
        benchmark::DoNotOptimize(r);
    }
}

void BM_ParticleBuildFast(benchmark::State& s) { BuildMillionSteps<true>(s); }
void BM_ParticleBuildReference(benchmark::State& s) { BuildMillionSteps<false>(s); }

BENCHMARK(BM_ParticleBuildFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParticleBuildReference)->Unit(benchmark::kMillisecond);

void BM_RollerCoasterPathFast(benchmark::State& s) { BuildRollerCoaster<true>(s); }
void BM_RollerCoasterPathReference(benchmark::State& s) { BuildRollerCoaster<false>(s); }

BENCHMARK(BM_RollerCoasterPathFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RollerCoasterPathReference)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voltaris
