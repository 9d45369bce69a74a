// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tools.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace Tools;
using P = ProcessKind;

namespace {

struct WallCase {
    const char* what;
    std::uint16_t length, width, height;
    P process;
    double insulation;
    std::int32_t room, outside;
    std::uint8_t hours;
    double load;
};

// S = ceiling + walls, F = floor; A = S x k x (outside - room), B = F x k x (15 - room).
const WallCase kWallCases[] = {
    // S 140, A 1155, B 162.5, x 24/12.
    {"chilled meat", 10, 5, 3, P::ChilledMeatStorage, 0.25, 2, 35, 12, 2635.0},
    // A 1187.2, B 264, x 1.2.
    {"frozen meat", 10, 5, 3, P::FrozenMeatStorage, 0.16, -18, 35, 20, 1741.44},
    // A 1050, B 125, unscaled.
    {"pre-cooler", 10, 5, 3, P::PreCooler, 0.25, 5, 35, 3, 1175.0},
    // A 140 x 0.25 x 70 = 2450, B 50 x 0.25 x 50 = 625, unscaled.
    {"meat freezing", 10, 5, 3, P::MeatFreezing, 0.25, -35, 35, 20, 3075.0},
    // S 54: A |54 x 0.25 x -5| = 67.5, B 0.
    {"room warmer than the outside air", 4, 3, 3, P::ProduceStorage, 0.25, 15, 10, 24, 67.5},
    // A |54 x 0.25 x -10| = 135, B |12 x 0.25 x -5| = 15: the terms add.
    {"room warmer than air and ground", 4, 3, 3, P::ProduceStorage, 0.25, 20, 10, 24, 150.0},
    // A |54 x 0.25 x 10| = 135, B |12 x 0.25 x -5| = 15.
    {"room warmer than the ground only", 4, 3, 3, P::ProduceStorage, 0.25, 20, 30, 24, 150.0},
    {"unknown process", 10, 5, 3, static_cast<P>(7), 0.25, 2, 35, 12, 0.0},
    {"no running hours", 10, 5, 3, P::ChilledMeatStorage, 0.25, 2, 35, 0, 0.0},
};

}  // namespace

TEST(WallLoad, EnvelopeAndFloorByProcess)
{
    for (const WallCase& c : kWallCases) {
        SCOPED_TRACE(c.what);
        const double load = WallLoad(c.length, c.width, c.height, c.process, c.insulation, c.room, c.outside, c.hours);
        EXPECT_NEAR(load, c.load, 1e-9);
    }
}

// Loads that are whole in exact arithmetic keep every watt, which the run's truncation would
// otherwise cost them.
TEST(RoomLoads, ExactlyWholeLoadsKeepEveryWatt)
{
    const auto watts = [](double load) { return static_cast<std::int64_t>(load); };
    // (6410 x 0.16 x 39 + 1482 x 0.16 x 5) x 24 / 11.
    EXPECT_EQ(watts(WallLoad(38, 39, 32, P::ProduceStorage, 0.16, 10, 49, 11)), 89856);
    // (3414 x 0.16 x 31 + 232 x 0.16 x 13) x 24 / 8.
    EXPECT_EQ(watts(WallLoad(29, 8, 43, P::ChilledMeatStorage, 0.16, 2, 33, 8)), 52248);
    // (650 x 0.16 x 55 + 50 x 0.16 x 33) x 24 / 22.
    EXPECT_EQ(watts(WallLoad(10, 5, 20, P::FrozenMeatStorage, 0.16, -18, 37, 22)), 6528);
    // 2728 m2 x 2.5 W x 24 / 22.
    EXPECT_EQ(watts(LightingLoad(2728, P::ChilledMeatStorage, 22)), 7440);
}

TEST(LightingLoad, TwoAndAHalfWattsPerSquareMetre)
{
    struct Case {
        std::uint16_t area;
        P process;
        std::uint8_t hours;
        double load;
    };
    // clang-format off
    const Case cases[] = {
        {50, P::ChilledMeatStorage, 20, 150.0},  // 125 x 1.2
        {50, P::FrozenMeatStorage, 16, 187.5},   // 125 x 1.5
        {50, P::ProduceStorage, 24, 125.0},
        {50, P::PreCooler, 3, 125.0},  // not scaled
        {50, P::MeatFreezing, 20, 0.0},
        {9801, P::ProduceStorage, 12, 49005.0},  // 24502.5 x 2
        {50, P::ChilledMeatStorage, 0, 0.0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.area << " m2, process " << int(c.process) << ", " << int(c.hours) << " h");
        EXPECT_NEAR(LightingLoad(c.area, c.process, c.hours), c.load, 1e-9);
    }
}

TEST(PeopleLoad, PersonsByFloorAreaAndHeatByProcess)
{
    struct Case {
        std::int32_t area;
        P process;
        std::uint8_t hours;
        double load;
    };
    // clang-format off
    const Case cases[] = {
        {50, P::ChilledMeatStorage, 24, 524.0},  // 2 x 262
        {99, P::ChilledMeatStorage, 24, 524.0},
        {100, P::ChilledMeatStorage, 24, 786.0},  // 3 x 262
        {100, P::FrozenMeatStorage, 12, 2358.0},  // 3 x 786
        {299, P::ProduceStorage, 24, 786.0},
        {300, P::ProduceStorage, 24, 1048.0},  // 4 x 262
        {50, P::ProduceStorage, 20, 628.8},    // 2 x 314.4
        {300, P::PreCooler, 3, 976.0},         // 4 x 244 at any hours
        {99, P::MeatFreezing, 24, 0.0},
        {99, static_cast<P>(5), 24, 0.0},
        {99, P::ChilledMeatStorage, 0, 0.0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.area << " m2, process " << int(c.process) << ", " << int(c.hours) << " h");
        EXPECT_NEAR(PeopleLoad(c.area, c.process, c.hours), c.load, 1e-9);
    }
}
