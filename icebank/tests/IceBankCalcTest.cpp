// SPDX-License-Identifier: GPL-3.0-or-later
#include "IceBankCalc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

using namespace IceBank;

namespace {

struct IceBankCase {
    const char* what;
    IceBankInput input;
    std::int64_t capacity;
    std::int64_t count;
    double horsepower;
    std::string_view model;
    std::int32_t surface;
    std::uint32_t tubeLength;
};

// Capacity = litres x 1.163 x (inlet - 1) / hours, plus a fifth; surface = hp x 1.744;
// tube = hp x 35, 29.1 or 25 metres for 5/8, 3/4 and 7/8 inch.
// clang-format off
const IceBankCase kCases[] = {
    // 1000 x 1.163 x 29 / 18 = 1873.72; x 1.2 = 2248.47.
    {"defaults", {1000, 30, 18, TubeSizeIndex::SevenEighthsInch}, 2248, 1, 1.0, "2HC-2.2", 1, 25},
    // 22484.67 W: the first single unit that carries it is "4P-15.2" (24350 W);
    // 15 x 1.744 = 26.16.
    {"ten cubic metres, 7/8", {10000, 30, 18, TubeSizeIndex::SevenEighthsInch}, 22484, 1, 15.0, "4P-15.2", 26, 375},
    // 15 x 29.1 = 436.5.
    {"ten cubic metres, 3/4", {10000, 30, 18, TubeSizeIndex::ThreeQuartersInch}, 22484, 1, 15.0, "4P-15.2", 26, 436},
    {"ten cubic metres, 5/8", {10000, 30, 18, TubeSizeIndex::FiveEighthsInch}, 22484, 1, 15.0, "4P-15.2", 26, 525},
    // 2500 x 1.163 x 19 / 19 x 1.2 = 3489 exactly; dividing by the hours first gives 3488.
    // 1.5 hp: 2.616 m2 and 37.5 m of tube.
    {"whole capacity stays whole", {2500, 20, 19, TubeSizeIndex::SevenEighthsInch}, 3489, 1, 1.5, "2GC-2.2", 2, 37},
    // 25000 x 1.163 x 19 / 6 = 92070.83, and a fifth added makes 110485 exactly, where
    // x 1.2 gives 110484.999... Two units: 2 x 44300 falls short, 2 x 58000 suffices;
    // 70 hp x 1.744 = 122.08.
    {"margin added, not multiplied", {25000, 20, 6, TubeSizeIndex::SevenEighthsInch}, 110485, 2, 35.0, "6H-35.2", 122, 1750},
    // 100000 x 1.163 x 39 / 5 x 1.2 = 1088568; 17 x 66500 suffices, 16 x 66500 and
    // 17 x 58000 fall short; 680 hp x 1.744 = 1185.92.
    {"seventeen of the largest", {100000, 40, 5, TubeSizeIndex::SevenEighthsInch}, 1088568, 17, 40.0, "6G-40.2", 1185, 17000},
    // 10885669.11 W needs 164 units (164 x 66500 = 10906000); 6560 hp x 1.744 = 11440.64;
    // 6560 hp x 35 = 229600 m, far beyond 16 bits.
    {"largest tank, longest tube", {999999, 40, 5, TubeSizeIndex::FiveEighthsInch}, 10885669, 164, 40.0, "6G-40.2", 11440, 229600},
};
// clang-format on

}  // namespace

TEST(ComputeIceBank, GivesTheWorkedFigures)
{
    for (const IceBankCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const IceBankResult result = ComputeIceBank(c.input);
        EXPECT_EQ(result.RequiredCapacity, c.capacity);
        EXPECT_EQ(result.Choice.Count, c.count);
        EXPECT_EQ(result.Choice.Horsepower, c.horsepower);
        EXPECT_EQ(result.Choice.ModelCode, c.model);
        EXPECT_EQ(result.ExchangeSurface, c.surface);
        EXPECT_EQ(result.TubeLength, c.tubeLength);
    }
}
