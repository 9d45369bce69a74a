// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tools.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace Tools;

namespace {

const std::string_view Chicken = MeatTable[0].Name;
const std::string_view Fish = MeatTable[1].Name;
const std::string_view Beef = MeatTable[2].Name;
const std::string_view Pulses = ProduceTable[4].Name;
const std::string_view Mushroom = ProduceTable[10].Name;
const std::string_view Fig = ProduceTable[16].Name;
const std::string_view Apple = ProduceTable[24].Name;
const std::string_view Nectarine = ProduceTable[25].Name;
const std::string_view Pear = ProduceTable[30].Name;
const std::string_view Banana = ProduceTable[33].Name;

struct ProductCase {
    const char* what;
    std::int32_t loading;
    std::int32_t capacity;
    ProcessKind process;
    std::string_view name;
    std::int32_t entry;
    std::uint8_t hours;
    std::int32_t room;
    double load;  // exact decimal
};

using P = ProcessKind;

// Heats worked by hand: Wh per kg and K times kg times K, divided by the hours.
const ProductCase kProductCases[] = {
    // 1000 x 0.831 x (2 - 4) = -1662, / 20, absolute.
    {"chilled meat", 100, 1000, P::ChilledMeatStorage, Chicken, 4, 20, 2, 83.1},
    {"chilled meat entering 2 K colder", 100, 1000, P::ChilledMeatStorage, Chicken, 0, 20, 2, 83.1},
    // 0.75, not 0: 0.75 x 1662 / 20.
    {"loading 75 percent", 75, 1000, P::ChilledMeatStorage, Chicken, 4, 20, 2, 62.325},
    // 1000 x 0.4709 x 1 / 20.
    {"frozen fish", 100, 1000, P::FrozenMeatStorage, Fish, -17, 20, -18, 23.545},
    {"frozen fish entering at -10", 100, 1000, P::FrozenMeatStorage, Fish, -10, 20, -18, 188.36},
    // 1000 x 0.8587 x 10 / 5; the loading is ignored.
    {"pre-cooler takes the full capacity", 50, 1000, P::PreCooler, Beef, 15, 5, 5, 1717.4},
    // 1000 x 1.011327 x 10 / 5.
    {"pre-cooler with a produce name", 100, 1000, P::PreCooler, Apple, 15, 5, 5, 2022.654},
    // (65095 + 6648 + 7063.5) / 8.
    {"freezing from above -3", 100, 1000, P::MeatFreezing, Chicken, 5, 8, -35, 9850.8125},
    {"freezing ignores the loading", 5, 1000, P::MeatFreezing, Chicken, 5, 8, -35, 9850.8125},
    // (65095 + 0 + 7063.5) / 8: -3 still freezes.
    {"freezing from -3", 100, 1000, P::MeatFreezing, Chicken, -3, 8, -35, 9019.8125},
    // 1000 x 0.4709 x 14 / 8: already frozen.
    {"freezing from -4", 100, 1000, P::MeatFreezing, Chicken, -4, 8, -35, 824.075},
    // (69250 + 858.7 + 7063.5) / 8.
    {"freezing beef from -2", 100, 1000, P::MeatFreezing, Beef, -2, 8, -35, 9646.525},
    // 1000 x 1.011327 x 25 / 20.
    {"apple", 100, 1000, P::ProduceStorage, Apple, 25, 20, 0, 1264.15875},
    // 0.5 x 2000 x 0.927673 x 13 / 20, room at banana's 12 C.
    {"banana at half loading", 50, 2000, P::ProduceStorage, Banana, 25, 20, 12, 602.98745},
    // 1000 x 1.011327 x 5 / 20.
    {"apple entering below the room", 100, 1000, P::ProduceStorage, Apple, -5, 20, 0, 252.83175},
    // 1000 x 1.001909 x (-1 - 9) / 10.
    {"pear below zero", 100, 1000, P::ProduceStorage, Pear, 9, 10, -1, 1001.909},
    {"unknown produce", 100, 1000, P::ProduceStorage, "x", 25, 20, 0, 0.0},
    {"unknown product, chilled", 100, 1000, P::ChilledMeatStorage, "x", 25, 20, 2, 0.0},
    // Combinations the window does not offer.
    {"meat name under produce storage", 100, 1000, P::ProduceStorage, Chicken, 25, 20, 0, 0.0},
    {"produce frozen: no below-freezing heat", 100, 1000, P::FrozenMeatStorage, Apple, 5, 20, -18, 0.0},
    // 1000 x 1.011327 x 8 / 8, no latent heat and no frozen cooling.
    {"produce frozen from above -3", 100, 1000, P::MeatFreezing, Apple, 5, 8, -35, 1011.327},
    {"unknown process", 100, 1000, static_cast<ProcessKind>(5), Chicken, 4, 20, 0, 0.0},
    {"no running hours", 100, 1000, P::ChilledMeatStorage, Chicken, 4, 0, 2, 0.0},
};

}  // namespace

