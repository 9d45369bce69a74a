#include "ColdRoomRun.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace ColdRoom;
using Tools::ProcessKind;

namespace {

constexpr std::string_view Chicken = "مرغ";
constexpr std::string_view Apple = "سيب";
constexpr std::string_view Pear = "گلابي";
constexpr std::string_view Banana = "موز";
constexpr std::string_view Horsepower = "اسب بخار";
constexpr std::string_view HorsepowerTwoStage = "اسب بخار (2 مرحله)";
constexpr std::string_view DifferenceOf10K = "R22    ,   DT = 10C";
constexpr std::string_view DifferenceOf7K = "R22    ,   DT = 7C";
constexpr std::string_view DifferenceOf5K = "R22    ,   DT = 5C";
constexpr std::string_view EvaporatingAndCondensing = "Evap. temp = -8C   Cond. temp = 40C";
constexpr std::string_view Condensing = "Cond. temp = 40C";

// A room of 10 x 5 x 3 m taking 1000 kg a day, outside 35 C, 20 running hours, 10 cm insulation.
ColdRoomInput SmallRoom(ProcessKind process, std::string_view product, std::int32_t entry)
{
    return {.Length = 10,
            .Width = 5,
            .Height = 3,
            .Capacity = 1000,
            .LoadingPercent = 100,
            .OutsideTemperature = 35,
            .RunningHours = 20,
            .Process = process,
            .InsulationFactor = 0.25,
            .EntryTemperature = entry,
            .ProductName = std::string(product)};
}

// The 99 x 99 x 99 m room with the capacity suggested for it as a pre-cooler, run at 3 hours.
ColdRoomInput HugeRoom(ProcessKind process, double insulationFactor)
{
    ColdRoomInput input = SmallRoom(process, Chicken, 35);
    input.Length = input.Width = input.Height = 99;
    input.Capacity = 323'433'000;
    input.RunningHours = 3;
    input.InsulationFactor = insulationFactor;
    return input;
}

struct SheetFigures {
    std::int32_t roomTemperature;
    std::int64_t wall, product, respiration, infiltration, lighting, people, safety, total;
    std::int64_t count;
    double horsepower;
    std::string_view model, unit, conditionNote, temperatureNote;
};

void ExpectSheet(const ColdRoomResult& r, const SheetFigures& e)
{
    EXPECT_EQ(r.RoomTemperature, e.roomTemperature);
    EXPECT_EQ(r.WallLoad, e.wall);
    EXPECT_EQ(r.ProductLoad, e.product);
    EXPECT_EQ(r.RespirationLoad, e.respiration);
    EXPECT_EQ(r.InfiltrationLoad, e.infiltration);
    EXPECT_EQ(r.LightingLoad, e.lighting);
    EXPECT_EQ(r.PeopleLoad, e.people);
    EXPECT_EQ(r.SafetyFactor, e.safety);
    EXPECT_EQ(r.Total, e.total);
    ASSERT_TRUE(r.HasCompressorTable);
    EXPECT_EQ(r.Compressor.Count, e.count);
    EXPECT_EQ(r.Compressor.Horsepower, e.horsepower);
    EXPECT_EQ(r.Compressor.ModelCode, e.model);
    EXPECT_EQ(r.HorsepowerUnit, e.unit);
    EXPECT_EQ(r.ConditionNote, e.conditionNote);
    EXPECT_EQ(r.TemperatureNote, e.temperatureNote);
}

}  // namespace

TEST(ComputeColdRoom, ChilledChickenRoomGivesEveryLineOfTheWorkedExample)
{
    const ColdRoomResult r = ComputeColdRoom(SmallRoom(ProcessKind::ChilledMeatStorage, Chicken, 4));
    EXPECT_EQ(r.RunningHours, 20);
    EXPECT_EQ(r.Volume, 150u);
    EXPECT_EQ(r.LoadedMass, 1000);
    // Wall 1581.25, product 83.1, infiltration 1823.84, people 628.8: 4265 W, 10 % of it 426.5.
    ExpectSheet(r, {2, 1581, 83, 0, 1823, 150, 628, 426, 4691, 1, 2.0, "2FC-3.2", Horsepower, DifferenceOf10K,
                    EvaporatingAndCondensing});
}

TEST(ComputeColdRoom, AppleRoomGivesEveryLineOfTheWorkedExample)
{
    const ColdRoomResult r = ComputeColdRoom(SmallRoom(ProcessKind::ProduceStorage, Apple, 25));
    EXPECT_EQ(r.RunningHours, 20);
    EXPECT_EQ(r.Volume, 150u);
    EXPECT_EQ(r.LoadedMass, 1000);
    // Product 1264.15875, respiration 14.4: 5574 W, 10 % of it 557.4.
    ExpectSheet(r, {0, 1695, 1264, 14, 1823, 150, 628, 557, 6131, 1, 3.0, "2DC-3.2", Horsepower, DifferenceOf10K,
                    Condensing});
}

