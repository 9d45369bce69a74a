// SPDX-License-Identifier: GPL-3.0-or-later
// Cold-room figures for inputs that no window produces: every line stays a defined whole
// number and the total still adds up.

#include "ColdRoomCalc.h"

#include <gtest/gtest.h>

#include <limits>

using namespace ColdRoom;
using Tools::ProcessKind;

namespace {

ColdRoomInput Room(double insulationFactor)
{
    return {.Length = 10,
            .Width = 5,
            .Height = 3,
            .Capacity = 1000,
            .LoadingPercent = 100,
            .OutsideTemperature = 35,
            .RunningHours = 5,
            .Process = ProcessKind::PreCooler,
            .InsulationFactor = insulationFactor,
            .EntryTemperature = 15,
            .ProductName = "مرغ"};
}

}  // namespace

TEST(ComputeColdRoom, LoadsBeyondAnyRoomAreHeldAndStillAddUp)
{
    // A pre-cooler of 10 x 5 x 3 m: product 1000 x 0.831 x 10 / 5 = 1662, door 150 x 1.08 x
    // 7 x (40.83 - 10.12022) / 5 = 6964.98, lighting 50 x 2.5 = 125, people 2 x 244 = 488 W.
    const std::int64_t others = 1662 + 6964 + 125 + 488;

    // An insulation factor of NaN makes the wall load NaN, which counts 0 W.
    const ColdRoomResult nan = ComputeColdRoom(Room(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(nan.WallLoad, 0);
    EXPECT_EQ(nan.Total, others + others / 10);

    // An infinite or huge factor is held at 10^18 W, and the total with its safety factor
    // stays within 64 bits.
    for (const double factor : {1e300, std::numeric_limits<double>::infinity()}) {
        const ColdRoomResult huge = ComputeColdRoom(Room(factor));
        EXPECT_EQ(huge.WallLoad, 1'000'000'000'000'000'000) << factor;
        EXPECT_EQ(huge.SafetyFactor, (huge.WallLoad + others) / 10) << factor;
        EXPECT_EQ(huge.Total, huge.WallLoad + others + huge.SafetyFactor) << factor;
        EXPECT_GE(huge.Compressor.Count, 1) << factor;
    }
}

// Checked while compiling: an overflow on the way (sum x 10 first) is no constant expression,
// so the build fails even where the optimiser would fold the overflow away at run time.
static_assert(SafetyFactor(std::numeric_limits<std::int64_t>::max()) == 922'337'203'685'477'580);
static_assert(SafetyFactor(-12345) == -1234);  // toward zero, as x 10 / 100 truncates