TEST(ProductLoad, LoadAndRoomTemperatureByProcess)
{
    for (const ProductCase& c : kProductCases) {
        SCOPED_TRACE(c.what);
        std::int32_t room = 99;
        const double load = ProductLoad(c.loading, c.capacity, c.process, c.name, c.entry, c.hours, room);
        EXPECT_EQ(room, c.room);
        EXPECT_NEAR(load, c.load, 1e-9);
    }
}

// The run keeps whole watts, so where a load is whole in exact arithmetic the precision of each
// step decides the watt: the first three stay whole, the freezing heat falls one watt short.
TEST(ProductLoad, WholeWattsFollowThePrecisionOfEachStep)
{
    const ProductCase cases[] = {
        // 1,000,000 x 1.011327 x 20 / 20.
        {"large apple intake", 100, 1000000, P::ProduceStorage, Apple, 20, 20, 0, 1011327},
        // 0.35 x 10,680,000 x 0.831 x 16 / 7.
        {"chicken at 35 percent", 35, 10680000, P::ChilledMeatStorage, Chicken, 18, 7, 2, 7100064},
        // 0.8 x 1,150,000 x 1.076145 x 35 / 21.
        {"mushroom at 80 percent", 80, 1150000, P::ProduceStorage, Mushroom, 35, 21, 0, 1650089},
        // (66,880 x 65.095 + 66,880 x 0.831 x 9 + 66,880 x 0.4709 x 15) / 11 is 484,196 exactly, but
        // the three heats stored as doubles add up to 5,326,155.999999999 Wh.
        {"freezing chicken", 100, 66880, P::MeatFreezing, Chicken, 6, 11, -35, 484195},
        // 19,760 x (65.095 + 0.831 x 34 + 0.4709 x 15) / 19 is 104,429 exactly; the meat's heats
        // are doubles, a hair below their decimals.
        {"freezing chicken from 31 C", 100, 19760, P::MeatFreezing, Chicken, 31, 19, -35, 104428},
    };
    for (const ProductCase& c : cases) {
        std::int32_t room = 99;
        const double load = ProductLoad(c.loading, c.capacity, c.process, c.name, c.entry, c.hours, room);
        EXPECT_EQ(static_cast<std::int64_t>(load), static_cast<std::int64_t>(c.load)) << c.what;
    }
    // 2475 t x 19 W per t x 24 / 22.
    EXPECT_EQ(static_cast<std::int64_t>(RespirationLoad(2475000, Nectarine, 22)), 51300);
}

struct RespirationCase {
    const char* what;
    std::int32_t capacity;
    std::string_view name;
    std::uint8_t hours;
    double load;
};

// Tonnes x W per tonne x 24 / hours.
const RespirationCase kRespirationCases[] = {
    {"apple", 1000, Apple, 20, 14.4},                                 // 1 x 12 x 1.2
    {"full capacity whatever the loading", 2000, Banana, 20, 278.4},  // 2 x 116 x 1.2
    {"around the clock", 1000, Apple, 24, 12.0},
    {"pulses", 1500, Pulses, 16, 310.5},  // 1.5 x 138 x 1.5
    {"fig does not respire", 1000, Fig, 20, 0.0},
    {"meat does not respire", 5000, Chicken, 10, 0.0},
    {"no running hours", 1000, Apple, 0, 0.0},
};

TEST(RespirationLoad, FullCapacityScaledToRunningHours)
{
    for (const RespirationCase& c : kRespirationCases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(RespirationLoad(c.capacity, c.name, c.hours), c.load, 1e-9);
    }
}