TEST(ComputeColdRoom, MeatFreezingChoosesTwoStageModels)
{
    ColdRoomInput input = SmallRoom(ProcessKind::MeatFreezing, Chicken, 5);
    input.RunningHours = 8;
    input.InsulationFactor = 0.16;
    // Product (65095 + 6648 + 7063.5) / 8 = 9850.8125; walls 140 x 0.16 x 70 + 50 x 0.16 x 50 = 1968,
    // unscaled; no lighting, people or door air. 11818 W + 1181 = 12999 W: one S6G-25.2 (13920 W).
    ExpectSheet(ComputeColdRoom(input), {-35, 1968, 9850, 0, 0, 0, 0, 1181, 12999, 1, 25.0, "S6G-25.2",
                                         HorsepowerTwoStage, DifferenceOf5K, Condensing});
}

TEST(ComputeColdRoom, LoadedMassAppliesThePercentageEvenWhereTheProductLoadIgnoresIt)
{
    ColdRoomInput input = SmallRoom(ProcessKind::PreCooler, Chicken, 15);
    input.Capacity = 1001;
    input.LoadingPercent = 50;
    input.RunningHours = 5;
    const ColdRoomResult r = ComputeColdRoom(input);
    EXPECT_EQ(r.LoadedMass, 500);  // 500.5 truncated
    // The pre-cooler takes the whole 1001 kg: 1001 x 0.831 x 10 / 5 = 1663.662.
    EXPECT_EQ(r.ProductLoad, 1663);

    input.Capacity = 180;
    input.LoadingPercent = 65;
    EXPECT_EQ(ComputeColdRoom(input).LoadedMass, 117);  // 0.65 x 180 in double precision
}

