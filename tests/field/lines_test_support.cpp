#include "lines_test_support.h"

#include <cmath>
#include <cstring>

#include "field/kernels.h"
#include "field/value_range.h"
#include "model/number_format.h"
#include "model/project.h"

namespace voltaris::test {

FieldSnapshot TabSnapshot(const char* resolution, const std::vector<ChargeText>& charges, int signFactor) {
    Project project = Project::Initial();
    FieldTab& tab = project.tabs[0];
    tab.Resolution = static_cast<float>(ParseNumber(resolution));
    tab.ChargeCount = static_cast<int>(charges.size());
    for (size_t i = 0; i < charges.size(); ++i) {
        tab.charges[i].amount = ParseNumber(charges[i].amount);
        tab.charges[i].x = static_cast<float>(ParseNumber(charges[i].x));
        tab.charges[i].y = static_cast<float>(ParseNumber(charges[i].y));
        tab.charges[i].radius = static_cast<float>(ParseNumber(charges[i].radius));
    }
    project.SignFactor = signFactor;
    ShowTab(project, 0, -1);
    return SnapshotOfActiveTab(project);
}

namespace {

struct SampleTabText {
    const char* resolution;
    std::vector<ChargeText> charges;
};

const std::vector<SampleTabText>& SampleTabs() {
    static const std::vector<SampleTabText> tabs = {
        {"-10", {{"1,60217646821162E-19", "5,00000006675716E-11", "5,00000006675716E-11", "3,49028206510227E-12"}}},
        {"1",
         {{"2,79999995411728E-10", "3,05293464660645", "4,96198844909668", "0,0812949538230896"},
          {"2,79999995411728E-10", "6,80676126480103", "2,80138444900513", "0,5"},
          {"2,79999995411728E-10", "6,32953977584839", "7,75892162322998", "0,5"}}},
        {"1",
         {{"-2,79999995411728E-10", "0,861419200897217", "1,43444335460663", "0,5"},
          {"-5,59999990823457E-10", "4,72277021408081", "6,03836154937744", "0,5"},
          {"-1,11999998164691E-9", "7,95293855667114", "1,02603125572205", "0,5"}}},
        {"1",
         {{"-5,6E-9", "5,00805854797363", "0,833271265029907", "0,5"},
          {"-1E-9", "4,57550811767578", "1,68941283226013", "0,201476976275444"}}},
        {"1",
         {{"5,6E-10", "4,5", "0", "0,5"},
          {"5,6E-10", "10", "5,5", "0,5"},
          {"5,6E-10", "5,5", "10", "0,5"},
          {"5,6E-10", "-0,0791433081030846", "4,7115912437439", "0,5"}}},
        {"-1,5",
         {{"-5,99999980255284E-11", "0,0120000001043081", "0", "0,00499999988824129"},
          {"5,99999980255284E-11", "0", "0,0120000001043081", "0,00499999988824129"},
          {"5,99999980255284E-11", "0,0240000002086163", "0,0120000001043081", "0,00499999988824129"},
          {"-5,99999980255284E-11", "0,0120000001043081", "0,0240000002086163", "0,00499999988824129"}}},
        {"1",
         {{"-5,6E-10", "3,74344563484192", "1,55795538425446", "0,5"},
          {"-5,6E-10", "9,33398246765137", "4,50453424453735", "0,5"},
          {"-5,6E-10", "6,9602370262146", "9,53094291687012", "0,5"},
          {"-5,6E-10", "2,40553951263428", "4,24969482421875", "0,5"},
          {"-5,6E-10", "5,98921680450439", "1,41460835933685", "0,5"},
          {"-5,6E-10", "1,89586102962494", "7,21220111846924", "0,5"},
          {"-5,6E-10", "9,25218486785889", "7,91215467453003", "0,5"},
          {"-5,6E-10", "3,06552910804749", "9,72327327728271", "0,5"},
          {"-5,6E-10", "8,93579578399658", "2,09948873519897", "0,5"}}},
        {"1",
         {{"5,59999990823457E-10", "7,98600387573242", "3,18401122093201", "0,194252640008926"},
          {"5,59999990823457E-10", "2,9212806224823", "3,77703261375427", "0,204175606369972"}}},
    };
    return tabs;
}

const std::vector<ChargeText> SymmetricPair = {{"5,6E-10", "8", "3", "0,194252640008926"},
                                               {"5,6E-10", "3", "3", "0,204175606369972"}};

const std::vector<ChargeText> Logo = {
    {"-5,6E-10", "6,29649639129639", "5,81615591049194", "0,5"},
    {"5,6E-10", "6,73585081100464", "2,54290699958801", "0,5"},
    {"5,6E-10", "2,31223177909851", "6,11706256866455", "0,5"},
    {"5,6E-10", "2,08784508705139", "2,07810664176941", "0,5"},
    {"5,6E-10", "6,30310535430908", "5,65226221084595", "0,5"},
    {"5,6E-10", "5,26131105422974", "6,54980802536011", "0,5"},
    {"-5,6E-10", "6,44735383987427", "5,04321336746216", "0,5"},
    {"-5,6E-10", "6,12680196762085", "6,69405651092529", "0,5"},
    {"-5,6E-10", "2,76100468635559", "6,74213933944702", "0,5"},
};

}  // namespace

FieldSnapshot SampleTab(int number, int signFactor) {
    if (number >= 1 && number <= 8) {
        const SampleTabText& tab = SampleTabs()[number - 1];
        return TabSnapshot(tab.resolution, tab.charges, signFactor);
    }
    if (number >= 9 && number <= 13) return TabSnapshot("1", SymmetricPair, signFactor);
    return TabSnapshot("1", Logo, signFactor);
}

FieldSnapshot TwentyCharges() {
    return TabSnapshot("1", {
                                {"5,6E-10", "1,2", "1,5", "0,5"},       {"-5,6E-10", "3,4", "1,1", "0,4"},
                                {"2,8E-10", "5,6", "1,8", "0,3"},       {"-1,12E-9", "7,9", "1,3", "0,5"},
                                {"4E-10", "9,1", "3,2", "0,25"},        {"-2,8E-10", "1,1", "3,7", "0,35"},
                                {"8,4E-10", "3,3", "3,9", "0,5"},       {"-5,6E-10", "5,2", "4,4", "0,45"},
                                {"1,4E-10", "7,1", "3,6", "0,2"},       {"-4E-10", "8,8", "5,5", "0,3"},
                                {"5,6E-10", "0,9", "6,1", "0,5"},       {"-8,4E-10", "2,9", "6,6", "0,5"},
                                {"2,8E-10", "4,8", "6,9", "0,3"},       {"-1,4E-10", "6,6", "6,2", "0,2"},
                                {"1,12E-9", "8,4", "7,7", "0,5"},       {"-5,6E-10", "1,6", "8,8", "0,4"},
                                {"3,5E-10", "3,7", "9,1", "0,35"},      {"-2,1E-10", "5,5", "8,6", "0,25"},
                                {"7E-10", "7,3", "9,4", "0,45"},        {"-6,3E-10", "9,4", "9,2", "0,4"},
                            });
}

ValueRange RangeOf(const FieldSnapshot& f) {
    ValueRange range;
    ComputeValueRange(f, false, range);
    return range;
}

std::string DifferenceBetween(const LineStore& a, const LineStore& b) {
    std::string difference;
    a.Read([&](const LineStoreView& va) {
        b.Read([&](const LineStoreView& vb) {
            if (va.Last() != vb.Last()) {
                difference = "last " + std::to_string(va.Last()) + " vs " + std::to_string(vb.Last());
                return;
            }
            for (int s = 0; s <= va.Last(); ++s) {
                if (va.Count(s) != vb.Count(s)) {
                    difference = "slot " + std::to_string(s) + ": count " + std::to_string(va.Count(s)) + " vs " +
                                 std::to_string(vb.Count(s));
                    return;
                }
                for (int k = 0; k < va.Count(s); ++k) {
                    if (std::memcmp(&va.Points(s)[k], &vb.Points(s)[k], sizeof(float)) != 0) {
                        difference = "slot " + std::to_string(s) + " value " + std::to_string(k) + ": " +
                                     std::to_string(va.Points(s)[k]) + " vs " + std::to_string(vb.Points(s)[k]);
                        return;
                    }
                }
            }
        });
    });
    return difference;
}

std::vector<int> PointCounts(const LineStore& store) {
    std::vector<int> counts;
    store.Read([&](const LineStoreView& v) {
        for (int s = 0; s <= v.Last(); ++s) counts.push_back(v.Count(s) / 3);
    });
    return counts;
}

}  // namespace voltaris::test
