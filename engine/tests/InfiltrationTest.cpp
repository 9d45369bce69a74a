// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tools.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <string>

using namespace Tools;
using P = ProcessKind;

TEST(RoundTo2, HalvesAwayFromZeroOnTheDecimalExpansion)
{
    struct Case {
        double value;
        double rounded;
    };
    // clang-format off
    const Case cases[] = {
        {0.125, 0.13},    // exact binary tie
        {-0.125, -0.13},
        {2.675, 2.67},    // the double is 2.67499999999999982236431605997495353221893310546875
        {0.285, 0.28},    // 0.284999999999999975575...: a tie at 15 digits, not at 18
        {-0.005, -0.01},  // -0.005000000000000000104...
        {9.999, 10.0},    // the carry runs into a new digit
        {-9.995, -9.99},  // -9.9949999999999992184...
        {123456.785, 123456.79},  // 123456.785000000003...
        {1234.5678, 1234.57},
        {0.0, 0.0},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(RoundTo2(c.value), c.rounded) << c.value;
}

TEST(RoundTo2, ZeroHasNoSign)
{
    EXPECT_FALSE(std::signbit(RoundTo2(-0.004)));
    EXPECT_FALSE(std::signbit(RoundTo2(-0.0)));
}

// Users with a comma as decimal separator get the same figures. German_Germany.1252 is the
// Windows C runtime's name, whose printf would write the comma.
TEST(RoundTo2, SameInACommaDecimalLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "German_Germany.1252"})
        if ((comma = std::setlocale(LC_NUMERIC, name)) != nullptr) break;
    if (comma == nullptr) GTEST_SKIP() << "no comma-decimal locale installed";

    const double tie = RoundTo2(0.125);
    const double plain = RoundTo2(1234.5678);
    double density = 0.0;
    double enthalpy = 0.0;
    GetAirProperties(35, density, enthalpy);
    std::setlocale(LC_NUMERIC, previous.c_str());

    EXPECT_EQ(tie, 0.13);
    EXPECT_EQ(plain, 1234.57);
    EXPECT_EQ(density, 1.08);
    EXPECT_EQ(enthalpy, 40.83);
}

TEST(GetAirProperties, RowTowardsZeroConvertedAndRounded)
{
    struct Case {
        std::int32_t temperature;
        double density;   // kg/m3
        double enthalpy;  // Wh/kg
    };
    // clang-format off
    const Case cases[] = {
        {35, 1.08, 40.83}, {37, 1.08, 40.83}, {39, 1.08, 40.83}, {40, 1.05, 51.15},
        {5, 1.26, 10.12},  {4, 1.29, 7.58},   {0, 1.29, 7.58},   {-4, 1.29, 7.58},
        {-5, 1.31, 5.28},  {-7, 1.31, 5.28},  {-9, 1.31, 5.28},  {-10, 1.34, 3.27},
        {-20, 1.40, -0.18},  // a negative enthalpy keeps its sign
        {-39, 1.49, -4.71},  {54, 0.96, 81.26},
        {-60, 1.49, -4.71},  {80, 0.96, 81.26},  // beyond the chart: nearest row
    };
    // clang-format on
    for (const Case& c : cases) {
        double density = -1.0;
        double enthalpy = -1.0;
        GetAirProperties(c.temperature, density, enthalpy);
        EXPECT_EQ(density, c.density) << c.temperature << " C";
        EXPECT_EQ(enthalpy, c.enthalpy) << c.temperature << " C";
    }
}

TEST(AirChanges, BandsByRoomVolume)
{
    struct Case {
        std::int32_t volume;
        double above;
        double below;
    };
    // clang-format off
    const Case cases[] = {
        {1, 50.1, 38.0},     {5, 50.1, 38.0},      {6, 31.1, 24.2},   {125, 7.7, 6.0},
        {126, 7.0, 5.4},     {1800, 1.66, 1.42},   {1801, 1.43, 1.22}, {2400, 1.43, 1.22},
        {2401, 1.35, 1.11},  {970299, 1.35, 1.11}, {0, 1.35, 1.11},   {-5, 1.35, 1.11},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(AirChangesAboveZero(c.volume), c.above) << c.volume << " m3";
        EXPECT_EQ(AirChangesBelowZero(c.volume), c.below) << c.volume << " m3";
    }
}

TEST(InfiltrationLoad, WholeWattsOfADayOfDoorAir)
{
    struct Case {
        const char* what;
        std::uint32_t volume;
        std::int32_t outside;
        double changes;
        P process;
        std::uint8_t hours;
        std::int64_t watts;  // truncated, as the run keeps it
        double load;
    };
    // volume x density x changes x (outside enthalpy - room enthalpy) / hours
    const Case cases[] = {
        // 150 x 1.08 x 7 x (40.83 - 8.663424) / 20
        {"chilled meat", 150, 35, 7.0, P::ChilledMeatStorage, 20, 1823, 1823.844859},
        {"produce", 150, 35, 7.0, P::ProduceStorage, 20, 1823, 1823.844859},
        // 150 x 1.08 x 5.4 x (40.83 - 0.538241) / 20
        {"frozen meat", 150, 35, 5.4, P::FrozenMeatStorage, 20, 1762, 1762.361539},
        // 150 x 1.08 x 7 x (40.83 - 10.12022) / 20
        {"pre-cooler", 150, 35, 7.0, P::PreCooler, 20, 1741, 1741.244526},
        // 68607 x 1.08 x 1.35 x 32.166576 / 20
        {"large room", 68607, 35, 1.35, P::ChilledMeatStorage, 20, 160879, 160879.531185},
        // 150 x 1.40 x 7 x |-0.18 - 8.663424| / 20: outside air colder than the room
        {"cold outside air", 150, -20, 7.0, P::ChilledMeatStorage, 20, 649, 649.991664},
        {"meat freezing", 150, 35, 7.0, P::MeatFreezing, 20, 0, 0.0},
        {"unknown process", 150, 35, 7.0, static_cast<P>(9), 20, 0, 0.0},
        {"no running hours", 150, 35, 7.0, P::ChilledMeatStorage, 0, 0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const double load = InfiltrationLoad(c.volume, c.outside, c.changes, c.process, c.hours);
        EXPECT_EQ(static_cast<std::int64_t>(load), c.watts);
        EXPECT_NEAR(load, c.load, 1e-6);
    }
}
