// SPDX-License-Identifier: GPL-3.0-or-later
// Equipotential and field lines of a whole tab, fast tracers against the plain ones.
#include <benchmark/benchmark.h>

#include "arrangements.h"
#include "field/equipotential_lines.h"
#include "field/field_lines.h"
#include "field/value_range.h"

namespace voltaris {
namespace {

// The sample tab "Ladungsgebirge": nine equal negative charges.
FieldSnapshot ChargeMountains() {
    return bench::ArrangementOf({
        {"-5,6E-10", "3,74344563484192", "1,55795538425446", "0,5"},
        {"-5,6E-10", "9,33398246765137", "4,50453424453735", "0,5"},
        {"-5,6E-10", "6,9602370262146", "9,53094291687012", "0,5"},
        {"-5,6E-10", "2,40553951263428", "4,24969482421875", "0,5"},
        {"-5,6E-10", "5,98921680450439", "1,41460835933685", "0,5"},
        {"-5,6E-10", "1,89586102962494", "7,21220111846924", "0,5"},
        {"-5,6E-10", "9,25218486785889", "7,91215467453003", "0,5"},
        {"-5,6E-10", "3,06552910804749", "9,72327327728271", "0,5"},
        {"-5,6E-10", "8,93579578399658", "2,09948873519897", "0,5"},
    });
}

LineStore& BenchStore() {
    static LineStore store;
    return store;
}

enum Lines { Equipotentials = 1, FieldLines = 2, Both = 3 };

template <bool Fast>
void TraceTab(benchmark::State& state, const FieldSnapshot& f, int lines) {
    ValueRange range;
    ComputeValueRange(f, false, range);
    for (auto _ : state) {
        if (lines & Equipotentials) {
            Fast ? TraceEquipotentials(f, range, true, BenchStore())
                 : TraceEquipotentialsReference(f, range, true, BenchStore());
        }
        if (lines & FieldLines) {
            Fast ? TraceFieldLines(f, true, BenchStore()) : TraceFieldLinesReference(f, true, BenchStore());
        }
    }
    state.SetLabel(lines == Both ? "both kinds" : lines == Equipotentials ? "equipotentials" : "field lines");
}

void BM_ChargeMountainsFast(benchmark::State& s) { TraceTab<true>(s, ChargeMountains(), s.range(0)); }
void BM_ChargeMountainsReference(benchmark::State& s) { TraceTab<false>(s, ChargeMountains(), s.range(0)); }
void BM_TwentyChargesFast(benchmark::State& s) { TraceTab<true>(s, bench::TwentyCharges(), s.range(0)); }
void BM_TwentyChargesReference(benchmark::State& s) { TraceTab<false>(s, bench::TwentyCharges(), s.range(0)); }

BENCHMARK(BM_ChargeMountainsFast)->Arg(Both)->Arg(Equipotentials)->Arg(FieldLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChargeMountainsReference)->Arg(Both)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwentyChargesFast)->Arg(Both)->Arg(Equipotentials)->Arg(FieldLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwentyChargesReference)->Arg(Both)->Arg(Equipotentials)->Arg(FieldLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voltaris