TEST(ComputeColdRoom, TotalsBeyond32BitsStillChooseEnoughCompressors)
{
    // Product 323433000 x 0.831 x 30 / 3 = 2687728230; walls 49005 x 0.25 x 30 + 9801 x 0.25 x 10
    // = 392040; lighting 24502.5; people 4 x 244; door 970299 x 1.08 x 1.35 x 30.70978 / 3
    // = 14481667.05. Sum 2702627415, safety 270262741, total 2972890156 W: more than 32 bits
    // hold, so 36433 of the largest pre-cooler model (36432 carry only 2972851200 W).
    const ColdRoomResult r = ComputeColdRoom(HugeRoom(ProcessKind::PreCooler, 0.25));
    EXPECT_EQ(r.Volume, 970299u);
    EXPECT_EQ(r.LoadedMass, 323'433'000);
    EXPECT_EQ(r.ProductLoad, 2'687'728'230);
    EXPECT_EQ(r.InfiltrationLoad, 14'481'667);
    EXPECT_EQ(r.SafetyFactor, 270'262'741);
    EXPECT_EQ(r.Total, 2'972'890'156);
    EXPECT_GT(r.Total, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(r.Compressor.Count, 36'433);
    EXPECT_EQ(r.Compressor.ModelCode, "6G-40.2");
}

TEST(ComputeColdRoom, CompressorCountsBeyond16BitsAreKept)
{
    // The same room switched to meat freezing: product (m x 65.095 + m x 0.831 x 38 + m x 0.4709
    // x 15) / 3 = 11183935801.5 and walls 49005 x 0.16 x 70 + 9801 x 0.16 x 50 = 627264. Sum
    // 11184563065, safety 1118456306, total 12303019371 W: 738921 units of S6F-30.2 (16650 W).
    const ColdRoomResult r = ComputeColdRoom(HugeRoom(ProcessKind::MeatFreezing, 0.16));
    EXPECT_EQ(r.Total, 12'303'019'371);
    EXPECT_EQ(r.Compressor.Count, 738'921);
    EXPECT_EQ(r.Compressor.ModelCode, "S6F-30.2");
}

TEST(SafetyFactor, IsATenthOfTheLoadsRoundedDown)
{
    const struct {
        std::int64_t sum, safety;
    } cases[] = {{12345, 1234}, {9, 0}, {4265, 426}, {5574, 557}, {10, 1}, {0, 0}};
    for (const auto& c : cases) EXPECT_EQ(SafetyFactor(c.sum), c.safety) << c.sum;
}

TEST(CompressorTerms, ChoosesTheTableAndNotesByProcessAndRoomTemperature)
{
    const struct {
        ProcessKind process;
        std::int32_t roomTemperature;
        const Tools::CompressorRow* table;
        std::string_view unit, conditionNote, temperatureNote;
    } cases[] = {
        {ProcessKind::ChilledMeatStorage, 2, Tools::ChilledStorageTable.data(), Horsepower, DifferenceOf10K,
         EvaporatingAndCondensing},
        {ProcessKind::FrozenMeatStorage, -18, Tools::FrozenStorageTable.data(), Horsepower, DifferenceOf7K, Condensing},
        {ProcessKind::PreCooler, 5, Tools::PreCoolerTable.data(), Horsepower, DifferenceOf10K, Condensing},
        {ProcessKind::MeatFreezing, -35, Tools::TwoStageFreezingTable.data(), HorsepowerTwoStage, DifferenceOf5K,
         Condensing},
        // Produce rooms by their storage temperature: -1 to 4 C chilled, 5 to 12 C pre-cooler.
        {ProcessKind::ProduceStorage, -1, Tools::ChilledStorageTable.data(), Horsepower, DifferenceOf10K, Condensing},
        {ProcessKind::ProduceStorage, 4, Tools::ChilledStorageTable.data(), Horsepower, DifferenceOf10K, Condensing},
        {ProcessKind::ProduceStorage, 5, Tools::PreCoolerTable.data(), Horsepower, DifferenceOf10K, Condensing},
        {ProcessKind::ProduceStorage, 12, Tools::PreCoolerTable.data(), Horsepower, DifferenceOf10K, Condensing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "process " << int(c.process) << ", room " << c.roomTemperature << " C");
        const auto terms = CompressorTermsFor(c.process, c.roomTemperature);
        ASSERT_TRUE(terms.has_value());
        EXPECT_EQ(terms->Table.data(), c.table);
        EXPECT_EQ(terms->HorsepowerUnit, c.unit);
        EXPECT_EQ(terms->ConditionNote, c.conditionNote);
        EXPECT_EQ(terms->TemperatureNote, c.temperatureNote);
    }
}

TEST(CompressorTerms, ProduceRoomsOutsideBothRangesHaveNoTable)
{
    EXPECT_FALSE(CompressorTermsFor(ProcessKind::ProduceStorage, -2).has_value());
    EXPECT_FALSE(CompressorTermsFor(ProcessKind::ProduceStorage, 13).has_value());
}

TEST(ComputeColdRoom, ProduceChoosesItsTableByStorageTemperature)
{
    // 500 kg a day in the small room; door 1823, lighting 150 and people 628 W as in every case.
    const struct {
        std::string_view product;
        std::int32_t roomTemperature;
        std::int64_t total;
        std::string_view model;
    } cases[] = {
        // Walls 1695, product 500 x 1.011327 x 25 / 20 = 632.08, respiration 7.2: 4935 + 493.
        // The chilled table needs 2DC-3.2 (7215 W); the pre-cooler one would take 2FC-3.2 (5590 W).
        {Apple, 0, 5428, "2DC-3.2"},
        // Walls 1.2 x (1260 + 200), product 500 x 1.001909 x 26 / 20 = 651.24, respiration 12: 5016 + 501.
        {Pear, -1, 5517, "2DC-3.2"},
        // Walls 1.2 x (805 + 37.5), product 500 x 0.927673 x 13 / 20 = 301.49, respiration 69.6:
        // 3982 + 398. The pre-cooler table's smallest model (4490 W) carries it; the chilled
        // table would need 2FC-3.2 (5065 W).
        {Banana, 12, 4380, "2HC-2.2"},
    };
    for (const auto& c : cases) {
        ColdRoomInput input = SmallRoom(ProcessKind::ProduceStorage, c.product, 25);
        input.Capacity = 500;
        const ColdRoomResult r = ComputeColdRoom(input);
        EXPECT_EQ(r.RoomTemperature, c.roomTemperature) << c.product;
        EXPECT_EQ(r.Total, c.total) << c.product;
        EXPECT_EQ(r.Compressor.Count, 1) << c.product;
        EXPECT_EQ(r.Compressor.ModelCode, c.model) << c.product;
        EXPECT_EQ(r.ConditionNote, DifferenceOf10K) << c.product;
        EXPECT_EQ(r.TemperatureNote, Condensing) << c.product;
    }
}

TEST(SuggestedCapacity, RoundsTheRoomsShareHalfToEven)
{
    const struct {
        std::uint16_t l, w, h;
        ProcessKind process;
        std::int64_t kilograms;
    } cases[] = {
        {10, 5, 3, ProcessKind::ChilledMeatStorage, 50'000},  // 150 / 3
        {10, 5, 3, ProcessKind::FrozenMeatStorage, 50'000},
        {10, 5, 3, ProcessKind::PreCooler, 50'000},
        {10, 5, 3, ProcessKind::ProduceStorage, 38'000},      // 150 / 4 = 37.5 to the even 38
        {2, 5, 1, ProcessKind::ProduceStorage, 2'000},        // 10 / 4 = 2.5 to the even 2
        {10, 5, 3, ProcessKind::MeatFreezing, 12'540},        // floor 50, (50 - 17) x 380
        {1, 1, 1, ProcessKind::ChilledMeatStorage, 0},        // 1 / 3 rounds to 0
        {99, 99, 7, ProcessKind::ChilledMeatStorage, 22'869'000},
        {99, 99, 99, ProcessKind::ChilledMeatStorage, 323'433'000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SuggestedCapacity(c.l, c.w, c.h, c.process), c.kilograms)
            << c.l << " x " << c.w << " x " << c.h << ", process " << int(c.process);
}
