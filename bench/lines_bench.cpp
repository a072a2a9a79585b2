// Equipotential and field lines of a whole tab, fast tracers against the plain ones.
#include <benchmark/benchmark.h>

#include <vector>

#include "field/equipotential_lines.h"
#include "field/field_lines.h"
#include "field/kernels.h"
#include "model/number_format.h"
#include "model/project.h"

namespace voltaris {
namespace {

struct Row {
    const char* amount;
    const char* x;
    const char* y;
    const char* radius;
};

FieldSnapshot Arrangement(const std::vector<Row>& rows) {
    FieldSnapshot f;
    f.unitLength = UnitLengthOf(1);
    for (const Row& row : rows) {
        const int i = f.ChargeCount++;
        f.amount[i] = ParseNumber(row.amount);
        f.x[i] = static_cast<float>(ParseNumber(row.x));
        f.y[i] = static_cast<float>(ParseNumber(row.y));
        f.radius[i] = static_cast<float>(ParseNumber(row.radius));
    }
    return f;
}

// The sample tab "Ladungsgebirge": nine equal negative charges.
FieldSnapshot ChargeMountains() {
    return Arrangement({
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

FieldSnapshot TwentyCharges() {
    return Arrangement({
        {"5,6E-10", "1,2", "1,5", "0,5"},   {"-5,6E-10", "3,4", "1,1", "0,4"},  {"2,8E-10", "5,6", "1,8", "0,3"},
        {"-1,12E-9", "7,9", "1,3", "0,5"},  {"4E-10", "9,1", "3,2", "0,25"},    {"-2,8E-10", "1,1", "3,7", "0,35"},
        {"8,4E-10", "3,3", "3,9", "0,5"},   {"-5,6E-10", "5,2", "4,4", "0,45"}, {"1,4E-10", "7,1", "3,6", "0,2"},
        {"-4E-10", "8,8", "5,5", "0,3"},    {"5,6E-10", "0,9", "6,1", "0,5"},   {"-8,4E-10", "2,9", "6,6", "0,5"},
        {"2,8E-10", "4,8", "6,9", "0,3"},   {"-1,4E-10", "6,6", "6,2", "0,2"},  {"1,12E-9", "8,4", "7,7", "0,5"},
        {"-5,6E-10", "1,6", "8,8", "0,4"},  {"3,5E-10", "3,7", "9,1", "0,35"},  {"-2,1E-10", "5,5", "8,6", "0,25"},
        {"7E-10", "7,3", "9,4", "0,45"},    {"-6,3E-10", "9,4", "9,2", "0,4"},
    });
}

ValueRange RangeOf(const FieldSnapshot& f) {
    ValueRange range;
    float lo = 0, hi = 0;
    for (int i = 0; i < f.ChargeCount; ++i) {
        const float v = static_cast<float>(PotentialAt(f, f.x[i], f.y[i]));
        if (v < lo) lo = v;
        if (v > hi) hi = v;
    }
    const float m = -lo >= hi ? -lo : hi;
    range.HeightScale = m == 0 ? 1.0f : 10 / m;
    if (lo != hi) {
        range.PotentialMin = lo * 1.1f;
        range.PotentialMax = hi * 1.1f;
    }
    return range;
}

LineStore& BenchStore() {
    static LineStore store;
    return store;
}

enum Lines { Equipotentials = 1, FieldLines = 2, Both = 3 };

template <bool Fast>
void TraceTab(benchmark::State& state, const FieldSnapshot& f, int lines) {
    const ValueRange range = RangeOf(f);
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
void BM_TwentyChargesFast(benchmark::State& s) { TraceTab<true>(s, TwentyCharges(), s.range(0)); }
void BM_TwentyChargesReference(benchmark::State& s) { TraceTab<false>(s, TwentyCharges(), s.range(0)); }

BENCHMARK(BM_ChargeMountainsFast)->Arg(Both)->Arg(Equipotentials)->Arg(FieldLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChargeMountainsReference)->Arg(Both)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwentyChargesFast)->Arg(Both)->Arg(Equipotentials)->Arg(FieldLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwentyChargesReference)->Arg(Both)->Arg(Equipotentials)->Arg(FieldLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voltaris
