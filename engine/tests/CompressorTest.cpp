// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoiceProperties.h"
#include "Tools.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace Tools;

namespace {

struct SelectionCase {
    const char* what;
    CompressorTable table;
    std::int64_t load;
    std::int64_t count;
    double horsepower;
    const char* model;
};

// The figures are worked by hand from the capacity columns.
const SelectionCase kCases[] = {
    {"first row carries its own capacity", PreCoolerTable, 4490, 1, 1.0, "2HC-2.2"},
    {"one watt more takes the next row", PreCoolerTable, 4491, 1, 1.5, "2GC-2.2"},
    {"zero load takes one of the first row", ChilledStorageTable, 0, 1, 1.0, "2HC-2.2"},
    {"negative load takes one of the first row", ChilledStorageTable, -500, 1, 1.0, "2HC-2.2"},
    {"largest single unit exactly", ChilledStorageTable, 74050, 1, 40.0, "6G-40.2"},
    // 2 x 43000 = 86000 is the first pair that reaches 74051.
    {"two units, first sufficient row", ChilledStorageTable, 74051, 2, 25.0, "4H-25.2"},
    // 2 x 47400 = 94800, not two of the largest model.
    {"two units of a middle model", PreCoolerTable, 90000, 2, 25.0, "4H-25.2"},
    // three units: 31380 and 36360 fall short, 3 x 13920 = 41760 suffices.
    {"three two-stage units", TwoStageFreezingTable, 40000, 3, 25.0, "S6G-25.2"},
    {"two two-stage units of the first model", TwoStageFreezingTable, 20000, 2, 16.0, "S6J-16.2"},
    // 2 x 44300 = 88600 falls short, 2 x 58000 = 116000 suffices.
    {"ice bank, two units", IceBankTable, 100000, 2, 35.0, "6H-35.2"},
    {"frozen storage first row", FrozenStorageTable, 1470, 1, 1.0, "2HC-2.2"},
    {"frozen storage, two units", FrozenStorageTable, 32801, 2, 25.0, "4H-25.2"},
};

}  // namespace

TEST(SelectCompressor, ChoosesSmallestCountThenFirstSufficientRow)
{
    for (const SelectionCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const CompressorChoice choice = SelectCompressor(c.table, c.load);
        EXPECT_EQ(choice.Count, c.count);
        EXPECT_EQ(choice.Horsepower, c.horsepower);
        EXPECT_EQ(choice.ModelCode, c.model);
    }
}

// The direct computation agrees with the plain search that defines the choice, on both
// sides of every multiple of every capacity up to 40 units.
TEST(SelectCompressor, AgreesWithPlainSearchAtEveryCapacityBoundary)
{
    for (CompressorTable table : ChoiceProperties::EveryTable) {
        for (std::int64_t n = 1; n <= 40; ++n) {
            for (const CompressorRow& row : table) {
                for (std::int64_t delta : {-1, 0, 1}) {
                    const std::int64_t load = n * row.CapacityWatts + delta;
                    const CompressorChoice expected = ChoiceProperties::PlainSearch(table, load);
                    const CompressorChoice got = SelectCompressor(table, load);
                    ASSERT_EQ(got.Count, expected.Count) << load;
                    ASSERT_EQ(got.ModelCode, expected.ModelCode) << load;
                }
            }
        }
    }
}

TEST(SelectCompressor, LoadsBeyond32BitsKeepTheirCount)
{
    // 3 GW over the largest pre-cooler model: 3e9 / 81600 = 36764.7, so 36765 units;
    // a 32-bit product n x capacity would wrap long before that.
    const CompressorChoice preCooler = SelectCompressor(PreCoolerTable, 3'000'000'000LL);
    EXPECT_EQ(preCooler.Count, 36765);
    // 36765 x 71200 = 2617668000 falls short of 3e9, so the largest model is chosen.
    EXPECT_EQ(preCooler.ModelCode, "6G-40.2");

    // Two-stage: 3e9 / 16650 = 180180.18, beyond a 16-bit count.
    const CompressorChoice twoStage = SelectCompressor(TwoStageFreezingTable, 3'000'000'000LL);
    EXPECT_EQ(twoStage.Count, 180181);

    // The very top of the range does not overflow.
    const std::int64_t top = std::numeric_limits<std::int64_t>::max();
    const CompressorChoice huge = SelectCompressor(IceBankTable, top);
    EXPECT_EQ(huge.Count, top / 66500 + 1);
    EXPECT_EQ(huge.ModelCode, "6G-40.2");
}
